// iconforge: draws the icons of the camdesk resource bundle.
// Usage: iconforge <output folder>   (normally app/resources/image)

#include "appicon.h"
#include "glyphs.h"
#include "icowriter.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream err(stderr);
    if (args.size() != 2) {
        err << "usage: iconforge <output folder>\n";
        return 2;
    }
    QDir out(args.at(1));
    if (!out.mkpath(".")) {
        err << "cannot create " << args.at(1) << "\n";
        return 1;
    }

    int failures = 0;
    for (const Glyph& glyph : glyphs()) {
        const QString path = out.filePath(glyph.name + ".png");
        if (!renderGlyph(glyph).save(path, "PNG")) {
            err << "cannot write " << path << "\n";
            ++failures;
        }
    }

    const struct {
        const char* name;
        AppIconVariant variant;
    } icons[] = {
        {"app.ico", AppIconVariant::Plain}, {"app2.ico", AppIconVariant::Tile}, {"app5.ico", AppIconVariant::HotSpot}};
    for (const auto& icon : icons) {
        QVector<QImage> sizes;
        for (int size : {16, 32, 48, 256})
            sizes.append(renderAppIcon(icon.variant, size));
        QFile file(out.filePath(icon.name));
        const QByteArray data = packIco(sizes);
        if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size()) {
            err << "cannot write " << file.fileName() << "\n";
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
