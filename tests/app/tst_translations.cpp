// Keeps the shipped translations complete: every user-visible text of the program, the camera library and
// the panes must be translated in every language file, and the compiled catalogues must carry them.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#ifndef CAMDESK_SOURCE_DIR
#error "CAMDESK_SOURCE_DIR must name the repository root"
#endif
#ifndef LUPDATE_EXECUTABLE
#error "LUPDATE_EXECUTABLE must name the lupdate program"
#endif

namespace {

// The folders whose texts go into the one catalogue the program loads.
const QStringList sourceFolders{QStringLiteral("app"), QStringLiteral("lensfeed"), QStringLiteral("front/panes"),
                                QStringLiteral("libs/recording")};

struct Message {
    QString context;
    QString source;
    QString comment;
    bool numerus = false;
    QString type;             // type attribute of <translation>: empty when finished
    QStringList translations; // the text, or one entry per numerus form
};

struct TsFile {
    QString language;
    QList<Message> messages;
    QString error;
};

QString messageKey(const Message& m)
{
    return m.context + QChar(0x1f) + m.source + QChar(0x1f) + m.comment + QChar(0x1f) +
           (m.numerus ? QLatin1Char('n') : QLatin1Char('s'));
}

QString describe(const Message& m)
{
    QString text = QStringLiteral("[%1] \"%2\"").arg(m.context, m.source);
    if (!m.comment.isEmpty())
        text += QStringLiteral(" (%1)").arg(m.comment);
    return text;
}

void readMessage(QXmlStreamReader& xml, const QString& context, TsFile& ts)
{
    Message m;
    m.context = context;
    m.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("source")) {
            m.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("comment")) {
            m.comment = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            m.type = xml.attributes().value(QLatin1String("type")).toString();
            if (m.numerus) {
                while (xml.readNextStartElement()) {
                    if (xml.name() == QLatin1String("numerusform"))
                        m.translations << xml.readElementText();
                    else
                        xml.skipCurrentElement();
                }
            } else {
                m.translations << xml.readElementText();
            }
        } else {
            xml.skipCurrentElement();
        }
    }
    ts.messages << m;
}

TsFile readTs(const QString& path)
{
    TsFile ts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ts.error = QStringLiteral("cannot open %1").arg(path);
        return ts;
    }
    QXmlStreamReader xml(&file);
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("TS")) {
        ts.error = QStringLiteral("%1 is not a translation file").arg(path);
        return ts;
    }
    ts.language = xml.attributes().value(QLatin1String("language")).toString();
    while (xml.readNextStartElement()) {
        if (xml.name() != QLatin1String("context")) {
            xml.skipCurrentElement();
            continue;
        }
        QString context;
        while (xml.readNextStartElement()) {
            if (xml.name() == QLatin1String("name"))
                context = xml.readElementText();
            else if (xml.name() == QLatin1String("message"))
                readMessage(xml, context, ts);
            else
                xml.skipCurrentElement();
        }
    }
    if (xml.hasError())
        ts.error = QStringLiteral("%1, line %2: %3").arg(path).arg(xml.lineNumber()).arg(xml.errorString());
    return ts;
}

// The arguments a text takes: %1..%9, %n and their localised forms %L1, %Ln.
QStringList placeholders(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("%L?[1-9n]"));
    QStringList found;
    auto it = pattern.globalMatch(text);
    while (it.hasNext())
        found << it.next().captured();
    found.removeDuplicates();
    found.sort();
    return found;
}

QString translationsDir()
{
    return QStringLiteral(CAMDESK_SOURCE_DIR "/app/translations");
}

