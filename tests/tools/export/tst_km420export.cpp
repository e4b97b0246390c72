#include <camsim/framebuilder.h>
#include <camsim/thermalscene.h>

#include <frames/framedecoder.h>
#include <frames/orientation.h>
#include <frames/palettes.h>
#include <frames/videoextinf.h>
#include <recording/recordingreader.h>
#include <recording/recordingwriter.h>

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

namespace {

// Stored entry 2 is spoiled after writing, so the reader counts five sound frames.
constexpr qint64 ArrivalUs[] = {0, 150000, 420000, 530000, 900000, 1234567};
constexpr int SpoiledEntry = 2;

QImage decoded(const QByteArray& record, int palette)
{
    Video_ExtInf frame;
    std::memcpy(frame.bytes, record.constData(), sizeof frame.bytes);
    QImage image(Km420Frame::Width, Km420Frame::Height, QImage::Format_RGB16);
    FrameDecoder::decodePixels(frame, Palettes::table(palette < 0 ? FrameDecoder::paletteNumber(frame) : palette),
                               reinterpret_cast<ushort*>(image.bits()));
    return image;
}

} // namespace

class TestKm420Export : public QObject {
    Q_OBJECT

    struct Result {
        int exitCode = -1;
        QString out;
        QString err;
    };
    Result run(const QStringList& arguments, const QString& program = QStringLiteral(KM420_EXPORT));

    QTemporaryDir m_dir;
    QString m_recording;
    QVector<RecordedFrame> m_frames;

private slots:
    void initTestCase();
    void png_data();
    void png();
    void video_data();
    void video();
    void fields_data();
    void fields();
    void csv_data();
    void csv();
    void failures_data();
    void failures();
};

TestKm420Export::Result TestKm420Export::run(const QStringList& arguments, const QString& program)
{
    QProcess process;
    process.start(program, arguments);
    Result r;
    if (!process.waitForFinished(60000))
        return r;
    r.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    r.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(process.readAllStandardError());
    return r;
}

void TestKm420Export::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_recording = m_dir.filePath("test.km420rec");
    RecordingWriter writer;
    QVERIFY(writer.open(m_recording, "test camera"));
    const ThermalScene scene(7);
    for (int k = 0; k < int(std::size(ArrivalUs)); ++k) {
        const QByteArray record = FrameBuilder::build(scene.render(quint32(k * 5)), 0, {}, quint32(k), quint8(k));
        QVERIFY(writer.append(record.constData(), RecordedParameters(), ArrivalUs[k]));
    }
    writer.close();

    QFile file(m_recording);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.seek(RecordingFormat::HeaderSize + SpoiledEntry * RecordingFormat::EntrySize +
                      RecordingFormat::EntryHeadSize + Km420Frame::PixelOffset));
    QVERIFY(file.putChar('\x5A') && file.putChar('\xA5'));
    file.close();

    RecordingReader reader;
    QVERIFY(reader.open(m_recording));
    QCOMPARE(reader.damaged(), 1);
    for (int i = 0; i < reader.frames(); ++i) {
        RecordedFrame frame;
        QVERIFY(reader.frame(i, &frame));
        m_frames.append(frame);
    }
    QCOMPARE(m_frames.size(), 5);
}

void TestKm420Export::png_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("scale");
    QTest::addColumn<int>("palette");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("count");

    QTest::newRow("whole recording, own palettes") << QStringList() << 1 << -1 << 0 << 5;
    QTest::newRow("scale 3") << QStringList{"--scale", "3"} << 3 << -1 << 0 << 5;
    // The command line counts frames and palettes from 1; the columns count from 0.
    QTest::newRow("palette 3 over the frames' own") << QStringList{"--palette", "3"} << 1 << 2 << 0 << 5;
    // Sound frames 3 and 4 are the stored entries after the spoiled one.
    QTest::newRow("from 3 to 4") << QStringList{"--from", "3", "--to", "4"} << 1 << -1 << 2 << 2;
    QTest::newRow("last frame, scale 2, palette 5")
        << QStringList{"--from", "5", "--to", "5", "--scale", "2", "--palette", "5"} << 2 << 4 << 4 << 1;
}

