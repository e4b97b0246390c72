#include "manualbook.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextList>
#include <QTextTable>

#include <cmath>

namespace {

// The program's own accent colour and dark theme, so the manual looks like the program.
const QColor Accent(0xDC, 0x50, 0x00);
const QColor Dark(0x29, 0x29, 0x29);
const QColor Grey(0x6A, 0x6A, 0x6A);
const QColor Rule(0x9A, 0x9A, 0x9A);

QList<QTextTable*> tablesOf(QTextFrame* frame)
{
    QList<QTextTable*> tables;
    for (QTextFrame* child : frame->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(child))
            tables << table;
        tables << tablesOf(child);
    }
    return tables;
}

bool isCodeBlock(const QTextBlock& block)
{
    const QTextBlockFormat f = block.blockFormat();
    return f.hasProperty(QTextFormat::BlockCodeFence) || f.nonBreakableLines();
}

// Where a block's first line is drawn. The block's own rectangle can begin on one page while the
// layout pushes its first line onto the next, which is the page a reader finds it on.
qreal firstLineY(QAbstractTextDocumentLayout* layout, const QTextBlock& block)
{
    const qreal top = layout->blockBoundingRect(block).top();
    const QTextLayout* lines = block.layout();
    return top + (lines && lines->lineCount() > 0 ? lines->lineAt(0).y() : 0) + 1;
}

} // namespace

struct ManualBook::Geometry {
    QPaintDevice* device = nullptr;
    qreal dpi = 600;
    qreal pageW = 0;
    qreal pageH = 0;
    qreal left = 0;
    qreal top = 0;
    qreal bodyW = 0;
    qreal bodyH = 0;

    qreal mm(qreal v) const { return v * dpi / 25.4; }
    qreal pt(qreal v) const { return v * dpi / 72.0; }
    // Margins, paddings and borders inside a QTextDocument are given at 96 dpi; the layout scales
    // them to its paint device, unlike the page size, which is in device pixels.
    qreal doc(qreal points) const { return points * 96.0 / 72.0; }
    int pageOf(qreal y) const { return int(std::floor(y / bodyH)); }
};

ManualBook::ManualBook(const ManualSource& source, const FontSetup& fonts) : m_source(source), m_fonts(fonts)
{
    // Characters the body or code font lacks are taken from the CJK font, not from whatever
    // fallback the system would pick.
    if (!m_fonts.cjk.isEmpty()) {
        QFont::insertSubstitution(m_fonts.body, m_fonts.cjk);
        QFont::insertSubstitution(m_fonts.mono, m_fonts.cjk);
    }
}

ManualBook::~ManualBook() = default;

