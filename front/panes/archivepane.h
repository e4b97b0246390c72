#ifndef ARCHIVEPANE_H
#define ARCHIVEPANE_H

#include "childpane.h"

#include <devicebase/imagefile.h>

#include <QList>
#include <QPixmap>
#include <QStringList>

class QListWidgetItem;
class QUrlInfo;

// Browses the pictures stored on a device's disks and shows one of them.
class PANES_EXPORT ArchivePane : public ChildPane {
    Q_OBJECT
public:
    ArchivePane(DeviceManager::Mode mode, const QString& language, QWidget* parent = nullptr,
                Qt::WindowFlags flags = Qt::WindowFlags());
    ~ArchivePane() override;

    void initWidget() override;
    void initConnection() override;
    void initAction() override;

    virtual void setFiles(QList<QUrlInfo*> files);
    void setUDisks(QStringList disks);
    void setFile(ImageFile* file) override;

    // Why no picture came for a file the pane asked for.
    // The file asked for cannot be shown: says why in place of the picture.
    void setFileRefused(const QString& path, ImageFile::Refusal why);

    // The picture opened last; null when none is shown.
    QPixmap shownPicture() const;

signals:
    // The files the user asked to open (QUrlInfo::name() is the file's full path). The pane owns
    // the list's records until the next emission.
    void updateFiles(QList<QUrlInfo*> files, DeviceManager::Mode mode);

private:
    void rescan();
    void scanSlice();
    void requestFile(QListWidgetItem* item);

    class Private;
    Private* d;
};

#endif // ARCHIVEPANE_H
