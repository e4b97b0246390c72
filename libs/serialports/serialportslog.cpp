#include "serialportslog.h"

Q_LOGGING_CATEGORY(lcPortWatch, "serialports.watch", QtInfoMsg)