void TestKm420Export::png()
{
    QFETCH(QStringList, options);
    QFETCH(int, scale);
    QFETCH(int, palette);
    QFETCH(int, from);
    QFETCH(int, count);

    const QString out = m_dir.filePath(QString("png-%1").arg(QTest::currentDataTag()));
    const Result r = run(QStringList{m_recording, "--png", out} + options);
    QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    QVERIFY2(r.out.startsWith(QString("Frames written: %1 ").arg(count)) &&
                 r.out.contains("Damaged frames skipped: 1."),
             qPrintable(r.out));

    const QStringList files = QDir(out).entryList(QDir::Files, QDir::Name);
    QCOMPARE(files.size(), count);
    for (int n = 0; n < count; ++n) {
        const qint64 ms = m_frames[from + n].arrivalUs / 1000;
        QCOMPARE(files[n], QString::asprintf("frame-%06d-t%04lld.%03llds.png", from + n + 1, ms / 1000, ms % 1000));
    }

    const QImage expected = decoded(m_frames[from].record, palette);
    const QImage got = QImage(QDir(out).filePath(files.first())).convertToFormat(QImage::Format_RGB16);
    QCOMPARE(got.size(), expected.size() * scale);
    int differing = 0;
    for (int y = 0; y < got.height(); ++y)
        for (int x = 0; x < got.width(); ++x)
            differing += got.pixel(x, y) != expected.pixel(x / scale, y / scale);
    QCOMPARE(differing, 0);
}

void TestKm420Export::video_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");

    QTest::newRow("default scale 4") << QStringList() << 360 << 432 << 0 << 4;
    QTest::newRow("scale 3, palette 2") << QStringList{"--scale", "3", "--palette", "2"} << 270 << 324 << 0 << 4;
    QTest::newRow("scale 1, frames 2 to 4")
        << QStringList{"--scale", "1", "--from", "2", "--to", "4"} << 90 << 108 << 1 << 3;
}

void TestKm420Export::video()
{
    QFETCH(QStringList, options);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, from);
    QFETCH(int, to);

    const QString ffprobe = QStandardPaths::findExecutable("ffprobe");
    if (ffprobe.isEmpty())
        QSKIP("ffprobe is not installed");
    const QString out = m_dir.filePath(QString("video-%1.mp4").arg(QTest::currentDataTag()));
    const Result r = run(QStringList{m_recording, "--video", out} + options);
    QVERIFY2(r.exitCode == 0, qPrintable(r.err));

    const QStringList probe{"-v", "error", "-select_streams", "v:0"};
    const Result stream = run(probe + QStringList{"-count_frames", "-show_entries",
                                                  "stream=nb_read_frames,width,height", "-of", "csv=p=0", out},
                              ffprobe);
    QCOMPARE(stream.out.trimmed(), QString("%1,%2,%3").arg(width).arg(height).arg(to - from + 1));

    // Each picture is shown from its frame's arrival, counted from the first exported one.
    const Result times = run(probe + QStringList{"-show_entries", "frame=pts_time", "-of", "csv=p=0", out}, ffprobe);
    const QStringList lines = times.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), to - from + 1);
    for (int i = from; i <= to; ++i) {
        const double expected = (m_frames[i].arrivalUs - m_frames[from].arrivalUs) / 1e6;
        QVERIFY2(qAbs(lines[i - from].section(',', 0, 0).toDouble() - expected) < 0.002, qPrintable(times.out));
    }
}

void TestKm420Export::fields_data()
{
    QTest::addColumn<QStringList>("arguments"); // after REC --fields; OUT a fresh path, NOPROOF a profile without proof
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("layout");

    QTest::newRow("installed profiles") << QStringList() << "proven"
                                        << "camdesk built-in layout 1";
    QTest::newRow("to a file") << QStringList{"--out", "OUT.csv"} << "proven"
                               << "camdesk built-in layout 1";
    // The frames carry the built-in layout, which the other camera's proof does not take for its own.
    QTest::newRow("another camera's profile") << QStringList{"--profile", KELVIN_PROFILE} << "no layout"
                                              << "";
    QTest::newRow("a profile without proof") << QStringList{"--profile", "NOPROOF"} << "unverified"
                                             << "mine";
}

