#include "archivepane.h"

#include "archivescanner.h"
#include "paneslogging.h"
#include "pictureview.h"

#include <devicebase/imagefile.h>
#include <devicebase/qurlinfo.h>

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>

#include <deque>
#include <memory>
#include <vector>

namespace {

// Work per timer tick, so that the GUI stays responsive while a large disk is searched.
constexpr int scanSliceEntries = 64;
constexpr int tickBudgetMs = 12;
constexpr int thumbnailsPerTick = 4;
const QSize iconSize(48, 64);

enum ItemRole { PathRole = Qt::UserRole, SizeRole, ModifiedRole };

} // namespace

class ArchivePane::Private {
public:
    QComboBox* cbbDisk = nullptr;
    QPushButton* btnRefresh = nullptr;
    QListWidget* lstFiles = nullptr;
    QLabel* lblStatus = nullptr;
    PictureView* view = nullptr;
    QLabel* lblInfo = nullptr;
    QIcon placeholderIcon;

    ArchiveScanner scanner;
    QTimer scanTimer;
    std::deque<QListWidgetItem*> thumbnailQueue;
    QTimer thumbnailTimer;
    std::vector<std::unique_ptr<QUrlInfo>> requested;

    void addFile(const QString& path, qint64 size, const QDateTime& modified);
    void clearList();
    void loadThumbnails();
};

void ArchivePane::Private::addFile(const QString& path, qint64 size, const QDateTime& modified)
{
    const QString name = QFileInfo(path).fileName();
    QString text = name;
    if (modified.isValid())
        text += QLatin1Char('\n') + QLocale().toString(modified, QLocale::ShortFormat);
    auto* item = new QListWidgetItem(placeholderIcon, text);
    item->setToolTip(QDir::toNativeSeparators(path));
    item->setData(PathRole, path);
    item->setData(SizeRole, size);
    item->setData(ModifiedRole, modified);
    lstFiles->addItem(item);
    thumbnailQueue.push_back(item);
    if (!thumbnailTimer.isActive())
        thumbnailTimer.start();
}

void ArchivePane::Private::clearList()
{
    thumbnailQueue.clear();
    thumbnailTimer.stop();
    lstFiles->clear();
}

