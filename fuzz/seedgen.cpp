// Writes the binary seeds of the frame targets: replies as the camera simulator builds them, and operation lists
// of the stream cutter that carry them. Run by hand when the frame layout changes:
//   fuzz_seedgen fuzz/corpus

#include <camsim/framebuilder.h>
#include <camsim/thermalscene.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

bool save(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

QByteArray frame(quint32 number, quint8 palette)
{
    const ThermalScene scene(7);
    return FrameBuilder::build(scene.render(number), 0x0002, CameraParameters(), number, palette);
}

// Operations of the stream-cut target.
QByteArray arm()
{
    return QByteArray(1, '\x00');
}

QByteArray stop()
{
    return QByteArray(1, '\x01');
}

QByteArray collect(const QByteArray& bytes)
{
    QByteArray op(1, '\x02');
    op.append(char(bytes.size() & 0xFF));
    op.append(char((bytes.size() >> 8) & 0xFF));
    return op + bytes;
}

QByteArray ticks(int n)
{
    QByteArray op;
    for (; n > 0; n -= 256) {
        op.append('\x03');
        op.append(char(qMin(n, 256) - 1));
    }
    return op;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus-folder>\n", argv[0]);
        return 2;
    }
    const QDir corpus(QString::fromLocal8Bit(argv[1]));
    corpus.mkpath(QStringLiteral("framecheck"));
    corpus.mkpath(QStringLiteral("streamcut"));
    const auto frameSeed = [&](const char* name) { return corpus.filePath(QStringLiteral("framecheck/") + name); };
    const auto cutSeed = [&](const char* name) { return corpus.filePath(QStringLiteral("streamcut/") + name); };

    const QByteArray first = frame(1, 0);
    QByteArray badTail = frame(2, 3);
    badTail[badTail.size() - 1] = '\x88';
    // Palette numbers past 4 wrap round.
    QByteArray wrapped = frame(3, 9);

    bool ok = save(frameSeed("frame-palette0"), first) && save(frameSeed("frame-palette9"), wrapped) &&
              save(frameSeed("frame-badtail"), badTail) && save(frameSeed("short-reply"), first.left(200)) &&
              save(frameSeed("planted-rows"), QByteArray(1, '\x04') + first.mid(6148, 400));

    // A reply in one piece, then the quiet ticks.
    ok = ok && save(cutSeed("one-chunk"), arm() + collect(first) + ticks(10));
    // A reply in pieces with short gaps, a second command with no reply at all.
    const QByteArray pieces = arm() + collect(first.left(5000)) + ticks(5) + collect(first.mid(5000, 5000)) + ticks(9) +
                              collect(first.mid(10000)) + ticks(10) + arm() + ticks(300);
    ok = ok && save(cutSeed("pieces-then-silence"), pieces);
    // Bytes while idle, then a reply with more after it than the buffer holds.
    const QByteArray overlong = collect("idle") + arm() + collect(first) + collect(QByteArray(16, '\x55')) + ticks(12);
    ok = ok && save(cutSeed("overlong"), overlong);
    // A pause inside a reply: the first part is cut off short, the rest lands while the cutter is idle.
    const QByteArray pause =
        arm() + collect(first.left(64)) + ticks(10) + collect(first.mid(64, 64)) + arm() + ticks(3) + stop();
    ok = ok && save(cutSeed("pause-inside"), pause);
    return ok ? 0 : 1;
}
