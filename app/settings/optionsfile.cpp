#include "optionsfile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <functional>

namespace {

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

    // Fed in small pieces: the reader checks the encoding of all the data it holds before it hands
    // out a token, so one bad byte given up front would lose every value before it.
    constexpr int Piece = 64;
    QXmlStreamReader reader;
    int fed = 0;
    const auto feed = [&] {
        if (fed >= bytes.size())
            return false;
        reader.addData(bytes.mid(fed, Piece));
        fed += Piece;
        return true;
    };
    feed();
    QString current;
    for (;;) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::Invalid) {
            if (reader.error() == QXmlStreamReader::PrematureEndOfDocumentError && feed())
                continue;
            break;
        }
        if (token == QXmlStreamReader::EndDocument)
            break;
        switch (token) {
        case QXmlStreamReader::StartElement:
            if (reader.name() != QLatin1String("options"))
                current = reader.name().toString();
            break;
        case QXmlStreamReader::Characters:
            if (current.isEmpty() || reader.isWhitespace())
                break;
            if (!onText(current, reader.text()))
                current.clear();
            break;
        default:
            break;
        }
    }
    return true;
}

bool switchValue(const QStringRef& text)
{
    return text.toInt(nullptr, 10) != 0;
}

// A lone surrogate cannot be encoded: the writer would fail and leave every later element without a
// name. It becomes the replacement character instead.
QString encodable(const QString& text)
{
    QString result = text;
    for (int i = 0; i < result.size(); ++i) {
        const QChar c = result.at(i);
        if (c.isHighSurrogate() && i + 1 < result.size() && result.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            result[i] = QChar::ReplacementCharacter;
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
