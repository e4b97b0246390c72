#ifndef LENSFEED_P_H
#define LENSFEED_P_H

// Not part of the library's interface: the data behind LensFeed.

#include "commandrecordbuilder.h"
#include "framecompletion.h"
#include "lensfeed.h"
#include "serialstreamcut.h"
#include <frames/videoextinf.h>

#include <commander/commander.h>
#include <devicebase/reentry.h>

#include <QPixmap>
#include <QSerialPort>

#include <memory>

class LensFeed::Private {
public:
    QString portName;
    QPixmap pixmap;
    std::unique_ptr<Commander> commander;
    CommandRecordBuilder commandRecord;
    Video_ExtInf frameBuffer{};
    ushort* videoPlat = nullptr;
    FrameCompletion completion;
    std::unique_ptr<QSerialPort> serialPort;
    std::unique_ptr<SerialStreamCut> streamCut;

    // Opens and closes counted, so a handler that ran a nested event loop can tell that the device
    // was closed (or closed and reopened) under it.
    Reentry::Sessions sessions;
    quint64 failedSession = 0; // the session whose port reported that the device is gone
    Reentry::Section closing;
    Reentry::Section warningBox; // the failure box is up
};

#endif // LENSFEED_P_H
