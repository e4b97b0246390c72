#ifndef BLOCKHISTORY_H
#define BLOCKHISTORY_H

#include <layouts/layoutprofile.h>

#include <QByteArray>
#include <QVector>

#include <vector>

// The bytes whose meaning is the camera's (the extended information and the bytes after the palette
// number) over the last frames, with each frame's picture levels, so that a user can find which bytes
// follow the scene. No widgets: a test drives it with frame records.
class BlockHistory {
public:
    enum class Target { Max, Min, Mean };
    static constexpr int TargetCount = 3;

    struct Levels {
        double max = 0;
        double min = 0;
        double mean = 0;
    };
    struct Candidate {
        int offset = 0;
        LayoutProfile::Type type = LayoutProfile::Type::U8;
        double r = 0; // Pearson correlation with the target, signed
    };

    // Watched bytes by index: first the extended information (record bytes 4 to 6147), then the
    // bytes after the palette number (14897 to 14930).
    static constexpr int ExtBegin = 4;
    static constexpr int ExtSize = 6144;
    static constexpr int TailBegin = 14897;
    static constexpr int TailSize = 34;
    static constexpr int ByteCount = ExtSize + TailSize;

    explicit BlockHistory(int capacity = 300);

    int capacity() const { return m_capacity; }
    int size() const { return m_size; }
    void clear();
    // Keeps a whole frame record's watched bytes and levels, forgetting the oldest beyond capacity();
    // false for a record of another size.
    bool add(const QByteArray& record);

    static int offsetOf(int index);
    // -1 for an offset whose byte is not watched.
    static int indexOf(int offset);
    // True when every byte of `type` at `offset` is watched and in one run, so its history is kept.
    static bool holds(int offset, LayoutProfile::Type type);

    // The byte in the newest frame; how often it changed from one kept frame to the next.
    quint8 latest(int index) const;
    int changes(int index) const { return m_changes[size_t(index)]; }

    // raw x scale + add of each kept frame, oldest first; empty unless holds().
    QVector<double> series(int offset, LayoutProfile::Type type, double scale = 1.0, double add = 0.0) const;
    QVector<double> levels(Target target) const;

    static Levels levelsOf(const char* record);
    // NaN when either series is constant, not finite, or the two differ in length or are shorter than 3.
    static double pearson(const QVector<double>& a, const QVector<double>& b);

    // The byte ranges whose value follows the target best (by |r|) over the kept frames, best first.
    // Constant series are skipped; ranges do not overlap, and of two overlapping ranges that explain the
    // target about as well the narrower is given. Takes a while: 6178 offsets x 12 types x size().
    QVector<Candidate> candidates(Target target, int count = 10) const;

private:
    const quint8* frame(int i) const { return &m_bytes[size_t(slot(i)) * ByteCount]; }
    int slot(int i) const { return (m_first + i) % m_capacity; }
    void countChanges(int older, int newer, int sign);

    int m_capacity;
    int m_first = 0;
    int m_size = 0;
    std::vector<quint8> m_bytes; // m_capacity frames of ByteCount bytes, a ring
    std::vector<Levels> m_levels;
    std::vector<int> m_changes;
};

#endif // BLOCKHISTORY_H
