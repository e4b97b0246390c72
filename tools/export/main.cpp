// km420-export: the frames of a KM420 recording as PNG pictures, an H.264 MP4 video or a CSV of readings.

#include "exportoptions.h"
#include "recordingexport.h"

#include <layouts/layoutcatalog.h>

#include <QCoreApplication>

#include <cstdio>

namespace {

void print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    if (!text.endsWith('\n'))
        std::fputc('\n', stream);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("km420-export");
    // The profiles camdesk reads: the install's, then the user's.
    LayoutCatalog::setSharedFolders({QCoreApplication::applicationDirPath() + "/" CAMDESK_DATA_FROM_PROGRAM "/layouts",
                                     LayoutCatalog::userFolder()});

    ExportOptions options;
    QString error;
    if (!options.parse(QCoreApplication::arguments(), &error)) {
        print(stderr, QString("km420-export: %1\n\n%2").arg(error, ExportOptions::helpText()));
        return 2;
    }
    if (options.help) {
        print(stdout, ExportOptions::helpText());
        return 0;
    }
    RecordingExport exporter(options);
    if (!exporter.run()) {
        print(stderr, QString("km420-export: %1").arg(exporter.errorString()));
        return 1;
    }
    // The fields' table may be on standard output itself.
    print(options.target == ExportOptions::Fields ? stderr : stdout, exporter.summary());
    return 0;
}
