// Asks a program's top-level window to close, the way a window manager does when the user clicks
// its close button: WM_DELETE_WINDOW. Waits for a mapped window whose title starts with the given
// text.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

static Window findWindow(Display* display, const char* titleStart)
{
    Window root, parent, *children = nullptr;
    unsigned count = 0;
    Window found = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count))
        return 0;
    for (unsigned i = 0; i < count && !found; ++i) {
        XWindowAttributes attributes;
        char* name = nullptr;
        if (XGetWindowAttributes(display, children[i], &attributes) && attributes.map_state == IsViewable &&
            XFetchName(display, children[i], &name) && std::strncmp(name, titleStart, std::strlen(titleStart)) == 0)
            found = children[i];
        if (name)
            XFree(name);
    }
    XFree(children);
    return found;
}

int main(int argc, char* argv[])
{
    Display* display = argc == 2 ? XOpenDisplay(nullptr) : nullptr;
    if (!display) {
        std::fprintf(stderr, "usage: closewindow <title start>, with DISPLAY set\n");
        return 2;
    }
    Window window = 0;
    for (int i = 0; i < 300 && !window; ++i) {
        window = findWindow(display, argv[1]);
        if (!window)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    if (!window) {
        std::fprintf(stderr, "closewindow: no window \"%s\"\n", argv[1]);
        return 1;
    }
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XCloseDisplay(display);
    return 0;
}