void TestKm420Export::fields()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, state);
    QFETCH(QString, layout);
    const QString noProof = m_dir.filePath("noproof.json");
    QFile profile(noProof);
    QVERIFY(profile.open(QIODevice::WriteOnly));
    profile.write(
        R"({"format":"km420-layout","version":1,"name":"mine","fields":{"max":{"offset":14,"type":"i16le","scale":0.1}}})");
    profile.close();
    const QString out = m_dir.filePath(QString("fields-%1").arg(QTest::currentDataTag()).replace(' ', '-'));
    for (QString& a : arguments)
        a.replace("OUT", out).replace("NOPROOF", noProof);

    const Result r = run(QStringList{m_recording, "--fields"} + arguments);
    QCOMPARE(r.exitCode, 0);
    QString text = r.out;
    if (arguments.contains("--out")) {
        QFile file(out + ".csv");
        QVERIFY(file.open(QIODevice::ReadOnly));
        text = QString::fromUtf8(file.readAll());
        QVERIFY(r.out.isEmpty());
    }
    const QStringList lines = text.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1 + m_frames.size());
    QCOMPARE(lines.at(0).section(',', 0, 4), QString("frame,time (s),layout,state,max (C)"));
    for (int i = 0; i < m_frames.size(); ++i) {
        const QStringList cells = lines.at(i + 1).split(',');
        QCOMPARE(cells.at(0), QString::number(i + 1));
        QCOMPARE(cells.at(1).toDouble(), m_frames[i].arrivalUs / 1e6);
        QCOMPARE(cells.at(2), layout);
        QCOMPARE(cells.at(3), state);
        const double max = Km420Frame::readInt16(m_frames[i].record.constData(), 14) / 10.0;
        QCOMPARE(cells.at(4), layout.isEmpty() ? QString() : QString::number(max, 'g', 10));
        // The profile without proof names only the maximum; nothing else is made up.
        QCOMPARE(cells.at(5).isEmpty(), layout != QLatin1String("camdesk built-in layout 1"));
    }
}

void TestKm420Export::csv_data()
{
    QTest::addColumn<QStringList>("arguments"); // after REC --csv OUT
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("layout");
    QTest::addColumn<int>("degrees");
    QTest::newRow("every frame") << QStringList() << 0 << 5 << "camdesk built-in layout 1" << 0;
    QTest::newRow("frames 2 to 3, another camera's profile")
        << QStringList{"--from", "2", "--to", "3", "--profile", KELVIN_PROFILE} << 1 << 2 << "no temperatures" << 0;
    QTest::newRow("turned 90") << QStringList{"--rotate", "90", "--to", "1"} << 0 << 1 << "camdesk built-in layout 1"
                               << 90;
}

// One file per frame, its levels the frame's own pixels, with °C only where the layout gives them.
void TestKm420Export::csv()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, first);
    QFETCH(int, count);
    QFETCH(QString, layout);
    QFETCH(int, degrees);
    const Orientation turn(degrees, false);
    const QSize cameraSize(Km420Frame::Width, Km420Frame::Height);
    const QString out = m_dir.filePath(QString("csv-%1").arg(QTest::currentDataTag()).replace(' ', '-'));
    const Result r = run(QStringList{m_recording, "--csv", out} + arguments);
    QCOMPARE(r.exitCode, 0);
    const QStringList files = QDir(out).entryList(QDir::Files, QDir::Name);
    QCOMPARE(files.size(), count);
    for (int i = 0; i < count; ++i) {
        const RecordedFrame& frame = m_frames[first + i];
        const qint64 ms = frame.arrivalUs / 1000;
        QCOMPARE(files[i], QString::asprintf("frame-%06d-t%04lld.%03llds.csv", first + i + 1, ms / 1000, ms % 1000));
        QFile file(QDir(out).filePath(files[i]));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QCOMPARE(lines.at(3), "# layout: " + layout.toUtf8());
        QByteArray row;
        for (int x = 0; x < turn.turned(cameraSize).width(); ++x) {
            const QPoint c = turn.toCamera(QPoint(x, 0), cameraSize);
            const int at = Km420Frame::PixelOffset + c.y() * Km420Frame::RowStride + c.x();
            row += (x ? "," : "") + QByteArray::number(uchar(frame.record.at(at)));
        }
        QCOMPARE(lines.at(6), row);
        QCOMPARE(lines.contains("# degrees Celsius, from camdesk built-in layout 1"), first == 0);
    }
}

