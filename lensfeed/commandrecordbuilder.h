#ifndef COMMANDRECORDBUILDER_H
#define COMMANDRECORDBUILDER_H

#include <QByteArray>
#include <QtGlobal>

#include <array>

// The persistent 55-byte camera command record: markers, command code and the three camera
// parameters, which go out with every later command until they are set again.
class CommandRecordBuilder {
public:
    static constexpr int Size = 55;
    static constexpr int CodeOffset = 4;
    static constexpr int SecondValueOffset = 6; // int16, tenths
    static constexpr int FirstValueOffset = 8;  // int16, tenths
    static constexpr int ThirdValueOffset = 10; // uint8, hundredths
    static constexpr int TailOffset = 51;

    enum Code : uchar { GetVideoFrame = 0, SetParameters = 1, ResetFrame = 2 };

    CommandRecordBuilder(); // all zero

    // Writes the markers and the code into the record and returns a copy of it.
    QByteArray build(uchar code);
    // Scales to tenths, tenths and hundredths, truncating toward zero; values that do not fit
    // their field are clamped to its range.
    void setParameters(double first, double second, double third);
    // Copies the three fields unchanged from a buffer laid out like the record (at least 11 bytes).
    void copyParameters(const char* param);

    QByteArray bytes() const;
    // A record built earlier with the current parameters in place of its own: a command queued
    // once and handed over again and again (get video frame) must carry the values set since.
    QByteArray refreshed(const QByteArray& record) const;

private:
    std::array<char, Size> m_record{};
};

#endif // COMMANDRECORDBUILDER_H
