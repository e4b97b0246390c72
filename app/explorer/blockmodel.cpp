#include "blockmodel.h"

#include "blockhistory.h"

#include <QBrush>
#include <QColor>

namespace {

// The tail bytes start a row of their own so that each row's offset heads a run of the record.
constexpr int ExtRows = BlockHistory::ExtSize / BlockModel::Columns;
constexpr int TailRows = (BlockHistory::TailSize + BlockModel::Columns - 1) / BlockModel::Columns;

} // namespace

BlockModel::BlockModel(const BlockHistory* history, QObject* parent) : QAbstractTableModel(parent), m_history(history)
{
}

int BlockModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ExtRows + TailRows;
}

int BlockModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Columns;
}

int BlockModel::byteIndex(const QModelIndex& index)
{
    if (!index.isValid())
        return -1;
    const int i = index.row() * Columns + index.column();
    return i < BlockHistory::ByteCount ? i : -1;
}

QModelIndex BlockModel::cellOf(int byteIndex) const
{
    if (byteIndex < 0 || byteIndex >= BlockHistory::ByteCount)
        return QModelIndex();
    return index(byteIndex / Columns, byteIndex % Columns);
}

Qt::ItemFlags BlockModel::flags(const QModelIndex& index) const
{
    return byteIndex(index) < 0 ? Qt::NoItemFlags : Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

QVariant BlockModel::data(const QModelIndex& index, int role) const
{
    const int i = byteIndex(index);
    if (i < 0 || m_history->size() == 0)
        return QVariant();
    const int value = m_history->latest(i);
    const int steps = m_history->size() - 1;
    const double share = steps > 0 ? double(m_history->changes(i)) / steps : 0.0;
    switch (role) {
    case Qt::DisplayRole:
        return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
    case Qt::ToolTipRole:
        return tr("Offset %1: 0x%2 (%3), changed %4 times in the last %5 frames")
            .arg(BlockHistory::offsetOf(i))
            .arg(value, 2, 16, QLatin1Char('0'))
            .arg(value)
            .arg(m_history->changes(i))
            .arg(m_history->size());
    case Qt::BackgroundRole:
        if (m_history->changes(i) == 0)
            return QVariant();
        // Blue for a byte that changed now and then, through green and yellow, to red for one that changes
        // with every frame.
        return QBrush(QColor::fromHsvF((1.0 - share) * 0.66, 0.55, 0.95));
    case Qt::ForegroundRole:
        return m_history->changes(i) == 0 ? QVariant() : QBrush(Qt::black);
    case Qt::TextAlignmentRole:
        return Qt::AlignCenter;
    default:
        return QVariant();
    }
}

QVariant BlockModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return QString::number(section);
    return QString::number(BlockHistory::offsetOf(section * Columns));
}

void BlockModel::refresh()
{
    emit dataChanged(index(0, 0), index(rowCount() - 1, Columns - 1));
}
