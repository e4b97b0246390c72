#include "documentopener.h"
#include "localisation.h"
#include "mainwindow.h"
#include "optionsfile.h"

#include <modalwatcher.h>
#include <residentmemory.h>
#include <testpaths.h>

#include <junction/junction.h>
#include <layouts/layoutcatalog.h>
#include <panes/livepane.h>

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QResource>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>
#include <QXmlStreamReader>

#include <csignal>
#include <memory>
#include <sys/resource.h>

using DM = DeviceManager;

namespace {

QString defaultHistory()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/History");
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Whatever stands at path (file, folder, link) goes.
void removeEntry(const QString& path)
{
    const QFileInfo info(path);
    if (info.isSymLink() || info.isFile())
        QFile::remove(path);
    else if (info.isDir())
        QDir(path).removeRecursively();
}

QByteArray utf16(const QString& text, bool bigEndian, bool bom)
{
    QByteArray out;
    if (bom)
        out += bigEndian ? QByteArray("\xFE\xFF", 2) : QByteArray("\xFF\xFE", 2);
    for (const QChar c : text) {
        const char hi = char(c.unicode() >> 8);
        const char lo = char(c.unicode() & 0xFF);
        out += bigEndian ? QByteArray{&hi, 1} + QByteArray{&lo, 1} : QByteArray{&lo, 1} + QByteArray{&hi, 1};
    }
    return out;
}

// Counts the translators installed in the application: each install sends it a LanguageChange.
class LanguageChangeCounter : public QObject {
public:
    int count = 0;
    LanguageChangeCounter() { qApp->installEventFilter(this); }
    ~LanguageChangeCounter() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == qApp && event->type() == QEvent::LanguageChange)
            ++count;
        return false;
    }
};

} // namespace

// Input the program did not write itself: broken, hostile or unwritable options files, corrupt
// translations, a broken style sheet, a manual that is not there, a picture that cannot be saved.
// The program starts with defaults for what it cannot read, never crashes, and never loses a file it
// could not replace.
class TestBadInput : public QObject {
    Q_OBJECT

public slots:
    // Stands in for the desktop's handler of file URLs, so no viewer is ever started.
    void openFileUrl(const QUrl& url) { m_openedUrls << url; }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<MainWindow> m_window;
    QList<QUrl> m_openedUrls;

    // A window whose first connection attempt has run against no camera and no disk.
    MainWindow* makeWindow()
    {
        m_window = std::make_unique<MainWindow>(nullptr);
        m_window->junction()->setDiskLister([] { return QStringList(); });
        m_window->show();
        const bool settled = QTest::qWaitFor(
            [this] { return m_window->statusLabel()->text() == QLatin1String("Failed to open device"); });
        return settled ? m_window.get() : nullptr;
    }

    // Closes the window as the user does; returns the boxes it showed.
    QStringList closeWindow()
    {
        ModalWatcher watcher;
        m_window->close();
        QCoreApplication::processEvents();
        m_window.reset();
        return watcher.seen;
    }

    QString path(const QString& name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase()
    {
        qunsetenv("KM420_CAMERA_PORT");
        QApplication::setQuitOnLastWindowClosed(false);
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir().mkpath(path(QStringLiteral("history"))));
        QVERIFY(QDir().mkpath(path(QString::fromUtf8("caf\xC3\xA9"))));
        QVERIFY(writeBytes(path(QStringLiteral("secret.txt")), "SECRET"));
        QVERIFY(writeBytes(path(QStringLiteral("plain-file")), "not a folder"));
        removeEntry(TestPaths::optionsFilePath());
    }

    void cleanup()
    {
        if (m_window)
            closeWindow();
        removeEntry(TestPaths::optionsFilePath());
    }

    void cleanupTestCase() { removeEntry(TestPaths::optionsFilePath()); }

    // ---- options.xml that cannot be read, or only in part ----

    void unreadableOptions_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("history"); // empty: the default folder
        QTest::addColumn<bool>("alarm");

