#include "panestesthelpers.h"

#include <camsim/framebuilder.h>
#include <camsim/thermalscene.h>
#include <devicebase/km420frame.h>
#include <frames/palettes.h>
#include <panes/colourbar.h>
#include <panes/frameview.h>
#include <panes/playbackpane.h>
#include <panes/recordingplayer.h>
#include <recording/recordingwriter.h>

#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>

using Block = FrameBuilder::ExtBlock;
Q_DECLARE_METATYPE(Block)

namespace {

constexpr quint8 RecordedPalette = 1;

QByteArray frameRecord(int i, Block block)
{
    return FrameBuilder::build(ThermalScene(7).render(quint32(i)), 0, CameraParameters(), quint32(i), RecordedPalette,
                               block);
}

// Frame i arrives at i * stepUs.
QString writeRecording(const QTemporaryDir& dir, int count, qint64 stepUs, Block block = Block::Known)
{
    static int made = 0;
    const QString path = dir.filePath(QStringLiteral("r%1.km420rec").arg(++made));
    RecordingWriter writer;
    writer.setReserve(0);
    writer.open(path, QStringLiteral("KM420"));
    for (int i = 0; i < count; ++i)
        writer.append(frameRecord(i, block).constData(), RecordedParameters(), i * stepUs);
    writer.close();
    return path;
}

void flipFrameByte(const QString& path, int entry)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    uchar* byte = file.map(RecordingFormat::HeaderSize + qint64(entry) * RecordingFormat::EntrySize +
                               RecordingFormat::EntryHeadSize + Km420Frame::PixelOffset + 7,
                           1);
    QVERIFY(byte);
    *byte ^= 0x40;
}

// The picture pixel by pixel from the record, without the decoder the pane uses.
QImage expectedPicture(const QByteArray& record, int palette)
{
    const ushort* table = Palettes::table(palette);
    QImage image(Km420Frame::Width, Km420Frame::Height, QImage::Format_RGB16);
    for (int y = 0; y < Km420Frame::Height; ++y)
        for (int x = 0; x < Km420Frame::Width; ++x)
            reinterpret_cast<quint16*>(image.scanLine(y))[x] =
                table[uchar(record[Km420Frame::PixelOffset + y * Km420Frame::RowStride + x])];
    return image;
}

QString celsius(qint16 tenths)
{
    return QStringLiteral("%1 °C").arg(QLocale().toString(tenths / 10.0, 'f', 1));
}

} // namespace

class TestPlaybackPane : public QObject {
    Q_OBJECT

private slots:
    void picture_data();
    void picture();
    void stepAndSeek_data();
    void stepAndSeek();
    void pacing_data();
    void pacing();
    void damaged_data();
    void damaged();
    void notARecording_data();
    void notARecording();
    void heldScale();

private:
    QTemporaryDir m_dir;
};

void TestPlaybackPane::picture_data()
{
    QTest::addColumn<Block>("block");
    QTest::addColumn<int>("paletteEntry"); // 0: as recorded
    QTest::newRow("known layout, as recorded") << Block::Known << 0;
    QTest::newRow("known layout, palette 4") << Block::Known << 4;
    QTest::newRow("foreign block, as recorded") << Block::Foreign << 0;
    QTest::newRow("foreign block, palette 1") << Block::Foreign << 1;
}

void TestPlaybackPane::picture()
{
    QFETCH(Block, block);
    QFETCH(int, paletteEntry);
    PlaybackPane pane(QStringLiteral("EN"));
    QVERIFY(pane.openRecording(writeRecording(m_dir, 3, 40000, block)));
    pane.findChild<QComboBox*>(QStringLiteral("cbbPalette"))->setCurrentIndex(paletteEntry);

    const QByteArray record = frameRecord(0, block);
    const int palette = paletteEntry == 0 ? RecordedPalette : paletteEntry - 1;
    QCOMPARE(pane.picture().toImage().convertToFormat(QImage::Format_RGB16), expectedPicture(record, palette));
    if (paletteEntry > 0 && palette != RecordedPalette)
        QVERIFY(pane.picture().toImage() !=
                expectedPicture(record, RecordedPalette).convertToFormat(QImage::Format_RGB32));
    const QString png = m_dir.filePath(QStringLiteral("shot.png"));
    QVERIFY(pane.SaveToPicture(png));
    QCOMPARE(QImage(png).convertToFormat(QImage::Format_RGB16), expectedPicture(record, palette));

    const auto* bar = pane.findChild<ColourBar*>(QStringLiteral("colourBar"));
    const auto label = [&](const char* name) { return pane.findChild<QLabel*>(QLatin1String(name)); };
    if (block == Block::Known) {
        const ThermalImage image = ThermalScene(7).render(0);
        QCOMPARE(label("lblMax")->text(), celsius(image.maximum));
        QCOMPARE(label("lblMin")->text(), celsius(image.minimum));
        QCOMPARE(label("lblCentre")->text(), celsius(image.centre));
        QCOMPARE(bar->topLabel(), celsius(image.maximum));
        QVERIFY(label("lblMax")->toolTip().isEmpty());
    } else {
        for (const char* name : {"lblMax", "lblMin", "lblCentre"}) {
            QCOMPARE(label(name)->text(), QStringLiteral("\u2014"));
            QCOMPARE(label(name)->toolTip(), QStringLiteral("The recording holds no temperatures in a known layout."));
        }
        QCOMPARE(bar->topLabel(), QStringLiteral("hot"));
        QCOMPARE(bar->bottomLabel(), QStringLiteral("cold"));
        for (const QLabel* l : pane.findChildren<QLabel*>())
            QVERIFY2(!l->text().contains(QStringLiteral("°C")), qPrintable(l->objectName()));
    }
}

