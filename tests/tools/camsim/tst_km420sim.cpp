#include <ptyclient.h>

#include <devicebase/km420frame.h>

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/stat.h>

using namespace Km420Frame;

// The command-line program as scripts and demos use it.
class TestKm420Sim : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void servesAndObeysItsControlInput_data();
    void servesAndObeysItsControlInput();
    void badArgumentsAreRefused_data();
    void badArgumentsAreRefused();

private:
    bool startSim(const QStringList& arguments);
    QString command(const QString& line); // sends one control line, returns the line it prints

    QTemporaryDir m_dir;
    QProcess m_process;
    QString m_fifo;
    PtyClient m_client;
};

void TestKm420Sim::init()
{
    m_process.setProgram(QStringLiteral(KM420_SIM));
    m_fifo.clear();
}

void TestKm420Sim::cleanup()
{
    m_client.close();
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
}

bool TestKm420Sim::startSim(const QStringList& arguments)
{
    m_process.setArguments(arguments);
    m_process.start();
    return m_process.waitForStarted(5000);
}

QString TestKm420Sim::command(const QString& line)
{
    const QByteArray bytes = (line + QLatin1Char('\n')).toLocal8Bit();
    if (m_fifo.isEmpty()) {
        m_process.write(bytes);
    } else {
        QFile fifo(m_fifo);
        if (!fifo.open(QIODevice::WriteOnly))
            return QStringLiteral("cannot open the control FIFO");
        fifo.write(bytes);
    }
    QElapsedTimer timer;
    timer.start();
    while (!m_process.canReadLine() && timer.elapsed() < 5000)
        m_process.waitForReadyRead(100);
    return QString::fromLocal8Bit(m_process.readLine()).trimmed();
}

void TestKm420Sim::servesAndObeysItsControlInput_data()
{
    QTest::addColumn<bool>("useFifo");
    QTest::newRow("standard input") << false;
    QTest::newRow("control FIFO") << true;
}

void TestKm420Sim::servesAndObeysItsControlInput()
{
    QFETCH(bool, useFifo);
    const QString link = m_dir.filePath(QStringLiteral("camera"));
    QStringList arguments{QStringLiteral("--link"), link, QStringLiteral("--palette"), QStringLiteral("4"),
                          QStringLiteral("--quiet")};
    if (useFifo) {
        m_fifo = m_dir.filePath(QStringLiteral("control"));
        arguments << QStringLiteral("--control") << m_fifo;
    }
    QVERIFY(startSim(arguments));
    QVERIFY(m_process.waitForReadyRead(5000));
    const QString slave = QString::fromLocal8Bit(m_process.readLine()).trimmed();
    QVERIFY2(slave.startsWith(QLatin1String("/dev/pts/")), qPrintable(slave));
    QCOMPARE(QFileInfo(link).symLinkTarget(), slave);
    if (useFifo)
        QTRY_VERIFY(QFileInfo(m_fifo).exists());

    QVERIFY(m_client.open(link));
    QVERIFY(m_client.send(quint16(0)));
    QByteArray frame = m_client.collect().data;
    QCOMPARE(frame.size(), Size);
    QCOMPARE(int(uchar(frame[PaletteOffset])), 4);

    QCOMPARE(command(QStringLiteral("palette 2")), QStringLiteral("palette 2"));
    QVERIFY(m_client.send(quint16(0)));
    frame = m_client.collect().data;
    QCOMPARE(frame.size(), Size);
    QCOMPARE(int(uchar(frame[PaletteOffset])), 2);

    QCOMPARE(command(QStringLiteral("fault short:100@1")), QStringLiteral("fault short:100@1"));
    QVERIFY(m_client.send(quint16(0)));
    QCOMPARE(m_client.collect().data.size(), 100);

    QCOMPARE(command(QStringLiteral("hangup")), QStringLiteral("hung up"));
    QVERIFY(m_client.collect().hungUp);
    QVERIFY(!QFileInfo(link).isSymLink());

    const QString again = command(QStringLiteral("restart"));
    QVERIFY2(again.startsWith(QLatin1String("/dev/pts/")), qPrintable(again));
    QCOMPARE(QFileInfo(link).symLinkTarget(), again);
    QVERIFY(m_client.open(link));
    QVERIFY(m_client.send(quint16(0)));
    QCOMPARE(m_client.collect().data.size(), Size);

    QVERIFY(command(QStringLiteral("stats")).startsWith(QLatin1String("records 4 ")));

    ::kill(pid_t(m_process.processId()), SIGTERM);
    QVERIFY(m_process.waitForFinished(5000));
    QCOMPARE(m_process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_process.exitCode(), 0);
    QVERIFY(!QFileInfo(link).isSymLink());
    if (useFifo)
        QVERIFY(!QFileInfo::exists(m_fifo)); // it made the FIFO, so it removes it
}

void TestKm420Sim::badArgumentsAreRefused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("palette too big") << QStringList{QStringLiteral("--palette"), QStringLiteral("256")};
    QTest::newRow("unknown fault") << QStringList{QStringLiteral("--fault"), QStringLiteral("sulk")};
    QTest::newRow("fps not a number") << QStringList{QStringLiteral("--fps"), QStringLiteral("fast")};
    QTest::newRow("replay file missing") << QStringList{QStringLiteral("--replay"), QStringLiteral("/nonexistent.km4")};
    QTest::newRow("replay file not a recording") << QStringList{QStringLiteral("--replay"), QStringLiteral(KM420_SIM)};
    QTest::newRow("loop without replay") << QStringList{QStringLiteral("--loop")};
}

void TestKm420Sim::badArgumentsAreRefused()
{
    QFETCH(QStringList, arguments);
    QVERIFY(startSim(arguments));
    QVERIFY(m_process.waitForFinished(5000));
    QCOMPARE(m_process.exitCode(), 2);
    QVERIFY(m_process.readAllStandardOutput().isEmpty());
}

QTEST_GUILESS_MAIN(TestKm420Sim)
#include "tst_km420sim.moc"
