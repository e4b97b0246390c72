#ifndef BLOCKMODEL_H
#define BLOCKMODEL_H

#include <QAbstractTableModel>

class BlockHistory;

// The watched bytes of a BlockHistory as a grid of 16 a row, each row headed by its record offset, each
// byte coloured by how often it changed over the kept frames.
class BlockModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int Columns = 16;

    explicit BlockModel(const BlockHistory* history, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The history's byte index of a cell, -1 past the last byte; and the cell of a byte index.
    static int byteIndex(const QModelIndex& index);
    QModelIndex cellOf(int byteIndex) const;
    // The history changed: every cell may show something new.
    void refresh();

private:
    const BlockHistory* m_history;
};

#endif // BLOCKMODEL_H
