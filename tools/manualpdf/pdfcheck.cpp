#include "pdfcheck.h"

#include <QRegularExpression>

PdfFacts inspectPdf(const QByteArray& bytes)
{
    PdfFacts facts;
    facts.hasHeader = bytes.startsWith("%PDF-");
    // Writers may add a newline or two after the marker.
    facts.hasEnd = bytes.right(32).contains("%%EOF");

    // Page dictionaries are never inside compressed streams in the files Qt writes (it uses no
    // object streams), so a byte search finds them. "/Type /Pages" is the page tree, not a page.
    // With the size given: the QByteArray overload stops at the first zero byte, and PDF strings
    // (the title, in UTF-16) contain them.
    const QString text = QString::fromLatin1(bytes.constData(), bytes.size());
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![A-Za-z])"));
    auto it = page.globalMatch(text);
    while (it.hasNext()) {
        it.next();
        ++facts.pages;
    }

    static const QRegularExpression font(QStringLiteral("/BaseFont\\s*/([^\\s/\\[\\]<>()]+)"));
    it = font.globalMatch(text);
    while (it.hasNext()) {
        QString name = it.next().captured(1);
        // A subset font is named ABCDEF+Family; the tag differs from file to file.
        static const QRegularExpression subsetTag(QStringLiteral("^[A-Z]{6}\\+"));
        name.remove(subsetTag);
        if (!facts.fonts.contains(name))
            facts.fonts.append(name);
    }
    return facts;
}

QStringList checkPdf(const PdfFacts& facts, int minPages, const QString& expectedFont)
{
    QStringList problems;
    if (!facts.hasHeader)
        problems << QStringLiteral("does not start with %PDF-");
    if (!facts.hasEnd)
        problems << QStringLiteral("has no %%EOF at its end (truncated?)");
    if (facts.pages < minPages)
        problems << QStringLiteral("has %1 pages, expected at least %2").arg(facts.pages).arg(minPages);
    if (!expectedFont.isEmpty()) {
        bool found = false;
        for (const QString& f : facts.fonts)
            found = found || f.contains(expectedFont, Qt::CaseInsensitive);
        if (!found) {
            problems << QStringLiteral("embeds no font named like \"%1\" (fonts: %2)")
                            .arg(expectedFont, facts.fonts.isEmpty() ? QStringLiteral("none")
                                                                     : facts.fonts.join(QStringLiteral(", ")));
        }
    }
    return problems;
}
