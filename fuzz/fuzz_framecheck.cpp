// The envelope check and the decoding of one reply. An input of frame size is the reply itself; any other input
// is checked as it is (and must be refused for its size) and then also planted in a frame with both markers, its
// first byte as the palette number and the rest as the pixel block, so that decoding sees arbitrary pixels and
// palettes without waiting for the fuzzer to find the markers. The extended-information layout check runs on the
// input as it is.

#include "frameinvariants.h"
#include "fuzzcheck.h"

#include <devicebase/extinfolayout.h>
#include <devicebase/km420frame.h>
#include <frames/palettes.h>

#include <algorithm>
#include <cstdint>

namespace {

// Any number picks one of the five built-in tables.
void checkPaletteNumber(qint32 number)
{
    const ushort* table = Palettes::table(number);
    const int expected = int(((qint64(number) % Palettes::Count) + Palettes::Count) % Palettes::Count);
    FUZZ_CHECK(table == Palettes::table(expected));
    for (int other = 0; other < Palettes::Count; ++other)
        FUZZ_CHECK((other == expected) == (Palettes::table(other) == table));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Raw data: the fuzzer's own buffer has exact bounds, so reading past the reply is caught.
    const QByteArray reply = QByteArray::fromRawData(reinterpret_cast<const char*>(data), int(size));
    FrameInvariants::checkAndDecode(reply);
    // Recognising the layout reads within the bytes it is given, and an input that does not carry
    // the signature is never taken for it.
    const bool recognised = ExtInfoLayout::recognise(reply.constData(), reply.size());
    FUZZ_CHECK(!recognised || reply.mid(ExtInfoLayout::SignatureOffset, 4) == QByteArray("KMXI"));
    if (size >= 4)
        checkPaletteNumber(qint32(Km420Frame::readUInt32(reinterpret_cast<const char*>(data), 0)));
    if (size == size_t(Km420Frame::Size))
        return 0;

    if (size == 0)
        return 0;
    QByteArray planted(Km420Frame::Size, '\0');
    Km420Frame::writeUInt32(planted.data(), Km420Frame::HeadOffset, Km420Frame::HeadMarker);
    planted[Km420Frame::PaletteOffset] = char(data[0]);
    const size_t pixelBlock = Km420Frame::PaletteOffset - Km420Frame::PixelOffset;
    std::copy_n(data + 1, std::min(size - 1, pixelBlock), planted.data() + Km420Frame::PixelOffset);
    Km420Frame::writeUInt32(planted.data(), Km420Frame::TailOffset, Km420Frame::TailMarker);
    FUZZ_CHECK(FrameInvariants::checkAndDecode(planted) == FrameCheck::FrameOk);
    return 0;
}
