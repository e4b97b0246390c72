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

    // What the extended information carries: camdesk's own sealed layout, the block of another camera
    // (bytes that change every frame and mean nothing to camdesk), or a third camera's layout unlike
    // camdesk's (doc/layouts/km420-sim-kelvin.json): the same noise, with its readings big-endian in
    // hundredths of a kelvin and its own proof. That camera shows a fixed range instead of ranging
    // itself, so its picture's levels follow the scene's temperatures.
    enum class ExtBlock { Known, Foreign, Kelvin };

    // Where the Kelvin block keeps what it gives.
    struct KelvinLayout {
        static constexpr int SignatureOffset = 100; // "TCAM"
        static constexpr int VersionOffset = 104;   // u8, 2
        static constexpr int MaxOffset = 110;       // u16 big-endian, hundredths of a kelvin
        static constexpr int MinOffset = 112;
        static constexpr int CentreOffset = 114;
        static constexpr int ScaleLowOffset = 116;
        static constexpr int ScaleHighOffset = 118;
        static constexpr int SequenceOffset = 120; // u32 big-endian
        static constexpr int CheckedBegin = 100;   // CRC-32 of bytes 100 to 131, little-endian at 132
        static constexpr int CheckOffset = 132;
        static constexpr qint16 RangeLowTenths = -200;  // level 0
        static constexpr qint16 RangeHighTenths = 1500; // level 255
    };

    // The frame that answers a record of replyCode: parameters echoed, the scene's temperatures,
    // the palette number as given, both markers.
    static QByteArray build(const ThermalImage& image, quint16 replyCode, const CameraParameters& parameters,
                            quint32 sequence, quint8 paletteNumber, ExtBlock block = ExtBlock::Known);

    static bool hasValidMarkers(const QByteArray& frame);
};

#endif // CAMSIM_FRAMEBUILDER_H
