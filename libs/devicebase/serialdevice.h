#ifndef SERIALDEVICE_H
#define SERIALDEVICE_H

#include "endpoint.h"

// A device reached through a serial line.
class DEVICEBASE_EXPORT SerialDevice : public Endpoint {
    Q_OBJECT
public:
    explicit SerialDevice(QObject* parent = nullptr);
    ~SerialDevice() override;
};

#endif // SERIALDEVICE_H
