#ifndef OPTIONSFILE_H
#define OPTIONSFILE_H

#include <panes/optionparam.h>

#include <QByteArray>
#include <QString>

// Reading and writing options.xml. The readers are lenient: the declaration, the root element's
// name, element order, nesting and unknown elements make no difference, and whatever was read
// before a parse error stays applied.

// The last non-blank text of the named element, or empty when there is none or no file.
QString readOptionValue(const QString& path, const QString& name);

namespace OptionsFile {

// Where options.xml is kept: beside the program where its folder is writable (as shipped on
// Windows), else in the user's configuration folder, which is created when missing.
QString location();

// Applies the seven option elements found in the file to param (fields not in the file keep
// their values). False when the file cannot be opened.
bool readOptions(const QString& path, OptionParam& param);

struct WindowState {
    QByteArray geometry; // empty when the file has none
    QByteArray state;
    bool hasGeometry = false;
    bool hasState = false;
};
WindowState readWindowState(const QString& path);

// The whole document as it is written; empty if it could not be composed.
QByteArray compose(const OptionParam& param, const QByteArray& geometry, const QByteArray& state);

// Replaces the file atomically: either the new document is complete on disk or the previous file
// is left exactly as it was. False when nothing was written.
bool write(const QString& path, const OptionParam& param, const QByteArray& geometry, const QByteArray& state);

// Files larger than this are read only up to it; options.xml is a few hundred bytes.
constexpr qint64 MaxReadSize = 1 << 20;

} // namespace OptionsFile

#endif // OPTIONSFILE_H
