#pragma once

#include "FrameGeometry.h"

#include <QFont>
#include <QWidget>

class WindowFrame;

// The skinned frame of a window: it covers the window's client area but for
// a 1-pixel border, paints the background and the title bar with its caption
// and buttons, and gives the window its frame behaviour.
class SkinForm final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SkinForm)
    Q_PROPERTY(QFont captionFont READ captionFont WRITE setCaptionFont)

public:
    explicit SkinForm(QWidget *parent);

    WindowFrame *windowFrame() const { return m_frame; }
    QFont captionFont() const { return m_captionFont; }
    void setCaptionFont(const QFont &font);

    // The caption as drawn: shortened to the room before the buttons.
    QString shownCaption() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    using TitleButton = FrameGeometry::TitleButton;

    void paintTitleBar(QPainter &painter) const;
    void paintTitleButton(QPainter &painter, TitleButton button) const;
    TitleButton buttonAt(const QPoint &pos) const;
    void updateTitleBar();
    void setHovered(TitleButton button);
    void act(TitleButton button);

    WindowFrame *m_frame = nullptr;
    QFont m_captionFont;
    TitleButton m_hovered = TitleButton::None;
    TitleButton m_pressed = TitleButton::None;
};