void ArchivePane::Private::loadThumbnails()
{
    QElapsedTimer clock;
    clock.start();
    // A large BMP or PNG is decoded whole even when a small size is asked for: the time bound
    // matters more than the count then.
    for (int n = 0; n < thumbnailsPerTick && !thumbnailQueue.empty() && !clock.hasExpired(tickBudgetMs); ++n) {
        QListWidgetItem* item = thumbnailQueue.front();
        thumbnailQueue.pop_front();
        QImageReader reader(item->data(PathRole).toString());
        QSize size = reader.size();
        if (size.isValid()) {
            size.scale(iconSize, Qt::KeepAspectRatio);
            reader.setScaledSize(size.expandedTo(QSize(1, 1)));
        }
        const QImage image = reader.read();
        if (image.isNull()) {
            qCDebug(lcPanesArchive) << "no thumbnail for" << item->data(PathRole).toString() << reader.errorString();
            continue;
        }
        // Centred on a fixed-size canvas so that the names line up.
        QPixmap canvas(iconSize);
        canvas.fill(Qt::transparent);
        QPainter painter(&canvas);
        const QImage fitted = image.size().boundedTo(iconSize) == image.size()
                                  ? image
                                  : image.scaled(iconSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        painter.drawImage((iconSize.width() - fitted.width()) / 2, (iconSize.height() - fitted.height()) / 2, fitted);
        painter.end();
        QIcon icon(canvas);
        icon.addPixmap(canvas, QIcon::Selected); // no selection tint over the picture
        item->setIcon(icon);
    }
    if (thumbnailQueue.empty())
        thumbnailTimer.stop();
}

ArchivePane::ArchivePane(DeviceManager::Mode mode, const QString& language, QWidget* parent, Qt::WindowFlags flags)
    : ChildPane(mode, language, parent, flags), d(new Private)
{
    initWidget();
    initConnection();
    initAction();
}

ArchivePane::~ArchivePane()
{
    delete d;
}

void ArchivePane::initWidget()
{
    QPixmap blank(iconSize);
    blank.fill(Qt::transparent);
    d->placeholderIcon = QIcon(blank);

    auto* diskLabel = new QLabel(tr("Disk:"));
    d->cbbDisk = new QComboBox;
    d->cbbDisk->setObjectName(QStringLiteral("cbbDisk"));
    d->cbbDisk->setMinimumContentsLength(24);
    d->cbbDisk->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    diskLabel->setBuddy(d->cbbDisk);
    d->btnRefresh = new QPushButton(tr("Refresh"));
    d->btnRefresh->setObjectName(QStringLiteral("btnRefresh"));
    d->btnRefresh->setToolTip(tr("Search the disk for pictures again"));
    addToolWidget(diskLabel);
    addToolWidget(d->cbbDisk);
    addToolWidget(d->btnRefresh);

    d->lstFiles = new QListWidget;
    d->lstFiles->setObjectName(QStringLiteral("lstFiles"));
    d->lstFiles->setIconSize(iconSize);
    d->lstFiles->setUniformItemSizes(true);
    d->lstFiles->setSortingEnabled(true);
    d->lstFiles->setSelectionMode(QAbstractItemView::SingleSelection);
    d->lblStatus = new QLabel(tr("No disk"));
    d->lblStatus->setObjectName(QStringLiteral("lblStatus"));
    auto* left = new QWidget;
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(d->lstFiles, 1);
    leftLayout->addWidget(d->lblStatus);

    d->view = new PictureView;
    d->view->setObjectName(QStringLiteral("pictureView"));
    d->view->setPlaceholderText(tr("Double-click a picture to open it."));
    d->lblInfo = new QLabel;
    d->lblInfo->setObjectName(QStringLiteral("lblInfo"));
    d->lblInfo->setAlignment(Qt::AlignCenter);
    d->lblInfo->setWordWrap(true);
    d->lblInfo->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* right = new QWidget;
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(d->view, 1);
    rightLayout->addWidget(d->lblInfo);

    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(left);
    splitter->addWidget(right);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({260, 540});
    bodyLayout()->addWidget(splitter, 1);
}

void ArchivePane::initConnection()
{
    connect(d->cbbDisk, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this] { rescan(); });
    connect(d->btnRefresh, &QPushButton::clicked, this, [this] { rescan(); });
    connect(d->lstFiles, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { requestFile(item); });

    d->scanTimer.setInterval(0);
    connect(&d->scanTimer, &QTimer::timeout, this, [this] { scanSlice(); });
    d->thumbnailTimer.setInterval(10);
    connect(&d->thumbnailTimer, &QTimer::timeout, this, [this] { d->loadThumbnails(); });
}

void ArchivePane::initAction() {}

void ArchivePane::setUDisks(QStringList disks)
{
    const QString previous = d->cbbDisk->currentData().toString();
    int index = disks.indexOf(previous);
    if (index < 0 && !disks.isEmpty())
        index = 0;
    {
        const QSignalBlocker blocker(d->cbbDisk);
        d->cbbDisk->clear();
        for (const QString& disk : disks)
            d->cbbDisk->addItem(QDir::toNativeSeparators(disk), disk);
        d->cbbDisk->setCurrentIndex(index);
    }
    // A refreshed list with the same disk keeps the listing as it is.
    if (index < 0 || disks.at(index) != previous)
        rescan();
}

void ArchivePane::rescan()
{
    d->scanner.stop();
    d->scanTimer.stop();
    d->clearList();
    const QString root = d->cbbDisk->currentData().toString();
    if (root.isEmpty()) {
        d->lblStatus->setText(tr("No disk"));
        return;
    }
    qCDebug(lcPanesArchive) << "searching" << root;
    d->lblStatus->setText(tr("Searching for pictures..."));
    d->scanner.start(root);
    d->scanTimer.start();
}

