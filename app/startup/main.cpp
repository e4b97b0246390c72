#include "localisation.h"
#include "mainwindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    installTranslators(QCoreApplication::applicationDirPath() + QStringLiteral("/options.xml"),
                       QStringLiteral("Language"));
    MainWindow window(nullptr);
    window.show();
    return app.exec();
}
