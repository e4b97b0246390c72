#ifndef JUNCTIONPLATFORM_H
#define JUNCTIONPLATFORM_H

#include <QStringList>

// What differs between the systems the Junction runs on; one source file per system.
namespace JunctionPlatform {

// Root folders of the mounted removable volumes, '/' separated.
QStringList removableDisks();
// Whether two spellings of a path name the same file only when their case matches.
Qt::CaseSensitivity pathCaseSensitivity();

} // namespace JunctionPlatform

#endif // JUNCTIONPLATFORM_H
