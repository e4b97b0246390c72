#include "levelrender.h"

#include "framelevels.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// The turned picture as a plain grid of levels.
std::vector<uchar> turnedLevels(const FrameLevels& levels, const Orientation& o, int& width, int& height)
{
    const QSize size(FrameLevels::Width, FrameLevels::Height);
    const QSize shown = o.turned(size);
    width = shown.width();
    height = shown.height();
    std::vector<uchar> grid(size_t(width) * height);
    if (o.isIdentity()) {
        std::memcpy(grid.data(), levels.data(), grid.size());
        return grid;
    }
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            grid[size_t(y) * width + x] = levels.at(o.toCamera(QPoint(x, y), size));
    return grid;
}

// Where output pixel i of a row enlarged k times samples its source: between pixel a and a + 1, at fraction
// f of 256; pixel centres line up, and the edges repeat.
struct Tap {
    int a;
    int b;
    int f;
};

std::vector<Tap> taps(int count, int k)
{
    std::vector<Tap> out(size_t(count) * k);
    for (int i = 0; i < count * k; ++i) {
        const int pos = (2 * i + 1) * 128 / k - 128; // in 1/256 source pixels
        const int clamped = std::clamp(pos, 0, (count - 1) * 256);
        const int a = clamped / 256;
        out[i] = Tap{a, std::min(a + 1, count - 1), clamped - a * 256};
    }
    return out;
}

} // namespace

QImage LevelRender::render(const FrameLevels& levels, const std::array<quint32, 256>& colours,
                           const Orientation& orientation, int scale, Enlargement enlargement)
{
    if (!levels.isValid())
        return QImage();
    const int k = std::clamp(scale, 1, MaxScale);
    int w = 0, h = 0;
    const std::vector<uchar> grid = turnedLevels(levels, orientation, w, h);
    QImage image(w * k, h * k, QImage::Format_RGB32);

    if (enlargement == Enlargement::Crisp || k == 1) {
        for (int y = 0; y < h; ++y) {
            auto* out = reinterpret_cast<quint32*>(image.scanLine(y * k));
            const uchar* in = grid.data() + size_t(y) * w;
            for (int x = 0; x < w; ++x)
                std::fill_n(out + x * k, k, colours[in[x]]);
            for (int i = 1; i < k; ++i)
                std::memcpy(image.scanLine(y * k + i), out, size_t(w) * k * sizeof(quint32));
        }
        return image;
    }

    // Rows first: each source row widened once, in 1/256 levels; then each output row blends two of them.
    const std::vector<Tap> across = taps(w, k);
    const std::vector<Tap> down = taps(h, k);
    const int outW = w * k;
    std::vector<int> wide(size_t(h) * outW);
    for (int y = 0; y < h; ++y) {
        const uchar* in = grid.data() + size_t(y) * w;
        int* row = wide.data() + size_t(y) * outW;
        for (int x = 0; x < outW; ++x) {
            const Tap& t = across[x];
            row[x] = in[t.a] * (256 - t.f) + in[t.b] * t.f;
        }
    }
    std::vector<uchar> level(outW);
    for (int y = 0; y < h * k; ++y) {
        const Tap& t = down[y];
        const int* top = wide.data() + size_t(t.a) * outW;
        const int* bottom = wide.data() + size_t(t.b) * outW;
        // Blending apart from colouring: the blend vectorises, the table look-up does not.
        const int ft = 256 - t.f, fb = t.f;
        for (int x = 0; x < outW; ++x)
            level[x] = uchar((top[x] * ft + bottom[x] * fb + 32768) >> 16);
        auto* out = reinterpret_cast<quint32*>(image.scanLine(y));
        for (int x = 0; x < outW; ++x)
            out[x] = colours[level[x]];
    }
    return image;
}
