// The compiled-in resource bundle: every entry the program may open is there, loads, and the
// application style sheet carries the rules the windows rely on.

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

const QStringList& styleSheets()
{
    static const QStringList names = {"black.css", "blue.css", "blue2.css", "gray.css"};
    return names;
}

const QStringList& appIcons()
{
    static const QStringList names = {"app.ico", "app2.ico", "app5.ico"};
    return names;
}

// Base names; file and File, video and Video are distinct entries.
const QStringList& pngNames()
{
    static const QStringList names = {
        "array_down", "array_up", "arrow-2", "camera",    "capture",    "capture2",  "capture3",   "circle",
        "connect",    "cursor",   "delete2", "deleteAll", "deleteAll3", "Directory", "Directory2", "Directory3",
        "disconnect", "dot",      "eraser",  "exit2",     "exit3",      "export",    "file",       "File",
        "line",       "list",     "manual",  "options",   "palette",    "picture",   "rectangle",  "refresh",
        "SDCard",     "sdCard2",  "sdCard3", "setting",   "stop2",      "stop3",     "table",      "USB",
        "video",      "Video",    "Wi-Fi"};
    return names;
}

QStringList allEntries()
{
    QStringList all = styleSheets() + appIcons();
    for (const QString& name : pngNames())
        all << name + ".png";
    return all;
}

QString resourcePath(const QString& entry)
{
    return QStringLiteral(":/image/") + entry;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The declarations between the braces of the rule whose selector list is exactly `selector`.
QString ruleBody(const QString& sheet, const QString& selector)
{
    const QRegularExpression rule(QStringLiteral("(?:^|\\})\\s*") + QRegularExpression::escape(selector) +
                                  QStringLiteral("\\s*\\{([^}]*)\\}"));
    const QRegularExpressionMatch match = rule.match(sheet);
    return match.hasMatch() ? match.captured(1) : QString();
}

} // namespace

class TestResources : public QObject {
    Q_OBJECT

private slots:
    void entryExists_data()
    {
        QTest::addColumn<QString>("entry");
        for (const QString& entry : allEntries())
            QTest::newRow(qPrintable(entry)) << entry;
    }

    void entryExists()
    {
        QFETCH(QString, entry);
        QFileInfo info(resourcePath(entry));
        QVERIFY2(info.exists(), qPrintable(info.filePath()));
        QVERIFY(info.size() > 0);
    }

    void bundleHoldsNothingElse()
    {
        QStringList expected = allEntries();
        QStringList present =
            QDir(QStringLiteral(":/image")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        expected.sort();
        present.sort();
        QCOMPARE(present, expected);
    }

    // The main window names its icon without the slash after the colon.
    void windowIconFormResolves() { QVERIFY(QFile::exists(QStringLiteral(":image/app5.ico"))); }

    void pngLoads_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("size");
        for (const QString& name : pngNames())
            QTest::newRow(qPrintable(name)) << name << (name.startsWith(QLatin1String("array_")) ? 12 : 32);
    }

