#include "blockhistory.h"

#include <devicebase/km420frame.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

using Type = LayoutProfile::Type;
constexpr int TypeCount = 12;

// A narrower range replaces an overlapping wider one when it leaves at most this much more of the target
// unexplained (1 - |r|): a 32-bit read whose high half is the reading correlates a hair better than the
// reading itself, and the user wants the reading.
constexpr double NarrowerSlack = 1.1;

double nan()
{
    return std::numeric_limits<double>::quiet_NaN();
}

} // namespace

BlockHistory::BlockHistory(int capacity)
    : m_capacity(std::max(2, capacity)), m_bytes(size_t(m_capacity) * ByteCount), m_levels(size_t(m_capacity)),
      m_changes(ByteCount, 0)
{
}

void BlockHistory::clear()
{
    m_first = 0;
    m_size = 0;
    std::fill(m_changes.begin(), m_changes.end(), 0);
}

int BlockHistory::offsetOf(int index)
{
    return index < ExtSize ? ExtBegin + index : TailBegin + index - ExtSize;
}

int BlockHistory::indexOf(int offset)
{
    if (offset >= ExtBegin && offset < ExtBegin + ExtSize)
        return offset - ExtBegin;
    if (offset >= TailBegin && offset < TailBegin + TailSize)
        return ExtSize + offset - TailBegin;
    return -1;
}

bool BlockHistory::holds(int offset, Type type)
{
    const int first = indexOf(offset);
    const int last = indexOf(offset + LayoutProfile::sizeOf(type) - 1);
    return first >= 0 && last == first + LayoutProfile::sizeOf(type) - 1;
}

void BlockHistory::countChanges(int older, int newer, int sign)
{
    const quint8* a = frame(older);
    const quint8* b = frame(newer);
    for (int i = 0; i < ByteCount; ++i)
        m_changes[size_t(i)] += a[i] != b[i] ? sign : 0;
}

bool BlockHistory::add(const QByteArray& record)
{
    if (record.size() != Km420Frame::Size)
        return false;
    if (m_size == m_capacity) {
        // The changes between the oldest frame and the next leave the window with it.
        countChanges(0, 1, -1);
        m_first = slot(1);
        --m_size;
    }
    const int s = slot(m_size);
    quint8* bytes = &m_bytes[size_t(s) * ByteCount];
    std::copy_n(reinterpret_cast<const quint8*>(record.constData()) + ExtBegin, ExtSize, bytes);
    std::copy_n(reinterpret_cast<const quint8*>(record.constData()) + TailBegin, TailSize, bytes + ExtSize);
    m_levels[size_t(s)] = levelsOf(record.constData());
    ++m_size;
    if (m_size > 1)
        countChanges(m_size - 2, m_size - 1, 1);
    return true;
}

quint8 BlockHistory::latest(int index) const
{
    return m_size > 0 ? frame(m_size - 1)[index] : 0;
}

QVector<double> BlockHistory::series(int offset, Type type, double scale, double add) const
{
    QVector<double> values;
    if (!holds(offset, type))
        return values;
    const int index = indexOf(offset);
    values.reserve(m_size);
    for (int i = 0; i < m_size; ++i)
        values.append(LayoutProfile::readRaw(reinterpret_cast<const char*>(frame(i) + index), 0, type) * scale + add);
    return values;
}

QVector<double> BlockHistory::levels(Target target) const
{
    QVector<double> values;
    values.reserve(m_size);
    for (int i = 0; i < m_size; ++i) {
        const Levels& l = m_levels[size_t(slot(i))];
        values.append(target == Target::Max ? l.max : target == Target::Min ? l.min : l.mean);
    }
    return values;
}

BlockHistory::Levels BlockHistory::levelsOf(const char* record)
{
    using namespace Km420Frame;
    const auto* pixels = reinterpret_cast<const quint8*>(record + PixelOffset);
    int low = 255, high = 0;
    qint64 sum = 0;
    for (int row = 0; row < Height; ++row) {
        for (int column = 0; column < Width; ++column) {
            const int v = pixels[row * RowStride + column];
            low = std::min(low, v);
            high = std::max(high, v);
            sum += v;
        }
    }
    return {double(high), double(low), double(sum) / (Width * Height)};
}

