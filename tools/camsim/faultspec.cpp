#include "faultspec.h"

#include <km420frame.h>

namespace {

struct KindName {
    FaultSpec::Kind kind;
    const char* name;
};

const KindName KindNames[] = {
    {FaultSpec::None, "none"},          {FaultSpec::Silence, "silence"},    {FaultSpec::ShortReply, "short"},
    {FaultSpec::LongReply, "long"},     {FaultSpec::BadHead, "bad-head"},   {FaultSpec::BadTail, "bad-tail"},
    {FaultSpec::PauseInReply, "pause"}, {FaultSpec::DoubleReply, "double"}, {FaultSpec::Garbage, "garbage"},
    {FaultSpec::Chunked, "chunked"},    {FaultSpec::HangUp, "hangup"},      {FaultSpec::Flood, "flood"},
};

// Upper bounds keep a typo from asking for gigabytes or hours.
constexpr int MaxBytes = 16 * 1024 * 1024;
constexpr int MaxMs = 600 * 1000;

bool fail(QString* error, const QString& message) {
    if (error)
        *error = message;
    return false;
}

} // namespace

FaultSpec FaultSpec::make(Kind kind, int times) {
    FaultSpec spec;
    spec.kind = kind;
    spec.times = times;
    return spec;
}

FaultSpec FaultSpec::shortReply(int length, int times) {
    FaultSpec spec = make(ShortReply, times);
    spec.length = length;
    return spec;
}

FaultSpec FaultSpec::longReply(int extraBytes, int times) {
    FaultSpec spec = make(LongReply, times);
    spec.extraBytes = extraBytes;
    return spec;
}

FaultSpec FaultSpec::pauseInReply(int pauseMs, int pauseAt, int times) {
    FaultSpec spec = make(PauseInReply, times);
    spec.pauseMs = pauseMs;
    spec.pauseAt = pauseAt;
    return spec;
}

FaultSpec FaultSpec::garbage(int bytes, int times) {
    FaultSpec spec = make(Garbage, times);
    spec.garbageBytes = bytes;
    return spec;
}

FaultSpec FaultSpec::chunked(int chunkSize, int chunkGapUs, int times) {
    FaultSpec spec = make(Chunked, times);
    spec.chunkSize = chunkSize;
    spec.chunkGapUs = chunkGapUs;
    return spec;
}

FaultSpec FaultSpec::hangUp(int afterFrames, int midBytes) {
    FaultSpec spec = make(HangUp, 1);
    spec.hangUpAfterFrames = afterFrames;
    spec.hangUpMidBytes = midBytes;
    return spec;
}

QString FaultSpec::name(Kind kind) {
    for (const KindName& k : KindNames)
        if (k.kind == kind)
            return QString::fromLatin1(k.name);
    return QString();
}

QStringList FaultSpec::names() {
    QStringList list;
    for (const KindName& k : KindNames)
        list << QString::fromLatin1(k.name);
    return list;
}

bool FaultSpec::parse(const QString& text, FaultSpec* spec, QString* error) {
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

    FaultSpec result = make(found->kind, times);
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
    *spec = result;
    return true;
}

QString FaultSpec::toString() const {
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
