#include "consoleplatform.h"

#include <QCoreApplication>

#include <io.h>
#include <stdio.h>
#include <windows.h>

namespace {

std::function<void()> stopRequest;

// Runs on a thread of the system's own; the request is handed to the event loop. Returning TRUE for
// a close event gives the program a few seconds before Windows ends it.
BOOL WINAPI onConsoleEvent(DWORD event)
{
    switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
    case CTRL_CLOSE_EVENT:
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [] { stopRequest(); }, Qt::QueuedConnection);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

bool ConsolePlatform::errorIsTerminal()
{
    return _isatty(_fileno(stderr)) != 0;
}

bool ConsolePlatform::watchStopRequests(std::function<void()> stop)
{
    stopRequest = std::move(stop);
    return SetConsoleCtrlHandler(onConsoleEvent, TRUE) != 0;
}
