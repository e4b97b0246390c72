#ifndef BASEOBJECT_H
#define BASEOBJECT_H

#include <devicebase/devicebase_export.h>

#include <QObject>

// Root of the device class chain.
class DEVICEBASE_EXPORT BaseObject : public QObject {
    Q_OBJECT
public:
    explicit BaseObject(QObject* parent = nullptr);
    ~BaseObject() override;
};

#endif // BASEOBJECT_H
