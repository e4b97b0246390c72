#include <serialports/portlisting.h>
#include <wirelink/wirelink.h>

#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

Q_DECLARE_METATYPE(QList<PortEntry>)

namespace {

PortEntry port(const char* name, quint16 vid = 0, quint16 pid = 0)
{
    return PortEntry{QString::fromLatin1(name), vid, pid};
}

QStringList names(const QList<PortEntry>& ports)
{
    QStringList result;
    for (const PortEntry& entry : ports)
        result << entry.name;
    return result;
}

} // namespace

class TestPortListing : public QObject {
    Q_OBJECT
private slots:
    void arrange_data();
    void arrange();
    void orderIsConsistent();
    void appendMatching_data();
    void appendMatching();
    void enumerateAppendsToCallersList();
    void usbIdsFromSysfs_data();
    void usbIdsFromSysfs();
};

void TestPortListing::arrange_data()
{
    QTest::addColumn<QList<PortEntry>>("ports");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("empty") << QList<PortEntry>{} << QStringList{};
    QTest::newRow("COM numbers by value") << QList<PortEntry>{port("COM10"), port("COM3"), port("COM2"), port("COM1")}
                                          << QStringList{"COM1", "COM2", "COM3", "COM10"};
    QTest::newRow("parallel ports left out")
        << QList<PortEntry>{port("LPT1"), port("COM4"), port("LPT2"), port("COM1")} << QStringList{"COM1", "COM4"};
    QTest::newRow("large numbers") << QList<PortEntry>{port("COM100"), port("COM99"), port("COM256"), port("COM9")}
                                   << QStringList{"COM9", "COM99", "COM100", "COM256"};
    QTest::newRow("other names by name") << QList<PortEntry>{port("ttyUSB10"), port("ttyACM0"), port("ttyUSB2"),
                                                             port("CNCA0"), port("COM5")}
                                         << QStringList{"CNCA0", "COM5", "ttyACM0", "ttyUSB2", "ttyUSB10"};
    QTest::newRow("leading zeros after the plain number")
        << QList<PortEntry>{port("COM02"), port("COM10"), port("COM2")} << QStringList{"COM2", "COM02", "COM10"};
}

void TestPortListing::arrange()
{
    QFETCH(QList<PortEntry>, ports);
    QFETCH(QStringList, expected);
    QCOMPARE(names(PortListing::arrange(ports)), expected);
}

void TestPortListing::orderIsConsistent()
{
    // Sorting relies on a strict weak order whatever the mix of names.
    const QStringList all{"COM1",  "COM1X", "COM10", "COM2", "COM", "COMX", "com3",  "COM02",  "A1B2",
                          "A1B10", "A01B2", "",      "1",    "01",  "X",    "ttyS0", "ttyS10", "ttyS9"};
    for (const QString& a : all) {
        QVERIFY(!PortListing::nameLess(a, a));
        for (const QString& b : all) {
            if (a != b)
                QVERIFY2(PortListing::nameLess(a, b) != PortListing::nameLess(b, a), qPrintable(a + " / " + b));
            for (const QString& c : all) {
                if (PortListing::nameLess(a, b) && PortListing::nameLess(b, c))
                    QVERIFY2(PortListing::nameLess(a, c), qPrintable(a + " < " + b + " < " + c));
            }
        }
    }
}

void TestPortListing::appendMatching_data()
{
    QTest::addColumn<QList<PortEntry>>("ports");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<int>("vid");
    QTest::addColumn<int>("pid");
    QTest::addColumn<QStringList>("after");

    const QList<PortEntry> present = PortListing::arrange({port("COM10", 0x0483, 0x5740), port("COM1"),
                                                           port("COM3", 0x0483, 0x5740), port("COM7", 0x0483, 0x5741),
                                                           port("COM8", 0x0484, 0x5740), port("LPT1", 0x0483, 0x5740)});
    QTest::newRow("two matches in listing order")
        << present << QStringList{} << 0x0483 << 0x5740 << QStringList{"COM3", "COM10"};
    QTest::newRow("decimal identifiers") << present << QStringList{} << 1155 << 22336 << QStringList{"COM3", "COM10"};
    QTest::newRow("no match, empty list") << present << QStringList{} << 0x1234 << 0x5678 << QStringList{};
    QTest::newRow("names already there stay first")
        << QList<PortEntry>{port("COM4", 0x0483, 0x5740)} << QStringList{"A", "B"} << 0x0483 << 0x5740
        << QStringList{"A", "B", "COM4"};
    QTest::newRow("no match keeps the list")
        << present << QStringList{"A", "B"} << 0x0483 << 0x0001 << QStringList{"A", "B"};
    QTest::newRow("vendor alone does not match") << present << QStringList{} << 0x0483 << 0 << QStringList{};
    QTest::newRow("ports without identifiers match 0 and 0")
        << present << QStringList{} << 0 << 0 << QStringList{"COM1"};
}

