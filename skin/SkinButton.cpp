#include "SkinButton.h"

#include "SkinPictures.h"

#include <QKeyEvent>
#include <QPainter>
#include <qdrawutil.h>

namespace {

// The pill's corners keep their size; its middle row and column stretch.
constexpr QMargins PillCorners(38, 13, 38, 13);
constexpr int CaptionGap = 4;

bool isEnter(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

} // namespace

SkinButton::SkinButton(QWidget *parent)
    : QAbstractButton(parent)
{
    setAttribute(Qt::WA_Hover);
}

QSize SkinButton::sizeHint() const
{
    return {96, 73};
}

QString SkinButton::pillPicture() const
{
    if (isDown())
        return QStringLiteral(":/pill/pressed.svg");
    if (underMouse())
        return QStringLiteral(":/pill/hover.svg");
    return QStringLiteral(":/pill/normal.svg");
}

void SkinButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    qDrawBorderPixmap(&painter, rect(), PillCorners, SkinPicture(pillPicture()));

    // Glyph and caption are centred together; pressed, they sink by a pixel.
    const QSize glyph = iconSize();
    const int textHeight = QFontInfo(font()).pixelSize();
    const int top = (height() - glyph.height() - CaptionGap - textHeight) / 2;
    const QPoint shift = isDown() ? QPoint(1, 1) : QPoint();
    const QRect glyphRect = QRect(QPoint((width() - glyph.width()) / 2, top), glyph).translated(shift);
    icon().paint(&painter, glyphRect);

    const QRect captionRect(0, glyphRect.bottom() + 1 + CaptionGap, width(), height());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(captionRect.translated(shift.x(), 0), Qt::AlignHCenter | Qt::AlignTop, text());
}

// Enter works as Space does: down on press, click on release.
void SkinButton::keyPressEvent(QKeyEvent *event)
{
    if (isEnter(event) && !event->isAutoRepeat()) {
        setDown(true);
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void SkinButton::keyReleaseEvent(QKeyEvent *event)
{
    if (isEnter(event) && !event->isAutoRepeat() && isDown()) {
        setDown(false);
        click();
        return;
    }
    QAbstractButton::keyReleaseEvent(event);
}

bool SkinButton::event(QEvent *event)
{
    if (event->type() == QEvent::HoverEnter || event->type() == QEvent::HoverLeave)
        update();
    return QAbstractButton::event(event);
}
