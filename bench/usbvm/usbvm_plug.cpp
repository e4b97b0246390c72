// Runs in the USB test machine (bench_usbvm boots it): camdesk shows the simulated camera, which is then
// unplugged and plugged in again several times. Each time, the time from the plug to camdesk's first picture
// is set beside the time from the plug to the port's device node appearing, the least any program could
// need; the row gives the medians.
#include "benchrow.h"
#include "mainwindow.h"

#include <devicebase/devicemanager.h>
#include <junction/junction.h>
#include <lensfeed/lensfeed.h>
#include <modalwatcher.h>
#include <panes/livepane.h>
#include <usbgadget.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int Plugs = 5;

bool waitFor(const std::function<bool()>& done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int fail(const char* what)
{
    std::fprintf(stderr, "usbvm_plug: %s\n", what);
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QString why;
    if (!UsbGadget::machineReady(&why))
        return fail(qPrintable(why));
    UsbGadget camera(QStringLiteral("camera"), LensFeed::VendorId, LensFeed::ProductId);
    if (!camera.make())
        return fail(qPrintable(camera.errorString()));
    QProcess sim;
    sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    sim.start(QStringLiteral(KM420_SIM), {QStringLiteral("--quiet"), QStringLiteral("--device"), camera.devicePath()});
    if (!sim.waitForStarted() || !sim.waitForReadyRead(10000))
        return fail("the simulator did not start");
    if (!camera.plug())
        return fail(qPrintable(camera.errorString()));

    // Each unplug ends in the camera library's warning box, which nobody is here to close.
    ModalWatcher watcher;
    int pictures = 0;
    MainWindow window(nullptr);
    window.junction()->setDiskLister([] { return QStringList(); });
    window.show();
    LivePane* pane = nullptr;
    const auto watchPane = [&] {
        auto* now = qobject_cast<LivePane*>(window.findModeWindow(DeviceManager::UsbVideo));
        if (now && now != pane) {
            pane = now;
            QObject::connect(pane, &LivePane::pictureShown, [&pictures] { ++pictures; });
        }
        return pane != nullptr;
    };
    if (!waitFor([&] { return watchPane() && pictures > 0; }, 30000))
        return fail("no picture from the camera");

    std::vector<double> pictureMs, nodeMs;
    for (int i = 0; i < Plugs; ++i) {
        if (!camera.unplug())
            return fail(qPrintable(camera.errorString()));
        const QString waiting = QStringLiteral("Camera unplugged; waiting for it");
        if (!waitFor([&] { return window.statusLabel()->text() == waiting; }, 15000))
            return fail("camdesk did not notice the unplug");
        pictures = 0;
        PlugClock clock(camera);
        if (!camera.plug())
            return fail(qPrintable(camera.errorString()));
        if (!waitFor(
                [&] {
                    watchPane();
                    return pictures > 0;
                },
                30000))
            return fail("no picture after plugging in again");
        pictureMs.push_back(clock.elapsedMs());
        nodeMs.push_back(clock.nodeMs());
        std::fprintf(stderr, "usbvm_plug: plug %d: device node after %.0f ms, first picture after %.0f ms\n", i + 1,
                     nodeMs.back(), pictureMs.back());
    }
    benchRow("camdesk plug to first picture (USB, median)", median(pictureMs), "plug to device node appearing",
             median(nodeMs), "ms", "<= 1.5");
    window.close();
    sim.terminate();
    sim.waitForFinished(5000);
    return 0;
}
