#include "archivescanner.h"

#include <QDirIterator>

ArchiveScanner::ArchiveScanner() = default;

ArchiveScanner::~ArchiveScanner() = default;

void ArchiveScanner::start(const QString& root)
{
    stop();
    m_new.clear();
    m_found = 0;
    m_entries = 0;
    m_cut = false;
    if (!root.isEmpty())
        push(root, 0);
}

void ArchiveScanner::stop()
{
    m_stack.clear();
}

void ArchiveScanner::push(const QString& path, int depth)
{
    // Symbolic links are not followed: a link back up the tree would never end.
    m_stack.push_back({std::make_unique<QDirIterator>(path, QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot |
                                                                QDir::NoSymLinks | QDir::Readable),
                       depth});
}

bool ArchiveScanner::step(int budget)
{
    while (budget-- > 0 && !m_stack.empty()) {
        Level& level = m_stack.back();
        if (!level.it->hasNext()) {
            m_stack.pop_back();
            continue;
        }
        level.it->next();
        const QFileInfo info = level.it->fileInfo();
        if (++m_entries >= MaxEntries) {
            m_cut = true;
            stop();
            break;
        }
        if (info.isDir()) {
            if (level.depth < MaxDepth)
                push(info.filePath(), level.depth + 1);
            else
                m_cut = true;
        } else if (isPicture(info.fileName())) {
            m_new.append(info);
            if (++m_found >= MaxFiles) {
                m_cut = true;
                stop();
            }
        }
    }
    return !m_stack.empty();
}

QFileInfoList ArchiveScanner::takeFound()
{
    QFileInfoList found;
    found.swap(m_new);
    return found;
}

bool ArchiveScanner::isPicture(const QString& fileName)
{
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return false;
    const QString suffix = fileName.mid(dot + 1).toLower();
    return suffix == QLatin1String("png") || suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg") ||
           suffix == QLatin1String("bmp");
}
