#ifndef FUZZ_FRAMEINVARIANTS_H
#define FUZZ_FRAMEINVARIANTS_H

#include <frames/framecheck.h>

#include <QByteArray>

// The frame check and decoding as the frame completion runs them, with what must hold of their results.
namespace FrameInvariants {

// Runs the envelope check of reply into a frame record of exact size and, when the reply passes, decodes it.
FrameCheck::Result checkAndDecode(const QByteArray& reply);

} // namespace FrameInvariants

#endif // FUZZ_FRAMEINVARIANTS_H
