#include "layoutprofile.h"

#include <devicebase/extinfolayout.h>
#include <devicebase/km420frame.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace {

const char* const TypeNames[] = {"u8",    "i8",    "u16le", "i16le", "u16be", "i16be",
                                 "u32le", "i32le", "u32be", "i32be", "f32le", "f32be"};
const char* const FieldNames[] = {"max",      "min",      "centre",    "scaleLow",  "scaleHigh",
                                  "sequence", "alarmLow", "alarmHigh", "emissivity"};
const char* const UnitNames[] = {"C", "K", "F"};

quint32 bytesAt(const char* record, int offset, int size, bool bigEndian)
{
    quint32 v = 0;
    for (int i = 0; i < size; ++i) {
        const int at = bigEndian ? i : size - 1 - i;
        v = (v << 8) | static_cast<quint8>(record[offset + at]);
    }
    return v;
}

// Reads an integer that must be whole and in [low, high].
bool readInt(const QJsonObject& object, const char* key, qint64 low, qint64 high, int* out, QString* why,
             const QString& where)
{
    const QJsonValue value = object.value(QLatin1String(key));
    const double d = value.toDouble(std::numeric_limits<double>::quiet_NaN());
    if (!value.isDouble() || std::floor(d) != d || d < low || d > high) {
        *why = QStringLiteral("%1: \"%2\" must be a whole number from %3 to %4")
                   .arg(where, QLatin1String(key))
                   .arg(low)
                   .arg(high);
        return false;
    }
    *out = static_cast<int>(d);
    return true;
}

bool onlyKeys(const QJsonObject& object, const QStringList& allowed, QString* why, const QString& where)
{
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!allowed.contains(it.key())) {
            *why = QStringLiteral("%1: unknown key \"%2\"").arg(where, it.key());
            return false;
        }
    }
    return true;
}

bool parseField(const QString& name, const QJsonValue& value, LayoutProfile::Field field,
                LayoutProfile::FieldFormat* format, QString* why)
{
    const QString where = QStringLiteral("field \"%1\"").arg(name);
    if (!value.isObject()) {
        *why = where + QStringLiteral(": must be an object");
        return false;
    }
    const QJsonObject o = value.toObject();
    QStringList allowed{QStringLiteral("offset"), QStringLiteral("type"), QStringLiteral("scale"),
                        QStringLiteral("add")};
    if (LayoutProfile::isTemperature(field))
        allowed << QStringLiteral("unit");
    if (!onlyKeys(o, allowed, why, where))
        return false;
    const auto type = LayoutProfile::typeFromName(o.value(QLatin1String("type")).toString());
    if (!type) {
        *why = where + QStringLiteral(": unknown type \"%1\"").arg(o.value(QLatin1String("type")).toString());
        return false;
    }
    format->type = *type;
    if (!readInt(o, "offset", 0, Km420Frame::Size - LayoutProfile::sizeOf(*type), &format->offset, why, where))
        return false;
    for (const char* key : {"scale", "add"}) {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isUndefined())
            continue;
        if (!v.isDouble() || !std::isfinite(v.toDouble())) {
            *why = where + QStringLiteral(": \"%1\" must be a number").arg(QLatin1String(key));
            return false;
        }
        (std::strcmp(key, "scale") == 0 ? format->scale : format->add) = v.toDouble();
    }
    if (o.contains(QLatin1String("unit"))) {
        const QString unit = o.value(QLatin1String("unit")).toString();
        int found = -1;
        for (int i = 0; i < 3; ++i) {
            if (unit == QLatin1String(UnitNames[i]))
                found = i;
        }
        if (found < 0) {
            *why = where + QStringLiteral(": unknown unit \"%1\" (C, K or F)").arg(unit);
            return false;
        }
        format->unit = static_cast<LayoutProfile::Unit>(found);
    }
    format->present = true;
    return true;
}

