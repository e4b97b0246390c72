#ifndef SERIALPORTSLOG_H
#define SERIALPORTSLOG_H

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcPortWatch)

#endif // SERIALPORTSLOG_H
