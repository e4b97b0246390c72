#include "childpane.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>

ChildPane::ChildPane(DeviceManager::Mode mode, const QString& language, QWidget* parent, Qt::WindowFlags flags)
    : QMdiSubWindow(parent, flags), m_mode(mode), m_language(language)
{
    // The derived panes call the virtual init steps from their own constructors, where they
    // dispatch to the derived versions.
    buildFrame();
}

ChildPane::~ChildPane() = default;

void ChildPane::initWidget() {}

void ChildPane::initConnection() {}

void ChildPane::initAction() {}

void ChildPane::setFile(ImageFile*) {}

void ChildPane::buildFrame()
{
    auto* frame = new QWidget;
    auto* outer = new QVBoxLayout(frame);
    outer->setContentsMargins(6, 4, 6, 6);
    outer->setSpacing(6);

    m_toolRow = new QHBoxLayout;
    m_toolRow->setSpacing(6);
    m_title = new QLabel;
    m_title->setObjectName(QStringLiteral("lblTitle"));
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    m_toolRow->addWidget(m_title);
    m_toolRow->addStretch(1);

    m_closeButton = new QToolButton;
    m_closeButton->setObjectName(QStringLiteral("btnClose"));
    m_closeButton->setText(tr("Close"));
    m_closeButton->setToolTip(tr("Close this window"));
    m_closeButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_toolRow->addWidget(m_closeButton);
    outer->addLayout(m_toolRow);

    m_body = new QVBoxLayout;
    m_body->setContentsMargins(0, 0, 0, 0);
    outer->addLayout(m_body, 1);
    setWidget(frame);

    // The owner closes the pane itself when asked; closing from here would re-enter its close path.
    connect(m_closeButton, &QToolButton::clicked, this, [this] { emit subClose(m_mode); });
    connect(this, &QWidget::windowTitleChanged, m_title, &QLabel::setText);

    // The sub-window's own Close (system menu, Ctrl+F4) would delete the pane behind the owner's
    // back; it asks the owner instead, as the close button does.
    if (QMenu* menu = systemMenu()) {
        for (QAction* action : menu->actions()) {
            if (action->shortcuts().contains(QKeySequence(QKeySequence::Close))) {
                disconnect(action, nullptr, this, nullptr);
                connect(action, &QAction::triggered, this, [this] { emit subClose(m_mode); });
            }
        }
    }
}

void ChildPane::offerAction(QToolButton*& button, const char* name, QAction* action)
{
    if (!button) {
        button = new QToolButton;
        button->setObjectName(QLatin1String(name));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        addToolWidget(button);
    }
    if (action)
        button->setDefaultAction(action);
    button->setVisible(action != nullptr);
}

void ChildPane::addToolWidget(QWidget* widget)
{
    // Before the stretch, so the close button stays at the right end.
    m_toolRow->insertWidget(m_toolRow->count() - 2, widget);
}

void ChildPane::closeEvent(QCloseEvent* event)
{
    // No subClose here: the owner closes panes itself and then closes the device mode.
    QMdiSubWindow::closeEvent(event);
}
