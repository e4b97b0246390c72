#include "optionsfile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>
#include <functional>

namespace {

// Length of the longest prefix that is well-formed UTF-8.
int utf8Prefix(const QByteArray& bytes)
{
    const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
    const int n = bytes.size();
    int i = 0;
    while (i < n) {
        const uchar c = p[i];
        int length;
        uint code;
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
            code = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            code = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            code = c & 0x07;
        } else {
            return i;
        }
        if (i + length > n)
            return i;
        for (int k = 1; k < length; ++k) {
            if ((p[i + k] & 0xC0) != 0x80)
                return i;
            code = (code << 6) | (p[i + k] & 0x3F);
        }
        const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
        if (overlong || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
            return i;
        i += length;
    }
    return n;
}

// The part of a UTF-8 document the reader can use. The reader checks the encoding of all it is given
// before it hands out a token, so one bad byte would lose every value before it: the document is cut
// there instead, and reads like any other document that breaks off. Documents in other encodings are
// left to the reader.
QByteArray readablePart(const QByteArray& bytes)
{
    if (bytes.startsWith("\xFE\xFF") || bytes.startsWith("\xFF\xFE") ||
        (bytes.size() > 1 && (bytes.at(0) == 0 || bytes.at(1) == 0)))
        return bytes;
    static const QRegularExpression declared(
        QStringLiteral("^(?:\\xEF\\xBB\\xBF)?<\\?xml[^>]*encoding\\s*=\\s*[\"']([^\"']*)[\"']"));
    const QRegularExpressionMatch match = declared.match(QString::fromLatin1(bytes.left(256)));
    if (match.hasMatch() && match.captured(1).compare(QLatin1String("UTF-8"), Qt::CaseInsensitive) != 0)
        return bytes;
    return bytes.left(utf8Prefix(bytes));
}

// Runs the common token walk and hands each non-blank text chunk to onText together with the
// current element name; onText decides whether the name is kept. False when the file cannot
// be opened.
bool walkOptions(const QString& path, const std::function<bool(const QString& name, const QStringRef& text)>& onText)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // A huge or endless file (a device node, a runaway write) reads as cut short: what stands
    // before the cut still applies, like any other malformed document.
    const QByteArray bytes = file.read(OptionsFile::MaxReadSize);
    file.close();

    QXmlStreamReader reader(readablePart(bytes));
    QString current;
    // Text is handed on whole: a piece boundary inside it splits it into several tokens.
    QString text;
    // Blank as XML sees it. A carriage return that reaches here came from a character reference (the reader
    // turns raw ones into line feeds), and a reference is content.
    const auto xmlBlank = [](const QString& t) {
        return std::all_of(t.begin(), t.end(), [](QChar c) {
            return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n');
        });
    };
    const auto flushText = [&] {
        if (!current.isEmpty() && !xmlBlank(text) && !onText(current, QStringRef(&text)))
            current.clear();
        text.clear();
    };
    for (;;) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::Invalid) {
            flushText();
            break;
        }
        if (token == QXmlStreamReader::Characters) {
            if (!current.isEmpty())
                text += reader.text();
            continue;
        }
        flushText();
        if (token == QXmlStreamReader::EndDocument)
            break;
        if (token == QXmlStreamReader::StartElement && reader.name() != QLatin1String("options"))
            current = reader.name().toString();
    }
    return true;
}

bool switchValue(const QStringRef& text)
{
    return text.toInt(nullptr, 10) != 0;
}

// Text as XML 1.0 can carry it. Characters it cannot hold at all (most control characters, U+FFFE and
// U+FFFF) are left out, as the writer itself would drop them; a lone surrogate, which the writer cannot
// encode and after which it would leave every later element without a name, becomes U+FFFD.
QString encodable(const QString& text)
{
    QString result;
    result.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const ushort u = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            result.append(c);
            result.append(text.at(++i));
        } else if (c.isSurrogate()) {
            result.append(QChar(QChar::ReplacementCharacter));
        } else if (u == 0x9 || u == 0xA || u == 0xD || (u >= 0x20 && u <= 0xFFFD)) {
            result.append(c);
        }
    }
    return result;
}