void ManualBook::styleDocument(QTextDocument* doc, const Geometry& g)
{
    const bool cjkBody = !m_fonts.cjk.isEmpty() && m_fonts.body == m_fonts.cjk;
    const qreal lineHeight = cjkBody ? 135 : 120;
    const QString systemMono = QFontDatabase::systemFont(QFontDatabase::FixedFont).family();

    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        QTextCursor cursor(block);
        QTextBlockFormat bf = block.blockFormat();
        const int level = bf.headingLevel();
        const bool code = isCodeBlock(block);
        const bool quote = bf.intProperty(QTextFormat::BlockQuoteLevel) > 0;
        QTextTable* table = cursor.currentTable();
        // Every table gets one header row below.
        const bool headerCell = table && table->cellAt(block.position()).row() == 0;

        bf.setLineHeight(100, QTextBlockFormat::SingleHeight);
        if (level == 1) {
            bf.setTopMargin(g.doc(22));
            bf.setBottomMargin(g.doc(8));
        } else if (level == 2) {
            bf.setTopMargin(g.doc(14));
            bf.setBottomMargin(g.doc(5));
        } else if (level >= 3) {
            bf.setTopMargin(g.doc(10));
            bf.setBottomMargin(g.doc(3));
        } else if (table) {
            bf.setTopMargin(0);
            bf.setBottomMargin(0);
            bf.setLineHeight(lineHeight - 10, QTextBlockFormat::ProportionalHeight);
        } else if (code) {
            const bool last = !block.next().isValid() || !isCodeBlock(block.next());
            bf.setTopMargin(0);
            bf.setBottomMargin(last ? g.doc(8) : 0);
            bf.setLeftMargin(g.doc(10));
            bf.setBackground(QColor(0xF1, 0xF1, 0xF1));
        } else if (block.text().isEmpty() && !block.textList()) {
            // The empty paragraph Qt keeps after each table: it should add no space of its own.
            bf.setTopMargin(0);
            bf.setBottomMargin(0);
            QTextCharFormat tiny;
            tiny.setFontPointSize(1);
            cursor.setBlockCharFormat(tiny);
        } else if (quote) {
            bf.setTopMargin(g.doc(2));
            bf.setBottomMargin(g.doc(8));
            bf.setLeftMargin(g.doc(10));
            bf.setRightMargin(g.doc(4));
            bf.setBackground(QColor(0xFD, 0xEE, 0xE4));
            bf.setLineHeight(lineHeight, QTextBlockFormat::ProportionalHeight);
        } else {
            bf.setTopMargin(0);
            const bool lastItem = block.textList() && block.next().textList() != block.textList();
            bf.setBottomMargin(block.textList() && !lastItem ? g.doc(3) : g.doc(7));
            bf.setLineHeight(lineHeight, QTextBlockFormat::ProportionalHeight);
        }
        cursor.setBlockFormat(bf);

        // Fragments are collected first: changing a format may merge or split them.
        QList<QPair<QPair<int, int>, QTextCharFormat>> changes;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            QTextCharFormat cf = fragment.charFormat();
            cf.clearProperty(QTextFormat::FontSizeAdjustment);
            const bool mono = code || cf.fontFixedPitch() || cf.fontFamily() == systemMono;
            if (level > 0) {
                cf.setFontWeight(QFont::Bold);
                cf.setFontPointSize(level == 1 ? 17 : level == 2 ? 12.5 : 10.5);
                cf.setForeground(level == 1 ? Accent : Dark);
            } else if (mono) {
                cf.setFontFamily(m_fonts.mono);
                cf.setFontFixedPitch(true);
                cf.setFontPointSize(code ? 8.5 : 9);
                if (!code)
                    cf.setBackground(QColor(0xEE, 0xEE, 0xEE));
            } else if (table) {
                cf.setFontPointSize(9.5);
            }
            if (headerCell)
                cf.setFontWeight(QFont::Bold);
            if (cf.isAnchor())
                cf.setForeground(Accent);
            changes.append({{fragment.position(), fragment.length()}, cf});
        }
        for (const auto& change : changes) {
            QTextCursor c(doc);
            c.setPosition(change.first.first);
            c.setPosition(change.first.first + change.first.second, QTextCursor::KeepAnchor);
            c.setCharFormat(change.second);
        }
    }

    for (QTextTable* table : tablesOf(doc->rootFrame())) {
        QTextTableFormat tf = table->format();
        tf.setBorder(g.doc(0.6));
        tf.setBorderBrush(Rule);
        tf.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        tf.setBorderCollapse(true);
        tf.setCellSpacing(0);
        tf.setCellPadding(g.doc(3.5));
        tf.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        tf.setTopMargin(g.doc(2));
        tf.setBottomMargin(g.doc(10));
        // The first row names the columns; it is repeated when a table runs onto the next page.
        tf.setHeaderRowCount(1);
        table->setFormat(tf);
        // With collapsed borders each cell draws its own; the table's border is only the frame.
        for (int row = 0; row < table->rows(); ++row) {
            for (int column = 0; column < table->columns(); ++column) {
                QTextTableCell cell = table->cellAt(row, column);
                QTextTableCellFormat cf = cell.format().toTableCellFormat();
                cf.setBorder(g.doc(0.6));
                cf.setBorderBrush(Rule);
                cf.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
                if (row == 0)
                    cf.setBackground(QColor(0xEC, 0xEC, 0xEC));
                cell.setFormat(cf);
            }
        }
    }
}

