#ifndef LAYOUTCATALOG_H
#define LAYOUTCATALOG_H

#include <layouts/layoutprofile.h>
#include <layouts/layouts_export.h>

#include <QString>
#include <QStringList>
#include <QVector>

#include <array>
#include <cmath>
#include <limits>

// What a frame record says through the first profile that proves it, in °C for temperatures.
struct LAYOUTS_EXPORT LayoutReading {
    enum class State {
        NoLayout,   // no profile proves the record
        Proven,     // the values come from `profile`
        OutOfRange, // `profile` proves the record, but a value cannot be a temperature: none is given
    };
    State state = State::NoLayout;
    QString profile;
    // False for a profile the user picked for the camera: nothing in the frame vouches for it.
    bool verified = false;
    std::array<double, LayoutProfile::FieldCount> values{};

    bool has(LayoutProfile::Field field) const
    {
        return state == State::Proven && !std::isnan(values[static_cast<int>(field)]);
    }
    double value(LayoutProfile::Field field) const
    {
        return has(field) ? values[static_cast<int>(field)] : std::numeric_limits<double>::quiet_NaN();
    }
};

// The profiles camdesk knows: the built-in one, then those in the given folders, later folders replacing
// profiles of the same name. A file that cannot be used is listed with the reason and otherwise ignored.
class LAYOUTS_EXPORT LayoutCatalog {
public:
    struct Rejected {
        QString file;
        QString reason;
    };
    // Temperatures outside these ends are not temperatures of anything a camera sees.
    static constexpr double LowestCelsius = -273.15;
    static constexpr double HighestCelsius = 3000.0;

    // Only the built-in profile.
    LayoutCatalog();
    // The built-in profile, then each folder's *.json files by name.
    explicit LayoutCatalog(const QStringList& folders);

    // camdesk's catalog: the built-in profile, the install's and the user's layouts folders. Made on
    // first use; replace() puts another in its place (a test's), reload() reads the folders again.
    // A reference from shared() lasts until either: use it on the thread that may call them.
    static const LayoutCatalog& shared();
    static void replace(const LayoutCatalog& catalog);
    static void reload();
    // The folders shared() reads when it is made: set before the first use.
    static void setSharedFolders(const QStringList& folders);
    // Where a user keeps profiles (~/.config/camdesk/layouts, beside the program on Windows).
    static QString userFolder();

    void add(const LayoutProfile& profile, const QString& file = QString());
    void loadFolder(const QString& folder);
    const QVector<LayoutProfile>& profiles() const { return m_profiles; }
    // The file each profile came from, empty for the built-in one.
    const QStringList& files() const { return m_files; }
    const QVector<Rejected>& rejected() const { return m_rejected; }

    // The first profile whose proof holds for the record (Km420Frame::Size bytes), or null.
    const LayoutProfile* match(const char* record) const;
    // The record's values through match(), checked: a temperature outside the ends above, one that is not
    // a number, or a maximum below the minimum, and the record gives no values at all.
    // A record no profile proves is read with `picked`, when that names a profile without proof.
    LayoutReading read(const char* record, const QString& picked = QString()) const;
    // The profiles without proof, which are used only for a camera they were picked for.
    QStringList pickable() const;
    static LayoutReading read(const LayoutProfile& profile, const char* record);

    static LayoutProfile builtIn();

private:
    QVector<LayoutProfile> m_profiles;
    QStringList m_files;
    QVector<Rejected> m_rejected;
};

#endif // LAYOUTCATALOG_H
