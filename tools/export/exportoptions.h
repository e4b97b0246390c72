#ifndef EXPORT_EXPORTOPTIONS_H
#define EXPORT_EXPORTOPTIONS_H

#include <QString>
#include <QStringList>

// What km420-export was asked to do, read from its command line. No I/O. Frames and palettes count
// from 0 here and from 1 on the command line.
struct ExportOptions {
    enum Target { Png, Video, Fields, Csv };

    static constexpr int DefaultPngScale = 1;
    static constexpr int DefaultVideoScale = 4;

    QString input;
    Target target = Png;
    QString output;   // the folder for PNG or CSV files, the MP4 file, or the fields' CSV file (empty: standard output)
    QString profile;  // Fields, Csv: read every frame with this layout profile instead of the installed ones
    int palette = -1; // the palette each frame names
    int scale = DefaultPngScale;
    int rotation = 0; // degrees clockwise, a multiple of 90
    bool mirrored = false;
    int from = 0;
    int to = -1; // the last frame
    bool help = false;

    // arguments as QCoreApplication::arguments() gives them, the program first. False, with the
    // reason in *error, for a missing or doubled output, extra arguments or a bad value.
    bool parse(const QStringList& arguments, QString* error);
    static QString helpText();
};

#endif // EXPORT_EXPORTOPTIONS_H
