#include "serialportslog.h"
#include "ttymonitor.h"

#include <QSocketNotifier>
#include <QTimer>

#include <libudev.h>

#include <algorithm>

namespace {

// udevd answers the kernel's notice of a device with its own within this time when it runs; a loaded
// system that answers later only costs a listing.
constexpr int UdevdAnswerMs = 2000;

struct Source {
    udev_monitor* monitor = nullptr;
    std::unique_ptr<QSocketNotifier> notifier;

    ~Source()
    {
        notifier.reset();
        if (monitor)
            udev_monitor_unref(monitor);
    }
    bool open(struct udev* context, const char* name)
    {
        monitor = udev_monitor_new_from_netlink(context, name);
        if (monitor && udev_monitor_filter_add_match_subsystem_devtype(monitor, "tty", nullptr) >= 0 &&
            udev_monitor_enable_receiving(monitor) >= 0) {
            notifier = std::make_unique<QSocketNotifier>(udev_monitor_get_fd(monitor), QSocketNotifier::Read);
            return true;
        }
        if (monitor)
            udev_monitor_unref(monitor);
        monitor = nullptr;
        return false;
    }
    // Each notice is read, or the socket stays readable and the loop spins. Returns the highest of their
    // sequence numbers (the kernel's, which udevd's notices carry on), 0 for none.
    unsigned long long drain(const char* name)
    {
        unsigned long long last = 0;
        while (udev_device* device = udev_monitor_receive_device(monitor)) {
            qCDebug(lcPortWatch) << name << udev_device_get_action(device) << udev_device_get_devnode(device);
            last = std::max(last, std::max(1ULL, udev_device_get_seqnum(device)));
            udev_device_unref(device);
        }
        return last;
    }
};

} // namespace

// Two sources: udevd's notices, sent once it has dealt with a device (its rules applied, its record
// written), and the kernel's own, sent whether or not udevd runs. A kernel notice that udevd does not
// follow up shows that udevd is not there (stopped, or never run, as in containers and minimal systems),
// even where its control socket was left behind; the kernel's notices then stand in for its own.
class TtyMonitor::Private {
public:
    ~Private()
    {
        udevd.reset();
        kernel.reset();
        if (context)
            udev_unref(context);
    }

    struct udev* context = nullptr;
    std::unique_ptr<Source> udevd;
    std::unique_ptr<Source> kernel;
    QTimer answer;
    // The two sockets are read in either order: udevd's notice of an event may be read before the
    // kernel's, so they are paired by sequence number, not by arrival.
    unsigned long long answered = 0; // the last event udevd told of
    unsigned long long awaited = 0;  // the last event the kernel told of
    bool udevdSilent = false;
};

TtyMonitor::TtyMonitor(QObject* parent) : QObject(parent), d(std::make_unique<Private>())
{
    d->context = udev_new();
    d->udevd = std::make_unique<Source>();
    d->kernel = std::make_unique<Source>();
    if (!d->context || !d->udevd->open(d->context, "udev")) {
        qCInfo(lcPortWatch) << "no udev notices of serial ports; looking every second instead";
        d->udevd.reset();
        return;
    }
    if (!d->kernel->open(d->context, "kernel"))
        d->kernel.reset();
    d->answer.setSingleShot(true);
    d->answer.setInterval(UdevdAnswerMs);
    connect(&d->answer, &QTimer::timeout, this, [this] {
        if (d->answered >= d->awaited)
            return;
        if (!d->udevdSilent)
            qCInfo(lcPortWatch) << "udevd does not answer the kernel's notices; hearing the kernel's instead";
        d->udevdSilent = true;
        emit changed(false);
    });
    connect(d->udevd->notifier.get(), &QSocketNotifier::activated, this, [this] {
        const unsigned long long last = d->udevd->drain("udev:");
        if (last == 0)
            return;
        d->answered = std::max(d->answered, last);
        if (d->answered >= d->awaited)
            d->answer.stop();
        d->udevdSilent = false;
        emit changed(true);
    });
    if (d->kernel) {
        connect(d->kernel->notifier.get(), &QSocketNotifier::activated, this, [this] {
            const unsigned long long last = d->kernel->drain("kernel:");
            if (last <= d->answered)
                return;
            d->awaited = std::max(d->awaited, last);
            if (d->udevdSilent)
                emit changed(false);
            else if (!d->answer.isActive())
                d->answer.start();
        });
    }
}

TtyMonitor::~TtyMonitor() = default;

bool TtyMonitor::isActive() const
{
    if (!d->udevd || d->udevdSilent)
        return false;
    // Without its control socket udevd has never run here.
    udev_queue* queue = udev_queue_new(d->context);
    const bool running = queue && udev_queue_get_udev_is_active(queue);
    udev_queue_unref(queue);
    return running;
}
