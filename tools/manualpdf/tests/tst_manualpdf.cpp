#include "fontpicker.h"
#include "manualbook.h"
#include "manualsource.h"
#include "pdfcheck.h"

#include <QFile>
#include <QFontDatabase>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QtTest>

namespace {

const char* const Front = "---\ntitle: T\ncontents: Contents\npage: Page %1 of %2\n---\n";

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestManualPdf : public QObject {
    Q_OBJECT
private slots:
    void frontMatter_data();
    void frontMatter();
    void frontMatterValues();
    void headingNumbers();
    void cjkDetection_data();
    void cjkDetection();
    void pdfFacts();
    void pdfProblems();
    void noCjkFontIsAnError();
    void latinFontIsNoCjkFont();
    void englishBook();
    void chineseBookEmbedsCjkFont();
    void contentsPageNumbers();
    void headingsStayWithTheirText_data();
    void headingsStayWithTheirText();
};

void TestManualPdf::frontMatter_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("errorPart");

    QTest::newRow("complete") << QString::fromLatin1(Front) + "# A\ntext\n" << true << QString();
    QTest::newRow("bom and crlf") << QString(QChar(0xFEFF)) + QString::fromLatin1(Front).replace("\n", "\r\n") +
                                         "# A\r\n"
                                  << true << QString();
    QTest::newRow("no front matter") << QStringLiteral("# A\ntext\n") << false << QStringLiteral("line 1");
    QTest::newRow("unclosed") << QStringLiteral("---\ntitle: T\n# A\n") << false << QStringLiteral("line 3");
    QTest::newRow("never closed") << QStringLiteral("---\ntitle: T\ncontents: C\npage: %1\n") << false
                                  << QStringLiteral("no closing");
    QTest::newRow("missing page") << QStringLiteral("---\ntitle: T\ncontents: C\n---\n# A\n") << false
                                  << QStringLiteral("\"page\"");
    QTest::newRow("page without number") << QStringLiteral("---\ntitle: T\ncontents: C\npage: Page\n---\n# A\n")
                                         << false << QStringLiteral("%1");
    QTest::newRow("empty body") << QString::fromLatin1(Front) + "\n  \n" << false << QStringLiteral("no text");
}

void TestManualPdf::frontMatter()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(QString, errorPart);

    ManualSource source;
    QString error;
    QCOMPARE(parseManualSource(text, &source, &error), ok);
    if (!ok)
        QVERIFY2(error.contains(errorPart), qPrintable(error));
}

void TestManualPdf::frontMatterValues()
{
    ManualSource source;
    QString error;
    QVERIFY(parseManualSource(QStringLiteral("---\ntitle: camdesk: the manual\ncontents: 目录\npage: 第 %1 页\n---\n"
                                             "# 第一章\n正文\n"),
                              &source, &error));
    // Only the first colon separates key from value.
    QCOMPARE(source.value("title"), QStringLiteral("camdesk: the manual"));
    QCOMPARE(source.value("contents"), QStringLiteral("目录"));
    QCOMPARE(source.body, QStringLiteral("# 第一章\n正文\n"));
}

void TestManualPdf::headingNumbers()
{
    HeadingCounter counter;
    QStringList numbers;
    for (int level : {1, 2, 2, 3, 1, 3, 2, 1})
        numbers << counter.next(level);
    QCOMPARE(numbers, QStringList({"1", "1.1", "1.2", "", "2", "", "2.1", "3"}));
}

void TestManualPdf::cjkDetection_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("cjk");
    QTest::newRow("ascii") << QStringLiteral("Software Manual.pdf") << false;
    QTest::newRow("latin accents and dashes") << QStringLiteral("Español – Français × 80") << false;
    QTest::newRow("ideographs") << QStringLiteral("./软件用户手册.pdf") << true;
    QTest::newRow("full-width comma only") << QStringLiteral("a，b") << true;
    QTest::newRow("ideographic full stop") << QStringLiteral("。") << true;
    QTest::newRow("kana") << QStringLiteral("カメラ") << true;
}

void TestManualPdf::cjkDetection()
{
    QFETCH(QString, text);
    QFETCH(bool, cjk);
    QCOMPARE(containsCjk(text), cjk);
}