    void pngLoads()
    {
        QFETCH(QString, name);
        QFETCH(int, size);
        const QImage image(resourcePath(name + ".png"), "PNG");
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), QSize(size, size));
        QVERIFY(image.hasAlphaChannel());

        // Drawn on a transparent ground, so they sit on any background of the theme.
        const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
        for (const QPoint& corner :
             {QPoint(0, 0), QPoint(size - 1, 0), QPoint(0, size - 1), QPoint(size - 1, size - 1)})
            QCOMPARE(qAlpha(argb.pixel(corner)), 0);

        // Something is drawn, and part of it is light enough to read on the dark theme.
        int opaque = 0;
        int light = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const QRgb px = argb.pixel(x, y);
                if (qAlpha(px) < 200)
                    continue;
                ++opaque;
                if (qGray(px) > 200)
                    ++light;
            }
        }
        QVERIFY2(opaque >= size * size / 20, qPrintable(QString::number(opaque)));
        QVERIFY2(light >= size / 2, qPrintable(QString::number(light)));
    }

    // A copied drawing routine would show up as two identical entries.
    void pngsAreDistinct()
    {
        QHash<QByteArray, QString> seen;
        for (const QString& name : pngNames()) {
            const QImage image = QImage(resourcePath(name + ".png")).convertToFormat(QImage::Format_ARGB32);
            QVERIFY2(!image.isNull(), qPrintable(name));
            const QByteArray hash = QCryptographicHash::hash(
                QByteArray(reinterpret_cast<const char*>(image.constBits()), int(image.sizeInBytes())),
                QCryptographicHash::Sha1);
            QVERIFY2(!seen.contains(hash), qPrintable(name + " equals " + seen.value(hash)));
            seen.insert(hash, name);
        }
    }

    void caseDistinctPairs_data()
    {
        QTest::addColumn<QString>("lower");
        QTest::addColumn<QString>("upper");
        QTest::newRow("file") << "file"
                              << "File";
        QTest::newRow("video") << "video"
                               << "Video";
    }

    void caseDistinctPairs()
    {
        QFETCH(QString, lower);
        QFETCH(QString, upper);
        const QImage a(resourcePath(lower + ".png"));
        const QImage b(resourcePath(upper + ".png"));
        QVERIFY(!a.isNull());
        QVERIFY(!b.isNull());
        QVERIFY(a.convertToFormat(QImage::Format_ARGB32) != b.convertToFormat(QImage::Format_ARGB32));
    }

    void appIcon_data()
    {
        QTest::addColumn<QString>("entry");
        for (const QString& entry : appIcons())
            QTest::newRow(qPrintable(entry)) << entry;
    }

    void appIcon()
    {
        QFETCH(QString, entry);
        QImageReader reader(resourcePath(entry), "ico");
        QCOMPARE(reader.imageCount(), 4);

        QList<int> sizes;
        for (int i = 0; i < reader.imageCount(); ++i) {
            QVERIFY(reader.jumpToImage(i));
            const QImage image = reader.read();
            QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
            QCOMPARE(image.width(), image.height());
            sizes << image.width();

            // The thermal picture on the screen: some pixels are hot (orange to yellow).
            const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
            int hot = 0;
            for (int y = 0; y < argb.height(); ++y) {
                for (int x = 0; x < argb.width(); ++x) {
                    const QRgb px = argb.pixel(x, y);
                    if (qAlpha(px) > 200 && qRed(px) > 200 && qGreen(px) > 100 && qBlue(px) < 120)
                        ++hot;
                }
            }
            QVERIFY2(hot >= image.width() / 2, qPrintable(QString::number(image.width())));
        }
        std::sort(sizes.begin(), sizes.end());
        QCOMPARE(sizes, QList<int>({16, 32, 48, 256}));
    }

    void styleSheet_data()
    {
        QTest::addColumn<QString>("entry");
        for (const QString& entry : styleSheets())
            QTest::newRow(qPrintable(entry)) << entry;
    }

    void styleSheet()
    {
        QFETCH(QString, entry);
        const QByteArray bytes = readAll(resourcePath(entry));
        QVERIFY(!bytes.isEmpty());
        // The program cuts the text at the first zero byte and reads it as Latin-1.
        QVERIFY(!bytes.contains('\0'));
        for (char c : bytes)
            QVERIFY2(uchar(c) < 0x80, "style sheets are plain ASCII");

        int depth = 0;
        for (char c : bytes) {
            if (c == '{')
                ++depth;
            else if (c == '}')
                --depth;
            QVERIFY2(depth == 0 || depth == 1, "unbalanced or nested braces");
        }
        QCOMPARE(depth, 0);
        QCOMPARE(bytes.count("/*"), bytes.count("*/"));

        const QString sheet = QString::fromLatin1(bytes);
        QVERIFY(!ruleBody(sheet, "QPushButton").isEmpty());

        // Every image a sheet names is in the bundle.
        const QRegularExpression url(QStringLiteral("url\\(\\s*([^)\\s]+)\\s*\\)"));
        auto it = url.globalMatch(sheet);
        while (it.hasNext()) {
            const QString target = it.next().captured(1);
            QVERIFY2(QFile::exists(target), qPrintable(target));
        }
    }

    void blackSheetNames_data()
    {
        QTest::addColumn<QString>("needle");
        QTest::newRow("accent") << "#DC5000";
        QTest::newRow("border") << "#636363";
        QTest::newRow("gradient top") << "#4D4D4D";
        QTest::newRow("gradient bottom") << "#292929";
        QTest::newRow("text") << "#F0F0F0";
        QTest::newRow("combo arrow") << "url(:/image/array_down.png)";
        QTest::newRow("spin box up arrow") << "url(:/image/array_up.png)";
    }

    void blackSheetNames()
    {
        QFETCH(QString, needle);
        const QString sheet = QString::fromLatin1(readAll(resourcePath("black.css")));
        QVERIFY(sheet.contains(needle));
    }

    void blackPushButtonRule_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("value");
        QTest::newRow("padding") << "padding"
                                 << "5px";
        QTest::newRow("min-height") << "min-height"
                                    << "20px";
        QTest::newRow("min-width") << "min-width"
                                   << "40px";
    }

    // The options dialog's small button overrides exactly this minimum, so the values are fixed.
    void blackPushButtonRule()
    {
        QFETCH(QString, property);
        QFETCH(QString, value);
        const QString body = ruleBody(QString::fromLatin1(readAll(resourcePath("black.css"))), "QPushButton");
        QVERIFY(!body.isEmpty());
        const QRegularExpression decl(QStringLiteral("(?:^|[;\\s])") + QRegularExpression::escape(property) +
                                      QStringLiteral("\\s*:\\s*([^;]*);"));
        const QRegularExpressionMatch match = decl.match(body);
        QVERIFY2(match.hasMatch(), qPrintable(property));
        QCOMPARE(match.captured(1).trimmed(), value);
    }
};

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
