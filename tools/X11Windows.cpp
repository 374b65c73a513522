#include "X11Windows.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <memory>

namespace {

using DisplayPtr = std::unique_ptr<Display, decltype(&XCloseDisplay)>;

DisplayPtr openDisplay()
{
    return {XOpenDisplay(nullptr), &XCloseDisplay};
}

QString titleOf(Display *display, ::Window window)
{
    const Atom netWmName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char *data = nullptr;
    if (XGetWindowProperty(display, window, netWmName, 0, 1024, False, utf8, &type, &format,
                           &count, &remaining, &data) != Success || !data)
        return {};
    const QString title = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(count));
    XFree(data);
    return title;
}

} // namespace

namespace X11Windows {

QList<Window> viewable()
{
    const DisplayPtr display = openDisplay();
    if (!display)
        return {};
    ::Window root = 0;
    ::Window parent = 0;
    ::Window *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display.get(), DefaultRootWindow(display.get()), &root, &parent, &children, &count))
        return {};
    QList<Window> windows;
    for (unsigned int i = 0; i < count; ++i) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display.get(), children[i], &attributes)
            && attributes.map_state == IsViewable && attributes.c_class == InputOutput)
            windows.append({children[i], titleOf(display.get(), children[i])});
    }
    XFree(children);
    return windows;
}

unsigned long find(const QString &title)
{
    const QList<Window> windows = viewable();
    for (const Window &window : windows) {
        if (window.title == title)
            return window.id;
    }
    return 0;
}

bool requestClose(unsigned long window)
{
    const DisplayPtr display = openDisplay();
    if (!display)
        return false;
    XEvent event = {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display.get(), "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(display.get(), "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const bool sent = XSendEvent(display.get(), window, False, NoEventMask, &event) != 0;
    XFlush(display.get());
    return sent;
}

} // namespace X11Windows
