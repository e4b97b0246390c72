#ifndef TTYMONITOR_H
#define TTYMONITOR_H

#include <QObject>

#include <memory>

// Tells when serial ports come or go, from the system's device notices where the build has a way
// to hear them (udev on Linux). Without one, isActive() is false and the owner looks on its own.
class TtyMonitor : public QObject {
    Q_OBJECT
public:
    explicit TtyMonitor(QObject* parent = nullptr);
    ~TtyMonitor() override;

    bool isActive() const;

signals:
    void changed();

private:
    class Private;
    std::unique_ptr<Private> d;
};

#endif // TTYMONITOR_H