double BlockHistory::pearson(const QVector<double>& a, const QVector<double>& b)
{
    const int n = a.size();
    if (n < 3 || b.size() != n)
        return nan();
    // A constant series has no correlation; its rounding noise around the mean must not make one up.
    const auto constant = [](const QVector<double>& v) {
        return std::all_of(v.begin(), v.end(), [&v](double x) { return x == v.front(); });
    };
    if (constant(a) || constant(b))
        return nan();
    double ma = 0, mb = 0;
    for (int i = 0; i < n; ++i) {
        ma += a[i];
        mb += b[i];
    }
    ma /= n;
    mb /= n;
    double sab = 0, saa = 0, sbb = 0;
    for (int i = 0; i < n; ++i) {
        const double da = a[i] - ma, db = b[i] - mb;
        sab += da * db;
        saa += da * da;
        sbb += db * db;
    }
    if (!(saa > 0) || !(sbb > 0))
        return nan();
    const double r = sab / std::sqrt(saa * sbb);
    return std::isfinite(r) ? std::clamp(r, -1.0, 1.0) : nan();
}

QVector<BlockHistory::Candidate> BlockHistory::candidates(Target target, int count) const
{
    QVector<Candidate> picked;
    const QVector<double> goal = levels(target);
    // Centred once; each series then needs one pass for its mean and one for the sums.
    const int n = m_size;
    double mean = 0;
    for (double v : goal)
        mean += v;
    mean /= std::max(1, n);
    QVector<double> centred(n);
    double sgg = 0;
    for (int i = 0; i < n; ++i) {
        centred[i] = goal[i] - mean;
        sgg += centred[i] * centred[i];
    }
    if (n < 3 || !(sgg > 0))
        return picked;

    std::vector<const char*> frames(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i)
        frames[size_t(i)] = reinterpret_cast<const char*>(frame(i));

    // r of every watched range; NaN where the range is not kept, constant or not finite.
    std::vector<double> r(size_t(ByteCount) * TypeCount, nan());
    std::vector<double> x(static_cast<size_t>(n));
    for (int index = 0; index < ByteCount; ++index) {
        const int offset = offsetOf(index);
        for (int t = 0; t < TypeCount; ++t) {
            const Type type = Type(t);
            if (!holds(offset, type))
                continue;
            double sum = 0;
            bool finite = true;
            for (int i = 0; i < n; ++i) {
                x[size_t(i)] = LayoutProfile::readRaw(frames[size_t(i)] + index, 0, type);
                finite = finite && std::isfinite(x[size_t(i)]);
                sum += x[size_t(i)];
            }
            if (!finite)
                continue;
            const double mx = sum / n;
            double sxg = 0, sxx = 0;
            for (int i = 0; i < n; ++i) {
                const double dx = x[size_t(i)] - mx;
                sxg += dx * centred[i];
                sxx += dx * dx;
            }
            if (!(sxx > 0))
                continue;
            const double value = sxg / std::sqrt(sxx * sgg);
            if (std::isfinite(value))
                r[size_t(index) * TypeCount + size_t(t)] = std::clamp(value, -1.0, 1.0);
        }
    }

    std::vector<int> order;
    for (int k = 0; k < int(r.size()); ++k) {
        if (!std::isnan(r[size_t(k)]))
            order.push_back(k);
    }
    const auto sizeOfKey = [](int k) { return LayoutProfile::sizeOf(Type(k % TypeCount)); };
    // Best first; of equals the narrower, then the type listed first (unsigned before signed).
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const double ra = std::abs(r[size_t(a)]), rb = std::abs(r[size_t(b)]);
        if (ra != rb)
            return ra > rb;
        if (sizeOfKey(a) != sizeOfKey(b))
            return sizeOfKey(a) < sizeOfKey(b);
        return a % TypeCount < b % TypeCount;
    });

    std::vector<std::pair<int, int>> taken; // first and last index of each picked range
    for (int k : order) {
        if (picked.size() >= count)
            break;
        const int index = k / TypeCount;
        const int size = sizeOfKey(k);
        const double unexplained = 1.0 - std::abs(r[size_t(k)]);
        int best = k;
        for (int inner = index; inner < index + size; ++inner) {
            for (int t = 0; t < TypeCount; ++t) {
                const int j = inner * TypeCount + t;
                const int innerSize = LayoutProfile::sizeOf(Type(t));
                if (inner + innerSize > index + size || std::isnan(r[size_t(j)]))
                    continue;
                const double u = 1.0 - std::abs(r[size_t(j)]);
                const bool narrower = innerSize < sizeOfKey(best);
                const bool better = innerSize == sizeOfKey(best) && std::abs(r[size_t(j)]) > std::abs(r[size_t(best)]);
                if (u <= unexplained * NarrowerSlack && (narrower || (better && best != k)))
                    best = j;
            }
        }
        const int first = best / TypeCount;
        const int last = first + sizeOfKey(best) - 1;
        const bool overlaps = std::any_of(taken.begin(), taken.end(), [&](const auto& range) {
            return first <= range.second && last >= range.first;
        });
        if (overlaps)
            continue;
        taken.emplace_back(first, last);
        picked.append({offsetOf(first), Type(best % TypeCount), r[size_t(best)]});
    }
    return picked;
}
