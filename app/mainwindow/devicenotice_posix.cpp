#include "devicenotice.h"

bool isDeviceChangeNotice(const QByteArray&, void*)
{
    return false;
}
