#include "serialdevice.h"

SerialDevice::SerialDevice(QObject* parent) : Endpoint(parent) {}

SerialDevice::~SerialDevice() = default;
