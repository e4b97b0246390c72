#include <junction/mounttable.h>
#include <junction/usbblockdevice.h>

#include <QtTest>

class TestMountTable : public QObject {
    Q_OBJECT
    QTemporaryDir m_root; // holds a /dev and /sys tree
private slots:
    void initTestCase();
    void decodeField_data();
    void decodeField();
    void removableRoots_data();
    void removableRoots();
};

// sdb and sdc are on USB, sdc with its removable flag cleared; sda and sdd are on SATA, sdd in a hot-swap
// bay that sets the flag; loop0 and dm-0 are virtual.
void TestMountTable::initTestCase()
{
    const QString usb = "devices/pci0000:00/0000:00:14.0/usb2/2-%1/2-%1:1.0/host6/target6:0:0/6:0:0:0/block/";
    const QString ata = "devices/pci0000:00/0000:00:17.0/ata%1/host0/target0:0:0/0:0:0:0/block/";
    const QList<std::tuple<QString, QString, QByteArray>> nodes = {
        {"sdb1", usb.arg(1) + "sdb/sdb1", "1"},     {"sdc1", usb.arg(2) + "sdc/sdc1", "0"},
        {"sda1", ata.arg(1) + "sda/sda1", "0"},     {"sda2", ata.arg(1) + "sda/sda2", "0"},
        {"sdd1", ata.arg(2) + "sdd/sdd1", "1"},     {"loop0", "devices/virtual/block/loop0", "0"},
        {"dm-0", "devices/virtual/block/dm-0", "0"}};
    QDir root(m_root.path());
    QVERIFY(root.mkpath("sys/class/block") && root.mkpath("dev/disk/by-uuid") && root.mkpath("dev/mapper"));
    for (const auto& [name, path, removable] : nodes) {
        QFile flag(root.filePath("sys/" + path + "/../removable"));
        QVERIFY(root.mkpath("sys/" + path) && flag.open(QIODevice::WriteOnly) && flag.write(removable) == 1);
        QVERIFY(QFile::link("../../" + path, root.filePath("sys/class/block/" + name)));
        QVERIFY(QFile(root.filePath("dev/" + name)).open(QIODevice::WriteOnly));
    }
    QVERIFY(QFile::link("../../sdb1", root.filePath("dev/disk/by-uuid/1234-ABCD")));
    QVERIFY(QFile::link("../dm-0", root.filePath("dev/mapper/usbcrypt")));
}

void TestMountTable::decodeField_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QString>("decoded");

    QTest::newRow("plain") << QByteArray("/media/u/CAM") << QStringLiteral("/media/u/CAM");
    QTest::newRow("space") << QByteArray("/media/u/KM420\\040DISK") << QStringLiteral("/media/u/KM420 DISK");
    QTest::newRow("tab newline backslash") << QByteArray("a\\011b\\012c\\134d") << QStringLiteral("a\tb\nc\\d");
    QTest::newRow("escape at the end") << QByteArray("x\\040") << QStringLiteral("x ");
    QTest::newRow("cut escape kept") << QByteArray("x\\04") << QStringLiteral("x\\04");
    QTest::newRow("not octal kept") << QByteArray("x\\089") << QStringLiteral("x\\089");
    QTest::newRow("utf-8 label") << QByteArray("/media/u/\xe7\x83\xad\\040\xe5\x83\x8f")
                                 << QString::fromUtf8("/media/u/\xe7\x83\xad \xe5\x83\x8f");
}

void TestMountTable::decodeField()
{
    QFETCH(QByteArray, field);
    QFETCH(QString, decoded);
    QCOMPARE(MountTable::decodeField(field), decoded);
}

