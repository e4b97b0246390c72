#ifndef MANUALSOURCE_H
#define MANUALSOURCE_H

#include <QMap>
#include <QString>

// A manual's text source: a block of "key: value" lines between two "---" lines, then Markdown.
struct ManualSource {
    QMap<QString, QString> meta;
    QString body;

    QString value(const QString& key) const { return meta.value(key); }
};

// Splits the text into front matter and body. The keys "title", "contents" and "page" must be
// present: the title page, the contents heading and the footer ("%1" page, "%2" pages) use them.
bool parseManualSource(const QString& text, ManualSource* source, QString* error);

// Numbers chapters (level 1) and sections (level 2): 1, 1.1, 1.2, 2, 2.1. Deeper levels get no
// number, so the text of the manual does not depend on how finely a chapter is divided.
class HeadingCounter {
public:
    QString next(int level);

private:
    int m_chapter = 0;
    int m_section = 0;
};

// Characters that only a CJK font draws: ideographs, kana, hangul and full-width punctuation.
bool isCjkCharacter(uint ucs4);
bool containsCjk(const QString& text);

#endif // MANUALSOURCE_H
