#include <camsim/framebuilder.h>
#include <camsim/thermalscene.h>

#include <devicebase/extinfolayout.h>
#include <devicebase/km420frame.h>
#include <layouts/layoutcatalog.h>

#include <QFile>

#include <QtTest>

using namespace Km420Frame;

class TestFrameBuilder : public QObject {
    Q_OBJECT

private slots:
    void layout_data();
    void layout();
    void indexFor_data();
    void indexFor();
    void pixelsFollowTheAutoRange();
    void sceneIsDeterministicAndMoves();
    void scenePlausible();
};

void TestFrameBuilder::layout_data()
{
    QTest::addColumn<quint16>("code");
    QTest::addColumn<int>("palette");
    QTest::addColumn<int>("high");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("emissivity");
    QTest::addColumn<quint32>("sequence");

    QTest::newRow("get frame, defaults") << quint16(0) << 0 << 500 << 0 << 95 << 1u;
    QTest::newRow("set parameters") << quint16(1) << 4 << 250 << -30 << 95 << 77u;
    QTest::newRow("reset frame, palette 5") << quint16(2) << 5 << -400 << -32768 << 0 << 0xFFFFFFFEu;
    QTest::newRow("palette 255") << quint16(0) << 255 << 32767 << 1 << 255 << 0x01020304u;
}

void TestFrameBuilder::layout()
{
    QFETCH(quint16, code);
    QFETCH(int, palette);
    QFETCH(int, high);
    QFETCH(int, low);
    QFETCH(int, emissivity);
    QFETCH(quint32, sequence);

    const ThermalImage image = ThermalScene(3).render(sequence);
    const CameraParameters parameters{qint16(high), qint16(low), quint8(emissivity)};
    const QByteArray frame = FrameBuilder::build(image, code, parameters, sequence, quint8(palette));
    const char* d = frame.constData();

    QCOMPARE(frame.size(), 14935);
    QVERIFY(FrameBuilder::hasValidMarkers(frame));
    QCOMPARE(frame.left(4), QByteArray::fromHex("67452301"));
    QCOMPARE(frame.right(4), QByteArray::fromHex("efcdab89"));
    QCOMPARE(quint16(readInt16(d, ReplyCodeOffset)), code);
    QCOMPARE(int(readInt16(d, AlarmHighOffset)), high);
    QCOMPARE(int(readInt16(d, AlarmLowOffset)), low);
    QCOMPARE(int(uchar(d[EmissivityOffset])), emissivity);
    QCOMPARE(readInt16(d, ExtInfoLayout::MinTempOffset), image.minimum);
    QCOMPARE(readInt16(d, ExtInfoLayout::MaxTempOffset), image.maximum);
    QCOMPARE(readInt16(d, ExtInfoLayout::CentreTempOffset), image.centre);
    QCOMPARE(readInt16(d, ExtInfoLayout::ScaleLowOffset), image.minimum);
    QCOMPARE(readInt16(d, ExtInfoLayout::ScaleHighOffset), image.maximum);
    QCOMPARE(readUInt32(d, ExtInfoLayout::SequenceOffset), sequence);
    QCOMPARE(int(uchar(d[PaletteOffset])), palette);
    for (int row = 0; row < Height; ++row)
        QCOMPARE(uchar(d[PixelOffset + row * RowStride + Width]), FrameBuilder::PadByte);
    QVERIFY(ExtInfoLayout::recognise(d, frame.size()));
    // Nothing else in the extended information or after the palette byte.
    QCOMPARE(frame.mid(ExtInfoLayout::End, PixelOffset - ExtInfoLayout::End).count('\0'),
             PixelOffset - ExtInfoLayout::End);
    QCOMPARE(frame.mid(PaletteOffset + 1, TailOffset - PaletteOffset - 1).count('\0'), TailOffset - PaletteOffset - 1);

    // Another camera's block: the same picture and markers, and no layout camdesk would read.
    const QByteArray other =
        FrameBuilder::build(image, code, parameters, sequence, quint8(palette), FrameBuilder::ExtBlock::Foreign);
    QVERIFY(FrameBuilder::hasValidMarkers(other));
    QVERIFY(!ExtInfoLayout::recognise(other.constData(), other.size()));
    QCOMPARE(other.mid(PixelOffset), frame.mid(PixelOffset));
    QVERIFY(other.mid(ExtInfoOffset, ExtInfoSize).count('\0') < ExtInfoSize / 64);

    // The kelvin camera: read through its documented profile, and only through it.
    const QByteArray kelvin =
        FrameBuilder::build(image, code, parameters, sequence, quint8(palette), FrameBuilder::ExtBlock::Kelvin);
    // Its own fixed range: level 255 is 150 °C, whatever the scene.
    QCOMPARE(int(uchar(kelvin[PixelOffset])), int(FrameBuilder::indexFor(image.at(0, 0), -200, 1500)));
    QVERIFY(!ExtInfoLayout::recognise(kelvin.constData(), kelvin.size()));
    LayoutCatalog catalog;
    QVERIFY(!catalog.match(kelvin.constData()));
    QFile file(QStringLiteral(KELVIN_PROFILE));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QString why;
    const std::optional<LayoutProfile> profile = LayoutProfile::parse(file.readAll(), &why);
    QVERIFY2(profile, qPrintable(why));
    catalog.add(*profile);
    const LayoutReading r = catalog.read(kelvin.constData());
    QCOMPARE(r.profile, profile->name());
    using F = LayoutProfile::Field;
    QCOMPARE(qRound(r.value(F::Max) * 10), int(image.maximum));
    QCOMPARE(qRound(r.value(F::Min) * 10), int(image.minimum));
    QCOMPARE(qRound(r.value(F::Centre) * 10), int(image.centre));
    QCOMPARE(r.value(F::Sequence), double(sequence));
    QCOMPARE(qRound(r.value(F::ScaleHigh)), 150);
    QVERIFY(!catalog.match(other.constData()) && catalog.match(frame.constData()) != catalog.match(kelvin.constData()));
}

