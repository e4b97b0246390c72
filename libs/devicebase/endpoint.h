#ifndef ENDPOINT_H
#define ENDPOINT_H

#include "baseobject.h"

// A device end that is either active (open) or not.
// Subclasses do their own work in open()/close(), call the notifications opened()/closed()
// and call the base open()/close() last, which switch actived().
class DEVICEBASE_EXPORT Endpoint : public BaseObject {
    Q_OBJECT
public:
    explicit Endpoint(QObject* parent = nullptr);
    ~Endpoint() override;

    virtual bool open();
    virtual void close();

    bool actived() const { return m_actived; }

signals:
    // Emitted by the notifications; a device owner follows the device's state through them.
    void deviceOpened();
    void deviceClosed();

protected:
    void opened();
    void closed();

private:
    bool m_actived = false;
};

#endif // ENDPOINT_H
