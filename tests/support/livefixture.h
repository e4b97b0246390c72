#ifndef LIVEFIXTURE_H
#define LIVEFIXTURE_H

#include <camsim/camerasimulator.h>

#include <QString>
#include <QTemporaryDir>

#include <memory>

// The simulated camera where camdesk looks for it: a CameraSimulator kept on a link path that stays the same
// across its restarts, named by KM420_CAMERA_PORT while the fixture runs. Fixtures nest: stopping one puts
// back the variable as it found it.
class LiveFixture {
public:
    LiveFixture();
    ~LiveFixture();
    LiveFixture(const LiveFixture&) = delete;
    LiveFixture& operator=(const LiveFixture&) = delete;

    // Starts a simulator with `options`, its link path replaced by the fixture's. False, with
    // errorString(), when the link's folder or the simulator could not be made.
    bool start(CameraSimulator::Options options = {});
    // Stops the simulator and puts KM420_CAMERA_PORT back as start() found it.
    void stop();

    // Null before start() and after stop().
    CameraSimulator* sim() const { return m_sim.get(); }
    QString linkPath() const;
    QString errorString() const { return m_error; }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<CameraSimulator> m_sim;
    QString m_error;
    QByteArray m_previousPort;
    bool m_hadPort = false;
};

#endif // LIVEFIXTURE_H
