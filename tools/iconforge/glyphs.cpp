#include "glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

// One visual language: 2-unit round strokes in light grey on a 32-unit grid, a single accent
// colour for the part that matters, transparent background for the dark theme.
const QColor kInk(0xF0, 0xF0, 0xF0);
const QColor kAccent(0xDC, 0x50, 0x00);
constexpr qreal kStroke = 2.0;

void ink(QPainter& p, qreal width = kStroke)
{
    p.setPen(QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
}

void accent(QPainter& p, qreal width = kStroke)
{
    p.setPen(QPen(kAccent, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
}

void fill(QPainter& p, const QColor& color)
{
    p.setPen(Qt::NoPen);
    p.setBrush(color);
}

QPointF onCircle(QPointF centre, qreal radius, qreal degrees)
{
    const qreal a = qDegreesToRadians(degrees);
    return {centre.x() + radius * qCos(a), centre.y() - radius * qSin(a)};
}

// A filled triangle whose tip lies at `tip`, pointing along `dir`, drawn with the current brush.
void arrowHead(QPainter& p, QPointF tip, QPointF dir, qreal length = 6.0, qreal half = 4.0)
{
    const qreal n = qSqrt(dir.x() * dir.x() + dir.y() * dir.y());
    const QPointF d(dir.x() / n, dir.y() / n);
    const QPointF normal(-d.y(), d.x());
    const QPointF base = tip - d * length;
    const QPointF tri[3] = {tip, base + normal * half, base - normal * half};
    p.drawPolygon(tri, 3);
}

// A straight arrow from `from` to `to`; the shaft stops inside the head so no round cap pokes out.
void arrow(QPainter& p, QPointF from, QPointF to, const QColor& color, qreal length = 6.0, qreal half = 4.0)
{
    const QPointF dir = to - from;
    const qreal n = qSqrt(dir.x() * dir.x() + dir.y() * dir.y());
    p.setPen(QPen(color, kStroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(from, to - dir * ((length - 1.0) / n));
    fill(p, color);
    arrowHead(p, to, dir, length, half);
}

void handle(QPainter& p, QPointF centre)
{
    fill(p, kAccent);
    p.drawRect(QRectF(centre.x() - 2.5, centre.y() - 2.5, 5, 5));
}

void dot(QPainter& p, QPointF centre, qreal radius, const QColor& color)
{
    fill(p, color);
    p.drawEllipse(centre, radius, radius);
}

// --- shared motifs ----------------------------------------------------------------------------

// Camera shutter: a ring, six blades tangent to a hexagonal opening, the opening in the accent.
void shutter(QPainter& p, QPointF c, qreal outer, qreal inner)
{
    QPointF hex[6];
    for (int k = 0; k < 6; ++k)
        hex[k] = onCircle(c, inner, 90 + 60 * k);
    fill(p, kAccent);
    p.drawPolygon(hex, 6);

    ink(p, outer > 10 ? kStroke : 1.6);
    p.drawEllipse(c, outer, outer);
    for (int k = 0; k < 6; ++k) {
        const QPointF v = hex[k] - c;
        QPointF d = hex[k] - hex[(k + 5) % 6];
        d /= qSqrt(d.x() * d.x() + d.y() * d.y());
        const qreal vd = v.x() * d.x() + v.y() * d.y();
        const qreal t = -vd + qSqrt(vd * vd - (v.x() * v.x() + v.y() * v.y() - outer * outer));
        p.drawLine(hex[k], hex[k] + d * t);
    }
}

void trashCan(QPainter& p)
{
    ink(p);
    p.drawLine(QPointF(6, 8), QPointF(26, 8));
    QPainterPath lid;
    lid.moveTo(12, 8);
    lid.lineTo(12, 4);
    lid.lineTo(20, 4);
    lid.lineTo(20, 8);
    p.drawPath(lid);
    QPainterPath body;
    body.moveTo(8, 8);
    body.lineTo(9.5, 28);
    body.lineTo(22.5, 28);
    body.lineTo(24, 8);
    p.drawPath(body);
}

QPainterPath folderBack()
{
    QPainterPath path;
    path.moveTo(3, 26);
    path.lineTo(3, 7);
    path.lineTo(12, 7);
    path.lineTo(15, 10);
    path.lineTo(29, 10);
    path.lineTo(29, 26);
    path.closeSubpath();
    return path;
}

QPainterPath document()
{
    QPainterPath path;
    path.moveTo(7, 3);
    path.lineTo(19, 3);
    path.lineTo(25, 9);
    path.lineTo(25, 29);
    path.lineTo(7, 29);
    path.closeSubpath();
    path.moveTo(19, 3);
    path.lineTo(19, 9);
    path.lineTo(25, 9);
    return path;
}

QPainterPath sdCardOutline()
{
    QPainterPath path;
    path.moveTo(13, 3);
    path.lineTo(25, 3);
    path.lineTo(25, 29);
    path.lineTo(7, 29);
    path.lineTo(7, 9);
    path.closeSubpath();
    return path;
}

void plug(QPainter& p, qreal x)
{
    ink(p);
    p.drawLine(QPointF(2, 16), QPointF(x, 16));
    p.drawRoundedRect(QRectF(x, 10, 7, 12), 1.5, 1.5);
}

void socket(QPainter& p, qreal x)
{
    ink(p);
    p.drawRoundedRect(QRectF(x, 9, 7, 14), 1.5, 1.5);
    p.drawLine(QPointF(x + 7, 16), QPointF(30, 16));
}

// Door frame open on the right for an arrow that leaves through it.
void doorFrame(QPainter& p)
{
    ink(p);
    QPainterPath frame;
    frame.moveTo(19, 11);
    frame.lineTo(19, 4);
    frame.lineTo(5, 4);
    frame.lineTo(5, 28);
    frame.lineTo(19, 28);
    frame.lineTo(19, 21);
    p.drawPath(frame);
}

// --- the icons --------------------------------------------------------------------------------

void drawArrayDown(QPainter& p)
{
    fill(p, kInk);
    const QPointF tri[3] = {{2, 4}, {10, 4}, {6, 8.5}};
    p.drawPolygon(tri, 3);
}

void drawArrayUp(QPainter& p)
{
    fill(p, kInk);
    const QPointF tri[3] = {{2, 8}, {10, 8}, {6, 3.5}};
    p.drawPolygon(tri, 3);
}

void drawArrow2(QPainter& p)
{
    arrow(p, {6, 26}, {26, 6}, kInk, 9, 5);
}

void drawCamera(QPainter& p)
{
    ink(p);
    QPainterPath body;
    body.moveTo(3, 11);
    body.lineTo(10, 11);
    body.lineTo(12, 7);
    body.lineTo(20, 7);
    body.lineTo(22, 11);
    body.lineTo(29, 11);
    body.lineTo(29, 26);
    body.lineTo(3, 26);
    body.closeSubpath();
    p.drawPath(body);
    p.drawEllipse(QPointF(16, 18), 5, 5);
    dot(p, {25, 15}, 1.5, kAccent);
    dot(p, {16, 18}, 2, kAccent);
}

void drawCapture(QPainter& p)
{
    shutter(p, {16, 16}, 13, 5);
}

void drawCapture2(QPainter& p)
{
    ink(p);
    const QPointF corners[4][3] = {{{3, 10}, {3, 3}, {10, 3}},
                                   {{22, 3}, {29, 3}, {29, 10}},
                                   {{29, 22}, {29, 29}, {22, 29}},
                                   {{10, 29}, {3, 29}, {3, 22}}};
    for (const auto& c : corners)
        p.drawPolyline(c, 3);
    p.drawEllipse(QPointF(16, 16), 7, 7);
    dot(p, {16, 16}, 4, kAccent);
}

void drawCapture3(QPainter& p)
{
    ink(p);
    p.drawRoundedRect(QRectF(3, 3, 26, 26), 6, 6);
    shutter(p, {16, 16}, 9, 3.5);
}

void drawCircle(QPainter& p)
{
    ink(p);
    p.drawEllipse(QPointF(16, 16), 11, 11);
    handle(p, {5, 16});
    handle(p, {27, 16});
}

void drawConnect(QPainter& p)
{
    plug(p, 6);
    fill(p, kAccent);
    p.drawRoundedRect(QRectF(7, 11, 5, 10), 1, 1);
    socket(p, 15);
}

void drawCursor(QPainter& p)
{
    ink(p);
    const QPointF pointer[7] = {{9, 4}, {9, 25}, {14, 20.5}, {17.5, 28}, {21, 26.5}, {17.5, 19}, {24, 19}};
    p.setBrush(QColor(0x29, 0x29, 0x29));
    p.drawPolygon(pointer, 7);
}

void drawDelete2(QPainter& p)
{
    trashCan(p);
    accent(p);
    p.drawLine(QPointF(13, 13), QPointF(13, 23));
    p.drawLine(QPointF(19, 13), QPointF(19, 23));
}

void drawDeleteAll(QPainter& p)
{
    trashCan(p);
    accent(p);
    p.drawLine(QPointF(12.5, 13.5), QPointF(19.5, 22.5));
    p.drawLine(QPointF(19.5, 13.5), QPointF(12.5, 22.5));
}

void drawDeleteAll3(QPainter& p)
{
    ink(p);
    p.drawLine(QPointF(4, 7), QPointF(24, 7));
    p.drawLine(QPointF(4, 13), QPointF(24, 13));
    p.drawLine(QPointF(4, 19), QPointF(14, 19));
    p.drawLine(QPointF(4, 25), QPointF(14, 25));
    accent(p);
    p.drawLine(QPointF(19, 18), QPointF(27, 26));
    p.drawLine(QPointF(27, 18), QPointF(19, 26));
}

void drawDirectory(QPainter& p)
{
    ink(p);
    p.drawPath(folderBack());
    p.drawLine(QPointF(3, 14), QPointF(29, 14));
}

void drawDirectory2(QPainter& p)
{
    ink(p);
    QPainterPath back;
    back.moveTo(3, 26);
    back.lineTo(3, 7);
    back.lineTo(12, 7);
    back.lineTo(15, 10);
    back.lineTo(25, 10);
    back.lineTo(25, 14);
    p.drawPath(back);
    accent(p);
    const QPointF flap[4] = {{3, 26}, {8, 15}, {30, 15}, {25, 26}};
    p.drawPolygon(flap, 4);
}

void drawDirectory3(QPainter& p)
{
    ink(p);
    p.drawPath(folderBack());
    accent(p);
    p.drawLine(QPointF(16, 14), QPointF(16, 23));
    p.drawLine(QPointF(11.5, 18.5), QPointF(20.5, 18.5));
}

void drawDisconnect(QPainter& p)
{
    plug(p, 4);
    p.drawLine(QPointF(11, 13), QPointF(14, 13));
    p.drawLine(QPointF(11, 19), QPointF(14, 19));
    socket(p, 21);
    accent(p);
    p.drawLine(QPointF(17.5, 4), QPointF(17.5, 8));
    p.drawLine(QPointF(13, 6), QPointF(15, 9));
    p.drawLine(QPointF(22, 6), QPointF(20, 9));
    p.drawLine(QPointF(17.5, 24), QPointF(17.5, 28));
    p.drawLine(QPointF(13, 26), QPointF(15, 23));
    p.drawLine(QPointF(22, 26), QPointF(20, 23));
}

void drawDot(QPainter& p)
{
    ink(p);
    p.drawLine(QPointF(16, 3), QPointF(16, 9));
    p.drawLine(QPointF(16, 23), QPointF(16, 29));
    p.drawLine(QPointF(3, 16), QPointF(9, 16));
    p.drawLine(QPointF(23, 16), QPointF(29, 16));
    dot(p, {16, 16}, 4, kAccent);
}

void drawEraser(QPainter& p)
{
    p.save();
    p.translate(16, 14);
    p.rotate(-45);
    const QRectF block(-11, -5.5, 22, 11);
    QPainterPath shape;
    shape.addRoundedRect(block, 2, 2);
    QPainterPath tip;
    tip.addRect(QRectF(-11, -5.5, 8, 11));
    fill(p, kAccent);
    p.drawPath(shape.intersected(tip));
    ink(p);
    p.drawPath(shape);
    p.drawLine(QPointF(-3, -5.5), QPointF(-3, 5.5));
    p.restore();
    ink(p);
    p.drawLine(QPointF(14, 28), QPointF(29, 28));
}

void drawExit2(QPainter& p)
{
    ink(p);
    const QPointF bracket[4] = {{17, 9}, {17, 4}, {5, 4}, {5, 28}};
    p.drawPolyline(bracket, 4);
    p.drawLine(QPointF(5, 28), QPointF(17, 28));
    p.drawLine(QPointF(17, 28), QPointF(17, 23));
    arrow(p, {11, 16}, {29, 16}, kAccent);
}

void drawExit3(QPainter& p)
{
    doorFrame(p);
    const QPointF leaf[4] = {{5, 4}, {13, 7.5}, {13, 30}, {5, 28}};
    p.setBrush(QColor(0x29, 0x29, 0x29));
    p.drawPolygon(leaf, 4);
    dot(p, {10.5, 17.5}, 1.3, kInk);
    arrow(p, {16, 16}, {30, 16}, kAccent);
}

void drawExport(QPainter& p)
{
    ink(p);
    const QPointF box[5] = {{14, 8}, {5, 8}, {5, 27}, {24, 27}, {24, 18}};
    p.drawPolyline(box, 5);
    arrow(p, {13, 19}, {28, 4}, kAccent, 8, 4.5);
}

void drawFileLower(QPainter& p)
{
    ink(p);
    p.drawPath(document());
    ink(p, 1.6);
    p.drawLine(QPointF(11, 15), QPointF(21, 15));
    p.drawLine(QPointF(11, 19.5), QPointF(21, 19.5));
    p.drawLine(QPointF(11, 24), QPointF(17, 24));
}

void drawFileUpper(QPainter& p)
{
    fill(p, kAccent);
    const QPointF fold[3] = {{19, 3}, {25, 9}, {19, 9}};
    p.drawPolygon(fold, 3);
    ink(p);
    p.drawPath(document());
    ink(p, 1.6);
    const QPointF hills[4] = {{10, 25}, {14, 19}, {17, 22.5}, {22, 16.5}};
    p.drawPolyline(hills, 4);
    dot(p, {12.5, 14}, 1.8, kAccent);
}

void drawLine(QPainter& p)
{
    ink(p);
    p.drawLine(QPointF(7, 25), QPointF(25, 7));
    handle(p, {7, 25});
    handle(p, {25, 7});
}

void drawList(QPainter& p)
{
    for (int y : {8, 16, 24}) {
        fill(p, kAccent);
        p.drawRect(QRectF(3.5, y - 2, 4, 4));
        ink(p);
        p.drawLine(QPointF(11, y), QPointF(28, y));
    }
}

void drawManual(QPainter& p)
{
    ink(p);
    p.drawRoundedRect(QRectF(6, 3, 20, 26), 2, 2);
    p.drawLine(QPointF(10, 3), QPointF(10, 29));
    accent(p, 2.2);
    QPainterPath q;
    q.moveTo(14.5, 11);
    q.arcTo(QRectF(14.5, 7.5, 7, 7), 180, -225);
    q.lineTo(18, 17);
    q.lineTo(18, 18.5);
    p.drawPath(q);
    dot(p, {18, 23}, 1.5, kAccent);
}

void drawOptions(QPainter& p)
{
    const QPointF c(16, 16);
    QPolygonF gear;
    for (int k = 0; k < 8; ++k) {
        const qreal a = 22.5 + 45.0 * k;
        gear << onCircle(c, 10, a - 13) << onCircle(c, 13.5, a - 8) << onCircle(c, 13.5, a + 8)
             << onCircle(c, 10, a + 13);
    }
    ink(p);
    p.drawPolygon(gear);
    accent(p);
    p.drawEllipse(c, 4, 4);
}

void drawPalette(QPainter& p)
{
    QPainterPath board;
    board.moveTo(16, 4);
    board.cubicTo(24, 4, 29.5, 9, 29.5, 15);
    board.cubicTo(29.5, 21, 25, 23, 21, 21.5);
    board.cubicTo(17.5, 20.5, 16, 23, 17.5, 25.5);
    board.cubicTo(19, 28, 16, 29, 13.5, 28.5);
    board.cubicTo(7, 27.5, 2.5, 22, 2.5, 16);
    board.cubicTo(2.5, 9, 8, 4, 16, 4);
    ink(p);
    p.drawPath(board);
    dot(p, {9, 17}, 2.3, QColor(0xF0, 0xC0, 0x30));
    dot(p, {11, 10.5}, 2.3, kAccent);
    dot(p, {18, 9}, 2.3, QColor(0xB0, 0x18, 0x50));
    dot(p, {24, 13}, 2.3, QColor(0x5A, 0x20, 0x90));
}

void drawPicture(QPainter& p)
{
    ink(p);
    p.drawRoundedRect(QRectF(3, 6, 26, 20), 1.5, 1.5);
    const QPointF hills[5] = {{3, 24}, {11, 15}, {17, 21}, {21, 17}, {29, 24}};
    p.drawPolyline(hills, 5);
    dot(p, {22, 11.5}, 2.5, kAccent);
}

void drawRectangle(QPainter& p)
{
    ink(p);
    p.drawRect(QRectF(6, 8, 20, 16));
    handle(p, {6, 8});
    handle(p, {26, 24});
}

void drawRefresh(QPainter& p)
{
    const QPointF c(16, 16);
    const qreal r = 10;
    ink(p);
    p.drawArc(QRectF(6, 6, 20, 20), 30 * 16, 110 * 16);
    p.drawArc(QRectF(6, 6, 20, 20), 210 * 16, 110 * 16);
    fill(p, kAccent);
    for (qreal end : {140.0, 320.0}) {
        const qreal a = qDegreesToRadians(end);
        const QPointF tangent(-qSin(a), -qCos(a)); // counter-clockwise on screen
        arrowHead(p, onCircle(c, r, end) + tangent * 4.5, tangent, 7, 4.5);
    }
}

void drawSdCard(QPainter& p)
{
    ink(p);
    p.drawPath(sdCardOutline());
    accent(p);
    for (qreal x : {13.0, 16.5, 20.0})
        p.drawLine(QPointF(x, 7), QPointF(x, 11));
}

void drawSdCard2(QPainter& p)
{
    ink(p);
    p.drawPath(sdCardOutline());
    ink(p, 1.6);
    for (qreal x : {13.0, 16.5, 20.0})
        p.drawLine(QPointF(x, 7), QPointF(x, 10));
    fill(p, kAccent);
    p.drawRoundedRect(QRectF(11, 15, 10, 10), 1, 1);
}

void drawSdCard3(QPainter& p)
{
    // the micro card: narrower, with the side notch
    QPainterPath card;
    card.moveTo(10, 4);
    card.lineTo(23, 4);
    card.lineTo(23, 28);
    card.lineTo(9, 28);
    card.lineTo(9, 16);
    card.lineTo(11, 14);
    card.lineTo(11, 11);
    card.lineTo(10, 10);
    card.closeSubpath();
    ink(p);
    p.drawPath(card);
    accent(p, 1.6);
    for (qreal x : {14.0, 16.5, 19.0})
        p.drawLine(QPointF(x, 7), QPointF(x, 10));
    accent(p);
    p.drawLine(QPointF(14, 22), QPointF(19, 22));
}

void drawSetting(QPainter& p)
{
    const struct {
        qreal y, knob;
    } sliders[3] = {{8, 21}, {16, 10}, {24, 17}};
    for (const auto& s : sliders) {
        ink(p);
        p.drawLine(QPointF(4, s.y), QPointF(28, s.y));
        dot(p, {s.knob, s.y}, 3.5, kAccent);
    }
}

void drawStop2(QPainter& p)
{
    ink(p);
    p.drawEllipse(QPointF(16, 16), 12.5, 12.5);
    fill(p, kAccent);
    p.drawRoundedRect(QRectF(11, 11, 10, 10), 1, 1);
}

void drawStop3(QPainter& p)
{
    QPolygonF octagon;
    for (int k = 0; k < 8; ++k)
        octagon << onCircle({16, 16}, 13.5, 22.5 + 45.0 * k);
    ink(p);
    p.drawPolygon(octagon);
    accent(p, 3);
    p.drawLine(QPointF(10, 16), QPointF(22, 16));
}

void drawTable(QPainter& p)
{
    fill(p, kAccent);
    p.drawRect(QRectF(4, 6, 24, 5));
    ink(p);
    p.drawRect(QRectF(4, 6, 24, 20));
    p.drawLine(QPointF(4, 11), QPointF(28, 11));
    p.drawLine(QPointF(4, 16), QPointF(28, 16));
    p.drawLine(QPointF(4, 21), QPointF(28, 21));
    p.drawLine(QPointF(12, 11), QPointF(12, 26));
    p.drawLine(QPointF(20, 11), QPointF(20, 26));
}

void drawUsb(QPainter& p)
{
    ink(p);
    p.drawLine(QPointF(16, 26), QPointF(16, 9));
    const QPointF left[3] = {{16, 21}, {9.5, 16}, {9.5, 12.5}};
    p.drawPolyline(left, 3);
    const QPointF right[3] = {{16, 18}, {22.5, 13}, {22.5, 11}};
    p.drawPolyline(right, 3);
    dot(p, {16, 26.5}, 3, kInk);
    dot(p, {9.5, 11}, 2.3, kInk);
    fill(p, kInk);
    p.drawRect(QRectF(20.5, 7.5, 4, 4));
    fill(p, kAccent);
    arrowHead(p, {16, 2.5}, {0, -1}, 7, 4);
}

void drawVideoLower(QPainter& p)
{
    ink(p);
    p.drawRoundedRect(QRectF(3, 6, 26, 20), 3, 3);
    fill(p, kAccent);
    const QPointF play[3] = {{13, 11}, {21.5, 16}, {13, 21}};
    p.drawPolygon(play, 3);
}

void drawVideoUpper(QPainter& p)
{
    ink(p);
    p.drawRoundedRect(QRectF(3, 9, 18, 15), 2.5, 2.5);
    const QPointF lens[4] = {{21, 14}, {29, 9.5}, {29, 23.5}, {21, 19}};
    p.drawPolygon(lens, 4);
    dot(p, {8, 14}, 2, kAccent);
}

void drawWifi(QPainter& p)
{
    const QPointF c(16, 25);
    ink(p, 2.4);
    for (qreal r : {7.0, 13.0, 19.0})
        p.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 45 * 16, 90 * 16);
    dot(p, {16, 24}, 2.5, kAccent);
}

} // namespace

const QVector<Glyph>& glyphs()
{
    static const QVector<Glyph> all = {
        {"array_down", 12, 12, drawArrayDown},
        {"array_up", 12, 12, drawArrayUp},
        {"arrow-2", 32, 32, drawArrow2},
        {"camera", 32, 32, drawCamera},
        {"capture", 32, 32, drawCapture},
        {"capture2", 32, 32, drawCapture2},
        {"capture3", 32, 32, drawCapture3},
        {"circle", 32, 32, drawCircle},
        {"connect", 32, 32, drawConnect},
        {"cursor", 32, 32, drawCursor},
        {"delete2", 32, 32, drawDelete2},
        {"deleteAll", 32, 32, drawDeleteAll},
        {"deleteAll3", 32, 32, drawDeleteAll3},
        {"Directory", 32, 32, drawDirectory},
        {"Directory2", 32, 32, drawDirectory2},
        {"Directory3", 32, 32, drawDirectory3},
        {"disconnect", 32, 32, drawDisconnect},
        {"dot", 32, 32, drawDot},
        {"eraser", 32, 32, drawEraser},
        {"exit2", 32, 32, drawExit2},
        {"exit3", 32, 32, drawExit3},
        {"export", 32, 32, drawExport},
        {"file", 32, 32, drawFileLower},
        {"File", 32, 32, drawFileUpper},
        {"line", 32, 32, drawLine},
        {"list", 32, 32, drawList},
        {"manual", 32, 32, drawManual},
        {"options", 32, 32, drawOptions},
        {"palette", 32, 32, drawPalette},
        {"picture", 32, 32, drawPicture},
        {"rectangle", 32, 32, drawRectangle},
        {"refresh", 32, 32, drawRefresh},
        {"SDCard", 32, 32, drawSdCard},
        {"sdCard2", 32, 32, drawSdCard2},
        {"sdCard3", 32, 32, drawSdCard3},
        {"setting", 32, 32, drawSetting},
        {"stop2", 32, 32, drawStop2},
        {"stop3", 32, 32, drawStop3},
        {"table", 32, 32, drawTable},
        {"USB", 32, 32, drawUsb},
        {"video", 32, 32, drawVideoLower},
        {"Video", 32, 32, drawVideoUpper},
        {"Wi-Fi", 32, 32, drawWifi},
    };
    return all;
}

QImage renderGlyph(const Glyph& glyph)
{
    QImage image(glyph.size, glyph.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(qreal(glyph.size) / glyph.grid, qreal(glyph.size) / glyph.grid);
    glyph.draw(p);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}
