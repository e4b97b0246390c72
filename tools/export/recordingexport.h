#ifndef EXPORT_RECORDINGEXPORT_H
#define EXPORT_RECORDINGEXPORT_H

#include "exportoptions.h"

#include <layouts/layoutcatalog.h>
#include <recording/recordingreader.h>

#include <optional>

#include <QString>

// Writes a range of a recording's sound frames as PNG files, one MP4 video, a CSV of their layout
// readings or one CSV of levels per frame, as the options say.
class RecordingExport {
public:
    explicit RecordingExport(const ExportOptions& options);

    // False, with the reason in errorString(), when the recording cannot be read, the range does
    // not fit it, or an output cannot be written.
    bool run();

    QString errorString() const;
    // One line: what was written, and the damaged frames the reader skipped if any.
    QString summary() const;
    int framesWritten() const;

    // "frame-000012-t0001.234s.png": the frame's place among the sound frames and its arrival time.
    static QString pngName(int index, qint64 arrivalUs);

private:
    bool fail(const QString& why);
    bool exportPng();
    bool exportVideo();
    bool exportFields();
    bool exportCsv();
    bool readProfile(std::optional<LayoutProfile>* chosen);
    LayoutReading reading(const std::optional<LayoutProfile>& chosen, const char* record, bool* picked) const;

    ExportOptions m_options;
    RecordingReader m_reader;
    QString m_error;
    int m_written = 0;
    qint64 m_spanUs = 0; // from the first exported frame's arrival to the last one's
    QString m_encoder;
};

#endif // EXPORT_RECORDINGEXPORT_H
