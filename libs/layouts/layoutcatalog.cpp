#include "layoutcatalog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QStandardPaths>

#include <memory>

namespace {

QMutex sharedMutex;
std::unique_ptr<LayoutCatalog> sharedCatalog;
QStringList sharedFolders;
bool sharedFoldersSet = false;

constexpr qint64 LargestProfile = 1 << 20;

} // namespace

LayoutCatalog::LayoutCatalog()
{
    add(builtIn());
}

LayoutCatalog::LayoutCatalog(const QStringList& folders) : LayoutCatalog()
{
    for (const QString& folder : folders)
        loadFolder(folder);
}

LayoutProfile LayoutCatalog::builtIn()
{
    QFile file(QStringLiteral(":/layouts/builtin.json"));
    QString why;
    std::optional<LayoutProfile> profile;
    if (file.open(QIODevice::ReadOnly))
        profile = LayoutProfile::parse(file.readAll(), &why);
    // The file is part of this library; a fault in it is a fault of the build.
    Q_ASSERT_X(profile, "LayoutCatalog::builtIn", qPrintable(why));
    return profile.value_or(LayoutProfile());
}

const LayoutCatalog& LayoutCatalog::shared()
{
    const QMutexLocker lock(&sharedMutex);
    if (!sharedCatalog) {
        const QStringList folders = sharedFoldersSet ? sharedFolders : QStringList{userFolder()};
        sharedCatalog = std::make_unique<LayoutCatalog>(folders);
    }
    return *sharedCatalog;
}

void LayoutCatalog::replace(const LayoutCatalog& catalog)
{
    const QMutexLocker lock(&sharedMutex);
    sharedCatalog = std::make_unique<LayoutCatalog>(catalog);
}

void LayoutCatalog::reload()
{
    const QMutexLocker lock(&sharedMutex);
    sharedCatalog.reset();
}

void LayoutCatalog::setSharedFolders(const QStringList& folders)
{
    const QMutexLocker lock(&sharedMutex);
    sharedFolders = folders;
    sharedFoldersSet = true;
    sharedCatalog.reset();
}

QString LayoutCatalog::userFolder()
{
#ifdef Q_OS_WIN
    // The program keeps its settings beside itself on Windows.
    return QCoreApplication::applicationDirPath() + QStringLiteral("/layouts");
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/camdesk/layouts");
#endif
}

void LayoutCatalog::add(const LayoutProfile& profile, const QString& file)
{
    for (int i = 0; i < m_profiles.size(); ++i) {
        if (m_profiles[i].name() == profile.name()) {
            m_profiles[i] = profile;
            m_files[i] = file;
            return;
        }
    }
    m_profiles.append(profile);
    m_files.append(file);
}

void LayoutCatalog::loadFolder(const QString& folder)
{
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("*.json")}, QDir::Files | QDir::Readable, QDir::Name)) {
        const QString path = dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            m_rejected.append({path, file.errorString()});
            continue;
        }
        if (file.size() > LargestProfile) {
            m_rejected.append({path, QStringLiteral("larger than a profile can be (1 MB)")});
            continue;
        }
        QString why;
        const std::optional<LayoutProfile> profile = LayoutProfile::parse(file.readAll(), &why);
        if (profile)
            add(*profile, path);
        else
            m_rejected.append({path, why});
    }
}

const LayoutProfile* LayoutCatalog::match(const char* record) const
{
    for (const LayoutProfile& profile : m_profiles) {
        if (profile.proves(record))
            return &profile;
    }
    return nullptr;
}

LayoutReading LayoutCatalog::read(const char* record, const QString& picked) const
{
    if (const LayoutProfile* profile = match(record)) {
        LayoutReading r = read(*profile, record);
        r.verified = true;
        return r;
    }
    if (picked.isEmpty() || !record)
        return LayoutReading();
    for (const LayoutProfile& profile : m_profiles) {
        if (!profile.hasProof() && profile.name() == picked)
            return read(profile, record);
    }
    return LayoutReading();
}

QStringList LayoutCatalog::pickable() const
{
    QStringList names;
    for (const LayoutProfile& profile : m_profiles) {
        if (!profile.hasProof())
            names << profile.name();
    }
    return names;
}

LayoutReading LayoutCatalog::read(const LayoutProfile& profile, const char* record)
{
    using Field = LayoutProfile::Field;
    LayoutReading r;
    r.profile = profile.name();
    r.state = LayoutReading::State::Proven;
    for (int i = 0; i < LayoutProfile::FieldCount; ++i) {
        const Field field = Field(i);
        r.values[i] = profile.value(field, record);
        if (!profile.has(field))
            continue;
        const double v = r.values[i];
        const bool bad =
            LayoutProfile::isTemperature(field) ? !(v >= LowestCelsius && v <= HighestCelsius) : !std::isfinite(v);
        if (bad)
            r.state = LayoutReading::State::OutOfRange;
    }
    if (profile.has(Field::Max) && profile.has(Field::Min) && r.values[int(Field::Max)] < r.values[int(Field::Min)])
        r.state = LayoutReading::State::OutOfRange;
    if (r.state == LayoutReading::State::OutOfRange)
        r.values.fill(std::numeric_limits<double>::quiet_NaN());
    return r;
}
