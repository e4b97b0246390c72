// wmdelete WINDOW-ID: asks an X window to close as a window manager's close button does (WM_DELETE_WINDOW),
// which Wine turns into WM_CLOSE. xdotool only destroys windows or kills their clients.
#include <X11/Xlib.h>

#include <cstdlib>

int main(int argc, char* argv[])
{
    Display* display = argc == 2 ? XOpenDisplay(nullptr) : nullptr;
    if (!display)
        return 2;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = Window(std::strtoul(argv[1], nullptr, 0));
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    const Status sent = XSendEvent(display, event.xclient.window, False, NoEventMask, &event);
    XCloseDisplay(display);
    return sent ? 0 : 1;
}
