#include "filesync.h"

#include <QFile>

#include <io.h>

bool syncToDisk(QFile& file)
{
    const int fd = file.handle();
    return fd >= 0 && ::_commit(fd) == 0;
}
