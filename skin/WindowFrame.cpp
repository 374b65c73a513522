#include "WindowFrame.h"

#include "FrameGeometry.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

using namespace FrameGeometry;

namespace {

Qt::CursorShape cursorFor(Qt::Edges edges)
{
    if (edges == (Qt::LeftEdge | Qt::TopEdge) || edges == (Qt::RightEdge | Qt::BottomEdge))
        return Qt::SizeFDiagCursor;
    if (edges == (Qt::RightEdge | Qt::TopEdge) || edges == (Qt::LeftEdge | Qt::BottomEdge))
        return Qt::SizeBDiagCursor;
    if (edges & (Qt::LeftEdge | Qt::RightEdge))
        return Qt::SizeHorCursor;
    return Qt::SizeVerCursor;
}

// On X11 Qt never sees the button release that ends a move or resize done by
// the window manager (QTBUG-102488); without one, hover stays dead.
void postRelease(QWindow *window, const QMouseEvent *press)
{
    QCoreApplication::postEvent(window, new QMouseEvent(QEvent::MouseButtonRelease, press->position(),
                                                        press->globalPosition(), Qt::LeftButton,
                                                        Qt::NoButton, press->modifiers()));
}

} // namespace

WindowFrame::WindowFrame(QWidget *window)
    : QObject(window)
    , m_window(window)
    , m_normalGeometry(window->property("normalPosition").toPoint(), window->size())
{
    m_window->installEventFilter(this);
    m_window->setMaximumSize(workArea().size());
}

// The platform window can be made anew (a web view turns it into an OpenGL
// window), so the filter follows whichever one the window has.
void WindowFrame::attachToHandle()
{
    QWindow *handle = m_window->windowHandle();
    if (handle == m_handle)
        return;
    if (m_handle)
        m_handle->removeEventFilter(this);
    m_handle = handle;
    if (m_handle)
        m_handle->installEventFilter(this);
}

void WindowFrame::showMaximised()
{
    maximise();
    m_window->show();
}

void WindowFrame::toggleMaximised()
{
    if (m_maximised)
        restore();
    else
        maximise();
}

void WindowFrame::minimise()
{
    m_window->showMinimized();
}

bool WindowFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window) {
        if (event->type() == QEvent::Show || event->type() == QEvent::WinIdChange)
            attachToHandle();
        return false;
    }
    if (watched != m_handle)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        return mousePress(static_cast<QMouseEvent *>(event));
    case QEvent::MouseMove:
        return mouseMove(static_cast<QMouseEvent *>(event));
    case QEvent::MouseButtonRelease:
        if (m_drag == Drag::None)
            return false;
        m_drag = Drag::None;
        return true;
    case QEvent::MouseButtonDblClick: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton
            || !IsOnTitleBar(mouse->position().toPoint(), m_window->size()))
            return false;
        m_drag = Drag::None;
        toggleMaximised();
        return true;
    }
    case QEvent::Leave:
        showResizeCursor({});
        return false;
    default:
        return false;
    }
}

bool WindowFrame::mousePress(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return false;
    const QPoint pos = event->position().toPoint();
    m_pressGlobal = event->globalPosition().toPoint();
    m_pressGeometry = m_window->geometry();
    m_edges = m_maximised ? Qt::Edges() : ResizeEdgesAt(pos, m_window->size());
    if (m_edges) {
        if (m_handle->startSystemResize(m_edges))
            postRelease(m_handle, event);
        else
            m_drag = Drag::Resizing;
        return true;
    }
    if (IsOnTitleBar(pos, m_window->size())) {
        // The move starts with the first motion, so that a double click still toggles.
        m_drag = Drag::Pending;
        return true;
    }
    return false;
}

bool WindowFrame::mouseMove(QMouseEvent *event)
{
    const QPoint delta = event->globalPosition().toPoint() - m_pressGlobal;
    switch (m_drag) {
    case Drag::None:
        if (event->buttons() == Qt::NoButton)
            showResizeCursor(m_maximised ? Qt::Edges() : ResizeEdgesAt(event->position().toPoint(),
                                                                        m_window->size()));
        return false;
    case Drag::Pending:
        startMove(event);
        return true;
    case Drag::Moving:
        m_window->move(m_pressGeometry.topLeft() + delta);
        return true;
    case Drag::Resizing:
        m_window->setGeometry(ResizedGeometry(m_pressGeometry, m_edges, delta, m_window->minimumSize(),
                                              m_window->maximumSize()));
        return true;
    }
    return false;
}

void WindowFrame::startMove(QMouseEvent *event)
{
    if (m_maximised || !(event->buttons() & Qt::LeftButton)) {
        m_drag = Drag::None;
        return;
    }
    if (m_handle->startSystemMove()) {
        m_drag = Drag::None;
        postRelease(m_handle, event);
        return;
    }
    // No window manager to do it: follow the pointer ourselves.
    m_drag = Drag::Moving;
    m_window->move(m_pressGeometry.topLeft() + event->globalPosition().toPoint() - m_pressGlobal);
}

void WindowFrame::showResizeCursor(Qt::Edges edges)
{
    if (edges) {
        m_window->setCursor(cursorFor(edges));
        m_resizeCursor = true;
    } else if (m_resizeCursor) {
        m_window->unsetCursor();
        m_resizeCursor = false;
    }
}

void WindowFrame::maximise()
{
    if (!m_maximised && m_window->isVisible())
        m_normalGeometry = m_window->geometry();
    m_maximised = true;
    const QRect area = workArea();
    m_window->setMaximumSize(area.size());
    m_window->setGeometry(area);
}

void WindowFrame::restore()
{
    m_maximised = false;
    m_window->setGeometry(m_normalGeometry);
}

QRect WindowFrame::workArea() const
{
    return m_window->screen()->availableGeometry();
}
