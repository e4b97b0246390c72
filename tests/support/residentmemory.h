#ifndef RESIDENTMEMORY_H
#define RESIDENTMEMORY_H

#include <QtGlobal>

// Resident memory of this process in kB, 0 when unknown (no /proc).
qint64 residentKb();

#endif // RESIDENTMEMORY_H
