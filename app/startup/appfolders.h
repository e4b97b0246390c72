#ifndef APPFOLDERS_H
#define APPFOLDERS_H

#include <QString>
#include <QStringList>

// Where the program's read-only files are: its own folder (as shipped on Windows and in the build
// tree) and, for an install under a prefix, the prefix's share/camdesk.
namespace AppFolders {

// The install's data folder, derived from the program's folder; it need not exist.
QString dataFolder();

// The first of the paths that names an existing file; the first path when none does.
QString firstExisting(const QStringList& paths);

} // namespace AppFolders

#endif // APPFOLDERS_H
