#pragma once

#include <wirelink/wirelink_export.h>

#include <QStringList>
#include <QWidget>

#include <memory>

// A serial port at 9600 baud, 8 data bits, no parity, one stop bit, over the Win32 communication
// functions. The widget is never shown; its native window owns the boxes that report failed writes.
//
// readyRead is emitted on the object's own thread. Its buffer belongs to the reader and stays untouched
// until every receiver connected to readyRead has returned, even one that runs a nested event loop
// meanwhile; after that the reader may reuse it. Receivers are therefore connected directly, and one that
// keeps the bytes copies them before it returns. Blocks still undelivered when the port closes are dropped.
class WIRELINK_EXPORT WireLink : public QWidget {
    Q_OBJECT
public:
    explicit WireLink(QWidget* parent = nullptr);
    // A port still open is released here, without closed().
    ~WireLink() override;

    // Opens the port (COM3, COM12, or a device path) exclusively and starts its reader; false on failure.
    bool open(const QString& name);
    // Writes one block after emptying both driver queues: -1 when not open, 1 when written at once, 0
    // otherwise. Four failures (access denied, invalid handle, bad command, invalid parameter) are also
    // reported in a modal box owned by this widget.
    int write(const char* data, int len);
    // Stops the reader, releases the port and emits closed(); does nothing when not open.
    virtual void close();
    // The port's handle, INVALID_HANDLE_VALUE when closed.
    void* handle() const;
    // Appends the names of the present ports with these USB identifiers; returns the list's new size.
    static int enumerate(ushort vid, ushort pid, QStringList& list);

signals:
    void opened();
    void closed();
    void readyRead(char* buff, int len);

private:
    void release();

    class Private;
    std::unique_ptr<Private> d;
};