void TestManualPdf::pdfFacts()
{
    // A title in UTF-16, with its zero bytes, comes before the pages, as Qt writes it.
    const QByteArray title("2 0 obj\n<<\n/Title (\xfe\xff\x00T\x00i)\n>>\nendobj\n", 37);
    const QByteArray pdf = "%PDF-1.4\n" + title +
                           "1 0 obj\n<<\n/Type /Pages\n/Kids [3 0 R 4 0 R]\n>>\nendobj\n"
                           "3 0 obj\n<<\n/Type /Page\n/Parent 1 0 R\n>>\nendobj\n"
                           "4 0 obj\n<</Type/Page/Parent 1 0 R>>\nendobj\n"
                           "5 0 obj\n<< /Type /Font /BaseFont /ABCDEF+NotoSansCJKsc-Regular >>\nendobj\n"
                           "6 0 obj\n<< /Type /Font /BaseFont /QWERTY+DejaVuSans >>\nendobj\n"
                           "7 0 obj\n<< /Type /Font /BaseFont /ZXCVBN+DejaVuSans >>\nendobj\n"
                           "%%EOF\n";
    const PdfFacts facts = inspectPdf(pdf);
    QVERIFY(facts.hasHeader);
    QVERIFY(facts.hasEnd);
    QCOMPARE(facts.pages, 2);
    QCOMPARE(facts.fonts, QStringList({"NotoSansCJKsc-Regular", "DejaVuSans"}));
}

void TestManualPdf::pdfProblems()
{
    PdfFacts good;
    good.hasHeader = true;
    good.hasEnd = true;
    good.pages = 12;
    good.fonts = QStringList{"DejaVuSans"};
    QVERIFY(checkPdf(good, 12, QString()).isEmpty());
    QCOMPARE(checkPdf(good, 13, QString()).size(), 1);
    QCOMPARE(checkPdf(good, 1, "CJK").size(), 1);
    QVERIFY(checkPdf(good, 1, "dejavu").isEmpty());

    const PdfFacts truncated = inspectPdf(QByteArray("%PDF-1.4\n3 0 obj\n<< /Type /Page >>\n"));
    QVERIFY(checkPdf(truncated, 1, QString()).join(' ').contains("truncated"));
    const PdfFacts notPdf = inspectPdf(QByteArray("<html>%%EOF"));
    QVERIFY(checkPdf(notPdf, 0, QString()).join(' ').contains("%PDF-"));
}

void TestManualPdf::noCjkFontIsAnError()
{
    FontSetup fonts;
    QString error;
    QVERIFY(!chooseFonts(QStringLiteral("第一章"), true, QStringLiteral("No Such Font Family 42"), &fonts, &error));
    QVERIFY2(error.contains("no CJK font"), qPrintable(error));
    QVERIFY(!chooseFonts(QStringLiteral("第一章"), true, QStringLiteral("/nonexistent/font.ttc"), &fonts, &error));
    QVERIFY2(error.contains("no CJK font"), qPrintable(error));
}

void TestManualPdf::latinFontIsNoCjkFont()
{
    if (!QFontDatabase().families().contains("DejaVu Sans"))
        QSKIP("DejaVu Sans is not installed");
    FontSetup fonts;
    QString error;
    // A font that exists but draws no Chinese must not be taken: the PDF would show boxes.
    QVERIFY(!chooseFonts(QStringLiteral("软件用户手册"), false, QStringLiteral("DejaVu Sans"), &fonts, &error));
    QVERIFY2(error.contains("no CJK font"), qPrintable(error));
    // Latin text alone needs no CJK font at all.
    QVERIFY2(chooseFonts(QStringLiteral("Software Manual"), false, QString(), &fonts, &error), qPrintable(error));
    QVERIFY(fonts.cjk.isEmpty());
}

void TestManualPdf::englishBook()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QString text = QString::fromLatin1(Front);
    for (int chapter = 1; chapter <= 4; ++chapter) {
        text += QStringLiteral("# Chapter %1\n\n").arg(chapter);
        for (int p = 0; p < 30; ++p)
            text += QStringLiteral("A paragraph of ordinary text that fills the page, number %1.\n\n").arg(p);
        text += QStringLiteral("| A | B |\n|---|---|\n| 1 | 2 |\n\n");
    }
    ManualSource source;
    QString error;
    QVERIFY2(parseManualSource(text, &source, &error), qPrintable(error));
    FontSetup fonts;
    QVERIFY2(chooseFonts(text, false, QString(), &fonts, &error), qPrintable(error));

    ManualBook book(source, fonts);
    const QString path = dir.filePath(QStringLiteral("sub folder/Software Manual.pdf"));
    QVERIFY2(book.writePdf(path, &error), qPrintable(error));
    QVERIFY(!QFile::exists(path + ".part"));

    const PdfFacts facts = inspectPdf(readAll(path));
    QVERIFY(facts.hasHeader);
    QVERIFY(facts.hasEnd);
    QCOMPARE(facts.pages, book.pageCount());
    // Title page, contents, and four chapters of 30 paragraphs do not fit on one page each.
    QVERIFY2(facts.pages >= 6, qPrintable(QString::number(facts.pages)));
}

