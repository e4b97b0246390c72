#ifndef JUNCTIONLOG_H
#define JUNCTIONLOG_H

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcJunction)

#endif // JUNCTIONLOG_H
