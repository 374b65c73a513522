#include "WindowFrame.h"

#include <QScreen>
#include <QWidget>

WindowFrame::WindowFrame(QWidget *window)
    : QObject(window)
    , m_window(window)
    , m_normalGeometry(window->property("normalPosition").toPoint(), window->size())
{
    m_window->setMaximumSize(workArea().size());
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
