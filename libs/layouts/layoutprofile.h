#ifndef LAYOUTPROFILE_H
#define LAYOUTPROFILE_H

#include <layouts/layouts_export.h>

#include <QByteArray>
#include <QString>
#include <QVector>

#include <array>
#include <optional>

// A layout profile: where a camera keeps its readings in the 14,935-byte frame record, in which type
// and scale, and what in a record proves that it carries this layout (doc/layout-profiles.md).
class LAYOUTS_EXPORT LayoutProfile {
public:
    enum class Field { Max, Min, Centre, ScaleLow, ScaleHigh, Sequence, AlarmLow, AlarmHigh, Emissivity };
    static constexpr int FieldCount = 9;
    enum class Type { U8, I8, U16LE, I16LE, U16BE, I16BE, U32LE, I32LE, U32BE, I32BE, F32LE, F32BE };
    enum class Unit { Celsius, Kelvin, Fahrenheit };

    struct FieldFormat {
        bool present = false;
        int offset = 0;
        Type type = Type::U8;
        double scale = 1.0;
        double add = 0.0;
        Unit unit = Unit::Celsius;
    };
    struct Proof {
        enum class Kind { Bytes, Crc32, U8, U16LE } kind = Kind::Bytes;
        int offset = 0;
        QByteArray bytes; // Bytes
        int from = 0;     // Crc32: bytes from..to inclusive, stored little-endian at `offset`
        int to = 0;
        quint32 value = 0; // U8, U16LE
    };

    // Parses a profile; on failure gives nothing and says why in `why`.
    static std::optional<LayoutProfile> parse(const QByteArray& json, QString* why);
    // The profile as JSON, in the form parse() reads.
    QByteArray toJson() const;

    QString name() const { return m_name; }
    void setName(const QString& name) { m_name = name; }
    // A profile without proof is never taken for a record on its own.
    bool hasProof() const { return !m_proof.isEmpty(); }
    // True when every proof entry holds for the whole record (Km420Frame::Size bytes).
    bool proves(const char* record) const;
    bool has(Field field) const { return m_fields[index(field)].present; }
    const FieldFormat& field(Field field) const { return m_fields[index(field)]; }
    void setField(Field field, const FieldFormat& format) { m_fields[index(field)] = format; }
    const QVector<Proof>& proof() const { return m_proof; }
    void addProof(const Proof& proof) { m_proof.append(proof); }

    // raw × scale + add; temperatures converted to °C. NaN when the field is missing.
    double value(Field field, const char* record) const;

    // The raw value of `type` at `offset` of the record (which must hold it).
    static double readRaw(const char* record, int offset, Type type);
    static int sizeOf(Type type);
    static QString typeName(Type type);
    static std::optional<Type> typeFromName(const QString& name);
    static QString fieldName(Field field);
    static bool isTemperature(Field field) { return field != Field::Sequence && field != Field::Emissivity; }

private:
    static int index(Field field) { return static_cast<int>(field); }

    QString m_name;
    QVector<Proof> m_proof;
    std::array<FieldFormat, FieldCount> m_fields{};
};

#endif // LAYOUTPROFILE_H
