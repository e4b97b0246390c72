#include "localisation.h"
#include "mainwindow.h"
#include "optionsfile.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Names the per-user configuration folder and, on Wayland, ties the window to its desktop entry.
    QCoreApplication::setApplicationName(QStringLiteral("camdesk"));
    QGuiApplication::setDesktopFileName(QStringLiteral(CAMDESK_DESKTOP_ID));
    installTranslators(OptionsFile::location(), QStringLiteral("Language"));
    MainWindow window(nullptr);
    window.show();
    return app.exec();
}
