#ifndef CAMSIM_FRAMEBUILDER_H
#define CAMSIM_FRAMEBUILDER_H

#include "cameraparameters.h"
#include "thermalscene.h"
#include <camsim/camsim_export.h>

#include <QByteArray>

// Builds the 14,935-byte reply frame the camera sends. No I/O.
class CAMSIM_EXPORT FrameBuilder {
public:
    // The 81st byte of each pixel row. Not zero, so a client that paints it shows a stripe.
    static constexpr quint8 PadByte = 0xFF;

    // Auto-range over [low, high]: low maps to 0 and high to 255; a flat picture is all 0.
    static quint8 indexFor(qint16 tenths, qint16 low, qint16 high);

    // What the extended information carries: camdesk's own sealed layout, or the block of another
    // camera (bytes that change every frame and mean nothing to camdesk).
    enum class ExtBlock { Known, Foreign };

    // The frame that answers a record of replyCode: parameters echoed, the scene's temperatures,
    // the palette number as given, both markers.
    static QByteArray build(const ThermalImage& image, quint16 replyCode, const CameraParameters& parameters,
                            quint32 sequence, quint8 paletteNumber, ExtBlock block = ExtBlock::Known);

    static bool hasValidMarkers(const QByteArray& frame);
};

#endif // CAMSIM_FRAMEBUILDER_H