void ManualBook::buildBody(QTextDocument* doc, const Geometry& g)
{
    QFont base(m_fonts.body);
    base.setPointSizeF(10);
    doc->setDefaultFont(base);
    doc->documentLayout()->setPaintDevice(g.device);
    doc->setDocumentMargin(0);
    doc->setIndentWidth(g.doc(14));
    doc->setPageSize(QSizeF(g.bodyW, g.bodyH));
    doc->setMarkdown(m_source.body, QTextDocument::MarkdownDialectGitHub);

    // The Markdown reader ends each fenced code block with an empty line of code; drop it.
    for (QTextBlock block = doc->begin(); block.isValid();) {
        const QTextBlock next = block.next();
        if (block.text().isEmpty() && isCodeBlock(block) && block.previous().isValid() &&
            isCodeBlock(block.previous())) {
            QTextCursor cursor(doc);
            cursor.setPosition(block.position() - 1);
            cursor.setPosition(block.position(), QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
        }
        block = next;
    }

    m_headings.clear();
    HeadingCounter counter;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level <= 0)
            continue;
        const QString number = counter.next(level);
        m_headings.append({level, number, block.text().trimmed(), 0});
        if (!number.isEmpty())
            QTextCursor(block).insertText(number + QStringLiteral("   "));
    }
    styleDocument(doc, g);
    keepTogether(doc, g);
}

void ManualBook::keepTogether(QTextDocument* doc, const Geometry& g)
{
    // Qt's layout knows no "keep with next": a heading, or a sentence that introduces a list, a
    // table or an example ("...:"), could end a page while what it leads to starts the next; and
    // a short example could be cut in two. Each pass moves such blocks to the next page; a move
    // shifts the pages after it, hence the passes.
    QAbstractTextDocumentLayout* layout = doc->documentLayout();
    auto leads = [](const QTextBlock& b) {
        if (b.blockFormat().headingLevel() > 0)
            return true;
        const QString text = b.text().trimmed();
        return !isCodeBlock(b) && !QTextCursor(b).currentTable() &&
               (text.endsWith(QLatin1Char(':')) || text.endsWith(QChar(0xFF1A))); // full-width colon
    };
    auto setBreak = [](const QTextBlock& b, bool on) {
        QTextBlockFormat bf = b.blockFormat();
        if (bool(bf.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) == on)
            return false;
        bf.setPageBreakPolicy(on ? QTextFormat::PageBreak_AlwaysBefore : QTextFormat::PageBreak_Auto);
        QTextCursor(b).setBlockFormat(bf);
        return true;
    };

    for (int pass = 0; pass < 8; ++pass) {
        bool moved = false;
        for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
            const QTextBlock previous = block.previous();
            if (leads(block) && !(previous.isValid() && leads(previous))) {
                QTextBlock text = block.next();
                while (text.isValid() && leads(text))
                    text = text.next();
                if (text.isValid() && g.pageOf(firstLineY(layout, block)) != g.pageOf(firstLineY(layout, text))) {
                    moved = setBreak(block, true) || moved;
                    // An earlier pass may have moved what follows on its own; now it goes along.
                    moved = setBreak(text, false) || moved;
                }
            }
            if (isCodeBlock(block) && !(previous.isValid() && isCodeBlock(previous))) {
                QTextBlock last = block;
                while (last.next().isValid() && isCodeBlock(last.next()))
                    last = last.next();
                const qreal top = firstLineY(layout, block);
                const qreal bottom = layout->blockBoundingRect(last).bottom() - 1;
                if (g.pageOf(top) != g.pageOf(bottom) && bottom - top < g.bodyH / 2)
                    moved = setBreak(block, true) || moved;
            }
        }
        if (!moved)
            break;
    }
}

void ManualBook::collectHeadingPages(QTextDocument* doc, const Geometry& g, int firstBodyPage)
{
    QAbstractTextDocumentLayout* layout = doc->documentLayout();
    int i = 0;
    for (QTextBlock block = doc->begin(); block.isValid() && i < m_headings.size(); block = block.next()) {
        if (block.blockFormat().headingLevel() > 0)
            m_headings[i++].page = firstBodyPage + g.pageOf(firstLineY(layout, block));
    }
}

