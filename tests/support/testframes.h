#ifndef TESTFRAMES_H
#define TESTFRAMES_H

#include <QByteArray>

// Hand-made frame records for suites that feed the camera library bytes of their own.
namespace TestFrames {

// A 14,935-byte frame record, all zero but its head and tail markers and the palette number.
QByteArray marked(quint8 palette = 0);

} // namespace TestFrames

#endif // TESTFRAMES_H
