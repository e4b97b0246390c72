#ifndef FILESYNC_H
#define FILESYNC_H

class QFile;

// Asks the system to put what was written to an open file on the disk; false when it could not.
bool syncToDisk(QFile& file);

#endif // FILESYNC_H
