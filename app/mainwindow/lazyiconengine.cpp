#include "lazyiconengine.h"

#include <QCoreApplication>
#include <QLoggingCategory>

namespace {

Q_LOGGING_CATEGORY(lcIcons, "camdesk.icons", QtInfoMsg)

} // namespace

LazyIconEngine::LazyIconEngine(const QString& fileName) : m_fileName(fileName) {}

QIcon LazyIconEngine::icon(const QString& fileName)
{
    if (fileName.isEmpty())
        return QIcon();
    // With high-DPI pixmaps QIcon scales the size it hands its engine, and asking the file's own icon
    // through QIcon would scale it a second time.
    if (QCoreApplication::testAttribute(Qt::AA_UseHighDpiPixmaps))
        return QIcon(fileName);
    return QIcon(new LazyIconEngine(fileName));
}

QIcon& LazyIconEngine::read() const
{
    if (!m_read) {
        m_icon = QIcon(m_fileName);
        m_read = true;
        qCDebug(lcIcons, "icon %s read", qUtf8Printable(m_fileName));
    }
    return m_icon;
}

void LazyIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state)
{
    read().paint(painter, rect, Qt::AlignCenter, mode, state);
}

QSize LazyIconEngine::actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    return read().actualSize(size, mode, state);
}

QPixmap LazyIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    return read().pixmap(size, mode, state);
}

void LazyIconEngine::addPixmap(const QPixmap& pixmap, QIcon::Mode mode, QIcon::State state)
{
    read().addPixmap(pixmap, mode, state);
}

void LazyIconEngine::addFile(const QString& fileName, const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    read().addFile(fileName, size, mode, state);
}

QList<QSize> LazyIconEngine::availableSizes(QIcon::Mode mode, QIcon::State state) const
{
    return read().availableSizes(mode, state);
}

QIconEngine* LazyIconEngine::clone() const
{
    auto* copy = new LazyIconEngine(m_fileName);
    copy->m_icon = m_icon;
    copy->m_read = m_read;
    return copy;
}
