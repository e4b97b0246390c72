#include "junctionplatform.h"

#include <windows.h>

QStringList JunctionPlatform::removableDisks()
{
    QStringList disks;
    // Keep Windows from asking the user to insert a disk when a card reader slot is empty.
    const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    const DWORD drives = GetLogicalDrives();
    // A and B are floppy letters: touching an empty floppy drive stalls for seconds.
    for (int i = 2; i < 26; ++i) {
        if (!(drives & (DWORD(1) << i)))
            continue;
        const wchar_t root[] = {wchar_t(L'A' + i), L':', L'\\', 0};
        if (GetDriveTypeW(root) != DRIVE_REMOVABLE)
            continue;
        // A reader with no card is still a removable drive; only a readable volume counts.
        if (!GetVolumeInformationW(root, nullptr, 0, nullptr, nullptr, nullptr, nullptr, 0))
            continue;
        disks.append(QString(QLatin1Char(char('A' + i))) + QStringLiteral(":/"));
    }
    SetErrorMode(oldMode);
    return disks;
}

Qt::CaseSensitivity JunctionPlatform::pathCaseSensitivity()
{
    return Qt::CaseInsensitive;
}
