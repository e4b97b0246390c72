#ifndef LEVELRENDER_H
#define LEVELRENDER_H

#include <frames/frames_export.h>

#include <frames/orientation.h>

#include <QImage>

#include <array>

class FrameLevels;

// Paints a picture's levels, turned and enlarged by a whole number: crisp repeats each pixel, smooth
// interpolates the levels (bilinear) before they are coloured, so every colour painted is one of the
// given colours. One pass over the levels; the image has the size it is shown at.
class FRAMES_EXPORT LevelRender {
public:
    enum class Enlargement { Crisp, Smooth };
    static constexpr int MaxScale = 32;

    static QImage render(const FrameLevels& levels, const std::array<quint32, 256>& colours,
                         const Orientation& orientation, int scale, Enlargement enlargement);
};

#endif // LEVELRENDER_H
