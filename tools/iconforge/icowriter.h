#pragma once

#include <QByteArray>
#include <QImage>
#include <QVector>

// Packs several sizes of one picture into a Windows .ico container. Sizes up to 128 are stored as
// 32-bit DIBs with an AND mask (readable by every Windows version and by resource compilers);
// larger ones as embedded PNG, the form Windows expects for the 256-pixel entry.
QByteArray packIco(const QVector<QImage>& images);