        const QByteArray history = path(QStringLiteral("history")).toUtf8();
        OptionParam full;
        full.language = QStringLiteral("DE");
        full.historyFilesPath = path(QStringLiteral("history"));
        full.allowAlarm = true;
        const QByteArray document = OptionsFile::compose(full, QByteArray(), QByteArray());
        const int afterLanguage = document.indexOf("</Language>") + int(qstrlen("</Language>"));
        const QByteArray plain = "<options><Language>DE</Language><HistoryFilesPath>" + history +
                                 "</HistoryFilesPath><AllowAlarm>1</AllowAlarm></options>";

        QTest::newRow("well-formed") << document << "DE" << QString::fromUtf8(history) << true;
        QTest::newRow("empty file") << QByteArray() << ""
                                    << "" << false;
        QTest::newRow("declaration only") << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n") << ""
                                          << "" << false;
        QTest::newRow("cut after Language") << document.left(afterLanguage + 12) << "DE"
                                            << "" << false;
        QTest::newRow("cut inside the declaration") << document.left(10) << ""
                                                    << "" << false;
        // A zero byte is no XML character: the text before it was read, nothing after it.
        QTest::newRow("zero byte inside text")
            << QByteArray("<options><AllowAlarm>1</AllowAlarm><Language>D\0E</Language><HistoryFilesPath>", 77) +
                   history + "</HistoryFilesPath></options>"
            << "D"
            << "" << true;
        QTest::newRow("UTF-8 byte-order mark") << "\xEF\xBB\xBF" + plain << "DE" << QString::fromUtf8(history) << true;
        QTest::newRow("UTF-16LE with byte-order mark")
            << utf16(QString::fromUtf8("<?xml version=\"1.0\" encoding=\"UTF-16\"?>" + plain), false, true) << "DE"
            << QString::fromUtf8(history) << true;
        QTest::newRow("UTF-16BE with byte-order mark")
            << utf16(QString::fromUtf8(plain), true, true) << "DE" << QString::fromUtf8(history) << true;
        // The declaration names an encoding the bytes are not in.
        QTest::newRow("declared UTF-16, bytes single-byte")
            << "<?xml version=\"1.0\" encoding=\"UTF-16\"?>" + plain << ""
            << "" << false;
        QTest::newRow("declared Latin-1, honoured")
            << "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><options><HistoryFilesPath>" +
                   path(QString::fromUtf8("caf\xC3\xA9")).toLatin1() + "</HistoryFilesPath></options>"
            << "" << path(QString::fromUtf8("caf\xC3\xA9")) << false;
        // The encoding error stands after Language, which is to be read; AllowAlarm after it is not.
        QTest::newRow("Latin-1 bytes read as UTF-8") << "<options><Language>DE</Language><HistoryFilesPath>" +
                                                            path(QString::fromUtf8("caf\xC3\xA9")).toLatin1() +
                                                            "</HistoryFilesPath><AllowAlarm>1</AllowAlarm></options>"
                                                     << "DE"
                                                     << "" << false;
        QTest::newRow("invalid UTF-8 in a later element")
            << QByteArray(
                   "<options><AllowAlarm>1</AllowAlarm><Language>DE</Language><Note>\xC3\x28\xFF</Note></options>")
            << "DE"
            << "" << true;
        QTest::newRow("history path names a file")
            << "<options><HistoryFilesPath>" + path(QStringLiteral("plain-file")).toUtf8() +
                   "</HistoryFilesPath></options>"
            << ""
            << "" << false;
        QTest::newRow("history path names nothing")
            << "<options><HistoryFilesPath>" + path(QStringLiteral("gone/away")).toUtf8() +
                   "</HistoryFilesPath></options>"
            << ""
            << "" << false;

        // Size and shape.
        QTest::newRow("8 MB before the options")
            << "<options><Padding>" + QByteArray(8 << 20, 'p') + "</Padding>" + plain + "</options>"
            << ""
            << "" << false;
        QTest::newRow("8 MB after the options")
            << plain.left(plain.size() - 10) + "<Padding>" + QByteArray(8 << 20, 'p') + "</Padding></options>"
            << "DE" << QString::fromUtf8(history) << true;
        const int depth = 100000;
        QTest::newRow("nested 100000 deep")
            << QByteArray("<n>").repeated(depth) + plain + QByteArray("</n>").repeated(depth) << "DE"
            << QString::fromUtf8(history) << true;
        QTest::newRow("nested 100000 deep, never closed")
            << QByteArray("<n>").repeated(depth) + plain << "DE" << QString::fromUtf8(history) << true;
        QTest::newRow("geometry and state garbage")
            << "<options><Geometry>" + QByteArray(200000, 'f') + "</Geometry><State>zz01d9d0cb0003</State>" + plain +
                   "</options>"
            << "DE" << QString::fromUtf8(history) << true;

