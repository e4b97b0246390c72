#ifndef ARCHIVEPANE_H
#define ARCHIVEPANE_H

#include "childpane.h"

#include <QList>
#include <QStringList>

class QUrlInfo;

// Browses the pictures stored on a device's disks and shows one of them.
class PANES_EXPORT ArchivePane : public ChildPane {
    Q_OBJECT
public:
    ArchivePane(DeviceManager::Mode mode, const QString& language, QWidget* parent = nullptr,
                Qt::WindowFlags flags = Qt::WindowFlags());
    ~ArchivePane() override;

    virtual void setFiles(QList<QUrlInfo*> files);
    void setUDisks(QStringList disks);
    void setFile(ImageFile* file) override;

signals:
    // The files the user asked to open (QUrlInfo::name() is the file's full path). The pane owns
    // the list's records until the next emission.
    void updateFiles(QList<QUrlInfo*> files, DeviceManager::Mode mode);

private:
    class Private;
    Private* d;
};

#endif // ARCHIVEPANE_H