void ArchivePane::scanSlice()
{
    QElapsedTimer clock;
    clock.start();
    bool more = true;
    while (more && !clock.hasExpired(tickBudgetMs))
        more = d->scanner.step(scanSliceEntries);
    const QFileInfoList found = d->scanner.takeFound();
    for (const QFileInfo& info : found)
        d->addFile(info.absoluteFilePath(), info.size(), info.lastModified());
    if (more) {
        d->lblStatus->setText(tr("Searching for pictures... %1 found").arg(d->lstFiles->count()));
        return;
    }
    d->scanTimer.stop();
    const int count = d->lstFiles->count();
    if (count == 0)
        d->lblStatus->setText(tr("No pictures found"));
    else if (d->scanner.wasCut())
        d->lblStatus->setText(tr("Pictures: %1 (search stopped early)").arg(count));
    else
        d->lblStatus->setText(tr("Pictures: %1").arg(count));
}

void ArchivePane::setFiles(QList<QUrlInfo*> files)
{
    d->scanner.stop();
    d->scanTimer.stop();
    d->clearList();
    for (const QUrlInfo* info : files) {
        if (info && info->isFile() && ArchiveScanner::isPicture(info->name()))
            d->addFile(info->name(), info->size(), info->lastModified());
    }
    d->lblStatus->setText(d->lstFiles->count() ? tr("Pictures: %1").arg(d->lstFiles->count())
                                               : tr("No pictures found"));
}

void ArchivePane::requestFile(QListWidgetItem* item)
{
    if (!item)
        return;
    // The records of the previous request are released only now: their receivers may still hold them.
    std::vector<std::unique_ptr<QUrlInfo>> records;
    records.push_back(std::make_unique<QUrlInfo>(item->data(PathRole).toString(), item->data(SizeRole).toLongLong(),
                                                 item->data(ModifiedRole).toDateTime(), false));
    QList<QUrlInfo*> list;
    for (const auto& record : records)
        list.append(record.get());
    d->requested.swap(records);
    d->lblInfo->setText(tr("Opening %1...").arg(item->data(PathRole).toString().section(QLatin1Char('/'), -1)));
    emit updateFiles(list, mode());
}

void ArchivePane::setFile(ImageFile* file)
{
    if (!file)
        return;
    const QString name = file->name.isEmpty() ? QFileInfo(file->path).fileName() : file->name;
    QImage image;
    if (!image.loadFromData(file->data)) {
        qCWarning(lcPanesArchive) << "cannot decode" << file->path << file->data.size() << "bytes";
        d->view->clear();
        d->view->setPlaceholderText(tr("Cannot show this picture."));
        d->lblInfo->setText(name);
        return;
    }
    d->view->setPixmap(QPixmap::fromImage(image));
    const QString bytes = QLocale().formattedDataSize(file->data.size(), 1, QLocale::DataSizeTraditionalFormat);
    QStringList lines{name, tr("%1 x %2 pixels, %3").arg(image.width()).arg(image.height()).arg(bytes)};
    if (file->modified.isValid())
        lines << QLocale().toString(file->modified, QLocale::ShortFormat);
    d->lblInfo->setText(lines.join(QLatin1Char('\n')));
}

void ArchivePane::setFileRefused(const QString& path, ImageFile::Refusal why)
{
    const QString name = QFileInfo(path).fileName();
    QString text;
    switch (why) {
    case ImageFile::Refusal::Gone:
        text = tr("Cannot open %1: the file is no longer there.").arg(name);
        break;
    case ImageFile::Refusal::OffDisk:
        text = tr("Cannot open %1: it is not on the camera's disk.").arg(name);
        break;
    case ImageFile::Refusal::TooLarge:
        text = tr("Cannot open %1: the file is too large.").arg(name);
        break;
    case ImageFile::Refusal::NotPicture:
        text = tr("Cannot open %1: it could not be read as a PNG, JPEG or BMP picture.").arg(name);
        break;
    }
    d->view->clear();
    d->view->setPlaceholderText(tr("Cannot show this picture."));
    d->lblInfo->setText(text);
}

QPixmap ArchivePane::shownPicture() const
{
    return d->view->pixmap();
}
