#include <mounttable.h>

#include <QtTest>

class TestMountTable : public QObject {
    Q_OBJECT
private slots:
    void decodeField_data();
    void decodeField();
    void removableRoots_data();
    void removableRoots();
};

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
}

void TestMountTable::removableRoots()
{
    QFETCH(QByteArray, table);
    QFETCH(QStringList, roots);
    QCOMPARE(MountTable::removableRoots(table), roots);
}

QTEST_GUILESS_MAIN(TestMountTable)
#include "tst_mounttable.moc"
