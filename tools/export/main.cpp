// km420-export: the frames of a KM420 recording as PNG pictures or an H.264 MP4 video.

#include "exportoptions.h"
#include "recordingexport.h"

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
    print(stdout, exporter.summary());
    return 0;
}
