#ifndef QURLINFO_H
#define QURLINFO_H

#include <devicebase/devicebase_export.h>

#include <QDateTime>
#include <QString>

// One entry of a device's file list.
class DEVICEBASE_EXPORT QUrlInfo {
public:
    QUrlInfo();
    QUrlInfo(const QString& name, qint64 size, const QDateTime& lastModified, bool isDir);

    QString name() const { return m_name; }
    void setName(const QString& name) { m_name = name; }
    qint64 size() const { return m_size; }
    void setSize(qint64 size) { m_size = size; }
    QDateTime lastModified() const { return m_lastModified; }
    void setLastModified(const QDateTime& dt) { m_lastModified = dt; }
    bool isDir() const { return m_isDir; }
    bool isFile() const { return !m_isDir; }
    void setDir(bool dir) { m_isDir = dir; }
    bool isValid() const { return !m_name.isEmpty(); }

private:
    QString m_name;
    qint64 m_size = 0;
    QDateTime m_lastModified;
    bool m_isDir = false;
};

#endif // QURLINFO_H