void TestKm420Export::failures_data()
{
    QTest::addColumn<QStringList>("arguments");

    // REC is the test recording, OUT a fresh path, TXT a file that is not a recording.
    QTest::newRow("not a recording") << QStringList{"TXT", "--png", "OUT"};
    QTest::newRow("missing file") << QStringList{"OUT.rec", "--video", "OUT.mp4"};
    QTest::newRow("from after to") << QStringList{"REC", "--png", "OUT", "--from", "3", "--to", "1"};
    QTest::newRow("to past the end") << QStringList{"REC", "--png", "OUT", "--to", "6"};
    QTest::newRow("from past the end") << QStringList{"REC", "--video", "OUT.mp4", "--from", "6"};
    QTest::newRow("from 0") << QStringList{"REC", "--png", "OUT", "--from", "0"};
    QTest::newRow("palette 0") << QStringList{"REC", "--png", "OUT", "--palette", "0"};
    QTest::newRow("palette 6") << QStringList{"REC", "--png", "OUT", "--palette", "6"};
    QTest::newRow("scale 0") << QStringList{"REC", "--video", "OUT.mp4", "--scale", "0"};
    QTest::newRow("scale not a number") << QStringList{"REC", "--png", "OUT", "--scale", "two"};
    QTest::newRow("both outputs") << QStringList{"REC", "--png", "OUT", "--video", "OUT.mp4"};
    QTest::newRow("no output") << QStringList{"REC"};
    QTest::newRow("folder inside a file") << QStringList{"REC", "--png", "TXT/OUT"};
    QTest::newRow("video in a missing folder") << QStringList{"REC", "--video", "OUT/x.mp4"};
    QTest::newRow("profile without --fields") << QStringList{"REC", "--png", "OUT", "--profile", "TXT"};
    QTest::newRow("not a profile") << QStringList{"REC", "--fields", "--profile", "TXT", "--out", "OUT"};
    QTest::newRow("rotate 45") << QStringList{"REC", "--png", "OUT", "--rotate", "45"};
    QTest::newRow("rotate with --fields") << QStringList{"REC", "--fields", "--rotate", "90"};
    QTest::newRow("levels into a folder inside a file") << QStringList{"REC", "--csv", "TXT/OUT"};
    QTest::newRow("fields into a missing folder") << QStringList{"REC", "--fields", "--out", "OUT/x.csv"};
}

void TestKm420Export::failures()
{
    QFETCH(QStringList, arguments);

    const QString text = m_dir.filePath("not-a-recording.txt");
    QFile file(text);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'x'));
    file.close();
    const QString out = m_dir.filePath(QString("failed-%1").arg(QTest::currentDataTag()).replace(' ', '-'));
    for (QString& a : arguments)
        a.replace("REC", m_recording).replace("OUT", out).replace("TXT", text);

    const Result r = run(arguments);
    QVERIFY2(r.exitCode > 0, qPrintable(r.out));
    QVERIFY2(r.err.startsWith("km420-export: "), qPrintable(r.err));
    QVERIFY2(!QFileInfo::exists(out) && !QFileInfo::exists(out + ".mp4"), qPrintable(r.err));
}

QTEST_GUILESS_MAIN(TestKm420Export)
#include "tst_km420export.moc"