void TestPlaybackPane::stepAndSeek_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("step forward") << "step" << 3 << 3;
    QTest::newRow("step back clamps") << "step" << -1 << 0;
    QTest::newRow("seek") << "seek" << 7 << 7;
    QTest::newRow("seek past the end clamps") << "seek" << 99 << 9;
    QTest::newRow("slider") << "slider" << 5 << 5;
    QTest::newRow("right key") << "key" << int(Qt::Key_Right) << 1;
    QTest::newRow("step forward button") << "button" << 0 << 1;
}

void TestPlaybackPane::stepAndSeek()
{
    QFETCH(QString, action);
    QFETCH(int, value);
    QFETCH(int, expected);
    PlaybackPane pane(QStringLiteral("EN"));
    QVERIFY(pane.openRecording(writeRecording(m_dir, 10, 123456)));
    RecordingPlayer* player = pane.player();
    QCOMPARE(player->currentFrame(), 0);

    if (action == QLatin1String("step"))
        player->step(value);
    else if (action == QLatin1String("seek"))
        player->seek(value);
    else if (action == QLatin1String("slider"))
        pane.findChild<QSlider*>(QStringLiteral("sldSeek"))->setValue(value);
    else if (action == QLatin1String("key"))
        QTest::keyClick(&pane, Qt::Key(value));
    else
        QTest::mouseClick(pane.findChild<QWidget*>(QStringLiteral("btnStepForward")), Qt::LeftButton);

    QCOMPARE(player->currentFrame(), expected);
    QCOMPARE(player->frame().arrivalUs, expected * 123456LL);
    QCOMPARE(pane.findChild<QLabel*>(QStringLiteral("lblFrame"))->text(), QStringLiteral("%1 / 10").arg(expected + 1));
    const int ms = expected * 123456 / 1000;
    QCOMPARE(pane.findChild<QLabel*>(QStringLiteral("lblTime"))->text(), QStringLiteral("0:%1.%2 / 0:01.111")
                                                                             .arg(ms / 1000, 2, 10, QLatin1Char('0'))
                                                                             .arg(ms % 1000, 3, 10, QLatin1Char('0')));
    QCOMPARE(pane.findChild<QSlider*>(QStringLiteral("sldSeek"))->value(), expected);
    QCOMPARE(pane.picture().toImage().convertToFormat(QImage::Format_RGB16),
             expectedPicture(frameRecord(expected, Block::Known), RecordedPalette));
}

void TestPlaybackPane::pacing_data()
{
    QTest::addColumn<int>("speedEntry");
    QTest::addColumn<qint64>("stepUs");
    QTest::newRow("4x") << 4 << qint64(40000);
    // A minute between frames: only playing without the pace gets through within the timeout.
    QTest::newRow("as fast as possible") << 5 << qint64(60000000);
}

