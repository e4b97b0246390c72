#ifndef PTYCAMERA_H
#define PTYCAMERA_H

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

#include <memory>

class PtyPair;
class QSocketNotifier;

// A hand-made camera on the master side of a pty, served from the test's own thread: it keeps every
// 55-byte record it receives and answers each with the reply the script asks for. Where a test needs
// neither the exact bytes received nor a reply script of mixed faults, the camera simulator does the job.
class PtyCamera : public QObject {
    Q_OBJECT
public:
    enum Reply { Good, BadTail, Short, Silent };

    PtyCamera();
    ~PtyCamera() override;

    bool start();
    // Closes both sides: the client's port sees a hang-up.
    void hangUp();
    QString path() const { return m_path; }

    // A well-formed frame; `sequence` goes into the extended information, pixels are (row + column) % 256.
    static QByteArray frame(quint8 palette, quint32 sequence);

    QList<QByteArray> records;
    QList<Reply> script; // replies to the next records; Good once it runs out
    quint8 palette = 2;
    quint32 sequence = 0;

signals:
    void recordReceived(const QByteArray& record);

private:
    void readable();
    void writable();
    void send(const QByteArray& bytes);

    std::unique_ptr<PtyPair> m_pty;
    QString m_path;
    std::unique_ptr<QSocketNotifier> m_reader;
    std::unique_ptr<QSocketNotifier> m_writer;
    QByteArray m_in;
    QByteArray m_out;
};

#endif // PTYCAMERA_H
