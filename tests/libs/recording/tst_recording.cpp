#include <recording/recordingreader.h>
#include <recording/recordingwriter.h>

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace RecordingFormat;

namespace {

// A frame whose every byte depends on its number, so a frame read back in the wrong place shows.
QByteArray frameBytes(int n)
{
    QByteArray record(Km420Frame::Size, Qt::Uninitialized);
    quint32 x = 2654435761u * quint32(n + 1);
    for (char& c : record) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        c = static_cast<char>(x);
    }
    return record;
}

QString writeFrames(const QString& path, int count, const RecordedParameters& parameters = {})
{
    RecordingWriter writer;
    if (!writer.open(path, QStringLiteral("test camera")))
        return writer.errorString();
    for (int i = 0; i < count; ++i) {
        if (!writer.append(frameBytes(i).constData(), parameters, 1000 * i))
            return writer.errorString();
    }
    writer.close();
    return QString();
}

void patch(const QString& path, qint64 offset, char value)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.seek(offset));
    QVERIFY(file.putChar(value));
}

} // namespace

class TestRecording : public QObject {
    Q_OBJECT
private slots:
    void roundTrip_data();
    void roundTrip();
    void cutAtEveryByteOfTheLastFrame();
    void damagedEntrySkipped_data();
    void damagedEntrySkipped();
    void refusedFiles_data();
    void refusedFiles();
    void diskLow();

private:
    QTemporaryDir m_dir;
};

void TestRecording::roundTrip_data()
{
    QTest::addColumn<int>("frames");
    QTest::addColumn<bool>("known");
    QTest::addColumn<QString>("camera");
    QTest::addColumn<QString>("cameraRead");

    // 95 bytes of UTF-8 whose 94th byte is the first half of a character.
    const QString longName = QStringLiteral("a") + QString(47, QChar(0x00E9));
    QTest::newRow("empty") << 0 << false << QStringLiteral("KM420 on /dev/ttyACM0")
                           << QStringLiteral("KM420 on /dev/ttyACM0");
    QTest::newRow("parameters unknown") << 3 << false << QStringLiteral("cam") << QStringLiteral("cam");
    QTest::newRow("parameters known, long name cut at a character")
        << 2 << true << longName << QStringLiteral("a") + QString(46, QChar(0x00E9));
}

void TestRecording::roundTrip()
{
    QFETCH(int, frames);
    QFETCH(bool, known);
    QFETCH(QString, camera);
    QFETCH(QString, cameraRead);

    const QString path = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + QStringLiteral(".rec"));
    const QDateTime start = QDateTime(QDate(2026, 12, 8), QTime(10, 11, 12, 345), Qt::UTC);
    RecordedParameters parameters;
    parameters.known = known;
    parameters.alarmHighTenths = -1234;
    parameters.alarmLowTenths = 567;
    parameters.emissivityHundredths = 0; // a zero the camera was sent is kept as zero
    RecordingWriter writer;
    QVERIFY2(writer.open(path, camera, start), qPrintable(writer.errorString()));
    QVERIFY(!RecordingWriter().open(path, camera)); // never overwrites
    for (int i = 0; i < frames; ++i)
        QVERIFY(writer.append(frameBytes(i).constData(), parameters, 40000 * i + 7));
    QCOMPARE(writer.bytesWritten(), qint64(HeaderSize) + qint64(frames) * EntrySize);
    writer.close();
    QCOMPARE(QFileInfo(path).size(), writer.bytesWritten());

    RecordingReader reader;
    QVERIFY2(reader.open(path), qPrintable(reader.errorString()));
    QCOMPARE(reader.header().camera, cameraRead);
    QCOMPARE(reader.header().startUtc, start);
    QCOMPARE(reader.frames(), frames);
    QCOMPARE(reader.damaged(), 0);
    for (int i = 0; i < frames; ++i) {
        RecordedFrame frame;
        QVERIFY(reader.frame(i, &frame));
        QCOMPARE(frame.index, i);
        QCOMPARE(frame.arrivalUs, qint64(40000 * i + 7));
        QVERIFY(frame.record == frameBytes(i));
        QCOMPARE(frame.parameters.known, known);
        if (known) {
            QCOMPARE(frame.parameters.alarmHighTenths, qint16(-1234));
            QCOMPARE(frame.parameters.alarmLowTenths, qint16(567));
            QCOMPARE(frame.parameters.emissivityHundredths, quint8(0));
        }
    }
    RecordedFrame untouched;
    QVERIFY(!reader.frame(frames, &untouched));
    QCOMPARE(untouched.index, -1);
    if (frames > 1) {
        QCOMPARE(reader.frameAt(40000 + 6), 0);
        QCOMPARE(reader.frameAt(40000 + 7), 1);
        QCOMPARE(reader.frameAt(1 << 30), frames - 1);
    }
}

