#pragma once

#include <QList>
#include <QString>

// Looks at the X display from outside the program, as a user's desktop does:
// which top-level windows are on screen, and asking one of them to close.
namespace X11Windows {

struct Window
{
    unsigned long id = 0;
    QString title;
};

// The mapped top-level windows of the display in $DISPLAY, with their titles.
QList<Window> viewable();

// The first viewable top-level window whose title is exactly `title`, or 0.
unsigned long find(const QString &title);

// Sends the window manager's close request (WM_DELETE_WINDOW) to a window.
bool requestClose(unsigned long window);

} // namespace X11Windows
