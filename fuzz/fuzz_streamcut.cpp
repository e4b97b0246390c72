// The stream cutter driven by arbitrary bytes and ticks, with the camera's frame completion run on every
// timeout(), as the camera object runs it, and its count of failures in a row checked. The input is a list of
// operations, each a first byte b and its arguments:
//   b % 4 == 0  arm()
//   b % 4 == 1  stop()
//   b % 4 == 2  collect(): a 16-bit little-endian length n, then n bytes (fewer if the input ends)
//   b % 4 == 3  ticks: one byte k, then k + 1 ticks of the timer while it runs; with bit 2 of b set, the timeout
//               handler leaves the cutter running, as the count below zero must go on silently
// A model of the cutter is kept alongside and compared after every operation.

#include "frameinvariants.h"
#include "fuzzcheck.h"

#include <frames/videoextinf.h>
#include <lensfeed/framecompletion.h>
#include <lensfeed/serialstreamcut.h>

#include <QCoreApplication>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>

static_assert(SerialStreamCut::BufferLimit > Km420Frame::Size,
              "a reply of frame size must fit, and one byte more to tell a longer one apart");

namespace {

class Input {
public:
    Input(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}
    bool atEnd() const { return m_pos >= m_size; }
    uint8_t byte() { return atEnd() ? 0 : m_data[m_pos++]; }
    QByteArray bytes(size_t n)
    {
        n = std::min(n, m_size - m_pos);
        const QByteArray result(reinterpret_cast<const char*>(m_data + m_pos), int(n));
        m_pos += n;
        return result;
    }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

// What the cutter must do, written from its contract rather than its code.
struct Model {
    SerialStreamCut::State state = SerialStreamCut::Idle;
    QByteArray buffer;
    int countdown = 0;
    int timeouts = 0;

    void arm()
    {
        buffer.clear();
        countdown = SerialStreamCut::FirstByteTicks;
        state = SerialStreamCut::Waiting;
    }
    void collect(const QByteArray& bytes)
    {
        if (state == SerialStreamCut::Idle || bytes.isEmpty())
            return;
        // Bytes past the bound are dropped and do not restart the quiet wait, so a stream that never pauses
        // still ends in a timeout.
        const int room = SerialStreamCut::BufferLimit - buffer.size();
        if (room <= 0)
            return;
        buffer.append(bytes.left(room));
        state = SerialStreamCut::Receiving;
        countdown = SerialStreamCut::QuietTicks;
    }
    void tick()
    {
        if (--countdown == 0)
            ++timeouts;
    }
};

// A QByteArray keeps spare room after its data; a copy without any lets a read past the reply be caught.
struct ExactCopy {
    std::unique_ptr<char[]> storage;
    QByteArray bytes;
};

ExactCopy exactCopy(const QByteArray& source)
{
    ExactCopy copy;
    copy.storage.reset(new char[size_t(source.size())]);
    std::memcpy(copy.storage.get(), source.constData(), size_t(source.size()));
    copy.bytes = QByteArray::fromRawData(copy.storage.get(), source.size());
    return copy;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // The tick timer needs an event dispatcher to start; time itself is driven through tick() below.
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    SerialStreamCut cut;
    Model model;
    int timeouts = 0;
    bool stopOnTimeout = true;
    FrameCompletion completion;
    int failuresInRow = 0; // replies other than a whole frame since the last whole frame
    QObject::connect(&cut, &SerialStreamCut::timeout, [&] {
        ++timeouts;
        FUZZ_CHECK(cut.state() != SerialStreamCut::Idle);
        const ExactCopy reply = exactCopy(cut.buffer());
        FrameCompletion::Outcome expected = FrameCompletion::NoReply;
        if (cut.state() == SerialStreamCut::Waiting) {
            FUZZ_CHECK(reply.bytes.isEmpty());
        } else {
            // The envelope check on its own, with its results checked against the markers.
            const FrameCheck::Result check = FrameInvariants::checkAndDecode(reply.bytes);
            expected = check == FrameCheck::FrameOk          ? FrameCompletion::Frame
                       : check == FrameCheck::FrameSizeWrong ? FrameCompletion::WrongSize
                                                             : FrameCompletion::BadMarkers;
        }
        const auto frame = std::make_unique<Video_ExtInf>();
        FUZZ_CHECK(completion.complete(cut.state(), reply.bytes, frame.get()) == expected);
        if (expected == FrameCompletion::Frame)
            FUZZ_CHECK(std::memcmp(frame->bytes, reply.bytes.constData(), Km420Frame::Size) == 0);
        failuresInRow = expected == FrameCompletion::Frame ? 0 : failuresInRow + 1;
        FUZZ_CHECK(completion.failures() == failuresInRow);
        FUZZ_CHECK(completion.givenUp() == (failuresInRow >= 3));
        if (stopOnTimeout) {
            cut.stop();
            model.state = SerialStreamCut::Idle;
        }
    });

    Input input(data, size);
    while (!input.atEnd()) {
        const uint8_t op = input.byte();
        switch (op % 4) {
        case 0:
            cut.arm();
            model.arm();
            break;
        case 1:
            cut.stop();
            model.state = SerialStreamCut::Idle;
            break;
        case 2: {
            const size_t length = input.byte() | (size_t(input.byte()) << 8);
            const QByteArray chunk = input.bytes(length);
            cut.collect(chunk);
            model.collect(chunk);
            break;
        }
        default: {
            stopOnTimeout = !(op & 4);
            const int ticks = input.byte() + 1;
            // The timer only fires while it runs; a timeout handler may stop it half way.
            for (int i = 0; i < ticks && cut.isTicking(); ++i) {
                model.tick();
                cut.tick();
            }
            stopOnTimeout = true;
            break;
        }
        }
        FUZZ_CHECK(cut.buffer().size() <= SerialStreamCut::BufferLimit);
        FUZZ_CHECK(cut.buffer() == model.buffer);
        FUZZ_CHECK(cut.state() == model.state);
        FUZZ_CHECK(cut.isTicking() == (cut.state() != SerialStreamCut::Idle));
        FUZZ_CHECK(timeouts == model.timeouts);
        FUZZ_CHECK(cut.countdown() == model.countdown);
    }
    return 0;
}
