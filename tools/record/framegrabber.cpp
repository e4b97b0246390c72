#include "framegrabber.h"

#include <frames/framecheck.h>
#include <frames/videoextinf.h>
#include <lensfeed/serialstreamcut.h>

#include <QLoggingCategory>
#include <QSerialPort>

#include <algorithm>

Q_LOGGING_CATEGORY(lcGrabber, "record.grabber")

FrameGrabber::FrameGrabber(QObject* parent)
    : QObject(parent), m_port(std::make_unique<QSerialPort>()), m_cut(std::make_unique<SerialStreamCut>()),
      m_frame(std::make_unique<Video_ExtInf>())
{
    m_sendTimer.setSingleShot(true);
    m_sendTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_sendTimer, &QTimer::timeout, this, &FrameGrabber::sendCommand);
    connect(m_port.get(), &QSerialPort::readyRead, this, &FrameGrabber::collectPortBytes);
    connect(m_cut.get(), &SerialStreamCut::timeout, this, &FrameGrabber::completeReply);
    // A hang-up or unplug may be reported again and again until the port is closed; closing inside
    // the port's own handler would pull it out from under code that still uses it.
    connect(m_port.get(), &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError error) {
        if (error != QSerialPort::ResourceError && error != QSerialPort::ReadError && error != QSerialPort::WriteError)
            return;
        const QString why = QStringLiteral("the camera went away: the port failed (%1)").arg(m_port->errorString());
        QMetaObject::invokeMethod(
            this,
            [this, why, session = m_session] {
                if (session == m_session && isOpen())
                    fail(why);
            },
            Qt::QueuedConnection);
    });
}

FrameGrabber::~FrameGrabber()
{
    close();
    m_cut->disconnect(this);
    m_port->disconnect(this);
}

bool FrameGrabber::open(const QString& portName)
{
    close();
    m_port->setPortName(portName);
    m_port->setBaudRate(QSerialPort::Baud115200);
    m_port->setDataBits(QSerialPort::Data8);
    m_port->setParity(QSerialPort::NoParity);
    m_port->setStopBits(QSerialPort::OneStop);
    m_port->setFlowControl(QSerialPort::NoFlowControl);
    if (!m_port->open(QIODevice::ReadWrite)) {
        m_error = m_port->errorString();
        return false;
    }
    ++m_session;
    m_error.clear();
    m_failures = 0;
    m_nextCode = CommandRecordBuilder::ResetFrame;
    return true;
}

void FrameGrabber::start()
{
    if (isOpen() && !m_sendTimer.isActive() && m_cut->state() == SerialStreamCut::Idle)
        sendCommand();
}

void FrameGrabber::close()
{
    if (!m_port->isOpen())
        return;
    ++m_session;
    m_sendTimer.stop();
    m_cut->stop();
    m_port->close();
}

bool FrameGrabber::isOpen() const
{
    return m_port->isOpen();
}

QString FrameGrabber::portName() const
{
    return m_port->portName();
}

QString FrameGrabber::errorString() const
{
    return m_error;
}

void FrameGrabber::sendCommand()
{
    if (!isOpen())
        return;
    const QByteArray command = m_command.build(m_nextCode);
    m_sinceCommand.start();
    if (m_port->write(command) != command.size()) {
        fail(QStringLiteral("the camera went away: cannot write to the port (%1)").arg(m_port->errorString()));
        return;
    }
    m_cut->arm();
}

void FrameGrabber::scheduleCommand()
{
    const qint64 wait = m_sinceCommand.isValid() ? IntervalMs - m_sinceCommand.elapsed() : 0;
    m_sendTimer.start(int(std::max<qint64>(0, wait)));
}

void FrameGrabber::collectPortBytes()
{
    if (m_port->bytesAvailable() > 0)
        m_cut->collect(m_port->readAll());
}

void FrameGrabber::completeReply()
{
    bool ok = false;
    if (m_cut->state() == SerialStreamCut::Waiting) {
        qCDebug(lcGrabber) << "no reply";
    } else {
        const FrameCheck::Result result = FrameCheck::check(m_cut->buffer(), m_frame.get());
        ok = result == FrameCheck::FrameOk;
        if (!ok)
            qCDebug(lcGrabber) << (result == FrameCheck::FrameSizeWrong ? "reply of wrong size"
                                                                        : "reply with bad markers")
                               << m_cut->buffer().size();
    }
    m_cut->stop();
    if (ok) {
        m_failures = 0;
        m_nextCode = CommandRecordBuilder::GetVideoFrame;
        const quint64 session = m_session;
        emit frameReceived(m_cut->buffer());
        // A receiver may have closed (or reopened) the grabber.
        if (session != m_session)
            return;
    } else {
        m_nextCode = CommandRecordBuilder::ResetFrame;
        if (++m_failures >= FailureLimit) {
            fail(
                QStringLiteral("the camera stopped answering: %1 replies missing or damaged in a row").arg(m_failures));
            return;
        }
    }
    scheduleCommand();
}

void FrameGrabber::fail(const QString& why)
{
    qCWarning(lcGrabber).noquote() << "giving up on" << portName() << why;
    m_error = why;
    close();
    emit failed(why);
}
