#ifndef MANUALBOOK_H
#define MANUALBOOK_H

#include "fontpicker.h"
#include "manualsource.h"

#include <QString>
#include <QVector>

#include <memory>

class QPagedPaintDevice;
class QPdfWriter;
class QPainter;
class QTextDocument;

// Sets a manual as an A4 book: a title page, a table of contents with page numbers, then the
// numbered chapters, each page with a running head and a page number in the footer.
class ManualBook {
public:
    struct Heading {
        int level;
        QString number;
        QString text;
        int page; // 1-based page of the finished PDF
    };

    ManualBook(const ManualSource& source, const FontSetup& fonts);
    ~ManualBook();
    ManualBook(const ManualBook&) = delete;
    ManualBook& operator=(const ManualBook&) = delete;

    bool writePdf(const QString& path, QString* error);

    // Known after writePdf.
    int pageCount() const { return m_pageCount; }
    QVector<Heading> headings() const { return m_headings; }
    // The chapters as laid out, and the height of one page in its units, for checking the layout.
    const QTextDocument* bodyDocument() const { return m_body.get(); }
    qreal bodyPageHeight() const { return m_bodyPageHeight; }

private:
    struct Geometry;

    void buildBody(QTextDocument* doc, const Geometry& g);
    void keepTogether(QTextDocument* doc, const Geometry& g);
    void collectHeadingPages(QTextDocument* doc, const Geometry& g, int firstBodyPage);
    void buildContents(QTextDocument* doc, const Geometry& g);
    void styleDocument(QTextDocument* doc, const Geometry& g);
    void paintTitlePage(QPainter* painter, const Geometry& g);
    void paintPages(QPainter* painter, QPagedPaintDevice* device, QTextDocument* doc, const Geometry& g, int firstPage,
                    bool* firstNewPageDone);
    void paintRunningHeadAndFooter(QPainter* painter, const Geometry& g, int page);

    ManualSource m_source;
    FontSetup m_fonts;
    QVector<Heading> m_headings;
    int m_pageCount = 0;
    // The body's layout measures with the writer, so the writer lives as long as the body.
    std::unique_ptr<QPdfWriter> m_writer;
    std::unique_ptr<QTextDocument> m_body;
    qreal m_bodyPageHeight = 0;
};

#endif // MANUALBOOK_H
