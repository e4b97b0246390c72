#include "livefixture.h"

namespace {

const char PortVariable[] = "KM420_CAMERA_PORT";

} // namespace

LiveFixture::LiveFixture() = default;

LiveFixture::~LiveFixture()
{
    stop();
}

bool LiveFixture::start(CameraSimulator::Options options)
{
    stop();
    if (!m_dir.isValid()) {
        m_error = m_dir.errorString();
        return false;
    }
    options.linkPath = linkPath();
    m_sim = std::make_unique<CameraSimulator>(options);
    if (!m_sim->start()) {
        m_error = m_sim->errorString();
        m_sim.reset();
        return false;
    }
    m_hadPort = qEnvironmentVariableIsSet(PortVariable);
    m_previousPort = qgetenv(PortVariable);
    qputenv(PortVariable, options.linkPath.toLocal8Bit());
    return true;
}

void LiveFixture::stop()
{
    if (!m_sim)
        return;
    m_sim.reset();
    if (m_hadPort)
        qputenv(PortVariable, m_previousPort);
    else
        qunsetenv(PortVariable);
}

QString LiveFixture::linkPath() const
{
    return m_dir.filePath(QStringLiteral("km420"));
}
