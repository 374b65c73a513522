#include "Picture.h"

#include "SkinPictures.h"

#include <QMouseEvent>
#include <QPainter>

Picture::Picture(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Picture::setSource(const QString &resource)
{
    m_source = resource;
    update();
}

void Picture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, SkinPicture(m_source, size()));
}

void Picture::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void Picture::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !std::exchange(m_pressed, false))
        return;
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}
