#include "usbgadget.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

#include <chrono>

namespace {

const char GadgetRoot[] = "/sys/kernel/config/usb_gadget";

QByteArray readLine(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readLine().trimmed() : QByteArray();
}

} // namespace

UsbGadget::UsbGadget(const QString& name, quint16 vid, quint16 pid) : m_name(name), m_vid(vid), m_pid(pid) {}

UsbGadget::~UsbGadget()
{
    if (m_made)
        run({QStringLiteral("remove"), m_name});
}

bool UsbGadget::machineReady(QString* why)
{
    if (!QFileInfo(QString::fromLatin1(GadgetRoot)).isDir()) {
        *why = QStringLiteral("no %1: this runs in the test machine (tools/usbvm/usbvm.sh)").arg(GadgetRoot);
        return false;
    }
    if (QDir(QStringLiteral("/sys/class/udc")).isEmpty()) {
        *why = QStringLiteral("no USB device controller in /sys/class/udc");
        return false;
    }
    return true;
}

bool UsbGadget::make()
{
    QString output;
    if (!run({QStringLiteral("make"), m_name, QStringLiteral("0x%1").arg(m_vid, 4, 16, QLatin1Char('0')),
              QStringLiteral("0x%1").arg(m_pid, 4, 16, QLatin1Char('0'))},
             &output))
        return false;
    m_made = true;
    m_device = output.trimmed();
    if (!QFileInfo::exists(m_device)) {
        m_error = QStringLiteral("gadget.sh made no %1").arg(m_device);
        return false;
    }
    return true;
}

bool UsbGadget::plug()
{
    return run({QStringLiteral("plug"), m_name});
}

bool UsbGadget::unplug()
{
    return run({QStringLiteral("unplug"), m_name});
}

QString UsbGadget::hostPort() const
{
    const QByteArray serial = (m_name + QStringLiteral("-0001")).toLatin1();
    const QDir ttys(QStringLiteral("/sys/class/tty"));
    for (const QString& name : ttys.entryList({QStringLiteral("ttyACM*")}, QDir::AllEntries | QDir::System)) {
        if (readLine(ttys.filePath(name + QStringLiteral("/device/../serial"))) == serial)
            return name;
    }
    return QString();
}

bool UsbGadget::run(const QStringList& arguments, QString* output)
{
    // The caller's events go on meanwhile: plugging in takes about half a second, in which a program under
    // test must be free to hear what the system tells it.
    QProcess process;
    QEventLoop loop;
    QObject::connect(&process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    process.start(QStringLiteral(USBVM_GADGET_SCRIPT), arguments);
    loop.exec();
    const bool finished = process.state() == QProcess::NotRunning && process.error() == QProcess::UnknownError;
    if (!finished || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        m_error = QStringLiteral("gadget.sh %1: %2")
                      .arg(arguments.join(QLatin1Char(' ')), QString::fromLocal8Bit(process.readAllStandardError()));
        return false;
    }
    if (output)
        *output = QString::fromLocal8Bit(process.readAllStandardOutput());
    return true;
}

PlugClock::PlugClock(const UsbGadget& gadget, int timeoutMs)
{
    m_clock.start();
    m_watch = std::thread([this, &gadget, timeoutMs] {
        while (!m_stop.load() && m_clock.elapsed() < timeoutMs) {
            const QString port = gadget.hostPort();
            if (!port.isEmpty() && QFileInfo::exists(QStringLiteral("/dev/") + port)) {
                m_nodeMs = m_clock.elapsed();
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    });
}

PlugClock::~PlugClock()
{
    m_stop = true;
    m_watch.join();
}