void TestManualPdf::chineseBookEmbedsCjkFont()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString text = QStringLiteral("---\ntitle: 用户手册\ncontents: 目录\npage: 第 %1 页，共 %2 页\n---\n"
                                        "# 简介\n\n本手册介绍 camdesk 的使用方法。\n");
    ManualSource source;
    QString error;
    QVERIFY2(parseManualSource(text, &source, &error), qPrintable(error));
    FontSetup fonts;
    if (!chooseFonts(text, true, QString(), &fonts, &error))
        QSKIP(qPrintable(error));
    QCOMPARE(fonts.body, fonts.cjk);

    ManualBook book(source, fonts);
    const QString path = dir.filePath(QStringLiteral("软件用户手册.pdf"));
    QVERIFY2(book.writePdf(path, &error), qPrintable(error));
    const PdfFacts facts = inspectPdf(readAll(path));
    QCOMPARE(facts.pages, 3);
    QVERIFY2(checkPdf(facts, 3, QStringLiteral("CJK")).isEmpty(), qPrintable(facts.fonts.join(',')));
}

void TestManualPdf::contentsPageNumbers()
{
    // Chapter 2 starts after a chapter long enough to fill pages; the contents must say where.
    QString text = QString::fromLatin1(Front) + QStringLiteral("# One\n\n");
    for (int p = 0; p < 120; ++p)
        text += QStringLiteral("Filler paragraph %1 with enough words to take a line of its own.\n\n").arg(p);
    text += QStringLiteral("# Two\n\n## Two a\n\nEnd.\n");
    ManualSource source;
    QString error;
    QVERIFY(parseManualSource(text, &source, &error));
    FontSetup fonts;
    QVERIFY2(chooseFonts(text, false, QString(), &fonts, &error), qPrintable(error));
    QTemporaryDir dir;
    ManualBook book(source, fonts);
    QVERIFY2(book.writePdf(dir.filePath("m.pdf"), &error), qPrintable(error));

    const QVector<ManualBook::Heading> headings = book.headings();
    QCOMPARE(headings.size(), 3);
    QCOMPARE(headings.at(0).number, QStringLiteral("1"));
    QCOMPARE(headings.at(0).page, 3); // after the title page and one page of contents
    QVERIFY(headings.at(1).page > headings.at(0).page + 1);
    QCOMPARE(headings.at(1).number, QStringLiteral("2"));
    // A heading followed straight by another heading stays on the same page with it.
    QCOMPARE(headings.at(2).page, headings.at(1).page);
    QCOMPARE(headings.at(2).number, QStringLiteral("2.1"));
    QCOMPARE(book.pageCount(), headings.at(2).page);
}

void TestManualPdf::headingsStayWithTheirText_data()
{
    QTest::addColumn<int>("fillers");
    // Enough lengths of the first chapter that, for some of them, the next heading falls at the
    // foot of a page; which ones depends on the fonts, so a range is tried.
    for (int n = 10; n <= 40; ++n)
        QTest::newRow(qPrintable(QStringLiteral("%1 paragraphs").arg(n))) << n;
}

void TestManualPdf::headingsStayWithTheirText()
{
    QFETCH(int, fillers);
    QString text = QString::fromLatin1(Front) + QStringLiteral("# One\n\n");
    for (int p = 0; p < fillers; ++p)
        text += QStringLiteral("Paragraph %1, long enough to wrap onto a second line of the page, which makes the "
                               "lengths of the pages vary a little more than single lines would.\n\n")
                    .arg(p);
    text += QStringLiteral("## Next section\n\nText of the section.\n\n# Two\n\n## Two a\n\nEnd.\n");
    ManualSource source;
    QString error;
    QVERIFY(parseManualSource(text, &source, &error));
    FontSetup fonts;
    QVERIFY2(chooseFonts(text, false, QString(), &fonts, &error), qPrintable(error));
    QTemporaryDir dir;
    ManualBook book(source, fonts);
    QVERIFY2(book.writePdf(dir.filePath("m.pdf"), &error), qPrintable(error));

    // Measured here from the lines themselves: where each heading's last line and the first line of
    // the text after it are drawn.
    const QTextDocument* doc = book.bodyDocument();
    QVERIFY(doc);
    const qreal pageHeight = book.bodyPageHeight();
    // A line pushed to the top of a page starts exactly at the page's edge, give or take rounding.
    auto lineY = [](const QTextBlock& block, int line) {
        return block.layout()->position().y() + block.layout()->lineAt(line).y() + 0.5;
    };
    int checked = 0;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        const QTextBlock next = block.next();
        if (block.blockFormat().headingLevel() <= 0 || !next.isValid() || next.blockFormat().headingLevel() > 0)
            continue;
        const int headingPage = int(lineY(block, block.layout()->lineCount() - 1) / pageHeight);
        const int textPage = int(lineY(next, 0) / pageHeight);
        QVERIFY2(headingPage == textPage, qPrintable(QStringLiteral("\"%1\" ends page %2, its text starts page %3")
                                                         .arg(block.text())
                                                         .arg(headingPage + 1)
                                                         .arg(textPage + 1)));
        ++checked;
    }
    QCOMPARE(checked, 3);
}

QTEST_MAIN(TestManualPdf)
#include "tst_manualpdf.moc"
