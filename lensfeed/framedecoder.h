#ifndef FRAMEDECODER_H
#define FRAMEDECODER_H

#include <devicebase/km420frame.h>

#include <QtGlobal>

struct Video_ExtInf;

// Turns the pixel block of a frame into RGB565 pixels; no I/O, no Qt image types.
class FrameDecoder {
public:
    static constexpr int PixelCount = Km420Frame::Width * Km420Frame::Height;

    // The palette byte of the frame, modulo the number of palettes.
    static int paletteNumber(const Video_ExtInf& frame);
    // Writes Width x Height pixels, rows top to bottom, into out; the 81st byte of each row is skipped.
    static void decodePixels(const Video_ExtInf& frame, const ushort* palette, ushort* out);
};

#endif // FRAMEDECODER_H