void TestFrameBuilder::indexFor_data()
{
    QTest::addColumn<int>("tenths");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::addColumn<int>("index");

    QTest::newRow("low end") << 200 << 200 << 600 << 0;
    QTest::newRow("high end") << 600 << 200 << 600 << 255;
    QTest::newRow("middle rounds") << 400 << 200 << 600 << 128;
    QTest::newRow("below range") << -50 << 200 << 600 << 0;
    QTest::newRow("above range") << 900 << 200 << 600 << 255;
    QTest::newRow("flat picture") << 300 << 300 << 300 << 0;
    QTest::newRow("negative range") << -150 << -300 << 0 << 128;
    QTest::newRow("widest range") << 32767 << -32768 << 32767 << 255;
}

void TestFrameBuilder::indexFor()
{
    QFETCH(int, tenths);
    QFETCH(int, low);
    QFETCH(int, high);
    QFETCH(int, index);
    QCOMPARE(int(FrameBuilder::indexFor(qint16(tenths), qint16(low), qint16(high))), index);
}

void TestFrameBuilder::pixelsFollowTheAutoRange()
{
    const ThermalImage image = ThermalScene(9).render(40);
    const QByteArray frame = FrameBuilder::build(image, 0, CameraParameters(), 40, 0);
    int zeros = 0, full = 0;
    for (int row = 0; row < Height; ++row) {
        for (int column = 0; column < Width; ++column) {
            const int index = uchar(frame[PixelOffset + row * RowStride + column]);
            QCOMPARE(index, int(FrameBuilder::indexFor(image.at(column, row), image.minimum, image.maximum)));
            zeros += index == 0;
            full += index == 255;
        }
    }
    // The coldest and the hottest pixel span the whole palette.
    QVERIFY(zeros > 0);
    QVERIFY(full > 0);
}

void TestFrameBuilder::sceneIsDeterministicAndMoves()
{
    const ThermalScene scene(5);
    QCOMPARE(scene.render(10).tenths, ThermalScene(5).render(10).tenths);
    QVERIFY(scene.render(10).tenths != ThermalScene(6).render(10).tenths);

    // The warm hand moves: the centre of its pixels shifts within two seconds of frames.
    auto handCentre = [&](quint32 frame) {
        const ThermalImage image = scene.render(frame);
        double sx = 0, sy = 0;
        int n = 0;
        for (int row = 0; row < Height; ++row)
            for (int column = 0; column < Width; ++column)
                if (qAbs(image.at(column, row) - 330) <= 15) {
                    sx += column;
                    sy += row;
                    ++n;
                }
        return n > 0 ? QPointF(sx / n, sy / n) : QPointF(-100, -100);
    };
    const QPointF a = handCentre(0), b = handCentre(50);
    QVERIFY2(a.x() >= 0 && b.x() >= 0, "no hand in the picture");
    QVERIFY2((a - b).manhattanLength() > 3, "the hand did not move");
}

void TestFrameBuilder::scenePlausible()
{
    for (quint32 seed : {1u, 2u, 1000u}) {
        for (quint32 frame : {0u, 123u, 99999u}) {
            const ThermalImage image = ThermalScene(seed).render(frame);
            QCOMPARE(image.tenths.size(), Width * Height);
            QVERIFY2(image.minimum >= 150 && image.minimum <= 260, "background not at room temperature");
            QVERIFY2(image.maximum >= 500 && image.maximum <= 850, "no hot spot");
            QCOMPARE(image.centre, image.at(40, 54));
        }
    }
}

QTEST_APPLESS_MAIN(TestFrameBuilder)
#include "tst_framebuilder.moc"
