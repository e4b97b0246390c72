#include "localisation.h"

#include "appfolders.h"
#include "optionsfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QTranslator>

namespace {

struct LanguageRow {
    const char* code;
    QLocale::Language language;
    QLocale::Country country;
};

// Tried in order; the first exact match wins.
const LanguageRow languageTable[] = {
    {"zh_cn", QLocale::Chinese, QLocale::China},    {"de", QLocale::German, QLocale::Germany},
    {"fr", QLocale::French, QLocale::France},       {"pl", QLocale::Polish, QLocale::Poland},
    {"fi", QLocale::Finnish, QLocale::Finland},     {"se", QLocale::Swedish, QLocale::Sweden},
    {"cz", QLocale::Czech, QLocale::CzechRepublic}, {"sk", QLocale::Slovak, QLocale::Slovakia},
    {"hu", QLocale::Hungarian, QLocale::Hungary},   {"si", QLocale::Slovenian, QLocale::Slovenia},
    {"it", QLocale::Italian, QLocale::Italy},       {"es", QLocale::Spanish, QLocale::Spain},
    {"gr", QLocale::Greek, QLocale::Greece},        {"nl", QLocale::Dutch, QLocale::Netherlands},
    {"dk", QLocale::Danish, QLocale::Denmark},      {"ru", QLocale::Russian, QLocale::RussianFederation},
};

Q_LOGGING_CATEGORY(lcStartup, "camdesk.startup", QtInfoMsg)

// Created on first need and kept until process exit: installed translators must outlive every
// window that translates through them.
QTranslator* appTranslator = nullptr;
QTranslator* qtTranslator = nullptr;

// Loads the file relative to the working folder as shipped, else the installed copy.
bool loadTranslation(QTranslator* translator, const QString& file)
{
    for (const QString& path : {file, QDir::cleanPath(AppFolders::dataFolder() + QLatin1Char('/') + file)}) {
        if (translator->load(path, QString(), QString(), QString())) {
            qCDebug(lcStartup, "translation %s loaded", qUtf8Printable(QFileInfo(path).absoluteFilePath()));
            return true;
        }
    }
    qCDebug(lcStartup, "no translation %s", qUtf8Printable(file));
    return false;
}

} // namespace

namespace Localisation {

QLocale localeForCode(const QString& lowerCode)
{
    for (const LanguageRow& row : languageTable) {
        if (lowerCode == QLatin1String(row.code))
            return QLocale(row.language, row.country);
    }
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

QStringList translationFiles(const QString& lowerCode)
{
    return {QStringLiteral("%1.qm").arg(lowerCode), QStringLiteral("./translations/qt_%1.qm").arg(lowerCode)};
}

} // namespace Localisation

void installTranslators(const QString& optionsPath, const QString& key)
{
    const QString code = readOptionValue(optionsPath, key).toLower();
    if (code.isEmpty())
        return;

    const QStringList files = Localisation::translationFiles(code);
    if (!appTranslator)
        appTranslator = new QTranslator;
    if (loadTranslation(appTranslator, files.at(0)))
        QCoreApplication::installTranslator(appTranslator);

    if (!qtTranslator)
        qtTranslator = new QTranslator;
    if (loadTranslation(qtTranslator, files.at(1)))
        QCoreApplication::installTranslator(qtTranslator);

    QLocale::setDefault(Localisation::localeForCode(code));
}
