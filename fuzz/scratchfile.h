#ifndef FUZZ_SCRATCHFILE_H
#define FUZZ_SCRATCHFILE_H

#include <QByteArray>
#include <QString>

// A file of this process's own for the current input, since the readers under test take a path. It lives in
// /dev/shm where that exists, so the write of every run stays off the disk, and is removed with the object.
class ScratchFile {
public:
    explicit ScratchFile(const char* tag);
    ~ScratchFile();
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const QString& path() const { return m_path; }
    // Replaces the file's contents; a failure aborts, since every later check would be meaningless.
    void write(const QByteArray& bytes);

private:
    QString m_path;
};

#endif // FUZZ_SCRATCHFILE_H
