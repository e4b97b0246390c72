#include "exportoptions.h"

#include "frameimage.h"

#include <frames/palettes.h>

#include <QCommandLineParser>

#include <climits>

namespace {

const QCommandLineOption PngOption("png", "Write one PNG file per frame into <dir>.", "dir");
const QCommandLineOption VideoOption("video", "Write an H.264 MP4 video to <file>.", "file");
const QCommandLineOption FieldsOption("fields", "Write each frame's layout readings as one CSV row.");
const QCommandLineOption CsvOption("csv", "Write each frame's levels (and temperatures) as one CSV file into <dir>.",
                                   "dir");
const QCommandLineOption ProfileOption("profile", "With --fields or --csv: read the frames with this layout profile.",
                                       "file");
const QCommandLineOption OutOption("out", "With --fields: write the CSV to <file> (default: standard output).", "file");
const QCommandLineOption PaletteOption("palette", "Paint every frame in palette <n> (1 to 5).", "n");
const QCommandLineOption ScaleOption("scale", "Enlarge each pixel to <k> x <k> (default 1 for PNG, 4 for video).", "k");
const QCommandLineOption RotateOption("rotate", "Turn the pictures and levels <deg> clockwise (0, 90, 180 or 270).",
                                      "deg");
const QCommandLineOption MirrorOption("mirror", "Mirror the pictures and levels left to right (after turning).");
const QCommandLineOption FromOption("from", "First frame to export, counted from 1 (default 1).", "i");
const QCommandLineOption ToOption("to", "Last frame to export (default the last one).", "j");
const QCommandLineOption HelpOption(QStringList{"h", "help"}, "Show this help.");

void addOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription("Exports the frames of a KM420 recording as PNG pictures, an MP4 video, a CSV of "
                                     "their readings or CSV files of their levels.");
    parser.addPositionalArgument("recording", "The recording file.");
    parser.addOptions({PngOption, VideoOption, FieldsOption, CsvOption, ProfileOption, OutOption, PaletteOption,
                       ScaleOption, RotateOption, MirrorOption, FromOption, ToOption, HelpOption});
}

// Reads an optional integer option within [low, high]; false with the reason when its value is bad.
bool readInt(const QCommandLineParser& parser, const QCommandLineOption& option, int low, int high, int* value,
             QString* error)
{
    const QString name = option.names().constLast();
    if (!parser.isSet(name))
        return true;
    bool ok = false;
    const int v = parser.value(name).toInt(&ok);
    if (!ok || v < low || v > high) {
        *error = QString("--%1 wants a whole number from %2 to %3, not \"%4\".")
                     .arg(name)
                     .arg(low)
                     .arg(high)
                     .arg(parser.value(name));
        return false;
    }
    *value = v;
    return true;
}

} // namespace

bool ExportOptions::parse(const QStringList& arguments, QString* error)
{
    QCommandLineParser parser;
    addOptions(parser);
    if (!parser.parse(arguments)) {
        *error = parser.errorText();
        return false;
    }
    help = parser.isSet(HelpOption);
    if (help)
        return true;

    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1) {
        *error = positional.isEmpty() ? QString("No recording given.")
                                      : QString("One recording at a time, not %1.").arg(positional.size());
        return false;
    }
    input = positional.constFirst();
    if (int(parser.isSet(PngOption)) + int(parser.isSet(VideoOption)) + int(parser.isSet(FieldsOption)) +
            int(parser.isSet(CsvOption)) !=
        1) {
        *error = QString("Give one of --png <dir>, --video <file>, --fields or --csv <dir>.");
        return false;
    }
    target = parser.isSet(PngOption) ? Png : parser.isSet(VideoOption) ? Video : parser.isSet(CsvOption) ? Csv : Fields;
    if ((target != Fields && parser.isSet(OutOption)) ||
        (target != Fields && target != Csv && parser.isSet(ProfileOption))) {
        *error = QString("--out goes with --fields, --profile with --fields or --csv.");
        return false;
    }
    if (target == Fields) {
        output = parser.value(OutOption);
        profile = parser.value(ProfileOption);
        if ((parser.isSet(OutOption) && output.isEmpty()) || (parser.isSet(ProfileOption) && profile.isEmpty())) {
            *error = QString("A file name is empty.");
            return false;
        }
    } else {
        output = parser.value(target == Png ? PngOption : target == Csv ? CsvOption : VideoOption);
        profile = parser.value(ProfileOption);
        if (output.isEmpty()) {
            *error = QString("The output name is empty.");
            return false;
        }
    }
    scale = target == Png ? DefaultPngScale : DefaultVideoScale;
    // On the command line frames and palettes count from 1, as camdesk's playback pane shows them.
    int userPalette = 0;
    int userFrom = 1;
    int userTo = 0;
    if (!readInt(parser, PaletteOption, 1, Palettes::Count, &userPalette, error) ||
        !readInt(parser, ScaleOption, 1, FrameImage::MaxScale, &scale, error) ||
        !readInt(parser, FromOption, 1, INT_MAX, &userFrom, error) ||
        !readInt(parser, ToOption, 1, INT_MAX, &userTo, error))
        return false;
    if (userTo > 0 && userFrom > userTo) {
        *error = QString("The range --from %1 --to %2 is empty.").arg(userFrom).arg(userTo);
        return false;
    }
    if (parser.isSet(RotateOption)) {
        const QString value = parser.value(RotateOption);
        bool ok = false;
        rotation = value.toInt(&ok);
        if (!ok || rotation < 0 || rotation > 270 || rotation % 90 != 0) {
            *error = QString("--rotate wants 0, 90, 180 or 270, not \"%1\".").arg(value);
            return false;
        }
    }
    mirrored = parser.isSet(MirrorOption);
    if (target == Fields && (rotation != 0 || mirrored)) {
        *error = QString("--rotate and --mirror go with --png, --video or --csv.");
        return false;
    }
    palette = userPalette - 1;
    from = userFrom - 1;
    to = userTo - 1;
    return true;
}

QString ExportOptions::helpText()
{
    QCommandLineParser parser;
    addOptions(parser);
    return parser.helpText();
}
