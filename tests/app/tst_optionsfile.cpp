#include "optionsfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <csignal>
#include <sys/resource.h>

class TestOptionsFile : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString writeFile(const QByteArray& content, const QString& name = QStringLiteral("options.xml"))
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return QString();
        file.write(content);
        return path;
    }

private slots:
    void switches_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("on");
        QTest::newRow("one") << QByteArray("1") << true;
        QTest::newRow("two") << QByteArray("2") << true;
        QTest::newRow("minus one") << QByteArray("-1") << true;
        QTest::newRow("zero") << QByteArray("0") << false;
        QTest::newRow("yes") << QByteArray("yes") << false;
        QTest::newRow("true") << QByteArray("true") << false;
        QTest::newRow("on") << QByteArray("on") << false;
        QTest::newRow("leading zeros") << QByteArray("007") << true;
    }

    void switches()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, on);
        const QString path =
            writeFile("<?xml version=\"1.0\"?><options><AllowAlarm>" + text + "</AllowAlarm><AllowMinAlarm>" + text +
                      "</AllowMinAlarm><AllowMaxAlarm>" + text + "</AllowMaxAlarm><AllowAlarmSound>" + text +
                      "</AllowAlarmSound><AllowLogGeneration>" + text + "</AllowLogGeneration></options>");
        OptionParam param;
        param.allowAlarm = param.allowMinAlarm = param.allowMaxAlarm = !on;
        param.allowAlarmSound = param.allowLogGeneration = !on;
        QVERIFY(OptionsFile::readOptions(path, param));
        QCOMPARE(param.allowAlarm, on);
        QCOMPARE(param.allowMinAlarm, on);
        QCOMPARE(param.allowMaxAlarm, on);
        QCOMPARE(param.allowAlarmSound, on);
        QCOMPARE(param.allowLogGeneration, on);
    }

    void language_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("options");    // what the main window keeps
        QTest::addColumn<QString>("startValue"); // what the start-up lookup finds

        QTest::newRow("plain") << QByteArray("<options><Language>DE</Language></options>") << "DE"
                               << "DE";
        QTest::newRow("mixed case kept") << QByteArray("<options><Language>De</Language></options>") << "De"
                                         << "De";
        QTest::newRow("later wins") << QByteArray("<options><Language>DE</Language><Language>FR</Language></options>")
                                    << "FR"
                                    << "FR";
        QTest::newRow("other root") << QByteArray("<settings><Language>RU</Language></settings>") << "RU"
                                    << "RU";
        QTest::newRow("nested deeper") << QByteArray("<options><group><Language>IT</Language></group></options>")
                                       << "IT"
                                       << "IT";
        QTest::newRow("options anywhere is a container")
            << QByteArray("<root><options><Language>JA</Language></options></root>") << "JA"
            << "JA";
        QTest::newRow("untrimmed") << QByteArray("<options><Language> es </Language></options>") << " es "
                                   << " es ";
        QTest::newRow("blank text ignored") << QByteArray("<options><Language>   </Language></options>") << ""
                                            << "";
        QTest::newRow("empty element") << QByteArray("<options><Language/></options>") << ""
                                       << "";
        QTest::newRow("case-sensitive names") << QByteArray("<options><language>DE</language></options>") << ""
                                              << "";
        QTest::newRow("before a parse error")
            << QByteArray("<options><Language>CN</Language><Broken></options>") << "CN"
            << "CN";
        QTest::newRow("after a parse error") << QByteArray("<options><<Language>CN</Language></options>") << ""
                                             << "";
        QTest::newRow("entity") << QByteArray("<options><Language>D&#69;</Language></options>") << "DE"
                                << "DE";
        QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF<options><Language>FR</Language></options>") << "FR"
                                         << "FR";
        QTest::newRow("empty file") << QByteArray() << ""
                                    << "";
    }

    void language()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, options);
        QFETCH(QString, startValue);
        const QString path = writeFile(content);
        OptionParam param;
        OptionsFile::readOptions(path, param);
        QCOMPARE(param.language, options);
        QCOMPARE(readOptionValue(path, QStringLiteral("Language")), startValue);
    }

    void historyPath_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("taken");
        QTest::newRow("existing folder") << m_dir.path() << true;
        QTest::newRow("missing folder") << m_dir.filePath(QStringLiteral("gone")) << false;
        QTest::newRow("a file, not a folder") << m_dir.filePath(QStringLiteral("options.xml")) << false;
    }

    void historyPath()
    {
        QFETCH(QString, stored);
        QFETCH(bool, taken);
        // Written through the writer so the path is escaped properly.
        OptionParam written;
        written.historyFilesPath = stored;
        QVERIFY(OptionsFile::write(m_dir.filePath(QStringLiteral("options.xml")), written, {}, {}));
        OptionParam param;
        param.historyFilesPath = QStringLiteral("/default/History");
        OptionsFile::readOptions(m_dir.filePath(QStringLiteral("options.xml")), param);
        QCOMPARE(param.historyFilesPath, taken ? stored : QStringLiteral("/default/History"));
    }

    void emptyHistoryPathKeepsDefault()
    {
        OptionParam written;
        written.historyFilesPath = QString();
        const QString path = m_dir.filePath(QStringLiteral("options.xml"));
        QVERIFY(OptionsFile::write(path, written, {}, {}));
        OptionParam param;
        param.historyFilesPath = QStringLiteral("/default/History");
        OptionsFile::readOptions(path, param);
        QCOMPARE(param.historyFilesPath, QStringLiteral("/default/History"));
    }

    void missingFile()
    {
        OptionParam param;
        param.language = QStringLiteral("keep");
        QVERIFY(!OptionsFile::readOptions(m_dir.filePath(QStringLiteral("none.xml")), param));
        QCOMPARE(param.language, QStringLiteral("keep"));
        QCOMPARE(readOptionValue(m_dir.filePath(QStringLiteral("none.xml")), QStringLiteral("Language")), QString());
        QVERIFY(!OptionsFile::readWindowState(m_dir.filePath(QStringLiteral("none.xml"))).hasGeometry);
    }

    void windowStateHex_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("lower") << QByteArray("01ab") << QByteArray("\x01\xab", 2);
        QTest::newRow("upper") << QByteArray("01AB") << QByteArray("\x01\xab", 2);
        QTest::newRow("non-hex skipped") << QByteArray("0z1-ab") << QByteArray("\x01\xab", 2);
    }

    void windowStateHex()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, bytes);
        const QString path =
            writeFile("<options><Geometry>" + text + "</Geometry><State>" + text + "</State></options>");
        const OptionsFile::WindowState state = OptionsFile::readWindowState(path);
        QVERIFY(state.hasGeometry);
        QVERIFY(state.hasState);
        QCOMPARE(state.geometry, bytes);
        QCOMPARE(state.state, bytes);
    }

    void documentFormat()
    {
        OptionParam param;
        param.language = QStringLiteral("DE");
        param.historyFilesPath = QStringLiteral("C:/a & <b>");
        param.allowAlarm = true;
        param.allowMaxAlarm = true;
        const QByteArray doc = OptionsFile::compose(param, QByteArray("\x01\xff", 2), QByteArray("\x00\x10", 2));
        const QList<QByteArray> lines = doc.trimmed().split('\n');
        QCOMPARE(lines.first(), QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
        QCOMPARE(lines.at(1), QByteArray("<options>"));
        const QList<QByteArray> expected = {
            "    <Geometry>01ff</Geometry>",
            "    <State>0010</State>",
            "    <Language>DE</Language>",
            "    <HistoryFilesPath>C:/a &amp; &lt;b&gt;</HistoryFilesPath>",
            "    <AllowAlarm>1</AllowAlarm>",
            "    <AllowMinAlarm>0</AllowMinAlarm>",
            "    <AllowMaxAlarm>1</AllowMaxAlarm>",
            "    <AllowAlarmSound>0</AllowAlarmSound>",
            "    <AllowLogGeneration>0</AllowLogGeneration>",
        };
        QCOMPARE(lines.mid(2, expected.size()), expected);
        QCOMPARE(lines.last(), QByteArray("</options>"));
    }

    void roundTrip()
    {
        OptionParam param;
        param.language = QStringLiteral("zh_CN");
        param.historyFilesPath = m_dir.path();
        param.allowAlarm = true;
        param.allowAlarmSound = true;
        param.allowLogGeneration = false;
        param.allowMinAlarm = true;
        param.allowMaxAlarm = false;
        const QString path = m_dir.filePath(QStringLiteral("round.xml"));
        QVERIFY(OptionsFile::write(path, param, "geo", "sta"));
        OptionParam back;
        QVERIFY(OptionsFile::readOptions(path, back));
        QCOMPARE(back, param);
        const OptionsFile::WindowState state = OptionsFile::readWindowState(path);
        QCOMPARE(state.geometry, QByteArray("geo"));
        QCOMPARE(state.state, QByteArray("sta"));
    }

    // A text the writer cannot encode must not cost the elements after it.
    void unencodableTextKeepsTheRest_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("readBack");
        QTest::newRow("lone high surrogate") << QString(QChar(0xD800)) + QStringLiteral("DE")
                                             << QString(QChar(QChar::ReplacementCharacter)) + QStringLiteral("DE");
        QTest::newRow("lone low surrogate at the end")
            << QStringLiteral("DE") + QChar(0xDC00) << QStringLiteral("DE") + QChar(QChar::ReplacementCharacter);
        QTest::newRow("control characters left out") << QStringLiteral("D\x01"
                                                                       "E\x1F")
                                                     << QStringLiteral("DE");
        QTest::newRow("a pair is kept") << QString::fromUtf8("DE\xF0\x9F\x98\x80")
                                        << QString::fromUtf8("DE\xF0\x9F\x98\x80");
    }

    void unencodableTextKeepsTheRest()
    {
        QFETCH(QString, language);
        QFETCH(QString, readBack);
        OptionParam param;
        param.language = language;
        param.historyFilesPath = m_dir.path();
        param.allowAlarm = true;
        param.allowLogGeneration = true;
        const QString path = m_dir.filePath(QStringLiteral("surrogate.xml"));
        QVERIFY(OptionsFile::write(path, param, "g", "s"));
        OptionParam back;
        QVERIFY(OptionsFile::readOptions(path, back));
        QCOMPARE(back.language, readBack);
        QCOMPARE(back.historyFilesPath, m_dir.path());
        QVERIFY(back.allowAlarm);
        QVERIFY(back.allowLogGeneration);
        QCOMPARE(OptionsFile::readWindowState(path).state, QByteArray("s"));
    }

    // Long texts (a saved geometry is a few hundred hex digits) must come back whole.
    void longTextsWhole()
    {
        const QByteArray geometry = QByteArray(300, '\x5a') + QByteArray(300, '\xa5');
        OptionParam param;
        param.language = QString(500, QLatin1Char('L'));
        const QString path = m_dir.filePath(QStringLiteral("long.xml"));
        QVERIFY(OptionsFile::write(path, param, geometry, geometry));
        QCOMPARE(OptionsFile::readWindowState(path).geometry, geometry);
        QCOMPARE(readOptionValue(path, QStringLiteral("Language")), param.language);
        OptionParam back;
        OptionsFile::readOptions(path, back);
        QCOMPARE(back.language, param.language);
    }

    void writeIntoMissingFolderFails()
    {
        OptionParam param;
        QVERIFY(!OptionsFile::write(m_dir.filePath(QStringLiteral("no/such/folder/options.xml")), param, {}, {}));
    }

    // A write that fails part way (here: the file size limit, which holds for root too) must leave
    // the previous file exactly as it was.
    void failedWriteKeepsOldFile()
    {
        const QByteArray old = "<options><Language>FR</Language></options>";
        const QString path = writeFile(old, QStringLiteral("keep.xml"));
        OptionParam param;
        param.language = QStringLiteral("DE");
        param.historyFilesPath = QString(400, QLatin1Char('x'));

        struct rlimit saved;
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = saved;
        small.rlim_cur = 64;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const bool written = OptionsFile::write(path, param, QByteArray(100, 'g'), QByteArray(100, 's'));
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &saved), 0);

        QVERIFY(!written);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), old);
        const QStringList leftovers = QDir(m_dir.path()).entryList({QStringLiteral("keep.xml*")}, QDir::Files);
        QCOMPARE(leftovers, QStringList{QStringLiteral("keep.xml")});
    }

    void hugeFileIsCutNotRead()
    {
        QByteArray big = "<options><Language>IT</Language><Padding>";
        big += QByteArray(OptionsFile::MaxReadSize, 'p');
        big += "</Padding><Language>RU</Language></options>";
        const QString path = writeFile(big, QStringLiteral("big.xml"));
        QCOMPARE(readOptionValue(path, QStringLiteral("Language")), QStringLiteral("IT"));
    }
};

QTEST_GUILESS_MAIN(TestOptionsFile)
#include "tst_optionsfile.moc"
