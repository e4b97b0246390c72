#include "streamsource.h"

StreamSource::StreamSource(QObject* parent) : SerialDevice(parent) {}

StreamSource::~StreamSource() = default;
