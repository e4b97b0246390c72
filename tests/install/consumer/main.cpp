#include <lensfeed/lensfeed.h>
#include <wirelink/wirelink.h>

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    LensFeed feed;
    WireLink link;
    QStringList ports;
    // No camera is attached; a list call shows the library code really ran.
    return feed.enumerate(ports) == ports.size() ? 0 : 1;
}
