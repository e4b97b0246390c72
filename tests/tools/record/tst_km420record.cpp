#include <camsim/camerasimulator.h>
#include <recording/recordingreader.h>

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>

namespace {

QList<QByteArray> framesOf(const QString& path)
{
    QList<QByteArray> frames;
    RecordingReader reader;
    RecordedFrame frame;
    if (reader.open(path)) {
        for (int i = 0; i < reader.frames() && reader.frame(i, &frame); ++i)
            frames << frame.record;
    }
    return frames;
}

void startRecorder(QProcess& recorder, const QString& port, const QString& out, int frames = 0)
{
    QStringList arguments{QStringLiteral("--port"), port, QStringLiteral("--out"), out};
    if (frames > 0)
        arguments << QStringLiteral("--frames") << QString::number(frames);
    recorder.start(QStringLiteral(KM420_RECORD), arguments);
}

} // namespace

// km420-record and km420-sim --replay as scripts use them.
class TestKm420Record : public QObject {
    Q_OBJECT

private slots:
    void replayOfARecordingRecordsTheSameFrames_data();
    void replayOfARecordingRecordsTheSameFrames();
    void failureEndsWithAMessageAndKeepsTheFrames_data();
    void failureEndsWithAMessageAndKeepsTheFrames();
    void terminationEndsTheRecordingCleanly();

private:
    QTemporaryDir m_dir;
};

void TestKm420Record::replayOfARecordingRecordsTheSameFrames_data()
{
    QTest::addColumn<bool>("loop");
    QTest::newRow("once, then the simulator ends") << false;
    QTest::newRow("looped") << true;
}

void TestKm420Record::replayOfARecordingRecordsTheSameFrames()
{
    QFETCH(bool, loop);
    const int frames = 12;
    const QString first = m_dir.filePath(QStringLiteral("camera-%1.km4").arg(loop));
    const QString second = m_dir.filePath(QStringLiteral("replay-%1.km4").arg(loop));
    {
        CameraSimulator camera;
        QVERIFY(camera.start());
        QProcess recorder;
        startRecorder(recorder, camera.portPath(), first, frames);
        QVERIFY(recorder.waitForFinished(30000));
        QVERIFY2(recorder.exitCode() == 0, recorder.readAllStandardError().constData());
    }
    const QList<QByteArray> recorded = framesOf(first);
    QCOMPARE(recorded.size(), frames);

    QProcess simulator;
    QStringList arguments{QStringLiteral("--quiet"), QStringLiteral("--replay"), first};
    if (loop)
        arguments << QStringLiteral("--loop");
    simulator.start(QStringLiteral(KM420_SIM), arguments);
    QVERIFY(simulator.waitForReadyRead(5000));
    const QString port = QString::fromLocal8Bit(simulator.readLine()).trimmed();

    QProcess recorder;
    startRecorder(recorder, port, second, loop ? 2 * frames : frames);
    QVERIFY(recorder.waitForFinished(30000));
    QVERIFY2(recorder.exitCode() == 0, recorder.readAllStandardError().constData());
    QCOMPARE(framesOf(second), loop ? recorded + recorded : recorded);
    RecordingReader reader;
    QVERIFY(reader.open(second));
    QCOMPARE(reader.header().camera, QStringLiteral("KM420 on ") + port);

    if (loop) {
        simulator.kill();
        simulator.waitForFinished(5000);
        return;
    }
    QVERIFY(simulator.waitForFinished(10000));
    QCOMPARE(simulator.exitCode(), 0);
    QVERIFY(simulator.readAllStandardError().contains("replay finished: 12 frames"));
}

void TestKm420Record::failureEndsWithAMessageAndKeepsTheFrames_data()
{
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("message");
    QTest::newRow("port missing") << "port missing"
                                  << "cannot open the port";
    QTest::newRow("output exists") << "output exists"
                                   << "already exists";
    QTest::newRow("camera silent") << "camera silent"
                                   << "the camera stopped answering";
}

void TestKm420Record::failureEndsWithAMessageAndKeepsTheFrames()
{
    QFETCH(QString, failure);
    QFETCH(QString, message);
    const QString out = m_dir.filePath(failure + QStringLiteral(".km4"));
    std::unique_ptr<CameraSimulator> camera;
    QString port = m_dir.filePath(QStringLiteral("no-such-port"));
    if (failure != QLatin1String("port missing")) {
        camera = std::make_unique<CameraSimulator>();
        QVERIFY(camera->start());
        port = camera->portPath();
    }
    const QByteArray kept("not a recording, and not to be replaced");
    if (failure == QLatin1String("output exists")) {
        QFile file(out);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(kept);
    }

    QProcess recorder;
    startRecorder(recorder, port, out);
    if (failure == QLatin1String("camera silent")) {
        QVERIFY(camera->waitForFrames(3, 10000));
        camera->setFault(FaultPlan::silence());
    }
    QVERIFY(recorder.waitForFinished(30000));
    QCOMPARE(recorder.exitStatus(), QProcess::NormalExit);
    QVERIFY(recorder.exitCode() != 0);
    const QByteArray errors = recorder.readAllStandardError();
    QVERIFY2(errors.contains(message.toUtf8()), errors.constData());

    if (failure == QLatin1String("output exists")) {
        QFile file(out);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), kept);
    } else if (failure == QLatin1String("port missing")) {
        QVERIFY(!QFileInfo::exists(out));
    } else {
        RecordingReader reader;
        QVERIFY(reader.open(out));
        QVERIFY(reader.frames() >= 3);
        QCOMPARE(qint64(reader.frames()), camera->stats().framesSent);
        QCOMPARE(reader.damaged(), 0);
    }
}

void TestKm420Record::terminationEndsTheRecordingCleanly()
{
    CameraSimulator camera;
    QVERIFY(camera.start());
    const QString out = m_dir.filePath(QStringLiteral("terminated.km4"));
    QProcess recorder;
    startRecorder(recorder, camera.portPath(), out);
    // A frame is taken only after the quiet gap that follows it, and the next asked for after that: once the
    // fourth is out, three are in the file.
    QVERIFY(camera.waitForFrames(4, 10000));
    ::kill(pid_t(recorder.processId()), SIGTERM);
    QVERIFY(recorder.waitForFinished(10000));
    QCOMPARE(recorder.exitStatus(), QProcess::NormalExit);
    QCOMPARE(recorder.exitCode(), 0);
    const int frames = framesOf(out).size();
    QVERIFY(frames >= 3);
    QCOMPARE(recorder.readAllStandardOutput().trimmed(), QStringLiteral("%1: %2 frames").arg(out).arg(frames).toUtf8());
}

QTEST_GUILESS_MAIN(TestKm420Record)
#include "tst_km420record.moc"
