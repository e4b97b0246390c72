#include <frames/framecsv.h>
#include <frames/framelevels.h>
#include <frames/levelmapping.h>
#include <frames/levelrender.h>
#include <frames/levelstats.h>
#include <frames/orientation.h>

#include <QSet>
#include <QTest>

#include <array>

namespace {

constexpr int W = FrameLevels::Width;
constexpr int H = FrameLevels::Height;

// Level x + y, with one hot pixel of 255 at (70, 100) and a cold 0 at (5, 7).
FrameLevels handMade()
{
    std::array<uchar, W * H> levels{};
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            levels[y * W + x] = uchar(qMin(x + y, 200));
    levels[100 * W + 70] = 255;
    levels[7 * W + 5] = 0;
    return FrameLevels::fromLevels(levels.data());
}

std::array<quint32, 256> greyColours()
{
    std::array<quint32, 256> c{};
    for (int i = 0; i < 256; ++i)
        c[i] = 0xFF000000u | (quint32(i) << 16) | (quint32(255 - i) << 8) | quint32(i / 2);
    return c;
}

// The levels table of a CSV, back in camera pixels.
std::array<int, W * H> levelsFromCsv(const QByteArray& csv, const Orientation& o)
{
    std::array<int, W * H> out;
    out.fill(-1);
    int y = 0;
    for (const QByteArray& line : csv.split('\n')) {
        if (line.startsWith('#'))
            continue;
        if (line.isEmpty())
            break;
        const QList<QByteArray> cells = line.split(',');
        for (int x = 0; x < cells.size(); ++x) {
            const QPoint c = o.toCamera(QPoint(x, y), QSize(W, H));
            out[c.y() * W + c.x()] = cells[x].toInt();
        }
        ++y;
    }
    return out;
}

} // namespace

Q_DECLARE_METATYPE(Orientation)

class TestLevels : public QObject {
    Q_OBJECT
private slots:
    void measure_data();
    void measure();
    void histogram();
    void heldCelsiusKeepsColours();
    void levelWindow_data();
    void levelWindow();
    void smoothPaintsOnlyPaletteColours_data();
    void smoothPaintsOnlyPaletteColours();
    void orientation_data();
    void orientation();
    void csvRoundTrip_data();
    void csvRoundTrip();
};

void TestLevels::measure_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QRect>("where"); // a spot at topLeft, a box, or a line from topLeft to bottomRight
    QTest::addColumn<QString>("expected");

    QTest::newRow("spot") << "spot" << QRect(QPoint(10, 20), QSize(1, 1)) << "30";
    QTest::newRow("spot on the hot pixel") << "spot" << QRect(QPoint(70, 100), QSize(1, 1)) << "255";
    QTest::newRow("spot outside") << "spot" << QRect(QPoint(80, 0), QSize(1, 1)) << "-1";
    QTest::newRow("box") << "box" << QRect(0, 0, 3, 2) << "min 0 max 3 mean 1.5 cold 0,0 hot 2,1";
    QTest::newRow("box round the cold pixel")
        << "box" << QRect(4, 6, 3, 3) << "min 0 max 14 mean 10.7 cold 5,7 hot 6,8";
    QTest::newRow("box clipped to the picture")
        << "box" << QRect(78, 106, 10, 10) << "min 184 max 186 mean 185 cold 78,106 hot 79,107";
    QTest::newRow("box outside") << "box" << QRect(90, 0, 5, 5) << "none";
    QTest::newRow("line across") << "line" << QRect(QPoint(0, 3), QPoint(4, 3)) << "3 4 5 6 7";
    QTest::newRow("line backwards") << "line" << QRect(QPoint(4, 3), QPoint(0, 3)) << "7 6 5 4 3";
    QTest::newRow("diagonal line") << "line" << QRect(QPoint(0, 0), QPoint(3, 3)) << "0 2 4 6";
    QTest::newRow("line leaving the picture") << "line" << QRect(QPoint(78, 0), QPoint(82, 0)) << "78 79";
}