bool parseProof(const QJsonValue& value, int n, LayoutProfile::Proof* proof, QString* why)
{
    using Kind = LayoutProfile::Proof::Kind;
    const QString where = QStringLiteral("proof %1").arg(n + 1);
    if (!value.isObject()) {
        *why = where + QStringLiteral(": must be an object");
        return false;
    }
    const QJsonObject o = value.toObject();
    if (o.contains(QLatin1String("crc32"))) {
        if (!onlyKeys(o, {QStringLiteral("crc32")}, why, where) || !o.value(QLatin1String("crc32")).isObject()) {
            if (why->isEmpty())
                *why = where + QStringLiteral(": \"crc32\" must be an object");
            return false;
        }
        const QJsonObject c = o.value(QLatin1String("crc32")).toObject();
        proof->kind = Kind::Crc32;
        const QString inner = where + QStringLiteral(" crc32");
        if (!onlyKeys(c, {QStringLiteral("from"), QStringLiteral("to"), QStringLiteral("at")}, why, inner) ||
            !readInt(c, "from", 0, Km420Frame::Size - 1, &proof->from, why, inner) ||
            !readInt(c, "to", proof->from, Km420Frame::Size - 1, &proof->to, why, inner) ||
            !readInt(c, "at", 0, Km420Frame::Size - 4, &proof->offset, why, inner))
            return false;
        return true;
    }
    const bool bytes = o.contains(QLatin1String("bytes"));
    const bool u8 = o.contains(QLatin1String("u8"));
    const bool u16 = o.contains(QLatin1String("u16le"));
    if (int(bytes) + int(u8) + int(u16) != 1) {
        *why = where + QStringLiteral(": needs one of \"bytes\", \"crc32\", \"u8\" or \"u16le\"");
        return false;
    }
    const QString key = bytes ? QStringLiteral("bytes") : u8 ? QStringLiteral("u8") : QStringLiteral("u16le");
    if (!onlyKeys(o, {QStringLiteral("offset"), key}, why, where))
        return false;
    int size = u8 ? 1 : 2;
    if (bytes) {
        const QString hex = o.value(key).toString();
        proof->bytes = QByteArray::fromHex(hex.toLatin1());
        const bool isHex = !hex.isEmpty() && hex.size() % 2 == 0 &&
                           std::all_of(hex.begin(), hex.end(), [](QChar c) { return std::isxdigit(c.toLatin1()); });
        if (!o.value(key).isString() || !isHex || proof->bytes.size() > Km420Frame::Size) {
            *why = where + QStringLiteral(": \"bytes\" must be hexadecimal digits, two a byte");
            return false;
        }
        proof->kind = Kind::Bytes;
        size = proof->bytes.size();
    } else {
        int v = 0;
        if (!readInt(o, u8 ? "u8" : "u16le", 0, u8 ? 0xff : 0xffff, &v, why, where))
            return false;
        proof->kind = u8 ? Kind::U8 : Kind::U16LE;
        proof->value = static_cast<quint32>(v);
    }
    return readInt(o, "offset", 0, Km420Frame::Size - size, &proof->offset, why, where);
}

// The first key an object of the text names twice, empty when none does. Qt's parser keeps only the last of
// two equal keys (and loses the memory of the first); a profile that says one thing twice is refused.
QString duplicateKey(const QByteArray& json)
{
    struct Level {
        bool object;
        QSet<QString> keys;
    };
    std::vector<Level> levels;
    char previous = 0; // the last character outside strings and blanks
    for (int i = 0; i < json.size(); ++i) {
        const char c = json.at(i);
        if (c == '"') {
            QString text;
            int j = i + 1;
            for (; j < json.size() && json.at(j) != '"'; ++j) {
                if (json.at(j) != '\\' || j + 1 >= json.size()) {
                    text += QChar(uchar(json.at(j)));
                    continue;
                }
                ++j;
                bool hex = false;
                const ushort unit = json.at(j) == 'u' ? json.mid(j + 1, 4).toUShort(&hex, 16) : 0;
                if (hex) {
                    text += QChar(unit);
                    j += 4;
                } else {
                    text += QLatin1Char('\\') + QChar(uchar(json.at(j)));
                }
            }
            if (!levels.empty() && levels.back().object && (previous == '{' || previous == ',')) {
                if (levels.back().keys.contains(text))
                    return text;
                levels.back().keys.insert(text);
            }
            i = j;
            previous = '"';
            continue;
        }
        if (c == '{' || c == '[')
            levels.push_back({c == '{', {}});
        else if ((c == '}' || c == ']') && !levels.empty())
            levels.pop_back();
        if (!std::isspace(uchar(c)))
            previous = c;
    }
    return QString();
}

} // namespace

