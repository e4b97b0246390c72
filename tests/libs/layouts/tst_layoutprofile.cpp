#include <devicebase/extinfolayout.h>
#include <devicebase/km420frame.h>
#include <layouts/layoutcatalog.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <cstring>
#include <vector>

using Field = LayoutProfile::Field;

namespace {

// A profile of a camera unlike the built-in layout: big-endian kelvin in hundredths, its own proof.
const char* const OtherCamera = R"({
    "format": "km420-layout", "version": 1, "name": "Other camera",
    "proof": [ { "offset": 100, "bytes": "5443414D" }, { "offset": 104, "u8": 2 },
               { "crc32": { "from": 100, "to": 131, "at": 132 } } ],
    "fields": {
        "max": { "offset": 110, "type": "u16be", "scale": 0.01, "unit": "K" },
        "min": { "offset": 112, "type": "u16be", "scale": 0.01, "unit": "K" },
        "centre": { "offset": 114, "type": "f32le", "unit": "F" },
        "sequence": { "offset": 120, "type": "u32be" }
    }
})";

QByteArray otherRecord(quint16 maxHundredthsK, quint16 minHundredthsK, float centreF)
{
    std::vector<char> r(Km420Frame::Size, '\0');
    char* d = r.data();
    std::memcpy(d + 100, "TCAM", 4);
    d[104] = 2;
    d[110] = char(maxHundredthsK >> 8);
    d[111] = char(maxHundredthsK);
    d[112] = char(minHundredthsK >> 8);
    d[113] = char(minHundredthsK);
    std::memcpy(d + 114, &centreF, 4);
    d[120] = 0x01;
    d[123] = 0x02;
    Km420Frame::writeUInt32(d, 132, ExtInfoLayout::crc32(d + 100, 32));
    return QByteArray(d, Km420Frame::Size);
}

QByteArray builtInRecord(qint16 maxTenths, qint16 minTenths)
{
    QByteArray r(Km420Frame::Size, '\0');
    Km420Frame::writeInt16(r.data(), ExtInfoLayout::MaxTempOffset, maxTenths);
    Km420Frame::writeInt16(r.data(), ExtInfoLayout::MinTempOffset, minTenths);
    ExtInfoLayout::seal(r.data());
    return r;
}

QByteArray replaced(QByteArray json, const char* from, const char* to)
{
    return json.replace(from, to);
}

} // namespace

class TestLayoutProfile : public QObject {
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void read_data();
    void read();
    void catalog();
};

void TestLayoutProfile::parse_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("why"); // empty: parses

    const QByteArray ok(OtherCamera);
    QTest::newRow("other camera") << ok << QString();
    QTest::newRow("no proof, one field") << QByteArray(R"({"format":"km420-layout","version":1,"name":"n",)"
                                                       R"("fields":{"max":{"offset":0,"type":"i8"}}})")
                                         << QString();
    QTest::newRow("not JSON") << QByteArray("{\"format\":") << QStringLiteral("not JSON");
    QTest::newRow("other format") << replaced(ok, "km420-layout", "km421") << QStringLiteral("\"format\"");
    QTest::newRow("unknown key") << replaced(ok, "\"name\"", "\"colour\": 1, \"name\"")
                                 << QStringLiteral("unknown key \"colour\"");
    QTest::newRow("a field named twice") << replaced(ok, "\"centre\"", "\"min\"")
                                         << QStringLiteral("\"min\" stands twice");
    QTest::newRow("a key named twice, escaped")
        << replaced(ok, "\"scale\": 0.01, \"unit\"", "\"scale\": 0.01, \"sc\\u0061le\": 1, \"unit\"")
        << QStringLiteral("\"scale\" stands twice");
    QTest::newRow("equal keys in two objects")
        << replaced(ok, "\"centre\": { \"offset\": 114", "\"centre\": { \"offset\": 114, \"add\": 0") << QString();
    QTest::newRow("unknown field") << replaced(ok, "\"centre\"", "\"middle\"")
                                   << QStringLiteral("unknown field \"middle\"");
    QTest::newRow("unknown key in a field") << replaced(ok, "\"scale\": 0.01, \"unit\"", "\"scal\": 0.01, \"unit\"")
                                            << QStringLiteral("unknown key \"scal\"");
    QTest::newRow("unknown type") << replaced(ok, "u32be", "u24be") << QStringLiteral("unknown type \"u24be\"");
    QTest::newRow("unknown unit") << replaced(ok, "\"unit\": \"F\"", "\"unit\": \"R\"")
                                  << QStringLiteral("unknown unit");
    QTest::newRow("unit on the sequence") << replaced(ok, "\"type\": \"u32be\"", "\"type\": \"u32be\", \"unit\": \"C\"")
                                          << QStringLiteral("unknown key \"unit\"");
    // A 4-byte field must end inside the 14,935-byte record.
    QTest::newRow("field past the record") << replaced(ok, "\"offset\": 120", "\"offset\": 14932")
                                           << QStringLiteral("\"offset\" must be a whole number from 0 to 14931");
    QTest::newRow("fractional offset") << replaced(ok, "\"offset\": 110", "\"offset\": 110.5")
                                       << QStringLiteral("\"offset\"");
    QTest::newRow("proof bytes past the record")
        << replaced(ok, "\"offset\": 100", "\"offset\": 14933") << QStringLiteral("proof 1");
    QTest::newRow("proof bytes not hex") << replaced(ok, "5443414D", "54434G4D") << QStringLiteral("hexadecimal");
    QTest::newRow("crc range reversed") << replaced(ok, "\"from\": 100, \"to\": 131", "\"from\": 131, \"to\": 100")
                                        << QStringLiteral("proof 3 crc32: \"to\"");
    QTest::newRow("scale not a number") << replaced(ok, "\"scale\": 0.01, \"unit\": \"K\" },\n        \"min\"",
                                                    "\"scale\": \"x\", \"unit\": \"K\" },\n        \"min\"")
                                        << QStringLiteral("\"scale\" must be a number");
}