void TestLevels::measure()
{
    QFETCH(QString, tool);
    QFETCH(QRect, where);
    QFETCH(QString, expected);
    const FrameLevels levels = handMade();
    QString got;
    if (tool == QLatin1String("spot")) {
        got = QString::number(LevelStats::spot(levels, where.topLeft()));
        QCOMPARE(LevelStats::spot(FrameLevels(), where.topLeft()), -1);
    } else if (tool == QLatin1String("box")) {
        const LevelStats::Box b = LevelStats::box(levels, where);
        got = b.valid ? QStringLiteral("min %1 max %2 mean %3 cold %4,%5 hot %6,%7")
                            .arg(b.minimum)
                            .arg(b.maximum)
                            .arg(QString::number(b.mean, 'g', 3))
                            .arg(b.coldest.x())
                            .arg(b.coldest.y())
                            .arg(b.hottest.x())
                            .arg(b.hottest.y())
                      : QStringLiteral("none");
        QVERIFY(!LevelStats::box(FrameLevels(), where).valid);
    } else {
        const LevelStats::Profile p = LevelStats::profile(levels, QLine(where.topLeft(), where.bottomRight()));
        QCOMPARE(p.pixels.size(), p.levels.size());
        QStringList parts;
        for (int v : p.levels)
            parts << QString::number(v);
        got = parts.join(QLatin1Char(' '));
    }
    QCOMPARE(got, expected);
}

void TestLevels::histogram()
{
    const std::array<int, 256> counts = LevelStats::histogram(handMade());
    int total = 0;
    for (int n : counts)
        total += n;
    QCOMPARE(total, W * H);
    QCOMPARE(counts[255], 1);
    QCOMPARE(counts[0], 2); // (0, 0) and the cold pixel
    QCOMPARE(LevelStats::histogram(FrameLevels())[0], 0);
}

// The same temperature keeps its colour while the camera's scale moves under it.
void TestLevels::heldCelsiusKeepsColours()
{
    const LevelTemperatures first{QStringLiteral("layout"), 0.0, 255.0};    // 1 °C a level
    const LevelTemperatures second{QStringLiteral("layout"), 100.0, 227.5}; // 0.5 °C a level
    const LevelMapping::Table a = LevelMapping::heldCelsius(first, 0.0, 255.0);
    const LevelMapping::Table b = LevelMapping::heldCelsius(second, 0.0, 255.0);
    for (int celsius = 100; celsius <= 227; ++celsius) {
        const int levelA = celsius;
        const int levelB = (celsius - 100) * 2;
        QCOMPARE(int(a[levelA]), int(b[levelB]));
    }
    // Held ends narrower than the scene: outside them, the ends' colours.
    const LevelMapping::Table narrow = LevelMapping::heldCelsius(first, 50.0, 150.0);
    QCOMPARE(int(narrow[10]), 0);
    QCOMPARE(int(narrow[200]), 255);
    QCOMPARE(int(narrow[100]), 128);
}

void TestLevels::levelWindow_data()
{
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("entry");
    QTest::newRow("whole range is the camera's mapping") << 0 << 255 << 77 << 77;
    QTest::newRow("below the window clips") << 100 << 200 << 20 << 0;
    QTest::newRow("above the window clips") << 100 << 200 << 240 << 255;
    QTest::newRow("low end") << 100 << 200 << 100 << 0;
    QTest::newRow("high end") << 100 << 200 << 200 << 255;
    QTest::newRow("middle") << 100 << 200 << 150 << 128;
}

void TestLevels::levelWindow()
{
    QFETCH(int, low);
    QFETCH(int, high);
    QFETCH(int, level);
    QFETCH(int, entry);
    QCOMPARE(int(LevelMapping::window(low, high)[level]), entry);
}

void TestLevels::smoothPaintsOnlyPaletteColours_data()
{
    QTest::addColumn<int>("scale");
    QTest::addColumn<int>("degrees");
    for (int scale : {2, 3, 6, 7})
        QTest::addRow("%dx", scale) << scale << (scale == 3 ? 90 : 0);
}

void TestLevels::smoothPaintsOnlyPaletteColours()
{
    QFETCH(int, scale);
    QFETCH(int, degrees);
    // Neighbours far apart, where interpolating colours instead of levels would show.
    std::array<uchar, W * H> noise{};
    quint32 seed = 12345;
    for (uchar& v : noise) {
        seed = seed * 1103515245u + 12345u;
        v = uchar(seed >> 24);
    }
    const std::array<quint32, 256> colours = greyColours();
    const QSet<quint32> palette(colours.begin(), colours.end());
    const Orientation o(degrees, false);
    const QImage image =
        LevelRender::render(FrameLevels::fromLevels(noise.data()), colours, o, scale, LevelRender::Enlargement::Smooth);
    QCOMPARE(image.size(), o.turned(QSize(W, H)) * scale);
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const quint32*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            QVERIFY2(palette.contains(line[x]), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    }
    // A flat picture stays flat: smoothing invents no level.
    std::array<uchar, W * H> flat;
    flat.fill(42);
    const QImage even =
        LevelRender::render(FrameLevels::fromLevels(flat.data()), colours, o, scale, LevelRender::Enlargement::Smooth);
    QCOMPARE(even.pixel(0, 0) | 0xFF000000u, colours[42]);
    QCOMPARE(even.pixel(even.width() - 1, even.height() - 1) | 0xFF000000u, colours[42]);
}