// A reader turns a raw carriage return into a line feed, so one is written as a character reference.
void writeTextElement(QXmlStreamWriter& writer, const QString& name, const QString& raw)
{
    const QString text = encodable(raw);
    if (!text.contains(QLatin1Char('\r'))) {
        writer.writeTextElement(name, text);
        return;
    }
    writer.writeStartElement(name);
    const QVector<QStringRef> lines = text.splitRef(QLatin1Char('\r'));
    for (int i = 0; i < lines.size(); ++i) {
        if (i > 0)
            writer.writeEntityReference(QStringLiteral("#13"));
        writer.writeCharacters(lines[i].toString());
    }
    writer.writeEndElement();
}

} // namespace

QString readOptionValue(const QString& path, const QString& name)
{
    QString result;
    walkOptions(path, [&](const QString& current, const QStringRef& text) {
        if (current != name)
            return false;
        result = text.toString();
        return true;
    });
    return result;
}

namespace OptionsFile {

QString location()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    // The file is replaced through a temporary file beside it, so the folder must take new files; a
    // writable options.xml in a folder that is not is no use.
    if (QFileInfo(programFolder).isWritable())
        return programFolder + QStringLiteral("/options.xml");
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(userFolder);
    return userFolder + QStringLiteral("/options.xml");
}

bool readOptions(const QString& path, OptionParam& param)
{
    return walkOptions(path, [&](const QString& current, const QStringRef& text) {
        if (current == QLatin1String("Language")) {
            param.language = text.toString();
        } else if (current == QLatin1String("HistoryFilesPath")) {
            const QString folder = text.toString();
            if (QDir(folder).exists())
                param.historyFilesPath = folder;
        } else if (current == QLatin1String("AllowAlarm")) {
            param.allowAlarm = switchValue(text);
        } else if (current == QLatin1String("AllowMinAlarm")) {
            param.allowMinAlarm = switchValue(text);
        } else if (current == QLatin1String("AllowMaxAlarm")) {
            param.allowMaxAlarm = switchValue(text);
        } else if (current == QLatin1String("AllowAlarmSound")) {
            param.allowAlarmSound = switchValue(text);
        } else if (current == QLatin1String("AllowLogGeneration")) {
            param.allowLogGeneration = switchValue(text);
        }
        return false;
    });
}

WindowState readWindowState(const QString& path)
{
    WindowState result;
    walkOptions(path, [&](const QString& current, const QStringRef& text) {
        if (current == QLatin1String("Geometry")) {
            result.geometry = QByteArray::fromHex(text.toLatin1());
            result.hasGeometry = true;
        } else if (current == QLatin1String("State")) {
            result.state = QByteArray::fromHex(text.toLatin1());
            result.hasState = true;
        }
        return false;
    });
    return result;
}

QByteArray compose(const OptionParam& param, const QByteArray& geometry, const QByteArray& state)
{
    QByteArray document;
    QBuffer buffer(&document);
    buffer.open(QIODevice::WriteOnly);
    QXmlStreamWriter writer(&buffer);
    writer.setAutoFormatting(true);
    writer.writeStartDocument(QStringLiteral("1.0"));
    writer.writeStartElement(QStringLiteral("options"));
    const auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    writer.writeTextElement(QStringLiteral("Geometry"), QString::fromLatin1(geometry.toHex()));
    writer.writeTextElement(QStringLiteral("State"), QString::fromLatin1(state.toHex()));
    writeTextElement(writer, QStringLiteral("Language"), param.language);
    writeTextElement(writer, QStringLiteral("HistoryFilesPath"), param.historyFilesPath);
    writer.writeTextElement(QStringLiteral("AllowAlarm"), flag(param.allowAlarm));
    writer.writeTextElement(QStringLiteral("AllowMinAlarm"), flag(param.allowMinAlarm));
    writer.writeTextElement(QStringLiteral("AllowMaxAlarm"), flag(param.allowMaxAlarm));
    writer.writeTextElement(QStringLiteral("AllowAlarmSound"), flag(param.allowAlarmSound));
    writer.writeTextElement(QStringLiteral("AllowLogGeneration"), flag(param.allowLogGeneration));
    writer.writeEndElement();
    writer.writeEndDocument();
    // A document the writer could not complete must never replace a good file.
    return writer.hasError() ? QByteArray() : document;
}

bool write(const QString& path, const OptionParam& param, const QByteArray& geometry, const QByteArray& state)
{
    const QByteArray document = compose(param, geometry, state);
    if (document.isEmpty())
        return false;
    QSaveFile file(path);
    // Unbuffered, so a short write (disk full, file size limit) shows in write()'s result: a
    // buffered flush that writes only part of the data is not reported as a failure.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(document) != document.size()) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit();
}

} // namespace OptionsFile
