#include "filesync.h"

#include <QFile>

#include <unistd.h>

bool syncToDisk(QFile& file)
{
    const int fd = file.handle();
    return fd >= 0 && ::fsync(fd) == 0;
}
