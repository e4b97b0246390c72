#include "appinfo.h"

const QString appName = QStringLiteral("KM420");
const QString appVersion = QStringLiteral("1.01");
