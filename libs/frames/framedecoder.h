#ifndef FRAMEDECODER_H
#define FRAMEDECODER_H

#include <frames/frames_export.h>

#include <devicebase/km420frame.h>

#include <QtGlobal>

struct Video_ExtInf;

// Turns the pixel block of a frame into RGB565 pixels; no I/O, no Qt image types.
class FRAMES_EXPORT FrameDecoder {
public:
    static constexpr int PixelCount = Km420Frame::Width * Km420Frame::Height;

    // The palette byte of the frame, modulo the number of palettes.
    static int paletteNumber(const Video_ExtInf& frame);
    // Writes Width x Height pixels, rows top to bottom, into out; the 81st byte of each row is skipped.
    static void decodePixels(const Video_ExtInf& frame, const ushort* palette, ushort* out);

    // The ways of decoding, each with the same result; decodePixels takes the one measured fastest of those this
    // processor has. A path the processor lacks falls back to the portable one.
    enum class Path { Portable, Sse2, Avx2, Vbmi };
    static bool hasPath(Path path);
    static Path fastest();
    static void decodePixels(Path path, const Video_ExtInf& frame, const ushort* palette, ushort* out);
};

#endif // FRAMEDECODER_H
