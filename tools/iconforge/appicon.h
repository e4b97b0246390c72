#pragma once

#include <QImage>

// The application icon: a handheld thermal camera seen from the back, its screen showing a hot
// spot. The variants differ in how the screen and the backdrop are drawn.
enum class AppIconVariant {
    Plain,   // app.ico: a warm linear gradient on the screen
    Tile,    // app2.ico: the camera on a dark rounded tile
    HotSpot, // app5.ico: the window and executable icon, a radial hot spot
};

QImage renderAppIcon(AppIconVariant variant, int size);
