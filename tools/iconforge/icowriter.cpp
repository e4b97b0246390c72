#include "icowriter.h"

#include <QBuffer>
#include <QtEndian>

namespace {

void put16(QByteArray& out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void put32(QByteArray& out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

QByteArray dibEntry(const QImage& source)
{
    const QImage img = source.convertToFormat(QImage::Format_ARGB32);
    const int w = img.width();
    const int h = img.height();
    const int maskStride = ((w + 31) / 32) * 4;

    QByteArray out;
    // BITMAPINFOHEADER; the height counts the colour rows and the mask rows together.
    put32(out, 40);
    put32(out, quint32(w));
    put32(out, quint32(h * 2));
    put16(out, 1);
    put16(out, 32);
    put32(out, 0);
    put32(out, quint32(w * h * 4 + maskStride * h));
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);

    for (int y = h - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < w; ++x)
            put32(out, line[x]); // 0xAARRGGBB little-endian is the B, G, R, A byte order of a DIB
    }
    for (int y = h - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < w; ++x) {
            if (qAlpha(line[x]) == 0)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(row);
    }
    return out;
}

QByteArray pngEntry(const QImage& img)
{
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    img.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG");
    return out;
}

} // namespace

QByteArray packIco(const QVector<QImage>& images)
{
    QVector<QByteArray> payloads;
    for (const QImage& img : images)
        payloads.append(img.width() > 128 ? pngEntry(img) : dibEntry(img));

    QByteArray out;
    put16(out, 0);
    put16(out, 1); // 1 = icon, 2 = cursor
    put16(out, quint16(images.size()));

    quint32 offset = quint32(6 + 16 * images.size());
    for (int i = 0; i < images.size(); ++i) {
        const QImage& img = images.at(i);
        out.append(char(img.width() >= 256 ? 0 : img.width())); // 0 stands for 256
        out.append(char(img.height() >= 256 ? 0 : img.height()));
        out.append(char(0)); // no colour table
        out.append(char(0));
        put16(out, 1);
        put16(out, 32);
        put32(out, quint32(payloads.at(i).size()));
        put32(out, offset);
        offset += quint32(payloads.at(i).size());
    }
    for (const QByteArray& payload : payloads)
        out.append(payload);
    return out;
}