void TestPortListing::appendMatching()
{
    QFETCH(QList<PortEntry>, ports);
    QFETCH(QStringList, before);
    QFETCH(int, vid);
    QFETCH(int, pid);
    QFETCH(QStringList, after);
    QStringList list = before;
    QCOMPARE(PortListing::appendMatching(ports, quint16(vid), quint16(pid), list), after.size());
    QCOMPARE(list, after);
}

void TestPortListing::enumerateAppendsToCallersList()
{
    // No device carries these identifiers; the caller's names stay and are counted.
    QStringList list{"first", "second"};
    QCOMPARE(WireLink::enumerate(0xfffe, 0xfffe, list), 2);
    QCOMPARE(list, (QStringList{"first", "second"}));
    QStringList empty;
    QCOMPARE(WireLink::enumerate(0xfffe, 0xfffe, empty), 0);
}

void TestPortListing::usbIdsFromSysfs_data()
{
    // A tree shaped as sysfs: class/tty/<name>/device leads into devices/, where the USB device folder
    // holds the identifiers.
    QTest::addColumn<QString>("deviceFolder"); // under devices/, where the port's device link leads
    QTest::addColumn<QString>("idsFolder");    // under devices/, where idVendor and idProduct are ("" none)
    QTest::addColumn<QByteArray>("vendor");
    QTest::addColumn<QString>("ttyName");
    QTest::addColumn<bool>("found");
    QTest::addColumn<int>("vid");
    QTest::addColumn<int>("pid");
    const QString acm = "pci0000:00/usb1/1-1/1-1:1.0";
    QTest::newRow("cdc_acm: the device above the interface")
        << acm << "pci0000:00/usb1/1-1" << QByteArray("0483\n") << "ttyACM0" << true << 0x0483 << 0x5740;
    QTest::newRow("USB-serial adapter: one level further")
        << "pci0000:00/usb1/1-2/1-2:1.0/ttyUSB0"
        << "pci0000:00/usb1/1-2" << QByteArray("067B\n") << "ttyUSB0" << true << 0x067b << 0x5740;
    QTest::newRow("not on USB") << "platform/serial8250"
                                << "" << QByteArray() << "ttyS0" << false << 0 << 0;
    QTest::newRow("identifiers unreadable as hexadecimal")
        << acm << "pci0000:00/usb1/1-1" << QByteArray("zz\n") << "ttyACM0" << false << 0 << 0;
    QTest::newRow("identifier too large")
        << acm << "pci0000:00/usb1/1-1" << QByteArray("10483") << "ttyACM0" << false << 0 << 0;
    QTest::newRow("no such port") << acm << "pci0000:00/usb1/1-1" << QByteArray("0483") << "ttyACM7" << false << 0 << 0;
    QTest::newRow("a name that climbs out of class/tty")
        << acm << "pci0000:00/usb1/1-1" << QByteArray("0483") << "../tty/ttyACM0" << false << 0 << 0;
    QTest::newRow("identifiers above the device tree are not read")
        << "usb1"
        << "" << QByteArray() << "ttyACM0" << false << 0 << 0;
}

void TestPortListing::usbIdsFromSysfs()
{
    QFETCH(QString, deviceFolder);
    QFETCH(QString, idsFolder);
    QFETCH(QByteArray, vendor);
    QFETCH(QString, ttyName);
    QFETCH(bool, found);
    QFETCH(int, vid);
    QFETCH(int, pid);
    QTemporaryDir sys;
    QVERIFY(sys.isValid());
    const QString root = sys.path();
    QVERIFY(QDir(root).mkpath("devices/" + deviceFolder));
    QVERIFY(QDir(root).mkpath("class/tty/ttyACM0"));
    QVERIFY(QDir(root).mkpath("class/tty/ttyUSB0"));
    QVERIFY(QDir(root).mkpath("class/tty/ttyS0"));
    const QString port = deviceFolder.contains("ttyUSB")   ? "ttyUSB0"
                         : deviceFolder.contains("serial") ? "ttyS0"
                                                           : "ttyACM0";
    QVERIFY(QFile::link(root + "/devices/" + deviceFolder, root + "/class/tty/" + port + "/device"));
    // Where nothing in the tree carries identifiers, a folder outside it does.
    const QString ids = idsFolder.isEmpty() ? root : root + "/devices/" + idsFolder;
    auto write = [](const QString& path, const QByteArray& text) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
    };
    QVERIFY(write(ids + "/idVendor", vendor.isEmpty() ? QByteArray("0483") : vendor));
    QVERIFY(write(ids + "/idProduct", "5740\n"));
    quint16 gotVid = 0;
    quint16 gotPid = 0;
    QCOMPARE(PortListing::usbIdsFromSysfs(root, ttyName, &gotVid, &gotPid), found);
    QCOMPARE(int(gotVid), vid);
    QCOMPARE(int(gotPid), pid);
}

QTEST_GUILESS_MAIN(TestPortListing)
#include "tst_portlisting.moc"
