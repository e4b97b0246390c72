#ifndef ARCHIVESCANNER_H
#define ARCHIVESCANNER_H

#include <panes/panes_export.h>

#include <QFileInfoList>
#include <QString>

#include <memory>
#include <vector>

class QDirIterator;

// Finds picture files (PNG, JPEG, BMP) under a folder a slice at a time, so that a large disk can
// be searched from the GUI thread without freezing it. Depth, files found and entries looked at
// are bounded.
class PANES_EXPORT ArchiveScanner {
public:
    static constexpr int MaxDepth = 8;        // folders below the root
    static constexpr int MaxFiles = 5000;     // pictures listed
    static constexpr int MaxEntries = 200000; // directory entries looked at

    ArchiveScanner();
    ~ArchiveScanner();
    ArchiveScanner(const ArchiveScanner&) = delete;
    ArchiveScanner& operator=(const ArchiveScanner&) = delete;

    void start(const QString& root);
    void stop();
    // Looks at up to `budget` directory entries; true while there is more to do.
    bool step(int budget);
    bool isRunning() const { return !m_stack.empty(); }
    // The search stopped at one of the bounds before it had seen everything.
    bool wasCut() const { return m_cut; }
    int foundCount() const { return m_found; }
    // Pictures found since the last call.
    QFileInfoList takeFound();

    static bool isPicture(const QString& fileName);

private:
    struct Level {
        std::unique_ptr<QDirIterator> it;
        int depth;
    };
    void push(const QString& path, int depth);

    std::vector<Level> m_stack;
    QFileInfoList m_new;
    int m_found = 0;
    int m_entries = 0;
    bool m_cut = false;
};

#endif // ARCHIVESCANNER_H
