#pragma once

#include <QObject>
#include <QRect>

class QWidget;

// The frame behaviour of a frameless top-level window: maximise and restore
// from the screen's work area, so that they hold with or without a window
// manager.
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

private:
    void maximise();
    void restore();
    QRect workArea() const;

    QWidget *m_window = nullptr;
    QRect m_normalGeometry;
    bool m_maximised = false;
};
