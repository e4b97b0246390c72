#ifndef TTYMONITOR_H
#define TTYMONITOR_H

#include <QObject>

#include <memory>

// Tells when serial ports come or go, from the system's device notices where the build has a way
// to hear them (udev on Linux). isActive() is true while udevd's notices can be relied on; otherwise
// (no udevd, or no way to hear) the owner looks on its own, and the kernel's notices, where they come,
// are passed on as well.
class TtyMonitor : public QObject {
    Q_OBJECT
public:
    explicit TtyMonitor(QObject* parent = nullptr);
    ~TtyMonitor() override;

    bool isActive() const;

signals:
    // `fromUdevd`: udevd has dealt with the device; otherwise the kernel's notice stands in for it.
    void changed(bool fromUdevd);

private:
    class Private;
    std::unique_ptr<Private> d;
};

#endif // TTYMONITOR_H
