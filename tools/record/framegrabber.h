#ifndef RECORD_FRAMEGRABBER_H
#define RECORD_FRAMEGRABBER_H

#include <lensfeed/commandrecordbuilder.h>

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

class QSerialPort;
class SerialStreamCut;
struct Video_ExtInf;

// Pulls frames from a KM420 without the GUI, with LensFeed's command cycle: a reset-frame command
// first and after every bad or missing reply, a get-video-frame command after every good one, at
// least IntervalMs between two commands, each reply cut by the quiet gap. Gives up after
// FailureLimit bad or missing replies in a row, or when the port fails.
class FrameGrabber : public QObject {
    Q_OBJECT
public:
    static constexpr int FailureLimit = 3;
    static constexpr int IntervalMs = 10;

    explicit FrameGrabber(QObject* parent = nullptr);
    ~FrameGrabber() override;

    // Opens the port at 115200 8N1; no command is sent before start(). False with errorString().
    bool open(const QString& portName);
    void start();
    void close();
    bool isOpen() const;
    QString portName() const;
    QString errorString() const;

signals:
    // One reply that passed the frame check, Km420Frame::Size bytes exactly as received.
    void frameReceived(const QByteArray& record);
    // The camera is given up on; the grabber has closed the port.
    void failed(const QString& why);

private:
    void sendCommand();
    void scheduleCommand();
    void collectPortBytes();
    void completeReply();
    void fail(const QString& why);

    std::unique_ptr<QSerialPort> m_port;
    std::unique_ptr<SerialStreamCut> m_cut;
    std::unique_ptr<Video_ExtInf> m_frame;
    CommandRecordBuilder m_command;
    QTimer m_sendTimer;
    QElapsedTimer m_sinceCommand;
    uchar m_nextCode = CommandRecordBuilder::ResetFrame;
    int m_failures = 0;
    quint64 m_session = 0; // counts opens and closes, so a queued failure of an old session is dropped
    QString m_error;
};

#endif // RECORD_FRAMEGRABBER_H
