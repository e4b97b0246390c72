#include "localisation.h"
#include "optionsfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QTemporaryDir>
#include <QTest>

class TestLocalisation : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_work;
    QString m_startDir;

    QString writeOptions(const QString& language)
    {
        const QString path = m_work.filePath(QStringLiteral("elsewhere/options.xml"));
        QDir().mkpath(QFileInfo(path).path());
        OptionParam param;
        param.language = language;
        OptionsFile::write(path, param, {}, {});
        return path;
    }

private slots:
    void initTestCase() { m_startDir = QDir::currentPath(); }
    void cleanupTestCase() { QDir::setCurrent(m_startDir); }

    void localeTable_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("country");
        QTest::newRow("zh_cn") << "zh_cn" << 25 << 44;
        QTest::newRow("de") << "de" << 42 << 82;
        QTest::newRow("fr") << "fr" << 37 << 74;
        QTest::newRow("pl") << "pl" << 90 << 172;
        QTest::newRow("fi") << "fi" << 36 << 73;
        QTest::newRow("se") << "se" << 114 << 205;
        QTest::newRow("cz") << "cz" << 28 << 57;
        QTest::newRow("sk") << "sk" << 108 << 191;
        QTest::newRow("hu") << "hu" << 50 << 98;
        QTest::newRow("si") << "si" << 109 << 192;
        QTest::newRow("it") << "it" << 58 << 106;
        QTest::newRow("es") << "es" << 111 << 197;
        QTest::newRow("gr") << "gr" << 43 << 85;
        QTest::newRow("nl") << "nl" << 30 << 151;
        QTest::newRow("dk") << "dk" << 29 << 58;
        QTest::newRow("ru") << "ru" << 96 << 178;
        QTest::newRow("cn falls to English") << "cn" << 31 << 225;
        QTest::newRow("en") << "en" << 31 << 225;
        QTest::newRow("ja falls to English") << "ja" << 31 << 225;
        QTest::newRow("upper case is not looked up") << "DE" << 31 << 225;
        QTest::newRow("white space is part of the code") << " de" << 31 << 225;
    }

    void localeTable()
    {
        QFETCH(QString, code);
        QFETCH(int, language);
        QFETCH(int, country);
        const QLocale locale = Localisation::localeForCode(code);
        QCOMPARE(int(locale.language()), language);
        QCOMPARE(int(locale.country()), country);
    }

    void filesTried_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("de") << "de" << QStringList{"de.qm", "./translations/qt_de.qm"};
        QTest::newRow("cn") << "cn" << QStringList{"cn.qm", "./translations/qt_cn.qm"};
        QTest::newRow("zh_cn") << "zh_cn" << QStringList{"zh_cn.qm", "./translations/qt_zh_cn.qm"};
    }

    void filesTried()
    {
        QFETCH(QString, code);
        QFETCH(QStringList, files);
        QCOMPARE(Localisation::translationFiles(code), files);
    }

    // Must run before any translator is installed: translators live for the whole process.
    void emptyCodeChangesNothing()
    {
        const QLocale before;
        installTranslators(writeOptions(QString()), QStringLiteral("Language"));
        QCOMPARE(QLocale(), before);
        installTranslators(m_work.filePath(QStringLiteral("missing.xml")), QStringLiteral("Language"));
        QCOMPARE(QLocale(), before);
        QCOMPARE(QCoreApplication::translate("MainWindow", "Connect"), QStringLiteral("Connect"));
    }

    void unknownCodeStillSetsEnglishLocale()
    {
        installTranslators(writeOptions(QStringLiteral("JA")), QStringLiteral("Language"));
        QCOMPARE(QLocale().language(), QLocale::English);
        QCOMPARE(QLocale().country(), QLocale::UnitedStates);
        QCOMPARE(QCoreApplication::translate("MainWindow", "Connect"), QStringLiteral("Connect"));
    }

    // The options file sits elsewhere; the translations are found relative to the working folder.
    void translationsFromWorkingFolder()
    {
        const QString cwd = m_work.filePath(QStringLiteral("cwd"));
        QVERIFY(QDir().mkpath(cwd + QStringLiteral("/translations")));
        QVERIFY(QFile::copy(QStringLiteral(TEST_QM), cwd + QStringLiteral("/de.qm")));
        const QString qtDir = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
        for (const QString& name : QDir(qtDir).entryList({QStringLiteral("qt*_de.qm")}, QDir::Files))
            QVERIFY(QFile::copy(qtDir + QLatin1Char('/') + name, cwd + QStringLiteral("/translations/") + name));
        QVERIFY(QDir::setCurrent(cwd));

        installTranslators(writeOptions(QStringLiteral("DE")), QStringLiteral("Language"));

        QCOMPARE(QCoreApplication::translate("MainWindow", "Connect"), QStringLiteral("Verbinden (test)"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
        QCOMPARE(QLocale().language(), QLocale::German);
        QCOMPARE(QLocale().country(), QLocale::Germany);
        QDir::setCurrent(m_startDir);
    }
};

QTEST_GUILESS_MAIN(TestLocalisation)
#include "tst_localisation.moc"
