#ifndef TESTPATHS_H
#define TESTPATHS_H

#include <QString>

// Files the suites share with the program or leave for people to look at.
namespace TestPaths {

// Where a file for people to look at goes: the folder CAMDESK_ARTIFACTS names (the temporary folder
// without it), made when missing.
QString artifactPath(const QString& name);
// The options.xml the program reads beside its executable; suites that write it share one lock in CTest.
QString optionsFilePath();

} // namespace TestPaths

#endif // TESTPATHS_H
