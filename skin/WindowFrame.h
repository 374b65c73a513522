#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWindow>

class QMouseEvent;
class QWidget;

// The frame behaviour of a frameless top-level window, in one event filter on
// its QWindow: moving by the title bar, resizing from the edges, maximising
// and restoring from the screen's work area. All of it also works without a
// window manager.
class WindowFrame final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WindowFrame)

public:
    // The window's normal bounds are its size and its "normalPosition"
    // property, as stored with its layout.
    explicit WindowFrame(QWidget *window);

    bool isMaximised() const { return m_maximised; }
    void showMaximised();
    void toggleMaximised();
    void minimise();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Drag { None, Pending, Moving, Resizing };

    void attachToHandle();
    bool mousePress(QMouseEvent *event);
    bool mouseMove(QMouseEvent *event);
    void startMove(QMouseEvent *event);
    void showResizeCursor(Qt::Edges edges);
    void maximise();
    void restore();
    QRect workArea() const;

    QWidget *m_window = nullptr;
    QPointer<QWindow> m_handle;
    QRect m_normalGeometry;
    bool m_maximised = false;

    Drag m_drag = Drag::None;
    Qt::Edges m_edges;
    QPoint m_pressGlobal;
    QRect m_pressGeometry;
    bool m_resizeCursor = false;
};