QString qmPath(const QString& code)
{
#ifdef CAMDESK_QM_DIR
    return QStringLiteral(CAMDESK_QM_DIR "/%1.qm").arg(code);
#else
    // Tests run from <build>/tests/bin; the program and its catalogues live in <build>/bin.
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../../bin/%1.qm").arg(code));
#endif
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_work;
    QList<Message> m_current; // what lupdate finds in the sources right now

    void addLanguageRows()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("pluralForms");
        QTest::newRow("cn") << "cn"
                            << "zh_CN" << 1;
        QTest::newRow("de") << "de"
                            << "de_DE" << 2;
        QTest::newRow("fr") << "fr"
                            << "fr_FR" << 2;
        QTest::newRow("es") << "es"
                            << "es_ES" << 2;
        QTest::newRow("ru") << "ru"
                            << "ru_RU" << 3;
        QTest::newRow("it") << "it"
                            << "it_IT" << 2;
        QTest::newRow("ja") << "ja"
                            << "ja_JP" << 1;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_work.isValid());
        const QString lupdate = QStringLiteral(LUPDATE_EXECUTABLE);
        QVERIFY2(QFileInfo(lupdate).isExecutable(), qPrintable(lupdate + QStringLiteral(" is not executable")));

        const QString extracted = m_work.filePath(QStringLiteral("current.ts"));
        QProcess process;
        process.setWorkingDirectory(QStringLiteral(CAMDESK_SOURCE_DIR));
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(lupdate, QStringList(sourceFolders)
                                   << QStringLiteral("-locations") << QStringLiteral("none")
                                   << QStringLiteral("-no-obsolete") << QStringLiteral("-ts") << extracted);
        QVERIFY2(process.waitForFinished(120000), qPrintable(process.errorString()));
        const QString output = QString::fromLocal8Bit(process.readAll());
        QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0, qPrintable(output));

        const TsFile current = readTs(extracted);
        QVERIFY2(current.error.isEmpty(), qPrintable(current.error));
        m_current = current.messages;
        // The sources always hold texts of every context; an empty extraction means a wrong folder.
        QVERIFY2(m_current.size() > 20, qPrintable(output));
    }

    void complete_data() { addLanguageRows(); }

    void complete()
    {
        QFETCH(QString, code);
        QFETCH(QString, language);
        QFETCH(int, pluralForms);

        const TsFile ts = readTs(translationsDir() + QStringLiteral("/%1.ts").arg(code));
        QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));
        QCOMPARE(ts.language, language);

        QHash<QString, const Message*> translated;
        for (const Message& m : ts.messages)
            translated.insert(messageKey(m), &m);

        QStringList problems;
        QSet<QString> currentKeys;
        for (const Message& m : qAsConst(m_current)) {
            currentKeys.insert(messageKey(m));
            if (!translated.contains(messageKey(m)))
                problems << QStringLiteral("missing: ") + describe(m);
        }

        for (const Message& m : ts.messages) {
            const QString what = describe(m);
            if (m.type == QLatin1String("vanished") || m.type == QLatin1String("obsolete")) {
                problems << QStringLiteral("%1: %2").arg(m.type, what);
                continue;
            }
            if (!currentKeys.contains(messageKey(m)))
                problems << QStringLiteral("no longer in the sources: ") + what;
            if (!m.type.isEmpty())
                problems << QStringLiteral("%1: %2").arg(m.type, what);
            if (m.numerus && m.translations.size() != pluralForms)
                problems << QStringLiteral("%1 plural forms instead of %2: %3")
                                .arg(m.translations.size())
                                .arg(pluralForms)
                                .arg(what);
            if (m.translations.isEmpty())
                problems << QStringLiteral("empty: ") + what;
            const QStringList expected = placeholders(m.source);
            for (const QString& text : m.translations) {
                if (text.isEmpty()) {
                    problems << QStringLiteral("empty: ") + what;
                } else if (placeholders(text) != expected) {
                    problems << QStringLiteral("placeholders %1 instead of %2: %3 -> \"%4\"")
                                    .arg(placeholders(text).join(QLatin1Char(' ')), expected.join(QLatin1Char(' ')),
                                         what, text);
                }
            }
        }
        problems.removeDuplicates();
        QVERIFY2(problems.isEmpty(),
                 qPrintable(QStringLiteral("%1.ts:\n  ").arg(code) + problems.join(QStringLiteral("\n  "))));
    }

    void compiled_data() { addLanguageRows(); }

    void compiled()
    {
        QFETCH(QString, code);

        const QString path = qmPath(code);
        QTranslator translator;
        QVERIFY2(translator.load(path), qPrintable(QStringLiteral("cannot load %1").arg(path)));

        const QString connect = translator.translate("MainWindow", "Connect");
        QVERIFY2(!connect.isEmpty() && connect != QLatin1String("Connect"),
                 qPrintable(QStringLiteral("\"Connect\" is not translated in %1").arg(path)));

        // A catalogue built from an older .ts file fails here.
        const TsFile ts = readTs(translationsDir() + QStringLiteral("/%1.ts").arg(code));
        QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));
        QStringList stale;
        for (const Message& m : ts.messages) {
            if (!m.type.isEmpty() || m.translations.isEmpty())
                continue; // reported by complete()
            const QByteArray context = m.context.toUtf8();
            const QByteArray source = m.source.toUtf8();
            const QByteArray comment = m.comment.toUtf8();
            const char* disambiguation = m.comment.isEmpty() ? nullptr : comment.constData();
            if (m.numerus) {
                const QString shown = translator.translate(context.constData(), source.constData(), disambiguation, 1);
                if (!m.translations.contains(shown))
                    stale << describe(m) + QStringLiteral(" -> \"%1\"").arg(shown);
            } else {
                const QString shown = translator.translate(context.constData(), source.constData(), disambiguation);
                if (shown != m.translations.constFirst())
                    stale << describe(m) + QStringLiteral(" -> \"%1\"").arg(shown);
            }
        }
        QVERIFY2(stale.isEmpty(), qPrintable(QStringLiteral("%1 differs from %2.ts:\n  ").arg(path, code) +
                                             stale.join(QStringLiteral("\n  "))));
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
