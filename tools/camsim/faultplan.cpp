#include "faultplan.h"

#include <devicebase/km420frame.h>

namespace {

struct KindName {
    FaultPlan::Kind kind;
    const char* name;
};

const KindName KindNames[] = {
    {FaultPlan::None, "none"},          {FaultPlan::Silence, "silence"},    {FaultPlan::ShortReply, "short"},
    {FaultPlan::LongReply, "long"},     {FaultPlan::BadHead, "bad-head"},   {FaultPlan::BadTail, "bad-tail"},
    {FaultPlan::PauseInReply, "pause"}, {FaultPlan::DoubleReply, "double"}, {FaultPlan::Garbage, "garbage"},
    {FaultPlan::Chunked, "chunked"},    {FaultPlan::HangUp, "hangup"},      {FaultPlan::Flood, "flood"},
};

// Upper bounds keep a typo from asking for gigabytes or hours.
constexpr int MaxBytes = 16 * 1024 * 1024;
constexpr int MaxMs = 600 * 1000;

bool fail(QString* error, const QString& message)
{
    if (error)
        *error = message;
    return false;
}

} // namespace

FaultPlan FaultPlan::make(Kind kind, int times)
{
    FaultPlan plan;
    plan.kind = kind;
    plan.times = times;
    return plan;
}

FaultPlan FaultPlan::shortReply(int length, int times)
{
    FaultPlan plan = make(ShortReply, times);
    plan.length = length;
    return plan;
}

FaultPlan FaultPlan::longReply(int extraBytes, int times)
{
    FaultPlan plan = make(LongReply, times);
    plan.extraBytes = extraBytes;
    return plan;
}

FaultPlan FaultPlan::pauseInReply(int pauseMs, int pauseAt, int times)
{
    FaultPlan plan = make(PauseInReply, times);
    plan.pauseMs = pauseMs;
    plan.pauseAt = pauseAt;
    return plan;
}

FaultPlan FaultPlan::garbage(int bytes, int times)
{
    FaultPlan plan = make(Garbage, times);
    plan.garbageBytes = bytes;
    return plan;
}

FaultPlan FaultPlan::chunked(int chunkSize, int chunkGapUs, int times)
{
    FaultPlan plan = make(Chunked, times);
    plan.chunkSize = chunkSize;
    plan.chunkGapUs = chunkGapUs;
    return plan;
}

FaultPlan FaultPlan::hangUp(int afterFrames, int midBytes)
{
    FaultPlan plan = make(HangUp, 1);
    plan.hangUpAfterFrames = afterFrames;
    plan.hangUpMidBytes = midBytes;
    return plan;
}

QString FaultPlan::name(Kind kind)
{
    for (const KindName& k : KindNames)
        if (k.kind == kind)
            return QString::fromLatin1(k.name);
    return QString();
}

QStringList FaultPlan::names()
{
    QStringList list;
    for (const KindName& k : KindNames)
        list << QString::fromLatin1(k.name);
    return list;
}

bool FaultPlan::parse(const QString& text, FaultPlan* plan, QString* error)
{
    QString rest = text.trimmed();
    int times = -1;
    const int at = rest.indexOf(QLatin1Char('@'));
    if (at >= 0) {
        bool ok = false;
        times = rest.mid(at + 1).toInt(&ok);
        if (!ok || times < 1)
            return fail(error, QStringLiteral("bad repeat count in \"%1\"").arg(text));
        rest.truncate(at);
    }
    const int colon = rest.indexOf(QLatin1Char(':'));
    const QString name = (colon >= 0 ? rest.left(colon) : rest).toLower();
    QList<int> args;
    if (colon >= 0) {
        for (const QString& part : rest.mid(colon + 1).split(QLatin1Char(','))) {
            bool ok = false;
            const int value = part.toInt(&ok);
            if (!ok || value < 0)
                return fail(error, QStringLiteral("bad argument \"%1\" in \"%2\"").arg(part, text));
            args << value;
        }
    }

    const KindName* found = nullptr;
    for (const KindName& k : KindNames)
        if (name == QLatin1String(k.name))
            found = &k;
    if (!found)
        return fail(error, QStringLiteral("unknown fault \"%1\"; known: %2").arg(name, names().join(QLatin1Char(' '))));

    FaultPlan result = make(found->kind, times);
    int maxArgs = 0;
    switch (found->kind) {
    case ShortReply:
        maxArgs = 1;
        if (!args.isEmpty())
            result.length = args[0];
        if (result.length < 1 || result.length >= Km420Frame::Size)
            return fail(error, QStringLiteral("a short reply must be shorter than %1 bytes").arg(Km420Frame::Size));
        break;
    case LongReply:
        maxArgs = 1;
        if (!args.isEmpty())
            result.extraBytes = args[0];
        if (result.extraBytes < 1 || result.extraBytes > MaxBytes)
            return fail(error, QStringLiteral("extra bytes out of range in \"%1\"").arg(text));
        break;
    case PauseInReply:
        maxArgs = 2;
        if (!args.isEmpty())
            result.pauseMs = args[0];
        if (args.size() > 1)
            result.pauseAt = args[1];
        if (result.pauseMs > MaxMs || result.pauseAt < 1 || result.pauseAt >= Km420Frame::Size)
            return fail(error, QStringLiteral("pause out of range in \"%1\"").arg(text));
        break;
    case Garbage:
        maxArgs = 1;
        if (!args.isEmpty())
            result.garbageBytes = args[0];
        if (result.garbageBytes < 1 || result.garbageBytes > MaxBytes)
            return fail(error, QStringLiteral("garbage size out of range in \"%1\"").arg(text));
        break;
    case Chunked:
        maxArgs = 2;
        if (!args.isEmpty())
            result.chunkSize = args[0];
        if (args.size() > 1)
            result.chunkGapUs = args[1];
        if (result.chunkSize < 1 || result.chunkGapUs > MaxMs * 1000 / Km420Frame::Size)
            return fail(error, QStringLiteral("chunk size or gap out of range in \"%1\"").arg(text));
        break;
    case HangUp:
        maxArgs = 2;
        if (!args.isEmpty())
            result.hangUpAfterFrames = args[0];
        if (args.size() > 1)
            result.hangUpMidBytes = args[1];
        if (result.hangUpMidBytes >= Km420Frame::Size)
            return fail(error,
                        QStringLiteral("a hang-up inside a frame needs fewer than %1 bytes").arg(Km420Frame::Size));
        result.times = 1;
        break;
    default:
        break;
    }
    if (args.size() > maxArgs)
        return fail(error, QStringLiteral("too many arguments in \"%1\"").arg(text));
    *plan = result;
    return true;
}

QString FaultPlan::toString() const
{
    QString text = name(kind);
    switch (kind) {
    case ShortReply:
        text += QStringLiteral(":%1").arg(length);
        break;
    case LongReply:
        text += QStringLiteral(":%1").arg(extraBytes);
        break;
    case PauseInReply:
        text += QStringLiteral(":%1,%2").arg(pauseMs).arg(pauseAt);
        break;
    case Garbage:
        text += QStringLiteral(":%1").arg(garbageBytes);
        break;
    case Chunked:
        text += QStringLiteral(":%1,%2").arg(chunkSize).arg(chunkGapUs);
        break;
    case HangUp:
        return text + QStringLiteral(":%1,%2").arg(hangUpAfterFrames).arg(hangUpMidBytes);
    default:
        break;
    }
    if (times > 0 && kind != None && kind != Flood)
        text += QStringLiteral("@%1").arg(times);
    return text;
}