void ManualBook::buildContents(QTextDocument* doc, const Geometry& g)
{
    QFont base(m_fonts.body);
    base.setPointSizeF(10);
    doc->setDefaultFont(base);
    doc->documentLayout()->setPaintDevice(g.device);
    doc->setDocumentMargin(0);
    doc->setPageSize(QSizeF(g.bodyW, g.bodyH));

    QTextCursor cursor(doc);
    QTextBlockFormat titleBlock;
    titleBlock.setBottomMargin(g.doc(12));
    QTextCharFormat titleChar;
    titleChar.setFontPointSize(17);
    titleChar.setFontWeight(QFont::Bold);
    titleChar.setForeground(Accent);
    cursor.setBlockFormat(titleBlock);
    cursor.setCharFormat(titleChar);
    cursor.insertText(m_source.value(QStringLiteral("contents")));

    QVector<Heading> entries;
    for (const Heading& h : m_headings) {
        if (!h.number.isEmpty())
            entries.append(h);
    }
    if (entries.isEmpty())
        return;

    QTextTableFormat tf;
    tf.setBorder(0);
    tf.setBorderStyle(QTextFrameFormat::BorderStyle_None);
    tf.setCellSpacing(0);
    tf.setCellPadding(g.doc(2.2));
    tf.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    tf.setColumnWidthConstraints({QTextLength(QTextLength::PercentageLength, 9),
                                  QTextLength(QTextLength::PercentageLength, 81),
                                  QTextLength(QTextLength::PercentageLength, 10)});
    cursor.movePosition(QTextCursor::End);
    QTextTable* table = cursor.insertTable(entries.size(), 3, tf);

    for (int row = 0; row < entries.size(); ++row) {
        const Heading& h = entries.at(row);
        const bool chapter = h.level == 1;
        QTextCharFormat cf;
        cf.setFontPointSize(chapter ? 10.5 : 10);
        cf.setFontWeight(chapter ? QFont::Bold : QFont::Normal);
        cf.setForeground(chapter ? Dark : Grey);
        const QString texts[3] = {h.number, h.text, QString::number(h.page)};
        for (int column = 0; column < 3; ++column) {
            QTextTableCell cell = table->cellAt(row, column);
            if (chapter && row > 0) {
                QTextTableCellFormat cellFormat = cell.format().toTableCellFormat();
                cellFormat.setTopPadding(g.doc(8));
                cell.setFormat(cellFormat);
            }
            QTextCursor c = cell.firstCursorPosition();
            QTextBlockFormat bf;
            bf.setAlignment(column == 2 ? Qt::AlignRight : Qt::AlignLeft);
            if (column == 1 && !chapter)
                bf.setLeftMargin(g.doc(8));
            c.setBlockFormat(bf);
            QTextCharFormat text = cf;
            if (column != 0 || chapter)
                text.setForeground(Dark);
            c.insertText(texts[column], text);
        }
    }
}

void ManualBook::paintTitlePage(QPainter* painter, const Geometry& g)
{
    const qreal band = g.pageH * 0.40;
    painter->fillRect(QRectF(0, 0, g.pageW, band), Dark);
    painter->fillRect(QRectF(0, band, g.pageW, g.mm(2.5)), Accent);

    const qreal x = g.left;
    const qreal w = g.bodyW;
    QFont font(m_fonts.body);

    font.setPointSizeF(15);
    font.setBold(true);
    painter->setFont(font);
    painter->setPen(Accent);
    painter->drawText(QRectF(x, band - g.mm(62), w, g.mm(10)), Qt::AlignLeft | Qt::AlignBottom,
                      m_source.value(QStringLiteral("product")));

    font.setPointSizeF(30);
    painter->setFont(font);
    painter->setPen(QColor(0xF0, 0xF0, 0xF0));
    painter->drawText(QRectF(x, band - g.mm(50), w, g.mm(32)), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                      m_source.value(QStringLiteral("title")));

    font.setPointSizeF(13);
    font.setBold(false);
    painter->setFont(font);
    painter->setPen(Dark);
    painter->drawText(QRectF(x, band + g.mm(16), w, g.mm(40)), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                      m_source.value(QStringLiteral("subtitle")));

    font.setPointSizeF(10);
    painter->setFont(font);
    painter->setPen(Grey);
    painter->drawText(QRectF(x, g.pageH - g.mm(40), w, g.mm(20)), Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap,
                      m_source.value(QStringLiteral("edition")));
}

