#include "appfolders.h"
#include "localisation.h"
#include "mainwindow.h"
#include "optionsfile.h"

#include <layouts/layoutcatalog.h>

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Names the per-user configuration folder and, on Wayland, ties the window to its desktop entry.
    QCoreApplication::setApplicationName(QStringLiteral("camdesk"));
    QGuiApplication::setDesktopFileName(QStringLiteral(CAMDESK_DESKTOP_ID));
    installTranslators(OptionsFile::location(), QStringLiteral("Language"));
    // The shipped profiles, then the user's, which replace shipped ones of the same name.
    LayoutCatalog::setSharedFolders(
        {AppFolders::dataFolder() + QStringLiteral("/layouts"), LayoutCatalog::userFolder()});
    MainWindow window(nullptr);
    window.show();
    return app.exec();
}
