#include "workarea.h"

#include <QEvent>
#include <QMdiSubWindow>
#include <QPainter>

WorkArea::WorkArea(QWidget* parent) : QMdiArea(parent) {}

void WorkArea::setEmptyHint(const QString& text)
{
    m_hint = text;
    viewport()->update();
}

QString WorkArea::shownHint() const
{
    for (const QMdiSubWindow* window : subWindowList()) {
        if (!window->isHidden())
            return QString();
    }
    return m_hint;
}

void WorkArea::paintEvent(QPaintEvent* event)
{
    QMdiArea::paintEvent(event);
    const QString hint = shownHint();
    if (hint.isEmpty())
        return;
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Disabled, QPalette::WindowText));
    painter.drawText(viewport()->rect().adjusted(24, 24, -24, -24), Qt::AlignCenter | Qt::TextWordWrap, hint);
}

bool WorkArea::eventFilter(QObject* watched, QEvent* event)
{
    // A pane shown or hidden away from the whole area leaves the rest of the background as it was.
    if ((event->type() == QEvent::Show || event->type() == QEvent::Hide) && qobject_cast<QMdiSubWindow*>(watched))
        viewport()->update();
    return QMdiArea::eventFilter(watched, event);
}
