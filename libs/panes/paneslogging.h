#ifndef PANESLOGGING_H
#define PANESLOGGING_H

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcPanesLive)
Q_DECLARE_LOGGING_CATEGORY(lcPanesArchive)

#endif // PANESLOGGING_H
