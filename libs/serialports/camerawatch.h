#ifndef CAMERAWATCH_H
#define CAMERAWATCH_H

#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>

class TtyMonitor;

// Watches for the camera's serial ports: those the lister finds by USB identifiers, and a port
// named by path (KM420_CAMERA_PORT). A port counts as new when it was not there at the last look,
// or when its path now leads to another device (a link re-made on replug). Looks when the system
// reports a serial port come or go, and once a second for what it cannot report (all of it where
// udevd does not run).
class CameraWatch : public QObject {
    Q_OBJECT
public:
    using Lister = std::function<QStringList()>;

    // `lister` gives the ports with the camera's USB identifiers; `namedPort` the path of a port
    // asked for by name, or empty. Both are asked afresh at each look.
    CameraWatch(Lister lister, std::function<QString()> namedPort, QObject* parent = nullptr);
    ~CameraWatch() override;

    void start(int intervalMs = 1000);
    void stop();
    // Looks now. The first look after start() only learns what is there.
    void check();
    // Whether a port is there now; a look of its own, which reports nothing.
    bool isThere(const QString& port) const;

signals:
    void appeared(const QString& port);
    void gone(const QString& port);

private:
    // `reason` names what made the look, for the log.
    void look(const char* reason);

    class Private;
    std::unique_ptr<Private> d;
};

#endif // CAMERAWATCH_H
