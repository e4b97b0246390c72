#ifndef USBGADGET_H
#define USBGADGET_H

#include <QElapsedTimer>
#include <QString>

#include <atomic>
#include <thread>

// A USB device of the test machine (tools/usbvm): a configfs gadget with one ACM function and the given
// identifiers. Plugged in, the kernel's cdc_acm makes its port on this side (hostPort(), /dev/ttyACM*);
// devicePath() (/dev/ttyGS*) is the device's own end of the cable. Made and removed with the machine's
// gadget.sh, so a test and a person at the machine's shell do the same.
class UsbGadget {
public:
    UsbGadget(const QString& name, quint16 vid, quint16 pid);
    ~UsbGadget(); // removes the gadget
    UsbGadget(const UsbGadget&) = delete;
    UsbGadget& operator=(const UsbGadget&) = delete;

    // Whether this is the test machine: gadgets can be made, and the controllers are there.
    static bool machineReady(QString* why);

    bool make();
    bool plug();
    bool unplug();
    QString devicePath() const { return m_device; }
    // The port's name as the system lists it (ttyACM1), found through sysfs by the gadget's serial number;
    // empty while unplugged.
    QString hostPort() const;
    QString errorString() const { return m_error; }

private:
    bool run(const QStringList& arguments, QString* output = nullptr);

    QString m_name;
    quint16 m_vid;
    quint16 m_pid;
    QString m_device;
    QString m_error;
    bool m_made = false;
};

// Times a plug: started just before UsbGadget::plug(), it notes when the gadget's port node appears, from a
// thread of its own, so a test can set that beside when the first picture came.
class PlugClock {
public:
    explicit PlugClock(const UsbGadget& gadget, int timeoutMs = 20000);
    ~PlugClock();
    PlugClock(const PlugClock&) = delete;
    PlugClock& operator=(const PlugClock&) = delete;

    qint64 elapsedMs() const { return m_clock.elapsed(); }
    // When the node was first seen; -1 until then.
    qint64 nodeMs() const { return m_nodeMs.load(); }

private:
    QElapsedTimer m_clock;
    std::atomic<qint64> m_nodeMs{-1};
    std::atomic<bool> m_stop{false};
    std::thread m_watch;
};

#endif // USBGADGET_H
