#include "scratchfile.h"

#include "fuzzcheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

ScratchFile::ScratchFile(const char* tag)
{
    const QString folder =
        QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    m_path =
        QStringLiteral("%1/camdesk-%2-%3.xml").arg(folder, QLatin1String(tag)).arg(QCoreApplication::applicationPid());
}

ScratchFile::~ScratchFile()
{
    QFile::remove(m_path);
}

void ScratchFile::write(const QByteArray& bytes)
{
    QFile file(m_path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(bytes) == bytes.size());
    file.close();
}
