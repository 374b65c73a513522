#pragma once

#include <QRect>

// Where things are on a skinned window frame, as pure functions of the
// window's size: the decisions behind painting and mouse handling.
namespace FrameGeometry {

constexpr int TitleBarHeight = 23;
constexpr int TitleButtonSize = 17;
constexpr int CaptionX = 25;
// The skinned frame leaves a 1-pixel strip at the left, right and bottom.
constexpr int Border = 1;
// Resizing also works from the top rows of the title bar.
constexpr int TopResizeBand = 5;
// How far along an edge from a corner the diagonal grip reaches.
constexpr int CornerGrip = 8;

enum class TitleButton { None, ControlBox, Minimise, Maximise, Close };

// The skinned frame's place in a window's client area.
QRect FrameRect(const QSize &window);

// A title-bar button's place in title-bar coordinates.
QRect TitleButtonRect(TitleButton button, int titleBarWidth);
TitleButton TitleButtonAt(const QPoint &inTitleBar, int titleBarWidth);

// The edges a press at a window point resizes, none outside the resize bands.
Qt::Edges ResizeEdgesAt(const QPoint &inWindow, const QSize &window);

// True on the title bar away from its buttons: where a drag moves the window
// and a double click maximises or restores it.
bool IsOnTitleBar(const QPoint &inWindow, const QSize &window);

// The geometry after dragging the given edges of `start` by `delta`, within
// the size limits; the opposite edges stay put.
QRect ResizedGeometry(const QRect &start, Qt::Edges edges, const QPoint &delta,
                      const QSize &minimum, const QSize &maximum);

} // namespace FrameGeometry
