#ifndef LOCALISATION_H
#define LOCALISATION_H

#include <QLocale>
#include <QString>
#include <QStringList>

// Reads the stored language code and installs the program's and Qt's translations once, before
// any window exists; a language change therefore takes effect at the next start.
void installTranslators(const QString& optionsPath, const QString& key);

namespace Localisation {

// The default locale for a lower-cased language code; any unknown non-empty code gives
// English (United States).
QLocale localeForCode(const QString& lowerCode);

// The translation files tried for a lower-cased code, in install order: the program's own
// file and Qt's. Both are relative to the working directory; where one is not found there, the
// same name under the install's data folder is tried.
QStringList translationFiles(const QString& lowerCode);

} // namespace Localisation

#endif // LOCALISATION_H