std::optional<LayoutProfile> LayoutProfile::parse(const QByteArray& json, QString* why)
{
    QString ignored;
    if (!why)
        why = &ignored;
    why->clear();
    const QString twice = duplicateKey(json);
    if (!twice.isEmpty()) {
        *why = QStringLiteral("the key \"%1\" stands twice in one object").arg(twice);
        return std::nullopt;
    }
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        *why = QStringLiteral("not JSON: %1 at character %2").arg(error.errorString()).arg(error.offset);
        return std::nullopt;
    }
    if (!document.isObject()) {
        *why = QStringLiteral("not a JSON object");
        return std::nullopt;
    }
    const QJsonObject o = document.object();
    if (!onlyKeys(o,
                  {QStringLiteral("format"), QStringLiteral("version"), QStringLiteral("name"), QStringLiteral("proof"),
                   QStringLiteral("fields")},
                  why, QStringLiteral("profile")))
        return std::nullopt;
    if (o.value(QLatin1String("format")).toString() != QLatin1String("km420-layout")) {
        *why = QStringLiteral("\"format\" is not \"km420-layout\"");
        return std::nullopt;
    }
    if (o.value(QLatin1String("version")).toDouble() != 1.0) {
        *why = QStringLiteral("\"version\" is not 1");
        return std::nullopt;
    }
    LayoutProfile profile;
    profile.m_name = o.value(QLatin1String("name")).toString().trimmed();
    if (profile.m_name.isEmpty()) {
        *why = QStringLiteral("\"name\" is missing or empty");
        return std::nullopt;
    }
    const QJsonValue proof = o.value(QLatin1String("proof"));
    if (!proof.isUndefined() && !proof.isArray()) {
        *why = QStringLiteral("\"proof\" must be a list");
        return std::nullopt;
    }
    const QJsonArray proofs = proof.toArray();
    for (int i = 0; i < proofs.size(); ++i) {
        Proof p;
        if (!parseProof(proofs.at(i), i, &p, why))
            return std::nullopt;
        profile.m_proof.append(p);
    }
    const QJsonValue fields = o.value(QLatin1String("fields"));
    if (!fields.isObject()) {
        *why = QStringLiteral("\"fields\" must be an object");
        return std::nullopt;
    }
    const QJsonObject f = fields.toObject();
    for (auto it = f.begin(); it != f.end(); ++it) {
        int found = -1;
        for (int i = 0; i < FieldCount; ++i) {
            if (it.key() == QLatin1String(FieldNames[i]))
                found = i;
        }
        if (found < 0) {
            *why = QStringLiteral("unknown field \"%1\"").arg(it.key());
            return std::nullopt;
        }
        if (!parseField(it.key(), it.value(), Field(found), &profile.m_fields[found], why))
            return std::nullopt;
    }
    return profile;
}

