#ifndef PANESTESTHELPERS_H
#define PANESTESTHELPERS_H

#include <testpaths.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QWidget>

#include <array>
#include <cmath>

// The program's dark theme, when the source tree has it.
inline void applyProgramStyle()
{
#ifdef PANES_TEST_STYLE_SHEET
    QFile css(QStringLiteral(PANES_TEST_STYLE_SHEET));
    if (css.open(QIODevice::ReadOnly))
        qApp->setStyleSheet(QString::fromUtf8(css.readAll()));
#endif
}

// Saves a grab for people to look at, when CAMDESK_ARTIFACTS names a folder.
inline void saveArtifact(QWidget* widget, const QString& name)
{
    if (qEnvironmentVariableIsEmpty("CAMDESK_ARTIFACTS"))
        return;
    // Laid out as the user would see it: the layout's requests are posted events.
    QApplication::processEvents();
    widget->grab().save(TestPaths::artifactPath(name + QStringLiteral(".png")), "PNG");
}

// A test picture of the camera's size: a diagonal ramp with a few distinct blocks.
inline QImage testPicture(int width = 80, int height = 108)
{
    QImage image(width, height, QImage::Format_RGB16);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int v = (x * 255 / (width - 1) + y * 255 / (height - 1)) / 2;
            image.setPixel(x, y, qRgb(v, 255 - v, (x * 37 + y * 11) % 256));
        }
    }
    for (int y = 10; y < qMin(30, height); ++y)
        for (int x = 10; x < qMin(30, width); ++x)
            image.setPixel(x, y, qRgb(255, 0, 0));
    return image;
}

inline ushort rgb565(int r, int g, int b)
{
    return static_cast<ushort>(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
}

// An iron-like ramp: black, blue, magenta, red, orange, yellow, white.
inline std::array<ushort, 256> ironPalette()
{
    const int stops[][4] = {{0, 0, 0, 0},       {48, 20, 0, 140},    {96, 150, 0, 160},   {144, 230, 40, 20},
                            {192, 250, 140, 0}, {232, 255, 230, 40}, {255, 255, 255, 255}};
    std::array<ushort, 256> palette{};
    for (int i = 0; i < 256; ++i) {
        int s = 0;
        while (stops[s + 1][0] < i)
            ++s;
        const double t = double(i - stops[s][0]) / (stops[s + 1][0] - stops[s][0]);
        auto mix = [&](int c) { return int(stops[s][c] + t * (stops[s + 1][c] - stops[s][c])); };
        palette[size_t(i)] = rgb565(mix(1), mix(2), mix(3));
    }
    return palette;
}

// The palette index of a thermal-looking scene: a warm body and a hot spot on a cool background.
inline int thermalIndex(int x, int y)
{
    const double body = std::exp(-(std::pow((x - 38) / 20.0, 2) + std::pow((y - 62) / 34.0, 2)));
    const double spot = std::exp(-(std::pow((x - 52) / 6.0, 2) + std::pow((y - 30) / 6.0, 2)));
    return qBound(0, int(30 + y * 0.3 + 150 * body + 90 * spot), 255);
}

// The thermal scene mapped through a palette.
inline QImage thermalPicture(const ushort* palette)
{
    QImage image(80, 108, QImage::Format_RGB16);
    for (int y = 0; y < 108; ++y) {
        auto* line = reinterpret_cast<quint16*>(image.scanLine(y));
        for (int x = 0; x < 80; ++x)
            line[x] = palette[size_t(thermalIndex(x, y))];
    }
    return image;
}

// Alternating black and white camera pixels.
inline QImage checkerboard()
{
    QImage image(80, 108, QImage::Format_RGB16);
    for (int y = 0; y < 108; ++y)
        for (int x = 0; x < 80; ++x)
            image.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    return image;
}

#endif // PANESTESTHELPERS_H
