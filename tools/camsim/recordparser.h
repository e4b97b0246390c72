#ifndef CAMSIM_RECORDPARSER_H
#define CAMSIM_RECORDPARSER_H

#include "commandrecord.h"
#include <camsim/camsim_export.h>

#include <QByteArray>
#include <QVector>

// Cuts command records out of the byte stream from the client. It resynchronises on the head marker and
// drops a candidate whose tail marker is wrong, so garbage and torn records cost nothing but the bytes.
class CAMSIM_EXPORT RecordParser {
public:
    // Appends bytes and returns the records they complete, in order.
    QVector<CommandRecord> feed(const char* data, int length);
    QVector<CommandRecord> feed(const QByteArray& bytes) { return feed(bytes.constData(), bytes.size()); }

    void reset();

    // Candidates that began with a head marker but had no tail marker 51 bytes on.
    qint64 malformedCount() const { return m_malformed; }
    // Bytes thrown away while looking for a head marker (including those of malformed candidates).
    qint64 skippedBytes() const { return m_skipped; }
    int pendingBytes() const { return m_buffer.size(); }

private:
    QByteArray m_buffer;
    qint64 m_malformed = 0;
    qint64 m_skipped = 0;
};

#endif // CAMSIM_RECORDPARSER_H
