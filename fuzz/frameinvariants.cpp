#include "frameinvariants.h"

#include "fuzzcheck.h"

#include <frames/framedecoder.h>
#include <frames/palettes.h>
#include <frames/videoextinf.h>

#include <QImage>

#include <cstring>
#include <memory>

namespace {

constexpr char Untouched = '\x5A';
const char HeadBytes[] = {'\x67', '\x45', '\x23', '\x01'};
const char TailBytes[] = {'\xEF', '\xCD', '\xAB', '\x89'};

bool isPaletteEntry(const ushort* palette, ushort colour)
{
    for (int i = 0; i < Palettes::Entries; ++i) {
        if (palette[i] == colour)
            return true;
    }
    return false;
}

void checkDecoding(const Video_ExtInf& frame)
{
    const int number = FrameDecoder::paletteNumber(frame);
    FUZZ_CHECK(number >= 0 && number < Palettes::Count);
    FUZZ_CHECK(number == uchar(frame.bytes[Km420Frame::PaletteOffset]) % Palettes::Count);
    const ushort* palette = Palettes::table(number);

    // Exactly one picture's worth, so a write past it is caught.
    const auto pixels = std::make_unique<ushort[]>(FrameDecoder::PixelCount);
    FrameDecoder::decodePixels(frame, palette, pixels.get());
    for (int r = 0; r < Km420Frame::Height; ++r) {
        for (int c = 0; c < Km420Frame::Width; ++c) {
            const ushort colour = pixels[r * Km420Frame::Width + c];
            FUZZ_CHECK(isPaletteEntry(palette, colour));
            const uchar index = uchar(frame.bytes[Km420Frame::PixelOffset + r * Km420Frame::RowStride + c]);
            FUZZ_CHECK(colour == palette[index]);
        }
    }

    const QImage image(reinterpret_cast<const uchar*>(pixels.get()), Km420Frame::Width, Km420Frame::Height,
                       Km420Frame::Width * int(sizeof(ushort)), QImage::Format_RGB16);
    FUZZ_CHECK(image.width() == 80 && image.height() == 108);
}

} // namespace

namespace FrameInvariants {

FrameCheck::Result checkAndDecode(const QByteArray& reply)
{
    // On the heap and of exact size, so that a copy past the record is caught.
    const auto frame = std::make_unique<Video_ExtInf>();
    std::memset(frame->bytes, Untouched, sizeof frame->bytes);

    const FrameCheck::Result result = FrameCheck::check(reply, frame.get());
    if (reply.size() != Km420Frame::Size) {
        FUZZ_CHECK(result == FrameCheck::FrameSizeWrong);
        for (char b : frame->bytes)
            FUZZ_CHECK(b == Untouched);
        return result;
    }
    FUZZ_CHECK(std::memcmp(frame->bytes, reply.constData(), Km420Frame::Size) == 0);
    const bool marked = std::memcmp(reply.constData(), HeadBytes, 4) == 0 &&
                        std::memcmp(reply.constData() + Km420Frame::Size - 4, TailBytes, 4) == 0;
    FUZZ_CHECK(result == (marked ? FrameCheck::FrameOk : FrameCheck::FrameFormatWrong));
    if (result == FrameCheck::FrameOk)
        checkDecoding(*frame);
    return result;
}

} // namespace FrameInvariants
