// The recording reader on damaged copies of a sound recording: the input names where a file of three frames is
// cut and which bytes are changed. Besides running clean under the sanitizers, the reader must never return a
// frame that differs from the one written under its index, and must keep every entry nobody touched.

#include "fuzzcheck.h"
#include "scratchfile.h"

#include <recording/recordingreader.h>
#include <recording/recordingwriter.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QVector>

#include <cstdint>

namespace {

constexpr int Frames = 3;

QByteArray frameBytes(int n)
{
    QByteArray record(Km420Frame::Size, '\0');
    quint32 x = 0x9E3779B9u * quint32(n + 1);
    for (char& c : record) {
        x = x * 1664525u + 1013904223u;
        c = static_cast<char>(x >> 24);
    }
    return record;
}

// A recording of three frames, as the writer makes it.
QByteArray soundRecording()
{
    const QString path =
        QDir::temp().filePath(QStringLiteral("fuzz_recordingread-%1.rec").arg(QCoreApplication::applicationPid()));
    QFile::remove(path);
    RecordingWriter writer;
    writer.setReserve(0);
    FUZZ_CHECK(writer.open(path, QStringLiteral("fuzz camera")));
    for (int i = 0; i < Frames; ++i)
        FUZZ_CHECK(writer.append(frameBytes(i).constData(), RecordedParameters(), 1000 * i));
    writer.close();
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    file.remove();
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QByteArray sound = soundRecording();
    static ScratchFile file("recordingread");
    using namespace RecordingFormat;

    // Two bytes: the cut (0 keeps the whole file); then four bytes a change: a 24-bit offset and an exclusive-or.
    QByteArray bytes = sound;
    if (size >= 2) {
        const int cut = (data[0] << 8 | data[1]) * 3 % (sound.size() + 1);
        if (cut > 0)
            bytes.truncate(cut);
    }
    QVector<bool> changedEntry(Frames + 1, false); // [Frames] stands for the header
    for (size_t at = 2; at + 4 <= size; at += 4) {
        const int offset = int((data[at] << 16 | data[at + 1] << 8 | data[at + 2]) % quint32(sound.size()));
        const char mask = static_cast<char>(data[at + 3]);
        if (offset >= bytes.size() || mask == 0)
            continue;
        bytes[offset] = static_cast<char>(bytes[offset] ^ mask);
        changedEntry[offset < HeaderSize ? Frames : (offset - HeaderSize) / EntrySize] = true;
    }
    file.write(bytes);

    RecordingReader reader;
    const bool opened = reader.open(file.path());
    if (!opened) {
        FUZZ_CHECK(bytes.size() < HeaderSize || changedEntry[Frames]);
        FUZZ_CHECK(reader.frames() == 0);
        return 0;
    }
    const int whole = (bytes.size() - HeaderSize) / EntrySize;
    FUZZ_CHECK(reader.frames() + reader.damaged() == whole);
    FUZZ_CHECK(reader.trailingBytes() == (bytes.size() - HeaderSize) % EntrySize);
    int untouched = 0;
    for (int k = 0; k < whole; ++k)
        untouched += changedEntry[k] ? 0 : 1;
    FUZZ_CHECK(reader.frames() >= untouched);

    int previous = -1;
    for (int i = 0; i < reader.frames(); ++i) {
        RecordedFrame frame;
        FUZZ_CHECK(reader.frame(i, &frame));
        FUZZ_CHECK(frame.index > previous && frame.index < Frames);
        FUZZ_CHECK(frame.record == frameBytes(frame.index));
        previous = frame.index;
    }
    RecordedFrame beyond;
    FUZZ_CHECK(!reader.frame(reader.frames(), &beyond));
    return 0;
}