QByteArray LayoutProfile::toJson() const
{
    QJsonArray proofs;
    for (const Proof& p : m_proof) {
        QJsonObject o;
        switch (p.kind) {
        case Proof::Kind::Bytes:
            o.insert(QStringLiteral("offset"), p.offset);
            o.insert(QStringLiteral("bytes"), QString::fromLatin1(p.bytes.toHex().toUpper()));
            break;
        case Proof::Kind::Crc32:
            o.insert(QStringLiteral("crc32"), QJsonObject{{QStringLiteral("from"), p.from},
                                                          {QStringLiteral("to"), p.to},
                                                          {QStringLiteral("at"), p.offset}});
            break;
        case Proof::Kind::U8:
        case Proof::Kind::U16LE:
            o.insert(QStringLiteral("offset"), p.offset);
            o.insert(p.kind == Proof::Kind::U8 ? QStringLiteral("u8") : QStringLiteral("u16le"), int(p.value));
            break;
        }
        proofs.append(o);
    }
    QJsonObject fields;
    for (int i = 0; i < FieldCount; ++i) {
        const FieldFormat& s = m_fields[i];
        if (!s.present)
            continue;
        QJsonObject o{{QStringLiteral("offset"), s.offset}, {QStringLiteral("type"), typeName(s.type)}};
        if (s.scale != 1.0)
            o.insert(QStringLiteral("scale"), s.scale);
        if (s.add != 0.0)
            o.insert(QStringLiteral("add"), s.add);
        if (s.unit != Unit::Celsius)
            o.insert(QStringLiteral("unit"), QLatin1String(UnitNames[int(s.unit)]));
        fields.insert(QLatin1String(FieldNames[i]), o);
    }
    const QJsonObject root{{QStringLiteral("format"), QStringLiteral("km420-layout")},
                           {QStringLiteral("version"), 1},
                           {QStringLiteral("name"), m_name},
                           {QStringLiteral("proof"), proofs},
                           {QStringLiteral("fields"), fields}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool LayoutProfile::proves(const char* record) const
{
    if (!record || m_proof.isEmpty())
        return false;
    for (const Proof& p : m_proof) {
        switch (p.kind) {
        case Proof::Kind::Bytes:
            if (std::memcmp(record + p.offset, p.bytes.constData(), size_t(p.bytes.size())) != 0)
                return false;
            break;
        case Proof::Kind::Crc32:
            if (Km420Frame::readUInt32(record, p.offset) != ExtInfoLayout::crc32(record + p.from, p.to - p.from + 1))
                return false;
            break;
        case Proof::Kind::U8:
            if (static_cast<quint8>(record[p.offset]) != p.value)
                return false;
            break;
        case Proof::Kind::U16LE:
            if (bytesAt(record, p.offset, 2, false) != p.value)
                return false;
            break;
        }
    }
    return true;
}

double LayoutProfile::value(Field which, const char* record) const
{
    const FieldFormat& s = field(which);
    if (!s.present || !record)
        return std::numeric_limits<double>::quiet_NaN();
    const double v = readRaw(record, s.offset, s.type) * s.scale + s.add;
    if (!isTemperature(which))
        return v;
    switch (s.unit) {
    case Unit::Kelvin:
        return v - 273.15;
    case Unit::Fahrenheit:
        return (v - 32.0) * 5.0 / 9.0;
    case Unit::Celsius:
        break;
    }
    return v;
}

double LayoutProfile::readRaw(const char* record, int offset, Type type)
{
    const int size = sizeOf(type);
    const bool big =
        type == Type::U16BE || type == Type::I16BE || type == Type::U32BE || type == Type::I32BE || type == Type::F32BE;
    const quint32 bits = bytesAt(record, offset, size, big);
    switch (type) {
    case Type::U8:
    case Type::U16LE:
    case Type::U16BE:
    case Type::U32LE:
    case Type::U32BE:
        return bits;
    case Type::I8:
        return static_cast<qint8>(bits);
    case Type::I16LE:
    case Type::I16BE:
        return static_cast<qint16>(bits);
    case Type::I32LE:
    case Type::I32BE:
        return static_cast<qint32>(bits);
    case Type::F32LE:
    case Type::F32BE: {
        float f;
        std::memcpy(&f, &bits, sizeof f);
        return f;
    }
    }
    return std::numeric_limits<double>::quiet_NaN();
}

int LayoutProfile::sizeOf(Type type)
{
    switch (type) {
    case Type::U8:
    case Type::I8:
        return 1;
    case Type::U16LE:
    case Type::I16LE:
    case Type::U16BE:
    case Type::I16BE:
        return 2;
    default:
        return 4;
    }
}

QString LayoutProfile::typeName(Type type)
{
    return QLatin1String(TypeNames[int(type)]);
}

std::optional<LayoutProfile::Type> LayoutProfile::typeFromName(const QString& name)
{
    for (int i = 0; i < int(sizeof TypeNames / sizeof *TypeNames); ++i) {
        if (name == QLatin1String(TypeNames[i]))
            return Type(i);
    }
    return std::nullopt;
}

QString LayoutProfile::fieldName(Field field)
{
    return QLatin1String(FieldNames[int(field)]);
}
