#include "portpath.h"

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
    QTest::newRow("COM3") << "COM3" << "\\\\.\\COM3";
    QTest::newRow("COM12, above the DOS names") << "COM12" << "\\\\.\\COM12";
    QTest::newRow("COM256") << "COM256" << "\\\\.\\COM256";
    QTest::newRow("anything after the number") << "COM3x" << "\\\\.\\COM3x";
    QTest::newRow("lower case unchanged") << "com3" << "com3";
    QTest::newRow("no number") << "COM" << "COM";
    QTest::newRow("no number, letters") << "COMX" << "COMX";
    QTest::newRow("not at the start") << "XCOM3" << "XCOM3";
    QTest::newRow("already a device path") << "\\\\.\\COM3" << "\\\\.\\COM3";
    QTest::newRow("POSIX device") << "/dev/ttyUSB0" << "/dev/ttyUSB0";
    QTest::newRow("empty") << "" << "";
}

void TestPortPath::normalise()
{
    QFETCH(QString, name);
    QFETCH(QString, path);
    QCOMPARE(PortPath::normalise(name), path);
}

QTEST_APPLESS_MAIN(TestPortPath)
#include "tst_portpath.moc"
