// The three readers of options.xml on arbitrary file contents. Besides running clean under the sanitizers, the
// readers must agree with one another, since they share one walk through the document and differ only in what
// they keep of it.

#include "fuzzcheck.h"
#include "scratchfile.h"

#include <optionsfile.h>

#include <QDir>

#include <cstdint>

namespace {

const char* const OptionNames[] = {"Language",      "HistoryFilesPath", "AllowAlarm",        "AllowMinAlarm",
                                   "AllowMaxAlarm", "AllowAlarmSound",  "AllowLogGeneration"};

bool isXmlSpace(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

bool isBlank(const QString& text)
{
    for (QChar c : text) {
        if (!isXmlSpace(c))
            return false;
    }
    return true;
}

// Two records that differ in every field: a field the file sets ends up the same in both.
OptionParam startingRecord(bool second)
{
    OptionParam param;
    param.language = second ? QStringLiteral("second") : QStringLiteral("first");
    param.historyFilesPath = second ? QStringLiteral("/second") : QStringLiteral("/first");
    param.allowAlarm = second;
    param.allowAlarmSound = second;
    param.allowLogGeneration = second;
    param.allowMinAlarm = second;
    param.allowMaxAlarm = second;
    return param;
}

bool fieldSet(const OptionParam& a, const OptionParam& b, const QString& name)
{
    if (name == QLatin1String("Language"))
        return a.language == b.language;
    if (name == QLatin1String("HistoryFilesPath"))
        return a.historyFilesPath == b.historyFilesPath;
    if (name == QLatin1String("AllowAlarm"))
        return a.allowAlarm == b.allowAlarm;
    if (name == QLatin1String("AllowMinAlarm"))
        return a.allowMinAlarm == b.allowMinAlarm;
    if (name == QLatin1String("AllowMaxAlarm"))
        return a.allowMaxAlarm == b.allowMaxAlarm;
    if (name == QLatin1String("AllowAlarmSound"))
        return a.allowAlarmSound == b.allowAlarmSound;
    return a.allowLogGeneration == b.allowLogGeneration;
}

// Plain ASCII with no encoding declaration is read as is, so an element name can only come from its own bytes.
bool namesAreLiteral(const QByteArray& bytes)
{
    for (char c : bytes) {
        if (c <= 0) // NUL or a byte above 0x7F
            return false;
    }
    return !bytes.contains("encoding");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static ScratchFile file("optionsread");
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    file.write(bytes);
    const QString& path = file.path();

    OptionParam first = startingRecord(false);
    OptionParam second = startingRecord(true);
    FUZZ_CHECK(OptionsFile::readOptions(path, first));
    FUZZ_CHECK(OptionsFile::readOptions(path, second));

    const bool literal = namesAreLiteral(bytes);
    for (const char* option : OptionNames) {
        const QString name = QLatin1String(option);
        const QString value = readOptionValue(path, name);
        // Blank text never counts, so a value found is never blank.
        FUZZ_CHECK(value.isEmpty() || !isBlank(value));
        if (literal && !bytes.contains(option))
            FUZZ_CHECK(value.isEmpty());
        if (name == QLatin1String("HistoryFilesPath")) {
            // Taken only when the folder exists; otherwise the field keeps its value.
            if (fieldSet(first, second, name)) {
                FUZZ_CHECK(!value.isEmpty());
                FUZZ_CHECK(QDir(first.historyFilesPath).exists());
            }
        } else {
            FUZZ_CHECK(fieldSet(first, second, name) == !value.isEmpty());
        }
    }

    const OptionsFile::WindowState window = OptionsFile::readWindowState(path);
    FUZZ_CHECK(window.hasGeometry == !readOptionValue(path, QStringLiteral("Geometry")).isEmpty());
    FUZZ_CHECK(window.hasState == !readOptionValue(path, QStringLiteral("State")).isEmpty());
    FUZZ_CHECK(window.hasGeometry || window.geometry.isEmpty());
    FUZZ_CHECK(window.hasState || window.state.isEmpty());

    // "options" is always a container, and an empty name matches no element.
    FUZZ_CHECK(readOptionValue(path, QStringLiteral("options")).isEmpty());
    FUZZ_CHECK(readOptionValue(path, QString()).isEmpty());
    return 0;
}