void TestLevels::orientation_data()
{
    QTest::addColumn<Orientation>("o");
    QTest::addColumn<QPoint>("topLeftGoesTo");
    QTest::newRow("0") << Orientation(0, false) << QPoint(0, 0);
    QTest::newRow("90") << Orientation(90, false) << QPoint(H - 1, 0);
    QTest::newRow("180") << Orientation(180, false) << QPoint(W - 1, H - 1);
    QTest::newRow("270") << Orientation(270, false) << QPoint(0, W - 1);
    QTest::newRow("mirrored") << Orientation(0, true) << QPoint(W - 1, 0);
    QTest::newRow("90 mirrored") << Orientation(90, true) << QPoint(0, 0);
    QTest::newRow("450 is 90") << Orientation(450, false) << QPoint(H - 1, 0);
    QTest::newRow("-90 is 270") << Orientation(-90, false) << QPoint(0, W - 1);
}

// Markers are kept in camera pixels: every turn must map pixels one to one, and the picture painted turned
// must show at each place the level of the camera pixel the marker maps there.
void TestLevels::orientation()
{
    QFETCH(Orientation, o);
    QFETCH(QPoint, topLeftGoesTo);
    const QSize size(W, H);
    QCOMPARE(o.toView(QPoint(0, 0), size), topLeftGoesTo);
    const QSize shown = o.turned(size);
    QSet<int> seen;
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            const QPoint v = o.toView(QPoint(x, y), size);
            QVERIFY(QRect(QPoint(), shown).contains(v));
            QCOMPARE(o.toCamera(v, size), QPoint(x, y));
            seen.insert(v.y() * shown.width() + v.x());
        }
    }
    QCOMPARE(seen.size(), W * H);

    const FrameLevels levels = handMade();
    const std::array<quint32, 256> colours = greyColours();
    const QImage image = LevelRender::render(levels, colours, o, 2, LevelRender::Enlargement::Crisp);
    for (const QPoint& camera : {QPoint(70, 100), QPoint(5, 7), QPoint(79, 0), QPoint(0, 107)}) {
        const QPoint v = o.toView(camera, size);
        QCOMPARE(image.pixel(v * 2) | 0xFF000000u, colours[levels.at(camera)]);
    }
}

void TestLevels::csvRoundTrip_data()
{
    QTest::addColumn<Orientation>("o");
    QTest::addColumn<bool>("temperatures");
    QTest::newRow("as the camera holds it, levels only") << Orientation() << false;
    QTest::newRow("turned 90, with temperatures") << Orientation(90, false) << true;
    QTest::newRow("turned 270 and mirrored") << Orientation(270, true) << false;
}

void TestLevels::csvRoundTrip()
{
    QFETCH(Orientation, o);
    QFETCH(bool, temperatures);
    const FrameLevels levels = handMade();
    FrameCsv::Header header;
    header.time = QStringLiteral("2026-12-09 17:00:00.000");
    header.palette = 2;
    header.orientation = o;
    if (temperatures)
        header.temperatures = LevelTemperatures{QStringLiteral("a layout"), -20.0, 150.0};
    const QByteArray csv = FrameCsv::text(levels, header);

    QVERIFY(csv.contains("# palette: 3\n"));
    QVERIFY(csv.contains("# rotation: " + o.text().toUtf8() + '\n'));
    QCOMPARE(csv.contains("# layout: a layout\n"), temperatures);
    QCOMPARE(csv.contains("# layout: no temperatures\n"), !temperatures);
    QCOMPARE(csv.contains("degrees Celsius"), temperatures);
    const QList<QByteArray> lines = csv.split('\n');
    const QSize shown = o.turned(QSize(W, H));
    int firstRow = 0;
    while (lines[firstRow].startsWith('#'))
        ++firstRow;
    QCOMPARE(lines[firstRow].count(',') + 1, shown.width());

    const std::array<int, W* H> back = levelsFromCsv(csv, o);
    for (int i = 0; i < W * H; ++i)
        QCOMPARE(back[i], int(levels.data()[i]));
    if (temperatures) {
        // The hot pixel at 255 is the scale's high end.
        const int at = csv.indexOf("degrees Celsius");
        QVERIFY(csv.indexOf("150.00", at) > at);
        QVERIFY(!csv.mid(at).contains("150.01"));
    }
    QVERIFY(FrameCsv::text(FrameLevels(), header).isEmpty());
}

QTEST_GUILESS_MAIN(TestLevels)
#include "tst_levels.moc"
