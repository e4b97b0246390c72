#include "qurlinfo.h"

QUrlInfo::QUrlInfo() = default;

QUrlInfo::QUrlInfo(const QString& name, qint64 size, const QDateTime& lastModified, bool isDir)
    : m_name(name), m_size(size), m_lastModified(lastModified), m_isDir(isDir)
{
}
