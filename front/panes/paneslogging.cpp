#include "paneslogging.h"

Q_LOGGING_CATEGORY(lcPanesLive, "panes.live")
Q_LOGGING_CATEGORY(lcPanesArchive, "panes.archive")
Q_LOGGING_CATEGORY(lcPanesPlayback, "panes.playback")
Q_LOGGING_CATEGORY(lcPanesPicture, "panes.picture")
