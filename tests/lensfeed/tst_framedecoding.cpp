#include <frames/framecheck.h>
#include <frames/framedecoder.h>
#include <frames/palettes.h>
#include <frames/videoextinf.h>
#include <lensfeed/commandrecordbuilder.h>

#include <testframes.h>

#include <QTest>

#include <array>
#include <memory>

namespace {

std::unique_ptr<Video_ExtInf> goodFrame(quint8 palette)
{
    auto f = std::make_unique<Video_ExtInf>();
    const QByteArray bytes = TestFrames::marked(palette);
    std::memcpy(f->bytes, bytes.constData(), sizeof f->bytes);
    return f;
}

QByteArray bytesOf(const Video_ExtInf& f)
{
    return QByteArray(f.bytes, Km420Frame::Size);
}

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(text);
}

} // namespace

class TestFrameDecoding : public QObject {
    Q_OBJECT
private slots:
    void paletteSamples_data()
    {
        QTest::addColumn<int>("palette");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("rgb565");
        const int idx[] = {0, 16, 32, 48, 64, 80, 96, 112, 128, 144, 160, 176, 192, 208, 224, 240, 255};
        const int samples[5][17] = {
            {0x1063, 0x1067, 0x106B, 0x110E, 0x12AC, 0x144B, 0x35A8, 0xA644, 0xE601, 0xE4A1, 0xE321, 0xE941, 0xE947,
             0xEA50, 0xEC15, 0xF5FA, 0xF7DE},
            {0x0006, 0x0011, 0x1818, 0x6016, 0xA813, 0xC88D, 0xD908, 0xF182, 0xFAA0, 0xFBE0, 0xFD00, 0xFE40, 0xFF80,
             0xFFE6, 0xFFEE, 0xFFF6, 0xFFFE},
            {0x0000, 0x1082, 0x2104, 0x3186, 0x4208, 0x528A, 0x630C, 0x738E, 0x8410, 0x9492, 0xA514, 0xB596, 0xC618,
             0xD69A, 0xE71C, 0xF79E, 0xFFFF},
            {0x41E7, 0x528A, 0x736E, 0x9493, 0xB577, 0xCE5B, 0xE71D, 0xF79F, 0xFFFF, 0xFFFC, 0xFFF5, 0xF7EB, 0xEFA3,
             0xEE20, 0xF400, 0xF180, 0xF800},
            {0x2977, 0x10A5, 0x18C2, 0x2102, 0x2943, 0x39A5, 0x4226, 0x5288, 0x630A, 0x738D, 0x840F, 0x9491, 0xA4F3,
             0xAD55, 0xBDD7, 0xDEDB, 0xF79F},
        };
        for (int p = 0; p < 5; ++p)
            for (int k = 0; k < 17; ++k)
                QTest::addRow("palette %d entry %d", p, idx[k]) << p << idx[k] << samples[p][k];
    }

    void paletteSamples()
    {
        QFETCH(int, palette);
        QFETCH(int, index);
        QFETCH(int, rgb565);
        QCOMPARE(QString::number(Palettes::table(palette)[index], 16), QString::number(rgb565, 16));
    }

    void paletteRepeats_data()
    {
        QTest::addColumn<int>("palette");
        QTest::addColumn<int>("lastRepeat");
        QTest::newRow("0") << 0 << 4;
        QTest::newRow("1") << 1 << 2;
        QTest::newRow("2") << 2 << 3;
        QTest::newRow("3") << 3 << 3;
        QTest::newRow("4") << 4 << 0;
    }

    void paletteRepeats()
    {
        QFETCH(int, palette);
        QFETCH(int, lastRepeat);
        const ushort* t = Palettes::table(palette);
        for (int i = 1; i <= lastRepeat; ++i)
            QCOMPARE(t[i], t[0]);
        QVERIFY(t[lastRepeat + 1] != t[0]);
    }

    void paletteTwoFormula()
    {
        const ushort* t = Palettes::table(2);
        for (int i = 0; i < 256; ++i)
            QCOMPARE(int(t[i]), ((i / 8) << 11) | ((i / 4) << 5) | (i / 8));
        QCOMPARE(int(t[252]), 0xFFFF);
        QVERIFY(t[251] != 0xFFFF);
    }

