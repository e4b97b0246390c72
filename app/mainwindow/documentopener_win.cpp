#include "documentopener.h"

#include <windows.h>
#include <shellapi.h>

void openDocument(const QString& path)
{
    ShellExecuteW(nullptr, L"open", reinterpret_cast<LPCWSTR>(path.utf16()), nullptr, nullptr, SW_SHOW);
}
