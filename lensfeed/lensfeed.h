#ifndef LENSFEED_H
#define LENSFEED_H

#include "lensfeed_export.h"

#include <devicemanager.h>
#include <streamsource.h>

#include <QPixmap>
#include <QStringList>

class Command;
class Commander;
class QSerialPort;
class SerialStreamCut;
struct Video_ExtInf;

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

signals:
    void imageRead(const QPixmap& pixmap);
    void updateExtendParam(char* param);

private slots:
    void readyRead(char* d, int l);
    void slotCommandPoolThreadNextCommand(Command* command);

private:
    // Fields and private operations are the implementation's; see lensfeed.cpp.
};

#endif // LENSFEED_H