void TestRecording::cutAtEveryByteOfTheLastFrame()
{
    const QString path = m_dir.filePath(QStringLiteral("cut.rec"));
    QCOMPARE(writeFrames(path, 3), QString());
    const qint64 whole = HeaderSize + 2 * qint64(EntrySize);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    // From longest to shortest, so one file serves every cut.
    for (qint64 cut = EntrySize - 1; cut >= 0; --cut) {
        QVERIFY(file.resize(whole + cut));
        RecordingReader reader;
        QVERIFY2(reader.open(path), qPrintable(QStringLiteral("cut %1: %2").arg(cut).arg(reader.errorString())));
        if (reader.frames() != 2 || reader.trailingBytes() != cut || reader.damaged() != 0)
            QFAIL(qPrintable(QStringLiteral("cut %1: %2 frames, %3 trailing, %4 damaged")
                                 .arg(cut)
                                 .arg(reader.frames())
                                 .arg(reader.trailingBytes())
                                 .arg(reader.damaged())));
    }
    RecordingReader reader;
    QVERIFY(reader.open(path));
    RecordedFrame frame;
    QVERIFY(reader.frame(1, &frame));
    QVERIFY(frame.record == frameBytes(1));
}

void TestRecording::damagedEntrySkipped_data()
{
    QTest::addColumn<int>("offsetInEntry");
    QTest::newRow("entry magic") << 0;
    QTest::newRow("arrival time") << EntryArrivalOffset;
    QTest::newRow("parameters flag") << EntryFlagsOffset;
    QTest::newRow("check value") << EntryCheckOffset + 2;
    QTest::newRow("picture byte") << EntryHeadSize + Km420Frame::PixelOffset + 100;
    QTest::newRow("last byte") << EntrySize - 1;
}

void TestRecording::damagedEntrySkipped()
{
    QFETCH(int, offsetInEntry);
    const QString path = m_dir.filePath(QStringLiteral("damaged-%1.rec").arg(offsetInEntry));
    QCOMPARE(writeFrames(path, 3), QString());
    const qint64 at = HeaderSize + EntrySize + offsetInEntry;
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.seek(at));
    char old = 0;
    QVERIFY(file.getChar(&old));
    file.close();
    patch(path, at, char(old ^ 0x10));

    RecordingReader reader;
    QVERIFY(reader.open(path));
    QCOMPARE(reader.frames(), 2);
    QCOMPARE(reader.damaged(), 1);
    RecordedFrame frame;
    QVERIFY(reader.frame(1, &frame));
    QCOMPARE(frame.index, 2);
    QVERIFY(frame.record == frameBytes(2));
}

void TestRecording::refusedFiles_data()
{
    QTest::addColumn<qint64>("offset");
    QTest::addColumn<char>("value");
    QTest::newRow("other magic") << qint64(0) << 'X';
    QTest::newRow("header check") << qint64(HeaderCameraOffset) << 'Z';
    QTest::newRow("cut inside the header") << qint64(-1) << '\0';
}

void TestRecording::refusedFiles()
{
    QFETCH(qint64, offset);
    QFETCH(char, value);
    const QString path = m_dir.filePath(QStringLiteral("refused-%1.rec").arg(offset));
    QCOMPARE(writeFrames(path, 1), QString());
    if (offset >= 0) {
        patch(path, offset, value);
    } else {
        QFile file(path);
        QVERIFY(file.resize(HeaderSize - 1));
    }
    RecordingReader reader;
    QVERIFY(!reader.open(path));
    QVERIFY(!reader.errorString().isEmpty());
    QCOMPARE(reader.frames(), 0);
}

void TestRecording::diskLow()
{
    const QString path = m_dir.filePath(QStringLiteral("low.rec"));
    RecordingWriter refused;
    refused.setReserve(std::numeric_limits<qint64>::max());
    QVERIFY(!refused.open(path, QStringLiteral("cam")));
    QCOMPARE(refused.status(), RecordingWriter::DiskLow);
    QVERIFY(!QFile::exists(path));

    // Space that runs low while recording: the frames before stay readable.
    RecordingWriter writer;
    writer.setReserve(0);
    QVERIFY(writer.open(path, QStringLiteral("cam")));
    QVERIFY(writer.append(frameBytes(0).constData(), {}));
    writer.setReserve(std::numeric_limits<qint64>::max());
    QTRY_VERIFY_WITH_TIMEOUT(!writer.append(frameBytes(1).constData(), {}), 5000);
    QCOMPARE(writer.status(), RecordingWriter::DiskLow);
    QVERIFY(!writer.isRecording());
    RecordingReader reader;
    QVERIFY(reader.open(path));
    QVERIFY(reader.frames() >= 1);
    QCOMPARE(reader.trailingBytes(), qint64(0));
}

QTEST_GUILESS_MAIN(TestRecording)
#include "tst_recording.moc"
