#include "junctionlog.h"
#include "ttymonitor.h"

#include <QSocketNotifier>

#include <libudev.h>

class TtyMonitor::Private {
public:
    ~Private()
    {
        notifier.reset();
        if (monitor)
            udev_monitor_unref(monitor);
        if (context)
            udev_unref(context);
    }

    struct udev* context = nullptr;
    udev_monitor* monitor = nullptr;
    std::unique_ptr<QSocketNotifier> notifier;
};

TtyMonitor::TtyMonitor(QObject* parent) : QObject(parent), d(std::make_unique<Private>())
{
    d->context = udev_new();
    if (d->context)
        d->monitor = udev_monitor_new_from_netlink(d->context, "udev");
    // In a container without udev, or without the netlink socket, there are no notices to hear.
    if (!d->monitor || udev_monitor_filter_add_match_subsystem_devtype(d->monitor, "tty", nullptr) < 0 ||
        udev_monitor_enable_receiving(d->monitor) < 0) {
        qCInfo(lcJunction) << "no udev notices of serial ports; looking every second instead";
        if (d->monitor)
            udev_monitor_unref(d->monitor);
        d->monitor = nullptr;
        return;
    }
    d->notifier = std::make_unique<QSocketNotifier>(udev_monitor_get_fd(d->monitor), QSocketNotifier::Read);
    connect(d->notifier.get(), &QSocketNotifier::activated, this, [this] {
        // Each notice is read, or the socket stays readable and the loop spins.
        while (udev_device* device = udev_monitor_receive_device(d->monitor)) {
            qCDebug(lcJunction) << "udev:" << udev_device_get_action(device) << udev_device_get_devnode(device);
            udev_device_unref(device);
        }
        emit changed();
    });
}

TtyMonitor::~TtyMonitor() = default;

bool TtyMonitor::isActive() const
{
    return d->monitor != nullptr;
}
