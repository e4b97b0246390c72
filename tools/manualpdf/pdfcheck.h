#ifndef PDFCHECK_H
#define PDFCHECK_H

#include <QByteArray>
#include <QStringList>

// What a quick look at a PDF file shows, without a PDF library: enough to tell a real manual from
// an empty, truncated or font-less file.
struct PdfFacts {
    bool hasHeader = false; // starts with %PDF-
    bool hasEnd = false;    // %%EOF near the end: the writer finished
    int pages = 0;          // page objects
    QStringList fonts;      // /BaseFont names, subset prefix removed
};

PdfFacts inspectPdf(const QByteArray& bytes);

// Checks the facts against the expectations; returns the problems found (empty when all hold).
QStringList checkPdf(const PdfFacts& facts, int minPages, const QString& expectedFont);

#endif // PDFCHECK_H
