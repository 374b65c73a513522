#pragma once

class QEvent;

// The right mouse button's press, release and double click, and the request
// for a context menu.
bool IsBrowserMouseMenuMessage(const QEvent *event);

// The keyboard's ways to a context menu: the Menu key and Shift+F10.
bool IsBrowserMenuKey(const QEvent *event);
