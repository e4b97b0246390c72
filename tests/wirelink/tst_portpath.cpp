#include <wirelink/portpath.h>

#include <QtTest>

class TestPortPath : public QObject {
    Q_OBJECT
private slots:
    void normalise_data();
    void normalise();
};

void TestPortPath::normalise_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("path");
    const auto row = [](const char* tag, const char* name, const char* path) {
        QTest::newRow(tag) << QString::fromLatin1(name) << QString::fromLatin1(path);
    };
    row("COM3", "COM3", "\\\\.\\COM3");
    row("COM12, above the DOS names", "COM12", "\\\\.\\COM12");
    row("COM256", "COM256", "\\\\.\\COM256");
    row("anything after the number", "COM3x", "\\\\.\\COM3x");
    row("lower case unchanged", "com3", "com3");
    row("no number", "COM", "COM");
    row("no number, letters", "COMX", "COMX");
    row("not at the start", "XCOM3", "XCOM3");
    row("already a device path", "\\\\.\\COM3", "\\\\.\\COM3");
    row("POSIX device", "/dev/ttyUSB0", "/dev/ttyUSB0");
    row("empty", "", "");
}

void TestPortPath::normalise()
{
    QFETCH(QString, name);
    QFETCH(QString, path);
    QCOMPARE(PortPath::normalise(name), path);
}

QTEST_APPLESS_MAIN(TestPortPath)
#include "tst_portpath.moc"
