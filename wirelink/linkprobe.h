#pragma once

#include <QtGlobal>

// Seams for tests, not for device libraries: faults and counters of the POSIX stand-in for the Win32
// communication functions. Only the tests' build of the library (WireLinkProbed, WIRELINK_PROBE) has
// them; in the shipped library the stand-in's notes compile to nothing and no fault can be set.
class LinkProbe {
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
        PurgeComm,
        CreateEvent,
        Count
    };

    // How the stand-in's driver treats comm-event waits: as Windows does, or as faulty drivers do.
    enum class WaitFault {
        None,
        NeverCompletes, // accepts every wait and completes none; only a cancel ends it
        AbortsAtOnce,   // completes every wait at once with ERROR_OPERATION_ABORTED
    };

    // The line-error counters a serial driver keeps (TIOCGICOUNT).
    enum class LineCounter { Frame, Parity, Overrun, BufferOverrun, Break, Count };

#ifdef WIRELINK_PROBE
    // The next `call` fails with the Win32 error code `error` (POSIX stand-in only).
    static void failNext(Call call, quint32 error);
    // The next status query reports `count` bytes more than are queued, so the read that follows waits.
    static void addPhantomBytes(quint32 count);
    static void setWaitFault(WaitFault fault);
    static WaitFault waitFault();
    // The driver counts one more line error of this kind. From the first such count until reset() the
    // stand-in reads the driver's counters from here, since pseudo-terminals keep none.
    static void countLineError(LineCounter counter);
    static void reset();

    static quint64 statusQueries();
    static int pendingOperations();
    // Operations still pending when their port handle was closed; the close aborted them.
    static int abandonedOperations();
    static int openPorts();
    // Pending operations ended by CancelIoEx.
    static int cancelledOperations();

    // Used by the stand-in.
    static bool takeFailure(Call call, quint32* error);
    static quint32 takePhantomBytes();
    // Fills `counts` (LineCounter::Count entries); false while no line error was counted.
    static bool lineCounters(quint32* counts);
    static void noteStatusQuery();
    static void notePending(int delta);
    static void noteAbandoned(int count);
    static void notePortOpen(int delta);
    static void noteCancelled(int count);
#else
    static bool takeFailure(Call, quint32*)
    {
        return false;
    }
    static quint32 takePhantomBytes()
    {
        return 0;
    }
    static WaitFault waitFault()
    {
        return WaitFault::None;
    }
    static bool lineCounters(quint32*)
    {
        return false;
    }
    static void noteStatusQuery() {}
    static void notePending(int) {}
    static void noteAbandoned(int) {}
    static void notePortOpen(int) {}
    static void noteCancelled(int) {}
#endif
};
