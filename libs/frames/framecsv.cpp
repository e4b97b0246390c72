#include "framecsv.h"

#include "framelevels.h"

namespace {

void appendTable(QByteArray& out, const FrameLevels& levels, const Orientation& o, bool celsius,
                 const LevelTemperatures& t)
{
    const QSize size(FrameLevels::Width, FrameLevels::Height);
    const QSize shown = o.turned(size);
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            if (x)
                out += ',';
            const int level = levels.at(o.toCamera(QPoint(x, y), size));
            out += celsius ? QByteArray::number(t.celsius(level), 'f', 2) : QByteArray::number(level);
        }
        out += '\n';
    }
}

} // namespace

QByteArray FrameCsv::text(const FrameLevels& levels, const Header& header)
{
    QByteArray out;
    if (!levels.isValid())
        return out;
    const QSize shown = header.orientation.turned(QSize(FrameLevels::Width, FrameLevels::Height));
    out += "# camdesk frame levels\n";
    out += "# time: " + header.time.toUtf8() + '\n';
    out += "# palette: " + QByteArray::number(header.palette + 1) + '\n';
    out +=
        "# layout: " + (header.temperatures.isKnown() ? header.temperatures.layout.toUtf8() : "no temperatures") + '\n';
    out += "# rotation: " + header.orientation.text().toUtf8() + '\n';
    out += "# levels: " + QByteArray::number(shown.height()) + " rows of " + QByteArray::number(shown.width()) +
           ", 0 coldest, 255 hottest\n";
    appendTable(out, levels, header.orientation, false, header.temperatures);
    if (header.temperatures.isKnown()) {
        out += "\n# degrees Celsius, from " + header.temperatures.layout.toUtf8() + '\n';
        appendTable(out, levels, header.orientation, true, header.temperatures);
    }
    return out;
}
