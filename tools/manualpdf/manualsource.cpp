#include "manualsource.h"

#include <QStringList>
#include <QVector>

bool parseManualSource(const QString& text, ManualSource* source, QString* error)
{
    QString rest = text;
    if (rest.startsWith(QChar(0xFEFF)))
        rest.remove(0, 1);
    rest.replace(QLatin1String("\r\n"), QLatin1String("\n"));

    const QStringList lines = rest.split(QLatin1Char('\n'));
    if (lines.isEmpty() || lines.first().trimmed() != QLatin1String("---")) {
        *error = QStringLiteral("line 1: the source must start with a \"---\" line opening the front matter");
        return false;
    }

    ManualSource parsed;
    int i = 1;
    for (; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        if (line == QLatin1String("---"))
            break;
        if (line.isEmpty())
            continue;
        const int colon = line.indexOf(QLatin1Char(':'));
        if (colon <= 0) {
            *error = QStringLiteral("line %1: expected \"key: value\" in the front matter").arg(i + 1);
            return false;
        }
        parsed.meta.insert(line.left(colon).trimmed(), line.mid(colon + 1).trimmed());
    }
    if (i >= lines.size()) {
        *error = QStringLiteral("the front matter has no closing \"---\" line");
        return false;
    }
    for (const char* key : {"title", "contents", "page"}) {
        if (parsed.value(QLatin1String(key)).isEmpty()) {
            *error = QStringLiteral("the front matter lacks the key \"%1\"").arg(QLatin1String(key));
            return false;
        }
    }
    if (!parsed.value(QStringLiteral("page")).contains(QLatin1String("%1"))) {
        *error = QStringLiteral("the \"page\" text must contain %1 for the page number");
        return false;
    }

    parsed.body = lines.mid(i + 1).join(QLatin1Char('\n'));
    if (parsed.body.trimmed().isEmpty()) {
        *error = QStringLiteral("the manual has no text after the front matter");
        return false;
    }
    *source = parsed;
    return true;
}

QString HeadingCounter::next(int level)
{
    if (level == 1) {
        ++m_chapter;
        m_section = 0;
        return QString::number(m_chapter);
    }
    if (level == 2) {
        ++m_section;
        return QStringLiteral("%1.%2").arg(m_chapter).arg(m_section);
    }
    return QString();
}

bool isCjkCharacter(uint c)
{
    return (c >= 0x2E80 && c <= 0x9FFF)    // radicals, CJK punctuation, kana, ideographs
           || (c >= 0xAC00 && c <= 0xD7AF) // hangul syllables
           || (c >= 0xF900 && c <= 0xFAFF) // compatibility ideographs
           || (c >= 0xFE30 && c <= 0xFE4F) // vertical forms
           || (c >= 0xFF00 && c <= 0xFFEF) // full-width forms: ，：（）
           || (c >= 0x20000 && c <= 0x3FFFF);
}

bool containsCjk(const QString& text)
{
    const QVector<uint> ucs4 = text.toUcs4();
    for (uint c : ucs4) {
        if (isCjkCharacter(c))
            return true;
    }
    return false;
}
