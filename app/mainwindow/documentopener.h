#ifndef DOCUMENTOPENER_H
#define DOCUMENTOPENER_H

#include <QString>

// Opens a document with the application the platform associates with its type; the result is
// not reported.
void openDocument(const QString& path);

#endif // DOCUMENTOPENER_H
