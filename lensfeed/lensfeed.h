#ifndef LENSFEED_H
#define LENSFEED_H

#include "commandrecordbuilder.h"
#include "lensfeed_export.h"
#include "videoextinf.h"

#include <devicemanager.h>
#include <reentry.h>
#include <streamsource.h>

#include <QList>
#include <QPixmap>
#include <QStringList>

#include <functional>
#include <memory>

class Command;
class Commander;
class QSerialPort;
class SerialStreamCut;

// The KM420 camera in its USB video mode: a serial port that answers each 55-byte command
// with one 14,935-byte frame. Opens the port, keeps the command cycle going and emits every
// decoded picture after its extended information. Lives on the thread that created it.
class LENSFEED_EXPORT LensFeed : public StreamSource {
    Q_OBJECT
public:
    explicit LensFeed(QObject* parent = nullptr);
    ~LensFeed() override;

    // Appends the names of the ports with the camera's USB identifiers; returns the list's size.
    int enumerate(QStringList& list);
    // Opens the named port at 115200 8N1 and starts the command cycle.
    bool open(const QString& name);
    // Finds the camera's ports, lets the user choose when there are several, opens.
    bool open() override;
    void close() override;

    QString portName() const;
    // Sends new camera parameters: int16 at offsets 6 and 8, uint8 at offset 10 of param.
    void pullImage(DeviceManager::Mode mode, char* param);
    // The current palette: 256 RGB565 entries, null before the first frame.
    ushort* getVideoPlat() const;
    void setVideoPlat(ushort* plat);

    static constexpr quint16 VendorId = 0x0483;
    static constexpr quint16 ProductId = 0x5740;

    // One serial port as the system lists it; -1 where the port has no USB identifier.
    struct PortEntry {
        QString portName;
        int vendorId = -1;
        int productId = -1;
    };
    using PortLister = std::function<QList<PortEntry>()>;
    // Replaces the system's port list for every LensFeed (a pty has no USB identifiers, so tests
    // offer theirs here); an empty function restores the system's list.
    static void setPortLister(PortLister lister);

    // Failed replies in a row; for tests and diagnostics.
    int consecutiveFailures() const { return failureCount; }

signals:
    void imageRead(const QPixmap& pixmap);
    void updateExtendParam(char* param);

private slots:
    void readyRead(char* d, int l);
    void slotCommandPoolThreadNextCommand(Command* command);

private:
    void cmdGetVideoFrame();
    void cmdResetFrame();
    void cmdSetParam(double first, double second, double third);
    Command* getCmdContent(uchar code, bool flag, int param);
    void decodeVideFrame(Video_ExtInf* frame);
    double Get_Y(double x, double y1, double y2, double x1, double x2);
    void waitMs(int ms);
    void collectPortBytes();
    void completeFrame();
    void closeOnFailure();

    QString m_portName; // named apart from portName(), which returns it
    QPixmap pixmap;
    std::unique_ptr<Commander> commander;
    CommandRecordBuilder commandRecord;
    Video_ExtInf frameBuffer;
    ushort* videoPlat = nullptr;
    int failureCount = 0;
    std::unique_ptr<QSerialPort> serialPort;
    std::unique_ptr<SerialStreamCut> streamCut;

    // Counts opens and closes, so a handler that ran a nested event loop can tell that the device
    // was closed (or closed and reopened) under it.
    Reentry::Sessions sessions;
    quint64 failedSession = 0; // the session whose port reported that the device is gone
    Reentry::Section closing;
    Reentry::Section warning; // the failure box is up
};

#endif // LENSFEED_H
