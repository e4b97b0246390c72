#include "recordparser.h"

#include <devicebase/km420frame.h>

namespace {
const char HeadBytes[4] = {0x67, 0x45, 0x23, 0x01};
}

QVector<CommandRecord> RecordParser::feed(const char* data, int length)
{
    QVector<CommandRecord> records;
    if (length > 0)
        m_buffer.append(data, length);

    int pos = 0;
    while (true) {
        const int head = m_buffer.indexOf(QByteArray::fromRawData(HeadBytes, 4), pos);
        if (head < 0) {
            // Keep a tail that could be the start of a head marker split across reads.
            const int keep = qMin(3, m_buffer.size() - pos);
            m_skipped += m_buffer.size() - pos - keep;
            pos = m_buffer.size() - keep;
            break;
        }
        m_skipped += head - pos;
        pos = head;
        if (m_buffer.size() - pos < CommandRecord::Size)
            break;
        CommandRecord record;
        if (CommandRecord::fromBytes(m_buffer.constData() + pos, &record)) {
            records.append(record);
            pos += CommandRecord::Size;
        } else {
            // A head marker inside garbage or a torn record: a real record may start within the next 54 bytes.
            ++m_malformed;
            ++m_skipped;
            ++pos;
        }
    }
    m_buffer.remove(0, pos);
    return records;
}

void RecordParser::reset()
{
    m_buffer.clear();
    m_malformed = 0;
    m_skipped = 0;
}
