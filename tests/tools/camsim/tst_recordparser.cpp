#include <camsim/commandrecord.h>
#include <camsim/recordparser.h>

#include <ptyclient.h>

#include <QtTest>

class TestRecordParser : public QObject {
    Q_OBJECT

private slots:
    void recordBytes();
    void stream_data();
    void stream();
    void garbageDoesNotPileUp();
};

void TestRecordParser::recordBytes()
{
    const QByteArray bytes = PtyClient::record(1, 250, -30, 95);
    QCOMPARE(bytes.size(), 55);
    QCOMPARE(bytes.toHex(), QByteArray("67452301"
                                       "0100"
                                       "e2ff"
                                       "fa00"
                                       "5f") +
                                QByteArray(80, '0') + QByteArray("efcdab89"));
    CommandRecord back;
    QVERIFY(CommandRecord::fromBytes(bytes.constData(), &back));
    QCOMPARE(back.code, quint16(1));
    QCOMPARE(back.firstValue, qint16(250));
    QCOMPARE(back.secondValue, qint16(-30));
    QCOMPARE(back.thirdValue, quint8(95));
}

void TestRecordParser::stream_data()
{
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<int>("chunk");
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<int>("malformed");

    const QByteArray get = PtyClient::record(0), set = PtyClient::record(1, 10, 20, 30), reset = PtyClient::record(2);
    QByteArray badTail = PtyClient::record(0);
    badTail[54] = 0;
    const QByteArray noise = QByteArray::fromHex("00ff674523aa0167450123");

    QTest::newRow("one record") << get << 55 << QList<int>{0} << 0;
    QTest::newRow("one byte at a time") << get << 1 << QList<int>{0} << 0;
    QTest::newRow("three records, 7-byte chunks") << get + set + reset << 7 << QList<int>{0, 1, 2} << 0;
    QTest::newRow("garbage before") << noise + set << 4 << QList<int>{1} << 0;
    QTest::newRow("garbage between") << get + noise + reset << 13 << QList<int>{0, 2} << 0;
    QTest::newRow("bad tail, then good") << badTail + reset << 55 << QList<int>{2} << 1;
    QTest::newRow("torn record, then good") << get.left(30) + set << 55 << QList<int>{1} << 1;
    QTest::newRow("head marker in garbage") << QByteArray::fromHex("67452301aabb") + get << 3 << QList<int>{0} << 1;
    QTest::newRow("other code still a record") << PtyClient::record(9) << 55 << QList<int>{9} << 0;
    QTest::newRow("record without its tail yet") << get + reset.left(54) << 55 << QList<int>{0} << 0;
}

void TestRecordParser::stream()
{
    QFETCH(QByteArray, stream);
    QFETCH(int, chunk);
    QFETCH(QList<int>, codes);
    QFETCH(int, malformed);

    RecordParser parser;
    QList<int> seen;
    for (int at = 0; at < stream.size(); at += chunk)
        for (const CommandRecord& r : parser.feed(stream.mid(at, chunk)))
            seen << r.code;
    QCOMPARE(seen, codes);
    QCOMPARE(parser.malformedCount(), qint64(malformed));
}

void TestRecordParser::garbageDoesNotPileUp()
{
    RecordParser parser;
    QByteArray garbage(1 << 20, '\0');
    for (int i = 0; i < garbage.size(); ++i)
        garbage[i] = char((i * 131) & 0x3F); // never a head marker byte 0x67
    QVERIFY(parser.feed(garbage).isEmpty());
    QVERIFY(parser.pendingBytes() <= 3);
    QCOMPARE(parser.skippedBytes() + parser.pendingBytes(), qint64(garbage.size()));
    QCOMPARE(parser.feed(PtyClient::record(2)).size(), 1);
}

QTEST_APPLESS_MAIN(TestRecordParser)
#include "tst_recordparser.moc"
