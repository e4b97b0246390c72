#include "controlcommand.h"

#include "camerasimulator.h"

#include <QStringList>

namespace {

bool number(const QStringList& words, int minimum, int maximum, int* value)
{
    if (words.size() != 2)
        return false;
    bool ok = false;
    *value = words[1].toInt(&ok);
    return ok && *value >= minimum && *value <= maximum;
}

} // namespace

QString ControlCommand::help()
{
    return QStringLiteral("commands: palette N (0-255) | fault PLAN | fault none | fps N (0: fastest) | garbage N | "
                          "hangup | restart | flush | stats | help\nfault PLAN: NAME[:A[,B]][@TIMES], NAME one of %1")
        .arg(FaultPlan::names().join(QLatin1Char(' ')));
}

bool ControlCommand::apply(CameraSimulator& simulator, const QString& line, QString* reply)
{
    const QStringList words = line.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    reply->clear();
    if (words.isEmpty())
        return true;
    const QString verb = words[0].toLower();
    int value = 0;
    if (verb == QLatin1String("palette") && number(words, 0, 255, &value)) {
        simulator.setPaletteNumber(quint8(value));
        *reply = QStringLiteral("palette %1").arg(value);
        return true;
    }
    if (verb == QLatin1String("fps") && number(words, 0, 1000, &value)) {
        simulator.setMinFrameInterval(value > 0 ? 1000 / value : 0);
        *reply = QStringLiteral("fps %1").arg(value);
        return true;
    }
    if (verb == QLatin1String("garbage") && number(words, 1, 1 << 24, &value)) {
        simulator.injectGarbage(value);
        *reply = QStringLiteral("garbage %1").arg(value);
        return true;
    }
    if (verb == QLatin1String("fault") && words.size() == 2) {
        FaultPlan plan;
        QString error;
        if (!FaultPlan::parse(words[1], &plan, &error)) {
            *reply = error;
            return false;
        }
        simulator.setFault(plan);
        *reply = QStringLiteral("fault %1").arg(plan.toString());
        return true;
    }
    if (words.size() == 1) {
        if (verb == QLatin1String("hangup")) {
            simulator.hangUp();
            *reply = QStringLiteral("hung up");
            return true;
        }
        if (verb == QLatin1String("restart")) {
            if (!simulator.restart()) {
                *reply = simulator.errorString();
                return false;
            }
            *reply = simulator.slavePath();
            return true;
        }
        if (verb == QLatin1String("flush")) {
            simulator.flushPort();
            *reply = QStringLiteral("flushed");
            return true;
        }
        if (verb == QLatin1String("stats")) {
            const SimulatorStats s = simulator.stats();
            *reply = QStringLiteral("records %1 (get %2, set %3, reset %4, other %5), malformed %6, answered %7, "
                                    "unanswered %8, frames %9, faulty %10, garbage %11, hang-ups %12, fault %13")
                         .arg(s.records())
                         .arg(s.recordsByCode[0])
                         .arg(s.recordsByCode[1])
                         .arg(s.recordsByCode[2])
                         .arg(s.recordsOtherCode)
                         .arg(s.malformedRecords)
                         .arg(s.recordsAnswered)
                         .arg(s.recordsUnanswered)
                         .arg(s.framesSent)
                         .arg(s.faultyReplies)
                         .arg(s.garbageBytesSent)
                         .arg(s.hangUps)
                         .arg(simulator.fault().toString());
            return true;
        }
        if (verb == QLatin1String("help")) {
            *reply = help();
            return true;
        }
    }
    *reply = QStringLiteral("bad command \"%1\"; try help").arg(line.simplified());
    return false;
}
