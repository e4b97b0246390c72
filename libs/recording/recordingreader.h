#ifndef RECORDINGREADER_H
#define RECORDINGREADER_H

#include "recordingformat.h"

#include <memory>

// Reads a recording: open() checks the header and every whole entry; frames() counts the sound
// ones, which frame(i) returns in order. A damaged entry is skipped and counted; a cut-off last
// entry is ignored.
class RECORDING_EXPORT RecordingReader {
public:
    RecordingReader();
    ~RecordingReader();
    RecordingReader(const RecordingReader&) = delete;
    RecordingReader& operator=(const RecordingReader&) = delete;

    bool open(const QString& path);
    void close();
    bool isOpen() const;
    QString errorString() const;
    QString fileName() const;

    RecordingHeader header() const;
    int frames() const;
    int damaged() const;          // entries skipped because their check failed
    qint64 trailingBytes() const; // bytes after the last whole entry (a cut-off frame)
    qint64 durationUs() const;    // arrival of the last sound frame

    // The i-th sound frame; false (and `out` untouched) when i is out of range or the file
    // changed under the reader.
    bool frame(int i, RecordedFrame* out) const;
    // The index of the last sound frame that arrived at or before `us`; 0 when none did.
    int frameAt(qint64 us) const;

private:
    class Private;
    std::unique_ptr<Private> d;
};

#endif // RECORDINGREADER_H
