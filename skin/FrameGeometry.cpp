#include "FrameGeometry.h"

#include <algorithm>
#include <array>

namespace FrameGeometry {

QRect FrameRect(const QSize &window)
{
    return {Border, 0, window.width() - 2 * Border, window.height() - Border};
}

QRect TitleButtonRect(TitleButton button, int titleBarWidth)
{
    constexpr int top = 4;
    switch (button) {
    case TitleButton::ControlBox:
        return {3, top, TitleButtonSize, TitleButtonSize};
    case TitleButton::Minimise:
        return {titleBarWidth - 55, top, TitleButtonSize, TitleButtonSize};
    case TitleButton::Maximise:
        return {titleBarWidth - 37, top, TitleButtonSize, TitleButtonSize};
    case TitleButton::Close:
        return {titleBarWidth - 19, top, TitleButtonSize, TitleButtonSize};
    case TitleButton::None:
        break;
    }
    return {};
}

TitleButton TitleButtonAt(const QPoint &inTitleBar, int titleBarWidth)
{
    constexpr std::array buttons{TitleButton::ControlBox, TitleButton::Minimise,
                                 TitleButton::Maximise, TitleButton::Close};
    for (TitleButton button : buttons) {
        if (TitleButtonRect(button, titleBarWidth).contains(inTitleBar))
            return button;
    }
    return TitleButton::None;
}

Qt::Edges ResizeEdgesAt(const QPoint &p, const QSize &window)
{
    const int w = window.width();
    const int h = window.height();
    if (!QRect(QPoint(), window).contains(p))
        return {};
    Qt::Edges edges;
    if (p.x() < Border)
        edges |= Qt::LeftEdge;
    if (p.x() >= w - Border)
        edges |= Qt::RightEdge;
    if (p.y() < TopResizeBand)
        edges |= Qt::TopEdge;
    if (p.y() >= h - Border)
        edges |= Qt::BottomEdge;
    // Near a corner, an edge band grips both edges.
    if (edges & (Qt::TopEdge | Qt::BottomEdge)) {
        if (p.x() < CornerGrip)
            edges |= Qt::LeftEdge;
        if (p.x() >= w - CornerGrip)
            edges |= Qt::RightEdge;
    }
    if (edges & (Qt::LeftEdge | Qt::RightEdge)) {
        if (p.y() < CornerGrip)
            edges |= Qt::TopEdge;
        if (p.y() >= h - CornerGrip)
            edges |= Qt::BottomEdge;
    }
    return edges;
}

bool IsOnTitleBar(const QPoint &p, const QSize &window)
{
    const QRect frame = FrameRect(window);
    if (p.y() >= TitleBarHeight || !frame.contains(p))
        return false;
    return TitleButtonAt(p - frame.topLeft(), frame.width()) == TitleButton::None;
}

QRect ResizedGeometry(const QRect &start, Qt::Edges edges, const QPoint &delta,
                      const QSize &minimum, const QSize &maximum)
{
    QRect r = start;
    const auto clampWidth = [&](int width) { return std::clamp(width, minimum.width(), maximum.width()); };
    const auto clampHeight = [&](int height) { return std::clamp(height, minimum.height(), maximum.height()); };
    if (edges & Qt::LeftEdge)
        r.setLeft(start.right() + 1 - clampWidth(start.width() - delta.x()));
    if (edges & Qt::RightEdge)
        r.setWidth(clampWidth(start.width() + delta.x()));
    if (edges & Qt::TopEdge)
        r.setTop(start.bottom() + 1 - clampHeight(start.height() - delta.y()));
    if (edges & Qt::BottomEdge)
        r.setHeight(clampHeight(start.height() + delta.y()));
    return r;
}

} // namespace FrameGeometry
