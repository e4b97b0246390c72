#ifndef ORIENTATION_H
#define ORIENTATION_H

#include <frames/frames_export.h>

#include <QPoint>
#include <QPointF>
#include <QSize>
#include <QString>

// How the picture is turned for showing: a quarter turns clockwise, then an optional left-right mirror.
// Markers are kept in camera pixels, so they follow any turn; this maps between the two.
class FRAMES_EXPORT Orientation {
public:
    Orientation() = default;
    Orientation(int degrees, bool mirrored);

    int degrees() const { return m_quarters * 90; }
    bool mirrored() const { return m_mirrored; }
    bool isIdentity() const { return m_quarters == 0 && !m_mirrored; }
    Orientation turnedClockwise() const { return Orientation(degrees() + 90, m_mirrored); }
    Orientation toggledMirror() const { return Orientation(degrees(), !m_mirrored); }

    // The size of a picture of the given size once turned.
    QSize turned(const QSize& size) const;
    // A camera pixel's place in the turned picture, and back; size is the camera picture's.
    QPoint toView(const QPoint& pixel, const QSize& size) const;
    QPoint toCamera(const QPoint& pixel, const QSize& size) const;
    // The same for points in pixel units (a pixel's centre is at +0.5).
    QPointF toView(const QPointF& point, const QSize& size) const;
    QPointF toCamera(const QPointF& point, const QSize& size) const;
    // "0", "90", "180" or "270", with ", mirrored" when mirrored.
    QString text() const;

    bool operator==(const Orientation& o) const { return m_quarters == o.m_quarters && m_mirrored == o.m_mirrored; }
    bool operator!=(const Orientation& o) const { return !(*this == o); }

private:
    int m_quarters = 0;
    bool m_mirrored = false;
};

#endif // ORIENTATION_H
