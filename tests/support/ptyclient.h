#ifndef PTYCLIENT_H
#define PTYCLIENT_H

#include <QByteArray>
#include <QString>

// What the client side of the line saw until it went quiet.
struct Collected {
    QByteArray data;
    int reads = 0;
    qint64 longestGapMs = 0; // between two reads
    qint64 firstMs = -1;     // first and last read, from the start of collection
    qint64 lastMs = -1;
    bool hungUp = false;
};

// Plays the client on the slave side with plain descriptors, so timing is what the kernel delivers.
class PtyClient {
public:
    PtyClient() = default;
    ~PtyClient();
    PtyClient(const PtyClient&) = delete;
    PtyClient& operator=(const PtyClient&) = delete;

    bool open(const QString& path);
    void close();
    bool send(const QByteArray& bytes);
    bool send(quint16 code) { return send(record(code)); }

    // The 55-byte command record the client sends.
    static QByteArray record(quint16 code, qint16 first = 0, qint16 second = 0, quint8 third = 0);

    // Reads until nothing came for quietMs, the line hung up, or maxMs passed.
    Collected collect(int quietMs = 300, int maxMs = 5000);

private:
    int m_fd = -1;
};

// A whole frame with both markers starts at `at`.
bool isFrame(const QByteArray& bytes, int at = 0);

#endif // PTYCLIENT_H