void TestMountTable::removableRoots_data()
{
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<QStringList>("roots");

    QTest::newRow("empty") << QByteArray() << QStringList();
    QTest::newRow("flash disk under media")
        << QByteArray("/dev/sda1 / ext4 rw,relatime 0 0\n"
                      "/dev/sdb1 /media/user/KM420 vfat rw,nosuid,nodev,uid=1000 0 0\n")
        << QStringList{"/media/user/KM420"};
    QTest::newRow("run media with escaped space")
        << QByteArray("/dev/sdc1 /run/media/user/KM420\\040DISK exfat rw 0 0\n")
        << QStringList{"/run/media/user/KM420 DISK"};
    QTest::newRow("two disks in table order")
        << QByteArray("/dev/sdc1 /media/b vfat rw 0 0\n/dev/sdb1 /media/a vfat rw 0 0\n")
        << QStringList{"/media/b", "/media/a"};
    QTest::newRow("fixed storage ignored") << QByteArray("/dev/sda1 / ext4 rw 0 0\n"
                                                         "/dev/sda2 /home ext4 rw 0 0\n"
                                                         "/dev/sdb1 /mnt/usb vfat rw 0 0\n"
                                                         "/dev/sdb2 /media vfat rw 0 0\n"
                                                         "/dev/sdb3 /mediaextra/x vfat rw 0 0\n"
                                                         "proc /proc proc rw 0 0\n"
                                                         "tmpfs /run/user/1000 tmpfs rw 0 0\n")
                                           << QStringList();
    QTest::newRow("virtual file systems under media ignored") << QByteArray("systemd-1 /media/auto autofs rw 0 0\n"
                                                                            "tmpfs /media/ram tmpfs rw 0 0\n")
                                                              << QStringList();
    QTest::newRow("automount placeholder then real volume")
        << QByteArray("systemd-1 /media/cam autofs rw 0 0\n/dev/sdb1 /media/cam vfat rw 0 0\n")
        << QStringList{"/media/cam"};
    QTest::newRow("stacked mount listed once")
        << QByteArray("/dev/sdb1 /media/cam vfat rw 0 0\n/dev/sdc1 /media/cam vfat rw 0 0\n")
        << QStringList{"/media/cam"};
    QTest::newRow("malformed lines skipped")
        << QByteArray("garbage\n\n/dev/sdb1\n/dev/sdb1 /media/cam\n  /dev/sdc1   /media/ok  vfat rw 0 0  \n")
        << QStringList{"/media/ok"};
    QTest::newRow("no final newline") << QByteArray("/dev/sdb1 /media/cam vfat rw 0 0") << QStringList{"/media/cam"};
    QTest::newRow("escaped backslash in name")
        << QByteArray("/dev/sdb1 /media/u/a\\134b vfat rw 0 0\n") << QStringList{"/media/u/a\\b"};
    QTest::newRow("fixed disks and a bind mount under media")
        << QByteArray("/dev/sda2 /media/data ext4 rw 0 0\n/dev/sda1 /media/u/home ext4 rw 0 0\n"
                      "/dev/sdd1 /media/u/BAY ext4 rw 0 0\n")
        << QStringList();
    QTest::newRow("by-uuid link to a USB partition")
        << QByteArray("/dev/disk/by-uuid/1234-ABCD /media/u/CAM vfat rw 0 0\n") << QStringList{"/media/u/CAM"};
    QTest::newRow("no USB block device behind the source")
        << QByteArray("/dev/loop0 /media/u/img iso9660 ro 0 0\n/dev/mapper/usbcrypt /media/u/c ext4 rw 0 0\n"
                      "/dev/sde1 /media/u/gone vfat rw 0 0\n//nas/share /media/nas cifs rw 0 0\n")
        << QStringList();
    QTest::newRow("fixed disk mounted over a USB stick")
        << QByteArray("/dev/sdb1 /media/cam vfat rw 0 0\n/dev/sda2 /media/cam ext4 rw 0 0\n") << QStringList();
}

void TestMountTable::removableRoots()
{
    QFETCH(QByteArray, table);
    QFETCH(QStringList, roots);
    const QString root = m_root.path();
    QCOMPARE(MountTable::removableRoots(table, [&](const QString& d) { return UsbBlockDevice::isOnUsb(d, root); }),
             roots);
}

QTEST_GUILESS_MAIN(TestMountTable)
#include "tst_mounttable.moc"
