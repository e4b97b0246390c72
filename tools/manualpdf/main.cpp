// manualpdf: sets a Markdown manual as a PDF book, or checks a finished PDF.
//
//   manualpdf [--cjk-font <family|file>] [--cjk-body] <source.md> <output.pdf>
//   manualpdf --check <file.pdf> [--min-pages N] [--expect-font NAME]

#include "fontpicker.h"
#include "manualbook.h"
#include "manualsource.h"
#include "pdfcheck.h"

#include <QCommandLineParser>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

namespace {

int fail(const QString& message)
{
    QTextStream(stderr) << "manualpdf: " << message << '\n';
    return 1;
}

int check(const QString& path, int minPages, const QString& font)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("%1: cannot open: %2").arg(path, file.errorString()));
    const PdfFacts facts = inspectPdf(file.readAll());
    const QStringList problems = checkPdf(facts, minPages, font);
    if (!problems.isEmpty())
        return fail(QStringLiteral("%1: %2").arg(path, problems.join(QStringLiteral("; "))));
    QTextStream(stdout) << path << ": " << facts.pages << " pages, fonts: " << facts.fonts.join(QStringLiteral(", "))
                        << '\n';
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    // Fonts need a GUI application even without a screen; the build runs this on the offscreen platform.
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("manualpdf"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Sets a Markdown manual as an A4 PDF book."));
    parser.addHelpOption();
    const QCommandLineOption cjkFont(QStringLiteral("cjk-font"),
                                     QStringLiteral("CJK font family or font file (default: Noto Sans CJK SC)."),
                                     QStringLiteral("font"));
    const QCommandLineOption cjkBody(QStringLiteral("cjk-body"),
                                     QStringLiteral("Set the whole text in the CJK font (for a Chinese manual)."));
    const QCommandLineOption checkMode(QStringLiteral("check"), QStringLiteral("Check a finished PDF instead."),
                                       QStringLiteral("pdf"));
    const QCommandLineOption minPages(QStringLiteral("min-pages"), QStringLiteral("With --check: least page count."),
                                      QStringLiteral("n"), QStringLiteral("1"));
    const QCommandLineOption expectFont(QStringLiteral("expect-font"),
                                        QStringLiteral("With --check: a font name part that must be embedded."),
                                        QStringLiteral("name"));
    parser.addOptions({cjkFont, cjkBody, checkMode, minPages, expectFont});
    parser.addPositionalArgument(QStringLiteral("source"), QStringLiteral("Markdown source with front matter."));
    parser.addPositionalArgument(QStringLiteral("output"), QStringLiteral("PDF file to write."));
    parser.process(app);

    if (parser.isSet(checkMode)) {
        bool numeric = false;
        const int pages = parser.value(minPages).toInt(&numeric);
        if (!numeric)
            return fail(QStringLiteral("--min-pages needs a number"));
        return check(parser.value(checkMode), pages, parser.value(expectFont));
    }

    const QStringList args = parser.positionalArguments();
    if (args.size() != 2)
        return fail(QStringLiteral("expected a source file and an output file; see --help"));

    QFile input(args.at(0));
    if (!input.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("%1: cannot open: %2").arg(args.at(0), input.errorString()));
    const QString text = QString::fromUtf8(input.readAll());

    ManualSource source;
    QString error;
    if (!parseManualSource(text, &source, &error))
        return fail(QStringLiteral("%1: %2").arg(args.at(0), error));

    FontSetup fonts;
    if (!chooseFonts(text, parser.isSet(cjkBody), parser.value(cjkFont), &fonts, &error))
        return fail(QStringLiteral("%1: %2").arg(args.at(0), error));

    ManualBook book(source, fonts);
    if (!book.writePdf(args.at(1), &error))
        return fail(error);
    QTextStream(stdout) << args.at(1) << ": " << book.pageCount() << " pages (" << fonts.body
                        << (fonts.cjk.isEmpty() || fonts.cjk == fonts.body ? QString()
                                                                           : QStringLiteral(" + ") + fonts.cjk)
                        << ")\n";
    return 0;
}
