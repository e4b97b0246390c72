#ifndef JUNCTION_H
#define JUNCTION_H

#include <junction/junction_export.h>

#include <devicebase/devicemanager.h>
#include <devicebase/endpoint.h>
#include <devicebase/imagefile.h>

#include <QList>
#include <QPixmap>
#include <QStringList>

#include <functional>

class QUrlInfo;

// Opens and closes the device modes and relays their pictures, files and parameters.
//
// Mode 8 (USB video) is the KM420 camera over its serial port. Mode 4 (USB file) is the camera in
// its flash-disk mode: open while at least one removable volume is mounted. Modes 1 and 2 (Wi-Fi)
// have no hardware yet: open() returns false for them.
//
// From the first tryOpen() on, while mode 8 is closed, the camera is watched for and opened when it
// appears. A camera closed by close() stays closed until it is unplugged and comes back, or until
// tryOpen() is called; one that closed by itself is opened again when it comes back.
//
// Signals are emitted on the thread that owns the Junction.
class JUNCTION_EXPORT Junction : public Endpoint {
    Q_OBJECT
public:
    // Bits of the value given to tryOpen(): which kinds of device to look for.
    enum TryKind {
        TryVideo = 2, // cameras in video mode
        TryFile = 4,  // cameras in flash-disk mode
    };

    explicit Junction(QObject* parent = nullptr);
    ~Junction() override;

    // Tries to open every mode of the kinds in 'kinds' (TryKind bits; 6 tries both).
    // True when at least one mode is opening; each opened mode is reported through opened().
    bool tryOpen(int kinds);
    bool open(DeviceManager::Mode mode);
    void close(DeviceManager::Mode mode);
    bool modeIsActived(DeviceManager::Mode mode) const;
    // Closed by the device rather than by the user (a camera unplugged or silent): it is opened
    // again when it comes back, and a window kept for it may stay. close() ends the wait.
    bool modeIsAwaited(DeviceManager::Mode mode) const;
    // Whether the port the camera was last open on is there now.
    bool cameraPortPresent() const;
    // The port the camera was last open on; empty before the first time.
    QString cameraPort() const;

    // From a live pane: new camera parameters for the mode's device.
    void pullImage(const QObject* info, DeviceManager::Mode mode, char* d);
    // From an archive pane: files to read; each is reported through imageReadFile().
    void setFiles(QList<QUrlInfo*> files, DeviceManager::Mode mode);
    // The palette of the camera's last picture (256 RGB565 entries), null before the first one.
    ushort* getVideoPlat() const;

    // Endpoint: open() tries every kind; close() closes every mode.
    bool open() override;
    void close() override;

    // Where removable disks are looked for; replaced by tests. Returns the disks' root folders.
    using DiskLister = std::function<QStringList()>;
    void setDiskLister(DiskLister lister);
    static QStringList systemRemovableDisks();
    // Looks for disks now rather than at the next tick of the watch.
    void refreshDisks();
    // Looks for cameras and disks now: the system reported a device come or go.
    void refreshDevices();
    // The disks as last listed; already up to date when opened() and disksFresh() are emitted.
    QStringList currentDisks() const;

    // Larger files are not read by setFiles().
    static constexpr qint64 MaxPictureSize = 64 * 1024 * 1024;

signals:
    void opened(DeviceManager::Mode mode);
    void closed(DeviceManager::Mode mode);
    void imageReadFile(const ImageFile* file, DeviceManager::Mode mode);
    // A file asked for through setFiles() that was not read, and why.
    void fileRefused(const QString& path, ImageFile::Refusal why, DeviceManager::Mode mode);
    void imageReadVideo(const QPixmap& pixmap, DeviceManager::Mode mode);
    void disksFresh(const QStringList& disks);
    void updateExtendParam(char* param);
    // The camera was opened because it appeared (plugged in, or back after a failure).
    void cameraFound(const QString& port);

private:
    class Private;
    Private* d;
};

#endif // JUNCTION_H
