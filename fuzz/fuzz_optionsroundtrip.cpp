// What the writer stores, the readers give back: arbitrary option texts, switches and window bytes go through
// OptionsFile::write and come back through the three readers.

#include "fuzzcheck.h"
#include "scratchfile.h"

#include <optionsfile.h>

#include <QDir>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

namespace {

// Any UTF-16 code units, lone surrogates and control characters included: a path handed over by the system
// is not guaranteed to be valid text.
QString utf16Text(FuzzedDataProvider& provider)
{
    const std::string raw = provider.ConsumeRandomLengthString(256);
    QString text;
    for (size_t i = 0; i + 1 < raw.size(); i += 2)
        text.append(QChar(ushort(uchar(raw[i]) | (uchar(raw[i + 1]) << 8))));
    return text;
}

QByteArray bytes(FuzzedDataProvider& provider)
{
    const std::string raw = provider.ConsumeRandomLengthString(512);
    return QByteArray(raw.data(), int(raw.size()));
}

bool isXmlChar(ushort c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD);
}

// The text as XML 1.0 can hold it: characters that it cannot carry at all are left out, and a lone surrogate,
// which cannot be encoded, stands as U+FFFD. A pair is always a character of XML.
QString storable(const QString& text)
{
    QString result;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            result.append(c);
            result.append(text[++i]);
        } else if (c.isSurrogate()) {
            result.append(QChar(QChar::ReplacementCharacter));
        } else if (isXmlChar(c.unicode())) {
            result.append(c);
        }
    }
    return result;
}

// Text that the readers take for blank and skip. A carriage return does not count: it is written as a character
// reference, so that it comes back as itself rather than as a line feed, and a reference is content.
bool isBlank(const QString& text)
{
    for (QChar c : text) {
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\n'))
            return false;
    }
    return true;
}

// What a reader should find for a text that was written: nothing when it is blank once stored.
QString expectedText(const QString& written)
{
    const QString text = storable(written);
    return isBlank(text) ? QString() : text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static ScratchFile file("optionsroundtrip");
    FuzzedDataProvider provider(data, size);

    OptionParam written;
    written.allowAlarm = provider.ConsumeBool();
    written.allowAlarmSound = provider.ConsumeBool();
    written.allowLogGeneration = provider.ConsumeBool();
    written.allowMinAlarm = provider.ConsumeBool();
    written.allowMaxAlarm = provider.ConsumeBool();
    written.language = utf16Text(provider);
    written.historyFilesPath = utf16Text(provider);
    const QByteArray geometry = bytes(provider);
    const QByteArray state = bytes(provider);

    file.write(OptionsFile::compose(written, geometry, state));
    const QString& path = file.path();

    OptionParam read;
    read.language = QStringLiteral("unset");
    read.historyFilesPath = QStringLiteral("/unset");
    read.allowAlarm = !written.allowAlarm;
    read.allowAlarmSound = !written.allowAlarmSound;
    read.allowLogGeneration = !written.allowLogGeneration;
    read.allowMinAlarm = !written.allowMinAlarm;
    read.allowMaxAlarm = !written.allowMaxAlarm;
    FUZZ_CHECK(OptionsFile::readOptions(path, read));
    const OptionsFile::WindowState window = OptionsFile::readWindowState(path);
    const QString language = readOptionValue(path, QStringLiteral("Language"));
    const QString history = readOptionValue(path, QStringLiteral("HistoryFilesPath"));
    FUZZ_CHECK(window.geometry == geometry);
    FUZZ_CHECK(window.hasGeometry == !geometry.isEmpty());
    FUZZ_CHECK(window.state == state);
    FUZZ_CHECK(window.hasState == !state.isEmpty());

    const QString expectedLanguage = expectedText(written.language);
    FUZZ_CHECK(language == expectedLanguage);
    FUZZ_CHECK(read.language == (expectedLanguage.isEmpty() ? QStringLiteral("unset") : expectedLanguage));

    const QString expectedHistory = expectedText(written.historyFilesPath);
    FUZZ_CHECK(history == expectedHistory);
    const bool historyTaken = !expectedHistory.isEmpty() && QDir(expectedHistory).exists();
    FUZZ_CHECK(read.historyFilesPath == (historyTaken ? expectedHistory : QStringLiteral("/unset")));

    FUZZ_CHECK(read.allowAlarm == written.allowAlarm);
    FUZZ_CHECK(read.allowAlarmSound == written.allowAlarmSound);
    FUZZ_CHECK(read.allowLogGeneration == written.allowLogGeneration);
    FUZZ_CHECK(read.allowMinAlarm == written.allowMinAlarm);
    FUZZ_CHECK(read.allowMaxAlarm == written.allowMaxAlarm);
    return 0;
}
