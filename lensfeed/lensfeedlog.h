#ifndef LENSFEEDLOG_H
#define LENSFEEDLOG_H

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcStream)

#endif // LENSFEEDLOG_H
