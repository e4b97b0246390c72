#ifndef LAZYICONENGINE_H
#define LAZYICONENGINE_H

#include <QIcon>
#include <QIconEngine>
#include <QString>

// An icon whose file is read the first time something asks for its pictures or sizes. Qt reads an icon
// file when the QIcon is made, decoding every picture in it (and, for an .ico holding a PNG, loading every
// image-format plugin to find a reader), while the main window shows none of its icons when it first
// appears: its menus are closed, its tree is never shown, and a window icon is drawn only by platforms
// that have a place for it.
class LazyIconEngine : public QIconEngine {
public:
    explicit LazyIconEngine(const QString& fileName);

    // The icon of the file, to be read on first use: with QIcon(fileName)'s pictures, sizes and
    // null-ness.
    static QIcon icon(const QString& fileName);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    void addPixmap(const QPixmap& pixmap, QIcon::Mode mode, QIcon::State state) override;
    void addFile(const QString& fileName, const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode = QIcon::Normal, QIcon::State state = QIcon::Off) const override;
    QIconEngine* clone() const override;

    // Whether the file has been read (tests).
    bool isRead() const { return m_read; }

private:
    QIcon& read() const;

    QString m_fileName;
    mutable QIcon m_icon;
    mutable bool m_read = false;
};

#endif // LAZYICONENGINE_H
