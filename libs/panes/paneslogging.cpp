#include "paneslogging.h"

Q_LOGGING_CATEGORY(lcPanesLive, "panes.live")
Q_LOGGING_CATEGORY(lcPanesArchive, "panes.archive")
