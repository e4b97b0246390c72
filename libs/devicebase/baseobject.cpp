#include "baseobject.h"

BaseObject::BaseObject(QObject* parent) : QObject(parent) {}

BaseObject::~BaseObject() = default;
