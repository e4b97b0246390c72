#ifndef RECORD_CAMERAFINDER_H
#define RECORD_CAMERAFINDER_H

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class CameraWatch;

// The camera km420-record records from: the port named on the command line, or the serial ports with the
// camera's USB identifiers. Can wait for it to be plugged in, heard through the camera watch camdesk uses.
class CameraFinder : public QObject {
    Q_OBJECT
public:
    // `namedPort` empty: any port with the camera's identifiers.
    explicit CameraFinder(const QString& namedPort, QObject* parent = nullptr);
    ~CameraFinder() override;

    // The camera ports present now, in the system's order.
    QStringList present() const;
    // Starts waiting; found() is emitted with present() once it is not empty (at once when it is not).
    void waitForCamera();
    void stopWaiting();

signals:
    void found(const QStringList& ports);

private:
    void offer();

    QString m_named;
    bool m_waiting = false;
    std::unique_ptr<CameraWatch> m_watch;
};

#endif // RECORD_CAMERAFINDER_H
