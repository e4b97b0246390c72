#ifndef STREAMSOURCE_H
#define STREAMSOURCE_H

#include "serialdevice.h"

// A serial device that streams pictures.
class DEVICEBASE_EXPORT StreamSource : public SerialDevice {
    Q_OBJECT
public:
    explicit StreamSource(QObject* parent = nullptr);
    ~StreamSource() override;
};

#endif // STREAMSOURCE_H