        // Entities and DOCTYPE.
        QTest::newRow("internal entity")
            << QByteArray("<!DOCTYPE options [<!ENTITY lang \"DE\">]><options><Language>&lang;</Language></options>")
            << "DE"
            << "" << false;
        QByteArray laughs = "<?xml version=\"1.0\"?><!DOCTYPE options [<!ENTITY lol0 \"lollollollol\">";
        for (int i = 1; i <= 9; ++i)
            laughs += QStringLiteral("<!ENTITY lol%1 \"%2\">")
                          .arg(i)
                          .arg(QStringLiteral("&lol%1;").arg(i - 1).repeated(10))
                          .toLatin1();
        laughs += "]><options><Language>FR</Language><Bomb>&lol9;</Bomb><HistoryFilesPath>" + history +
                  "</HistoryFilesPath></options>";
        QTest::newRow("billion laughs") << laughs << "FR"
                                        << "" << false;
        // One wide entity referenced many times: no nesting, but gigabytes if expanded.
        QByteArray wide = "<!DOCTYPE options [<!ENTITY w \"" + QByteArray(100000, 'w') +
                          "\">]><options><Language>IT</Language><Bomb>" + QByteArray("&w;").repeated(100000) +
                          "</Bomb><AllowAlarm>1</AllowAlarm></options>";
        QTest::newRow("quadratic blow-up") << wide << "IT"
                                           << "" << false;
        QTest::newRow("external entity") << "<!DOCTYPE options [<!ENTITY secret SYSTEM \"file://" +
                                                path(QStringLiteral("secret.txt")).toUtf8() +
                                                "\">]><options><Language>&secret;</Language></options>"
                                         << ""
                                         << "" << false;
        QTest::newRow("external DTD") << "<!DOCTYPE options SYSTEM \"file://" +
                                             path(QStringLiteral("secret.txt")).toUtf8() + "\">" + plain
                                      << "DE" << QString::fromUtf8(history) << true;
    }

    void unreadableOptions()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, language);
        QFETCH(QString, history);
        QFETCH(bool, alarm);

        QVERIFY(writeBytes(TestPaths::optionsFilePath(), content));
        const qint64 rssBefore = residentKb();
        QElapsedTimer clock;
        clock.start();
        // QXmlStreamReader checks the encoding of all the data it holds before it hands out the first token,
        // so a bad byte anywhere in a small file hides what stands before it: the file's whole content is
        // lost, and the defaults are written back at close.
        QCOMPARE(readOptionValue(TestPaths::optionsFilePath(), QStringLiteral("Language")), language);
        MainWindow* w = makeWindow();
        QVERIFY(w);
        const qint64 elapsed = clock.elapsed();
        const qint64 grownKb = residentKb() - rssBefore;
        qInfo("read in %lld ms, memory %+lld kB", elapsed, grownKb);
        // Bounds against an expansion, far above a normal read (milliseconds) and far below one.
        QVERIFY2(elapsed < 20000, qPrintable(QStringLiteral("%1 ms").arg(elapsed)));
        QVERIFY2(grownKb < 200 * 1024, qPrintable(QStringLiteral("%1 kB").arg(grownKb)));

        const OptionParam& param = w->optionParam();
        QCOMPARE(param.language, language);
        QCOMPARE(param.historyFilesPath, history.isEmpty() ? defaultHistory() : history);
        QCOMPARE(param.allowAlarm, alarm);
        QVERIFY(!param.allowAlarmSound);
        QVERIFY(!param.allowLogGeneration);
        QVERIFY(!param.allowMinAlarm);
        QVERIFY(!param.allowMaxAlarm);

        // At close the file is replaced by a well-formed document of what the program holds.
        QCOMPARE(closeWindow(), QStringList());
        QXmlStreamReader check(readBytes(TestPaths::optionsFilePath()));
        while (!check.atEnd())
            check.readNext();
        QVERIFY2(!check.hasError(), qPrintable(check.errorString()));
        QCOMPARE(readOptionValue(TestPaths::optionsFilePath(), QStringLiteral("Language")), language);
        QCOMPARE(readOptionValue(TestPaths::optionsFilePath(), QStringLiteral("HistoryFilesPath")),
                 history.isEmpty() ? defaultHistory() : history);
    }

    // ---- options.xml that cannot be replaced at close ----

    void unwritableOptions_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("a folder in place of the file") << "folder";
        QTest::newRow("a link into a missing folder") << "link-missing";
        QTest::newRow("a link through a file") << "link-through-file";
        QTest::newRow("file size limit") << "size-limit";
    }

    void unwritableOptions()
    {
        QFETCH(QString, kind);
        const QByteArray old = "<options><Language>FR</Language></options>";
        QString linkTarget;
        if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(TestPaths::optionsFilePath()));
            QVERIFY(writeBytes(TestPaths::optionsFilePath() + QStringLiteral("/keep"), old));
        } else if (kind == QLatin1String("link-missing")) {
            linkTarget = path(QStringLiteral("no/such/folder/options.xml"));
            QVERIFY(QFile::link(linkTarget, TestPaths::optionsFilePath()));
        } else if (kind == QLatin1String("link-through-file")) {
            linkTarget = path(QStringLiteral("plain-file/options.xml"));
            QVERIFY(QFile::link(linkTarget, TestPaths::optionsFilePath()));
        } else {
            QVERIFY(writeBytes(TestPaths::optionsFilePath(), old));
        }

        MainWindow* w = makeWindow();
        QVERIFY(w);
        QCOMPARE(w->optionParam().language, kind == QLatin1String("size-limit") ? QStringLiteral("FR") : QString());

        QStringList boxes;
        if (kind == QLatin1String("size-limit")) {
            struct rlimit saved;
            QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
            std::signal(SIGXFSZ, SIG_IGN);
            struct rlimit small = saved;
            small.rlim_cur = 64;
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
            boxes = closeWindow();
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &saved), 0);
        } else {
            boxes = closeWindow();
        }
        QCOMPARE(boxes, QStringList{QStringLiteral("box::Can not open file.")});

        const QFileInfo entry(TestPaths::optionsFilePath());
        if (kind == QLatin1String("folder")) {
            QVERIFY(entry.isDir());
            QCOMPARE(readBytes(TestPaths::optionsFilePath() + QStringLiteral("/keep")), old);
        } else if (!linkTarget.isEmpty()) {
            QVERIFY(entry.isSymLink());
            QCOMPARE(entry.symLinkTarget(), linkTarget);
        } else {
            QCOMPARE(readBytes(TestPaths::optionsFilePath()), old);
        }
        // No temporary file left behind beside it.
        const QStringList beside = QDir(QCoreApplication::applicationDirPath())
                                       .entryList({QStringLiteral("options.xml*")}, QDir::AllEntries | QDir::System);
        QCOMPARE(beside, QStringList{QStringLiteral("options.xml")});
    }

    // A link to a file elsewhere is written through: the link stays a link.
    void optionsLinkWrittenThrough()
    {
        const QString target = path(QStringLiteral("linked-options.xml"));
        QVERIFY(writeBytes(target, "<options><Language>RU</Language></options>"));
        QVERIFY(QFile::link(target, TestPaths::optionsFilePath()));
        MainWindow* w = makeWindow();
        QVERIFY(w);
        QCOMPARE(w->optionParam().language, QStringLiteral("RU"));
        QCOMPARE(closeWindow(), QStringList());
        QVERIFY(QFileInfo(TestPaths::optionsFilePath()).isSymLink());
        QCOMPARE(readOptionValue(target, QStringLiteral("Language")), QStringLiteral("RU"));
        QVERIFY(readBytes(target).contains("<Geometry>"));
    }

    // ---- translations ----

    void corruptTranslation_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("folder"); // a folder by the file's name instead
        QTest::addColumn<bool>("emptyCatalogue");

        const QByteArray magic("\x3C\xB8\x64\x18\xCA\xEF\x9C\x95\xCD\x21\x1C\xBF\x60\xA1\xBD\xDD", 16);
        QByteArray noise(4096, '\0');
        quint32 x = 12345;
        for (char& c : noise) {
            x = x * 1103515245u + 12345u;
            c = char(x >> 24);
        }
        const QByteArray real =
            readBytes(QLibraryInfo::location(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm"));
        QTest::newRow("empty") << QByteArray() << false << false;
        QTest::newRow("noise") << noise << false << false;
        QTest::newRow("magic, then noise") << magic + noise << false << false;
        QTest::newRow("magic, then a block longer than the file")
            << magic + QByteArray("\x42\x7F\xFF\xFF\xFF", 5) + QByteArray(16, 'x') << false << false;
        if (real.size() > 1024)
            QTest::newRow("a real translation cut in half") << real.left(real.size() / 2) << false << false;
        QTest::newRow("a folder") << QByteArray() << true << false;
        // Last: Qt takes the bare header for a valid, empty catalogue and installs it without notice (an
        // empty translator sends no LanguageChange); from then on every load() into the installed
        // translator announces itself by clearing it, which would blur the rows after it.
        QTest::newRow("magic only") << magic << false << true;
    }

    void corruptTranslation()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, folder);
        QFETCH(bool, emptyCatalogue);

        const QString work = path(QStringLiteral("tr-%1").arg(QTest::currentDataTag()).replace(' ', '_'));
        QVERIFY(QDir().mkpath(work + QStringLiteral("/translations")));
        for (const QString& name : Localisation::translationFiles(QStringLiteral("de"))) {
            const QString file = work + QLatin1Char('/') + name;
            if (folder)
                QVERIFY(QDir().mkpath(file));
            else
                QVERIFY(writeBytes(file, content));
        }
        const QString options = work + QStringLiteral("/options.xml");
        QVERIFY(writeBytes(options, "<options><Language>DE</Language></options>"));

        const QString startDir = QDir::currentPath();
        QVERIFY(QDir::setCurrent(work));
        QLocale::setDefault(QLocale::c());
        LanguageChangeCounter installs;
        installTranslators(options, QStringLiteral("Language"));
        QCoreApplication::sendPostedEvents();
        QDir::setCurrent(startDir);

        if (!emptyCatalogue)
            QCOMPARE(installs.count, 0);
        QCOMPARE(QCoreApplication::translate("MainWindow", "Connect"), QStringLiteral("Connect"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
        QCOMPARE(QLocale().language(), QLocale::German);
        QCOMPARE(QLocale().country(), QLocale::Germany);
    }

    // ---- the style sheet resource ----

    void styleSheet_data()
    {
        QTest::addColumn<bool>("present");
        QTest::addColumn<QByteArray>("sheet");
        QTest::addColumn<QString>("applied");
        QTest::newRow("missing") << false << QByteArray() << "";
        QTest::newRow("plain") << true << QByteArray("QLabel { color: #123456; }") << "QLabel { color: #123456; }";
        QTest::newRow("zero byte inside")
            << true << QByteArray("QLabel { color: #123456; }\0QLabel { color: red; }", 50)
            << "QLabel { color: #123456; }";
        QTest::newRow("zero byte first") << true << QByteArray("\0QLabel { color: red; }", 23) << "";
        QTest::newRow("not a style sheet")
            << true << QByteArray("\xFF\xFE{{{ ;;; }") << QString::fromLatin1("\xFF\xFE{{{ ;;; }");
    }

    // This test carries no resource bundle of its own; a row that needs the sheet registers one made
    // for it.
    void styleSheet()
    {
        QFETCH(bool, present);
        QFETCH(QByteArray, sheet);
        QFETCH(QString, applied);

        QVERIFY(!QFile::exists(QStringLiteral(":/image/black.css")));
        const QString rcc = QLibraryInfo::location(QLibraryInfo::BinariesPath) + QStringLiteral("/rcc");
        if (present && !QFileInfo(rcc).isExecutable())
            QSKIP("no rcc to build the resource with");
        const QString tag = QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('_'));
        const QString bundle = path(QStringLiteral("sheet-%1.rcc").arg(tag));
        if (present) {
            const QString work = path(QStringLiteral("sheet-%1").arg(tag));
            QVERIFY(QDir().mkpath(work));
            QVERIFY(writeBytes(work + QStringLiteral("/black.css"), sheet));
            QVERIFY(writeBytes(work + QStringLiteral("/sheet.qrc"),
                               "<RCC><qresource prefix=\"/image\"><file>black.css</file></qresource></RCC>"));
            QProcess tool;
            tool.setWorkingDirectory(work);
            tool.start(rcc, {QStringLiteral("--binary"), QStringLiteral("-o"), bundle, QStringLiteral("sheet.qrc")});
            QVERIFY(tool.waitForFinished(30000));
            QCOMPARE(tool.exitCode(), 0);
            QVERIFY(QResource::registerResource(bundle));
            QCOMPARE(readBytes(QStringLiteral(":/image/black.css")), sheet);
        }

        qApp->setStyleSheet(QString());
        MainWindow* w = makeWindow();
        if (present)
            QResource::unregisterResource(bundle);
        QVERIFY(w);
        QCOMPARE(qApp->styleSheet(), applied);
        QVERIFY(w->actionConnect()->isEnabled());
        qApp->setStyleSheet(QString());
    }

    // ---- the manual ----

    void manualOpener_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("beside the program, missing")
            << QCoreApplication::applicationDirPath() + QStringLiteral("/./Software Manual.pdf");
        QTest::newRow("Chinese name, missing")
            << QCoreApplication::applicationDirPath() + QString::fromUtf8("/./\xE8\xBD\xAF\xE4\xBB\xB6\xE7\x94\xA8"
                                                                          "\xE6\x88\xB7\xE6\x89\x8B\xE5\x86\x8C.pdf");
        QTest::newRow("characters that mean something in a URL")
            << QStringLiteral("/opt/a#b/c%20d/e?f/Software Manual.pdf");
    }

    // The program's own opener hands the desktop a file URL naming exactly the path, existing or not.
    void manualOpener()
    {
        QFETCH(QString, file);
        m_openedUrls.clear();
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openFileUrl");
        openDocument(file);
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(m_openedUrls.size(), 1);
        QVERIFY(m_openedUrls.first().isLocalFile());
        QCOMPARE(m_openedUrls.first().toLocalFile(), file);
    }

    // User Manual with no manual beside the program: the path goes to the desktop, nothing is shown.
    void manualMissing()
    {
        QVERIFY(!QFile::exists(MainWindow::manualPath(QString())));
        MainWindow* w = makeWindow();
        QVERIFY(w);
        m_openedUrls.clear();
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openFileUrl");
        ModalWatcher watcher;
        w->actionManual()->trigger();
        QTest::qWait(100);
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(m_openedUrls.size(), 1);
        QCOMPARE(m_openedUrls.first().toLocalFile(), MainWindow::manualPath(QString()));
        QCOMPARE(watcher.seen, QStringList());
    }

    // A profile that cannot be used is listed with the reason, and the program runs with the others.
    void malformedProfile()
    {
        QVERIFY(QDir().mkpath(path(QStringLiteral("layouts"))));
        QVERIFY(writeBytes(path(QStringLiteral("layouts/a-broken.json")),
                           R"({"format":"km420-layout","version":1,"name":"x",)"
                           R"("fields":{"max":{"offset":14934,"type":"i16le"}}})"));
        QVERIFY(writeBytes(path(QStringLiteral("layouts/b-good.json")),
                           R"({"format":"km420-layout","version":1,"name":"Good camera",)"
                           R"("proof":[{"offset":100,"u8":7}],"fields":{"max":{"offset":14,"type":"i16le"}}})"));
        QVERIFY(writeBytes(path(QStringLiteral("layouts/c-not-json.json")), "max at 14"));
        LayoutCatalog::setSharedFolders({path(QStringLiteral("layouts"))});
        const auto restore = qScopeGuard([] { LayoutCatalog::setSharedFolders({}); });
        MainWindow* w = makeWindow();
        QVERIFY(w);
        QStringList rows;
        ModalWatcher watcher;
        watcher.handler = [&rows](QWidget* box) {
            const auto* list = box->findChild<QTreeWidget*>(QStringLiteral("layoutList"));
            for (int i = 0; list && i < list->topLevelItemCount(); ++i)
                rows << list->topLevelItem(i)->text(0) + QStringLiteral(" | ") +
                            QFileInfo(list->topLevelItem(i)->text(1)).fileName();
            box->close();
        };
        w->actionLayouts()->trigger();
        QTRY_COMPARE(rows.size(), 4);
        QCOMPARE(rows.at(0), QStringLiteral("camdesk built-in layout 1 | built in"));
        QCOMPARE(rows.at(1), QStringLiteral("Good camera | b-good.json"));
        QCOMPARE(rows.at(2), QStringLiteral("Ignored: field \"max\": \"offset\" must be a whole number from 0 to "
                                            "14933 | a-broken.json"));
        QVERIFY2(rows.at(3).startsWith(QStringLiteral("Ignored: not JSON")), qPrintable(rows.at(3)));
        QVERIFY(w->isVisible());
    }

    // ---- saving a picture where it cannot go ----

    void captureFails_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("sizeLimit");
        QTest::newRow("folder missing") << path(QStringLiteral("no/such/folder/shot.png")) << false;
        QTest::newRow("a file in place of the folder") << path(QStringLiteral("plain-file/shot.png")) << false;
        QTest::newRow("existing picture, write cut short") << path(QStringLiteral("existing.png")) << true;
    }

    void captureFails()
    {
        QFETCH(QString, target);
        QFETCH(bool, sizeLimit);

        QImage oldPicture(40, 40, QImage::Format_RGB32);
        oldPicture.fill(Qt::blue);
        if (sizeLimit)
            QVERIFY(oldPicture.save(target, "PNG"));
        const QByteArray oldBytes = readBytes(target);

        MainWindow* w = makeWindow();
        QVERIFY(w);
        emit w->junction()->opened(DM::UsbVideo);
        QImage image(80, 108, QImage::Format_RGB16);
        image.fill(QColor(200, 80, 0));
        emit w->junction()->imageReadVideo(QPixmap::fromImage(image), DM::UsbVideo);
        QTRY_VERIFY(w->actionCapture()->isEnabled());

        struct rlimit saved;
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        std::signal(SIGXFSZ, SIG_IGN);
        QString chosen;
        ModalWatcher watcher;
        watcher.handler = [&](QWidget* modal) {
            if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
                // Accepted from the event loop rather than from inside this handler: the watcher does not
                // see the question the dialog asks before it replaces a file while its own handler runs.
                QTimer::singleShot(0, dialog, [&, dialog] {
                    // Typed in full, as a user may: the dialog takes a folder that does not exist.
                    if (auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                        edit->setText(target);
                    if (sizeLimit) {
                        struct rlimit small = saved;
                        small.rlim_cur = 64;
                        setrlimit(RLIMIT_FSIZE, &small);
                    }
                    QMetaObject::invokeMethod(dialog, "accept", Qt::DirectConnection);
                    chosen = dialog->selectedFiles().value(0);
                    if (dialog->isVisible())
                        dialog->reject();
                });
            } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                // The dialog's own question before it replaces a file.
                if (QAbstractButton* yes = box->button(QMessageBox::Yes))
                    yes->click();
                else
                    ModalWatcher::acceptBox(box);
            }
        };
        w->actionCapture()->trigger();
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &saved), 0);

        QCOMPARE(chosen, target);
        const QByteArray nowBytes = readBytes(target);
        qInfo("%lld bytes before, %lld after", qint64(oldBytes.size()), qint64(nowBytes.size()));
        // The pane's QSaveFile writes buffered, and commit() does not see a flush that wrote only part of the
        // picture: the cut file replaces the old one and success is reported.
        QCOMPARE(nowBytes, oldBytes);
        QVERIFY2(watcher.seen.contains(QStringLiteral("box::Failed to save picture.")),
                 qPrintable(watcher.seen.join(QStringLiteral(" / "))));
        QVERIFY(!watcher.seen.contains(QStringLiteral("box::Picture saved successfully.")));
        // Nothing half-written next to it.
        if (sizeLimit) {
            QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("existing.png*")}, QDir::Files),
                     QStringList{QStringLiteral("existing.png")});
        }
    }
};

QTEST_MAIN(TestBadInput)
#include "tst_badinput.moc"
