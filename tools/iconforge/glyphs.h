#pragma once

#include <QImage>
#include <QString>
#include <QVector>

class QPainter;

// One line icon of the bundle: its file base name, its pixel size and the routine that draws it
// on a square grid of `grid` units (the painter is scaled from grid units to pixels).
struct Glyph {
    QString name;
    int size;
    int grid;
    void (*draw)(QPainter&);
};

// Every PNG icon of the bundle, in the order of the resource list.
const QVector<Glyph>& glyphs();

QImage renderGlyph(const Glyph& glyph);
