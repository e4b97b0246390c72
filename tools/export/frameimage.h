#ifndef EXPORT_FRAMEIMAGE_H
#define EXPORT_FRAMEIMAGE_H

#include <frames/orientation.h>

#include <QImage>
#include <QSize>

struct Video_ExtInf;

// Turns a frame record into the picture camdesk shows (RGB565, one image pixel per sensor pixel),
// turned as the user holds the camera, enlarged by whole pixels and, for a video, with the palette's colour
// scale beside it. No I/O.
class FrameImage {
public:
    static constexpr int MaxScale = 32;

    // palette: 0 to Palettes::Count - 1, or negative for the palette each frame names.
    explicit FrameImage(int palette = -1, int scale = 1, bool colourScale = false,
                        const Orientation& orientation = Orientation());

    int palette() const { return m_palette; }
    int scale() const { return m_scale; }
    bool hasColourScale() const { return m_colourScale; }
    Orientation orientation() const { return m_orientation; }
    // Even in both directions whenever the colour scale is shown, as yuv420p needs.
    QSize size() const;

    // The palette a frame is painted in: the override, or the one the frame names.
    int paletteFor(const Video_ExtInf& frame) const;
    // A Format_RGB16 image of size().
    QImage render(const Video_ExtInf& frame) const;

private:
    int m_palette;
    int m_scale;
    bool m_colourScale;
    Orientation m_orientation;
};

#endif // EXPORT_FRAMEIMAGE_H
