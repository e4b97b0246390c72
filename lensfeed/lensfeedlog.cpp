#include "lensfeedlog.h"

Q_LOGGING_CATEGORY(lcStream, "lensfeed.stream")