void TestPlaybackPane::pacing()
{
    QFETCH(int, speedEntry);
    QFETCH(qint64, stepUs);
    PlaybackPane pane(QStringLiteral("EN"));
    QVERIFY(pane.openRecording(writeRecording(m_dir, 10, stepUs)));
    RecordingPlayer* player = pane.player();
    pane.findChild<QComboBox*>(QStringLiteral("cbbSpeed"))->setCurrentIndex(speedEntry);
    QList<int> shown;
    connect(player, &RecordingPlayer::frameChanged, this, [&shown](int i, const RecordedFrame&) { shown << i; });
    QSignalSpy finished(player, &RecordingPlayer::finished);

    QTest::keyClick(&pane, Qt::Key_Space);
    QVERIFY(player->isPlaying());
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 20000);
    QCOMPARE(shown, QList<int>({1, 2, 3, 4, 5, 6, 7, 8, 9}));
    QVERIFY(!player->isPlaying());
    QCOMPARE(player->currentFrame(), 9);

    // Played to the end, play starts again at the first frame.
    shown.clear();
    player->play();
    QVERIFY(!shown.isEmpty());
    QCOMPARE(shown.first(), 0);
    player->pause();
}

void TestPlaybackPane::damaged_data()
{
    QTest::addColumn<bool>("beforeOpen");
    QTest::newRow("damaged when opened") << true;
    QTest::newRow("changed while open") << false;
}

void TestPlaybackPane::damaged()
{
    QFETCH(bool, beforeOpen);
    PlaybackPane pane(QStringLiteral("EN"));
    const QString path = writeRecording(m_dir, 6, 1000);
    if (beforeOpen)
        flipFrameByte(path, 2);
    QVERIFY(pane.openRecording(path));
    const auto* lblDamaged = pane.findChild<QLabel*>(QStringLiteral("lblDamaged"));
    QCOMPARE(lblDamaged->isVisibleTo(&pane), beforeOpen);
    if (!beforeOpen)
        flipFrameByte(path, 2);

    QList<qint64> arrivals;
    connect(pane.player(), &RecordingPlayer::frameChanged, this,
            [&arrivals](int, const RecordedFrame& f) { arrivals << f.arrivalUs; });
    QSignalSpy finished(pane.player(), &RecordingPlayer::finished);
    pane.player()->setSpeed(0);
    pane.player()->play();
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 20000);
    QCOMPARE(arrivals, QList<qint64>({1000, 3000, 4000, 5000}));
    QVERIFY(lblDamaged->isVisibleTo(&pane));
    QCOMPARE(lblDamaged->text(), QStringLiteral("Damaged frames skipped: 1"));
    QCOMPARE(pane.player()->damagedFrames(), 1);
}

void TestPlaybackPane::notARecording_data()
{
    QTest::addColumn<QByteArray>("content"); // null: no file at all
    QTest::newRow("text file") << QByteArray("hello, this is no recording\n").repeated(20);
    QTest::newRow("missing file") << QByteArray();
    QTest::newRow("header only") << QByteArray("");
}

void TestPlaybackPane::notARecording()
{
    QFETCH(QByteArray, content);
    PlaybackPane pane(QStringLiteral("EN"));
    QVERIFY(pane.openRecording(writeRecording(m_dir, 2, 1000)));
    QString path = m_dir.filePath(QStringLiteral("missing.km420rec"));
    if (!content.isNull() && content.isEmpty()) {
        path = writeRecording(m_dir, 0, 1000);
    } else if (!content.isNull()) {
        path = m_dir.filePath(QStringLiteral("text.km420rec"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }
    QVERIFY(!pane.openRecording(path));
    QVERIFY(!pane.errorString().isEmpty());
    QVERIFY(!pane.hasPicture());
    QVERIFY(!pane.SaveToPicture(m_dir.filePath(QStringLiteral("none.png"))));
}

// The held scale on a recording of the kelvin camera, whose range moves with the scene.
void TestPlaybackPane::heldScale()
{
    applyProgramStyle();
    PlaybackPane pane(QStringLiteral("EN"));
    pane.resize(1000, 720);
    pane.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pane));
    QVERIFY(pane.openRecording(writeRecording(m_dir, 4, 40000, Block::Known)));
    FrameView* frame = pane.frameView();
    frame->setHoldScale(true);
    QVERIFY(frame->isHeldInCelsius());
    frame->setHistogramShown(true);
    QVERIFY(frame->addBox(QRect(30, 50, 16, 20)));
    pane.player()->step(1);
    const auto* bar = pane.findChild<ColourBar*>(QStringLiteral("colourBar"));
    QCOMPARE(bar->topLabel(), QStringLiteral("%1 °C").arg(frame->heldHigh(), 0, 'f', 1));
    saveArtifact(&pane, QStringLiteral("playbackpane-held-scale"));
    frame->removeMarkers();
    frame->setHoldScale(false);
    frame->setHistogramShown(false);
}

QTEST_MAIN(TestPlaybackPane)
#include "tst_playbackpane.moc"
