#ifndef PALETTES_H
#define PALETTES_H

#include <frames/frames_export.h>

#include <QtGlobal>

// The camera's five built-in palettes: 256 RGB565 entries each, entry i being the colour of pixel
// value i. The tables live as long as the library, so pointers to them never dangle; treat them
// as read-only.
class FRAMES_EXPORT Palettes {
public:
    static constexpr int Count = 5;
    static constexpr int Entries = 256;

    // The palette with the given number, taken modulo Count.
    static ushort* table(int number);
};

#endif // PALETTES_H
