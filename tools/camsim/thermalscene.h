#ifndef CAMSIM_THERMALSCENE_H
#define CAMSIM_THERMALSCENE_H

#include <camsim/camsim_export.h>

#include <QVector>
#include <QtGlobal>

// One rendered picture: 80 x 108 temperatures in tenths of a degree Celsius, row by row.
struct CAMSIM_EXPORT ThermalImage {
    QVector<qint16> tenths;
    qint16 minimum = 0;
    qint16 maximum = 0;
    qint16 centre = 0; // pixel (40, 54)

    qint16 at(int column, int row) const;
};

// A room-temperature background with a gradient, a hot object, and a warm hand and forearm drifting
// across it, plus a little sensor noise. The picture depends only on the seed and the frame number.
class CAMSIM_EXPORT ThermalScene {
public:
    explicit ThermalScene(quint32 seed = 1);

    quint32 seed() const { return m_seed; }
    // The scene advances as if shown at 25 frames per second, whatever the real pace.
    ThermalImage render(quint32 frameNumber) const;

private:
    quint32 m_seed;
    double m_background; // degrees Celsius at the top edge
    double m_gradient;   // degrees added towards the bottom edge
    double m_phaseX;
    double m_phaseY;
    double m_hotX;
    double m_hotY;
    double m_hotTemperature;
};

#endif // CAMSIM_THERMALSCENE_H
