#include "fontpicker.h"

#include "manualsource.h"

#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QProcess>
#include <QRawFont>
#include <QSet>
#include <QStringList>
#include <QVector>

namespace {

bool looksLikeFile(const QString& name)
{
    return name.contains(QLatin1Char('/')) || name.endsWith(QLatin1String(".ttf"), Qt::CaseInsensitive) ||
           name.endsWith(QLatin1String(".ttc"), Qt::CaseInsensitive) ||
           name.endsWith(QLatin1String(".otf"), Qt::CaseInsensitive);
}

QString loadFontFile(const QString& path)
{
    const int id = QFontDatabase::addApplicationFont(path);
    if (id < 0)
        return QString();
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? QString() : families.first();
}

bool installed(const QString& family)
{
    return QFontDatabase().families().contains(family, Qt::CaseInsensitive);
}

// The font files fontconfig knows for a family, for when Qt's own database does not list it
// (a platform plugin without fontconfig, or a family only reachable by file).
QStringList fontconfigFiles(const QString& family)
{
    QProcess fcList;
    fcList.start(QStringLiteral("fc-list"), {family, QStringLiteral("file")});
    if (!fcList.waitForFinished(5000))
        return {};
    QStringList files;
    const QStringList lines = QString::fromLocal8Bit(fcList.readAllStandardOutput()).split(QLatin1Char('\n'));
    for (QString line : lines) {
        line = line.trimmed();
        if (line.endsWith(QLatin1Char(':')))
            line.chop(1);
        if (!line.isEmpty())
            files << line;
    }
    return files;
}

QString resolveFamily(const QString& name)
{
    if (looksLikeFile(name))
        return QFileInfo::exists(name) ? loadFontFile(name) : QString();
    if (installed(name))
        return name;
    for (const QString& file : fontconfigFiles(name)) {
        const QString family = loadFontFile(file);
        if (family.compare(name, Qt::CaseInsensitive) == 0)
            return family;
    }
    return QString();
}

QString firstInstalled(const QStringList& candidates, const QString& fallback)
{
    for (const QString& name : candidates) {
        if (installed(name))
            return name;
    }
    return fallback;
}

bool draws(const QString& family, uint c)
{
    if (family.isEmpty())
        return false;
    QFont font(family);
    font.setStyleStrategy(QFont::NoFontMerging);
    return QRawFont::fromFont(font).supportsCharacter(c);
}

QString describe(uint c)
{
    return QStringLiteral("'%1' (U+%2)").arg(QString::fromUcs4(&c, 1), QString::number(c, 16).toUpper());
}

} // namespace

bool chooseFonts(const QString& text, bool cjkBody, const QString& cjkRequest, FontSetup* setup, QString* error)
{
    FontSetup chosen;
    const bool needsCjk = cjkBody || containsCjk(text);

    if (needsCjk) {
        const QStringList candidates =
            cjkRequest.isEmpty()
                ? QStringList{QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Source Han Sans SC"),
                              QStringLiteral("Noto Serif CJK SC"), QStringLiteral("WenQuanYi Micro Hei"),
                              QStringLiteral("WenQuanYi Zen Hei")}
                : QStringList{cjkRequest};
        for (const QString& name : candidates) {
            chosen.cjk = resolveFamily(name);
            if (!chosen.cjk.isEmpty() && draws(chosen.cjk, 0x4E2D)) // 中
                break;
            chosen.cjk.clear();
        }
        if (chosen.cjk.isEmpty()) {
            *error = QStringLiteral("no CJK font available (tried: %1); install fonts-noto-cjk or name a font "
                                    "with --cjk-font")
                         .arg(candidates.join(QStringLiteral(", ")));
            return false;
        }
    }

    const QString systemSans = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    const QString systemMono = QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
    chosen.body = cjkBody ? chosen.cjk
                          : firstInstalled({QStringLiteral("Noto Sans"), QStringLiteral("DejaVu Sans"),
                                            QStringLiteral("Nimbus Sans")},
                                           systemSans);
    chosen.mono = firstInstalled(
        {QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Noto Sans Mono"), QStringLiteral("Nimbus Mono PS")},
        systemMono);

    // Every character must come out as a glyph: a missing one would print as an empty box.
    QSet<uint> seen;
    const QVector<uint> ucs4 = text.toUcs4();
    for (uint c : ucs4) {
        if (c < 0x21 || c == 0xFEFF || seen.contains(c))
            continue;
        seen.insert(c);
        if (draws(chosen.body, c) || draws(chosen.cjk, c))
            continue;
        *error = QStringLiteral("no font draws the character %1 (body font %2%3)")
                     .arg(describe(c), chosen.body,
                          chosen.cjk.isEmpty() ? QString() : QStringLiteral(", CJK font ") + chosen.cjk);
        return false;
    }

    *setup = chosen;
    return true;
}
