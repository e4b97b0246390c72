// icosplit writes each picture of a Windows icon as <folder>/<size>x<size>/apps/<name>.png, the
// layout of a freedesktop icon theme, so the desktop shows the program's own icon.
#include <QDir>
#include <QGuiApplication>
#include <QImageReader>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        QTextStream(stderr) << "usage: icosplit <icon.ico> <theme folder> <name>\n";
        return 2;
    }
    QImageReader reader(args.at(1), "ico");
    const int count = reader.imageCount();
    if (count <= 0) {
        QTextStream(stderr) << "icosplit: " << args.at(1) << ": " << reader.errorString() << '\n';
        return 1;
    }
    for (int i = 0; i < count; ++i) {
        if (!reader.jumpToImage(i))
            return 1;
        const QImage image = reader.read();
        if (image.isNull() || image.width() != image.height())
            return 1;
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(args.at(2)).arg(image.width());
        if (!QDir().mkpath(folder) || !image.save(folder + QLatin1Char('/') + args.at(3) + QStringLiteral(".png")))
            return 1;
    }
    return 0;
}
