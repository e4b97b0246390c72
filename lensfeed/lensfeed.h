#ifndef LENSFEED_H
#define LENSFEED_H

#include <lensfeed/lensfeed_export.h>

#include <devicebase/devicemanager.h>
#include <devicebase/streamsource.h>

#include <QList>
#include <QPixmap>
#include <QStringList>

#include <memory>

class Command;
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

    static constexpr quint16 VendorId = 0x0483;
    static constexpr quint16 ProductId = 0x5740;

signals:
    void imageRead(const QPixmap& pixmap);
    void updateExtendParam(char* param);

private slots:
    void readyRead(char* data, int l);
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

    class Private;
    std::unique_ptr<Private> d;
};

#endif // LENSFEED_H
