#include "documentopener.h"

// shellapi.h needs the types of windows.h before it.
#include <windows.h>

#include <shellapi.h>

void openDocument(const QString& path)
{
    ShellExecuteW(nullptr, L"open", reinterpret_cast<LPCWSTR>(path.utf16()), nullptr, nullptr, SW_SHOW);
}