void ManualBook::paintRunningHeadAndFooter(QPainter* painter, const Geometry& g, int page)
{
    QFont font(m_fonts.body);
    font.setPointSizeF(8);
    painter->setFont(font);
    painter->setPen(Grey);

    QString chapter;
    for (const Heading& h : m_headings) {
        if (h.level == 1 && h.page > 0 && h.page <= page)
            chapter = h.number + QStringLiteral("  ") + h.text;
    }
    const QRectF head(g.left, g.mm(10), g.bodyW, g.mm(6));
    painter->drawText(head, Qt::AlignLeft | Qt::AlignBottom, m_source.value(QStringLiteral("title")));
    painter->drawText(head, Qt::AlignRight | Qt::AlignBottom, chapter);
    painter->setPen(QPen(Rule, g.pt(0.4)));
    painter->drawLine(QPointF(g.left, g.mm(17)), QPointF(g.left + g.bodyW, g.mm(17)));

    painter->setPen(Grey);
    const QString footer = m_source.value(QStringLiteral("page")).arg(page).arg(m_pageCount);
    painter->drawText(QRectF(g.left, g.pageH - g.mm(16), g.bodyW, g.mm(6)), Qt::AlignHCenter | Qt::AlignTop, footer);
}

void ManualBook::paintPages(QPainter* painter, QPagedPaintDevice* device, QTextDocument* doc, const Geometry& g,
                            int firstPage, bool* firstNewPageDone)
{
    for (int i = 0; i < doc->pageCount(); ++i) {
        if (*firstNewPageDone)
            device->newPage();
        *firstNewPageDone = true;
        painter->save();
        painter->translate(g.left, g.top - i * g.bodyH);
        doc->drawContents(painter, QRectF(0, i * g.bodyH, g.bodyW, g.bodyH));
        painter->restore();
        paintRunningHeadAndFooter(painter, g, firstPage + i);
    }
}

bool ManualBook::writePdf(const QString& path, QString* error)
{
    const QFileInfo target(path);
    if (!QDir().mkpath(target.absolutePath())) {
        *error = QStringLiteral("cannot create the folder %1").arg(target.absolutePath());
        return false;
    }
    // Written under another name first, so an interrupted build leaves no half manual behind that
    // looks newer than its source.
    const QString partial = path + QStringLiteral(".part");

    bool ok = false;
    {
        m_body.reset();
        m_writer = std::make_unique<QPdfWriter>(partial);
        QPdfWriter& writer = *m_writer;
        writer.setResolution(600);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer.setTitle(m_source.value(QStringLiteral("title")));
        writer.setCreator(QStringLiteral("manualpdf"));

        Geometry g;
        g.device = &writer;
        g.dpi = writer.resolution();
        g.pageW = writer.width();
        g.pageH = writer.height();
        g.left = g.mm(22);
        g.top = g.mm(24);
        g.bodyW = g.pageW - 2 * g.left;
        g.bodyH = g.pageH - g.top - g.mm(24);

        m_body = std::make_unique<QTextDocument>();
        m_bodyPageHeight = g.bodyH;
        QTextDocument& body = *m_body;
        buildBody(&body, g);

        // The contents' length depends only on the number of entries, not on the page numbers in
        // them, so one dry run gives the page where the chapters start.
        int contentsPages = 0;
        {
            QTextDocument dryRun;
            buildContents(&dryRun, g);
            contentsPages = dryRun.pageCount();
        }
        collectHeadingPages(&body, g, 2 + contentsPages);
        QTextDocument contents;
        buildContents(&contents, g);
        if (contents.pageCount() != contentsPages) {
            *error = QStringLiteral("the table of contents changed length when page numbers were filled in");
            return false;
        }
        m_pageCount = 1 + contentsPages + body.pageCount();

        QPainter painter;
        if (!painter.begin(&writer)) {
            *error = QStringLiteral("cannot write %1").arg(partial);
            return false;
        }
        painter.setRenderHint(QPainter::Antialiasing);
        paintTitlePage(&painter, g);
        bool pageStarted = true;
        paintPages(&painter, &writer, &contents, g, 2, &pageStarted);
        paintPages(&painter, &writer, &body, g, 2 + contentsPages, &pageStarted);
        ok = painter.end();
    }
    if (!ok || QFileInfo(partial).size() == 0) {
        *error = QStringLiteral("writing %1 failed").arg(partial);
        QFile::remove(partial);
        return false;
    }
    QFile::remove(path);
    if (!QFile::rename(partial, path)) {
        *error = QStringLiteral("cannot rename %1 to %2").arg(partial, path);
        return false;
    }
    return true;
}