    // Between samples every channel moves one way only: the ramps have no bumps.
    void rampsMonotonicBetweenSamples()
    {
        for (int p = 0; p < 5; ++p) {
            const ushort* t = Palettes::table(p);
            for (int k = 0; k < 16; ++k) {
                const int from = 16 * k;
                const int to = k < 15 ? 16 * (k + 1) : 255;
                for (int shift : {11, 5, 0}) {
                    const int mask = shift == 5 ? 0x3F : 0x1F;
                    const int a = (t[from] >> shift) & mask;
                    const int b = (t[to] >> shift) & mask;
                    for (int i = from; i < to; ++i) {
                        const int x = (t[i] >> shift) & mask;
                        const int y = (t[i + 1] >> shift) & mask;
                        QVERIFY2(b >= a ? y >= x : y <= x, qPrintable(QString("palette %1 entry %2").arg(p).arg(i)));
                    }
                }
            }
        }
    }

    void paletteSelection_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("palette");
        for (int n : {0, 1, 2, 3, 4, 5, 7, 9, 10, 254, 255})
            QTest::addRow("%d", n) << n << n % 5;
    }

    void paletteSelection()
    {
        QFETCH(int, number);
        QFETCH(int, palette);
        auto f = goodFrame(quint8(number));
        QCOMPARE(FrameDecoder::paletteNumber(*f), palette);
        QCOMPARE(Palettes::table(number), Palettes::table(palette));
    }

    void pixels_data()
    {
        QTest::addColumn<int>("palette");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("palette 2, black") << 2 << 0 << 0x0000;
        QTest::newRow("palette 2, white") << 2 << 255 << 0xFFFF;
        QTest::newRow("palette 0, entry 0") << 0 << 0 << 0x1063;
        QTest::newRow("palette 3, entry 128") << 3 << 128 << 0xFFFF;
    }

    void pixels()
    {
        QFETCH(int, palette);
        QFETCH(int, value);
        QFETCH(int, expected);
        auto f = goodFrame(quint8(palette));
        for (int r = 0; r < Km420Frame::Height; ++r)
            for (int c = 0; c < Km420Frame::RowStride; ++c)
                f->bytes[Km420Frame::PixelOffset + r * Km420Frame::RowStride + c] = char(c == 80 ? 0x7F : value);
        std::array<ushort, FrameDecoder::PixelCount> out{};
        FrameDecoder::decodePixels(*f, Palettes::table(FrameDecoder::paletteNumber(*f)), out.data());
        for (ushort px : out)
            QCOMPARE(int(px), expected);
    }

    // Each pixel gets a value from its position, on every way of decoding. With "values below 250" the 81st
    // byte of each row carries a value that no pixel has, and must never show; "every value" reaches each
    // palette entry in the first 64 pixels of a row and in the last 16.
    void rowLayout_data()
    {
        QTest::addColumn<int>("path");
        QTest::addColumn<int>("values");
        const QList<QPair<FrameDecoder::Path, const char*>> paths{{FrameDecoder::Path::Portable, "portable"},
                                                                  {FrameDecoder::Path::Sse2, "SSE2"},
                                                                  {FrameDecoder::Path::Avx2, "AVX2"},
                                                                  {FrameDecoder::Path::Vbmi, "AVX-512 VBMI"}};
        for (const auto& path : paths) {
            if (!FrameDecoder::hasPath(path.first)) {
                qInfo("this processor has no %s path", path.second);
                continue;
            }
            QTest::addRow("%s, values below 250", path.second) << int(path.first) << 200;
            QTest::addRow("%s, every value", path.second) << int(path.first) << 256;
        }
    }

    void rowLayout()
    {
        QFETCH(int, path);
        QFETCH(int, values);
        const auto value = [values](int r, int c) { return values == 256 ? (r * 37 + c * 3) % 256 : (r + c) % 200; };
        auto f = goodFrame(2);
        for (int r = 0; r < Km420Frame::Height; ++r) {
            for (int c = 0; c < Km420Frame::Width; ++c)
                f->bytes[Km420Frame::PixelOffset + r * 81 + c] = char(value(r, c));
            f->bytes[Km420Frame::PixelOffset + r * 81 + 80] = char(250);
        }
        // Every entry differs from every other in both bytes' worth, so a pixel from the wrong entry shows.
        std::array<ushort, 256> pal{};
        for (int i = 0; i < 256; ++i)
            pal[size_t(i)] = ushort((i * 257) ^ 0x5A3C);
        std::array<ushort, FrameDecoder::PixelCount> out{};
        FrameDecoder::decodePixels(FrameDecoder::Path(path), *f, pal.data(), out.data());
        for (int r = 0; r < Km420Frame::Height; ++r)
            for (int c = 0; c < Km420Frame::Width; ++c)
                QCOMPARE(out[size_t(r * 80 + c)], pal[size_t(value(r, c))]);
        if (values < 250)
            QVERIFY(std::find(out.begin(), out.end(), pal[250]) == out.end());
    }

    void frameCheck_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("copied");
        auto good = goodFrame(3);
        good->bytes[100] = 'G';
        const QByteArray ok = bytesOf(*good);
        QByteArray badTail = ok;
        badTail[Km420Frame::Size - 1] = char(0x88);
        QByteArray badHead = ok;
        badHead[0] = 0x66;
        QTest::newRow("good") << ok << int(FrameCheck::FrameOk) << true;
        QTest::newRow("bad tail") << badTail << int(FrameCheck::FrameFormatWrong) << true;
        QTest::newRow("bad head") << badHead << int(FrameCheck::FrameFormatWrong) << true;
        QTest::newRow("one byte short") << ok.left(Km420Frame::Size - 1) << int(FrameCheck::FrameSizeWrong) << false;
        QTest::newRow("one byte long") << ok + 'x' << int(FrameCheck::FrameSizeWrong) << false;
        QTest::newRow("empty") << QByteArray() << int(FrameCheck::FrameSizeWrong) << false;
    }

    void frameCheck()
    {
        QFETCH(QByteArray, reply);
        QFETCH(int, result);
        QFETCH(bool, copied);
        auto target = std::make_unique<Video_ExtInf>();
        std::memset(target->bytes, 0x5A, sizeof target->bytes);
        QCOMPARE(int(FrameCheck::check(reply, target.get())), result);
        if (copied)
            QCOMPARE(bytesOf(*target), reply);
        else
            QCOMPARE(bytesOf(*target), QByteArray(Km420Frame::Size, 0x5A));
    }

    void commandRecords_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray zeros(40, '\0');
        const QByteArray tail = zeros + hex("efcdab89");
        // head marker, code, parameters 6 to 10 still zero
        QTest::newRow("get video frame") << 0 << hex("6745230100000000000000") + tail;
        QTest::newRow("set parameters") << 1 << hex("6745230101000000000000") + tail;
        QTest::newRow("reset frame") << 2 << hex("6745230102000000000000") + tail;
    }

    void commandRecords()
    {
        QFETCH(int, code);
        QFETCH(QByteArray, expected);
        CommandRecordBuilder record;
        QCOMPARE(record.bytes(), QByteArray(55, '\0'));
        const QByteArray built = record.build(uchar(code));
        QCOMPARE(built.size(), 55);
        QCOMPARE(built.toHex(), expected.toHex());
    }

    void parametersStick()
    {
        CommandRecordBuilder record;
        char param[11] = {};
        Km420Frame::writeInt16(param, 8, 250);
        Km420Frame::writeInt16(param, 6, -30);
        param[10] = char(95);
        record.copyParameters(param);
        for (uchar code : {1, 0, 2, 0}) {
            const QByteArray r = record.build(code);
            QCOMPARE(r.mid(4, 2).toHex(), QByteArray::number(code, 16).rightJustified(2, '0') + "00");
            QCOMPARE(r.mid(6, 5).toHex(), QByteArray("e2fffa005f"));
        }
    }

    void refreshedRecords()
    {
        CommandRecordBuilder record;
        const QByteArray early = record.build(0); // e.g. the standing get-frame command, built at open
        record.setParameters(25, -3, 0.95);
        const QByteArray now = record.refreshed(early);
        QCOMPARE(now.toHex(), record.build(0).toHex());
        QCOMPARE(record.refreshed("short"), QByteArray("short"));
    }

    void scaledParameters_data()
    {
        QTest::addColumn<double>("first");
        QTest::addColumn<double>("second");
        QTest::addColumn<double>("third");
        QTest::addColumn<QByteArray>("bytes6to10");
        QTest::newRow("plain") << 25.0 << -3.0 << 0.95 << QByteArray("e2fffa005f");
        QTest::newRow("toward zero") << 25.09 << -3.09 << 0.959 << QByteArray("e2fffa005f");
        QTest::newRow("clamped") << 5000.0 << -5000.0 << 3.0 << QByteArray("0080ff7fff");
        QTest::newRow("negative third") << 0.0 << 0.0 << -0.5 << QByteArray("0000000000");
    }

    void scaledParameters()
    {
        QFETCH(double, first);
        QFETCH(double, second);
        QFETCH(double, third);
        QFETCH(QByteArray, bytes6to10);
        CommandRecordBuilder record;
        record.setParameters(first, second, third);
        QCOMPARE(record.build(1).mid(6, 5).toHex(), bytes6to10);
    }
};

QTEST_GUILESS_MAIN(TestFrameDecoding)
#include "tst_framedecoding.moc"