void TestLayoutProfile::parse()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, why);
    QString reason;
    const std::optional<LayoutProfile> profile = LayoutProfile::parse(json, &reason);
    QCOMPARE(bool(profile), why.isEmpty());
    QVERIFY2(reason.contains(why), qPrintable(reason));
    if (!profile)
        return;
    // What it writes reads back as the same profile.
    const std::optional<LayoutProfile> again = LayoutProfile::parse(profile->toJson(), &reason);
    QVERIFY2(again, qPrintable(reason));
    QCOMPARE(again->toJson(), profile->toJson());
}

void TestLayoutProfile::read_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<int>("state"); // LayoutReading::State
    QTest::addColumn<QString>("profile");
    QTest::addColumn<double>("max");
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("centre");

    using S = LayoutReading::State;
    const double none = std::nan("");
    QTest::newRow("built-in") << builtInRecord(3000, -400) << int(S::Proven) << "camdesk built-in layout 1" << 300.0
                              << -40.0 << 0.0;
    // 35,000 tenths read as a signed 16-bit value: -3,053.6 °C, below absolute zero.
    QTest::newRow("built-in, max below absolute zero")
        << builtInRecord(qint16(quint16(35000)), -400) << int(S::OutOfRange) << "camdesk built-in layout 1" << none
        << none << none;
    QTest::newRow("built-in, max below min")
        << builtInRecord(100, 200) << int(S::OutOfRange) << "camdesk built-in layout 1" << none << none << none;
    QTest::newRow("other camera") << otherRecord(37315, 27315, 212.0f) << int(S::Proven) << "Other camera" << 100.0
                                  << 0.0 << 100.0;
    QTest::newRow("other camera, centre not a number")
        << otherRecord(37315, 27315, std::nanf("")) << int(S::OutOfRange) << "Other camera" << none << none << none;
    QTest::newRow("built-in, above 3000 °C")
        << builtInRecord(30001, -400) << int(S::OutOfRange) << "camdesk built-in layout 1" << none << none << none;
    QTest::newRow("other camera, largest value")
        << otherRecord(65535, 27315, 212.0f) << int(S::Proven) << "Other camera" << 382.2 << 0.0 << 100.0;
    QByteArray damaged = otherRecord(37315, 27315, 212.0f);
    damaged[111] = char(damaged[111] ^ 1); // changed after the check value was made
    QTest::newRow("other camera, check fails") << damaged << int(S::NoLayout) << QString() << none << none << none;
    QTest::newRow("zeros") << QByteArray(Km420Frame::Size, '\0') << int(S::NoLayout) << QString() << none << none
                           << none;
}

void TestLayoutProfile::read()
{
    QFETCH(QByteArray, record);
    QFETCH(int, state);
    QFETCH(QString, profile);
    QFETCH(double, max);
    QFETCH(double, min);
    QFETCH(double, centre);
    LayoutCatalog catalog;
    catalog.add(*LayoutProfile::parse(OtherCamera, nullptr));
    const LayoutReading r = catalog.read(record.constData());
    QCOMPARE(int(r.state), state);
    QCOMPARE(r.profile, profile);
    const double got[] = {r.value(Field::Max), r.value(Field::Min), r.value(Field::Centre)};
    const double want[] = {max, min, centre};
    for (int i = 0; i < 3; ++i) {
        QVERIFY2(std::isnan(want[i]) ? std::isnan(got[i]) : std::abs(got[i] - want[i]) < 0.01,
                 qPrintable(QStringLiteral("%1: %2, not %3").arg(i).arg(got[i]).arg(want[i])));
    }
    if (r.state == LayoutReading::State::Proven && profile == QLatin1String("Other camera")) {
        QCOMPARE(r.value(Field::Sequence), double(0x01000002));
        QVERIFY(!r.has(Field::ScaleLow)); // not in the profile: not given
    }
}

void TestLayoutProfile::catalog()
{
    QTemporaryDir shipped, user;
    const auto write = [](const QString& path, const QByteArray& text) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
    };
    QVERIFY(write(shipped.filePath("a-other.json"), OtherCamera));
    QVERIFY(write(shipped.filePath("b-broken.json"), replaced(OtherCamera, "u16be", "u17")));
    QVERIFY(write(shipped.filePath("notes.txt"), "not a profile"));
    // The user's profile of the same name replaces the shipped one: here it reads the maximum elsewhere.
    QVERIFY(write(user.filePath("mine.json"), replaced(OtherCamera, "\"offset\": 110", "\"offset\": 112")));

    const LayoutCatalog catalog({shipped.path(), user.path()});
    QCOMPARE(catalog.profiles().size(), 2);
    QCOMPARE(catalog.profiles().at(0).name(), QStringLiteral("camdesk built-in layout 1"));
    QCOMPARE(catalog.files().at(1), user.filePath("mine.json"));
    QCOMPARE(catalog.rejected().size(), 1);
    QCOMPARE(catalog.rejected().at(0).file, shipped.filePath("b-broken.json"));
    QVERIFY(catalog.rejected().at(0).reason.contains(QLatin1String("unknown type \"u17\"")));
    const LayoutReading r = catalog.read(otherRecord(37315, 27315, 212.0f).constData());
    QCOMPARE(r.value(Field::Max), 0.0);

    LayoutCatalog::replace(catalog);
    QCOMPARE(LayoutCatalog::shared().profiles().size(), 2);
}

QTEST_GUILESS_MAIN(TestLayoutProfile)
#include "tst_layoutprofile.moc"
