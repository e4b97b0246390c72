#pragma once

#include "wirelink_export.h"

#include <QtGlobal>

// Seams for tests and benchmarks, not for device libraries: faults and counters of the POSIX stand-in
// for the Win32 communication functions, and the reader's literal polling mode kept for comparison.
class WIRELINK_EXPORT LinkProbe {
public:
    enum class Call {
        CreateFile,
        GetCommState,
        SetCommState,
        GetCommTimeouts,
        SetCommTimeouts,
        ClearCommError,
        WaitCommEvent,
        ReadFile,
        WriteFile,
        Count
    };

    // The next `call` fails with the Win32 error code `error` (POSIX stand-in only).
    static void failNext(Call call, quint32 error);
    // The next status query reports `count` bytes more than are queued, so the read that follows waits.
    static void addPhantomBytes(quint32 count);
    static void reset();

    static quint64 statusQueries();
    static int pendingOperations();
    // Operations still pending when their port handle was closed; their records were never touched again.
    static int abandonedOperations();
    static int openPorts();

    // Readers started from now on poll the driver without waiting, as the original loop did.
    static void setLiteralPolling(bool on);
    static bool literalPolling();

    // Used by the stand-in.
    static bool takeFailure(Call call, quint32* error);
    static quint32 takePhantomBytes();
    static void noteStatusQuery();
    static void notePending(int delta);
    static void noteAbandoned(int count);
    static void notePortOpen(int delta);
};
