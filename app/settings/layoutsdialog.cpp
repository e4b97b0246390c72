#include "layoutsdialog.h"

#include <layouts/layoutcatalog.h>

#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

LayoutsDialog::LayoutsDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Layout Profiles"));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(tr("camdesk shows temperatures only from frames that one of these profiles proves. "
                                "Your own profiles go in %1.")
                                 .arg(QDir::toNativeSeparators(LayoutCatalog::userFolder())));
    intro->setWordWrap(true);
    intro->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(intro);
    m_list = new QTreeWidget;
    m_list->setObjectName(QStringLiteral("layoutList"));
    m_list->setHeaderLabels({tr("Profile"), tr("File")});
    m_list->setRootIsDecorated(false);
    m_list->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    layout->addWidget(m_list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QPushButton* reload = buttons->addButton(tr("Reload"), QDialogButtonBox::ActionRole);
    connect(reload, &QPushButton::clicked, this, [this] {
        LayoutCatalog::reload();
        fill();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(640, 360);
    fill();
}

void LayoutsDialog::fill()
{
    m_list->clear();
    const LayoutCatalog& catalog = LayoutCatalog::shared();
    for (int i = 0; i < catalog.profiles().size(); ++i) {
        const LayoutProfile& profile = catalog.profiles().at(i);
        const QString file = catalog.files().at(i);
        QString name = profile.name();
        // Such a profile is never taken for a frame on its own.
        if (!profile.hasProof())
            name = tr("%1 (no proof: not used)").arg(name);
        new QTreeWidgetItem(m_list, {name, file.isEmpty() ? tr("built in") : QDir::toNativeSeparators(file)});
    }
    for (const LayoutCatalog::Rejected& rejected : catalog.rejected()) {
        auto* item = new QTreeWidgetItem(
            m_list, {tr("Ignored: %1").arg(rejected.reason), QDir::toNativeSeparators(rejected.file)});
        item->setForeground(0, palette().color(QPalette::Disabled, QPalette::Text));
    }
}
