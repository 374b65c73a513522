#include "SkinForm.h"

#include "SkinPictures.h"
#include "WindowFrame.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

using namespace FrameGeometry;

namespace {

const QColor ActiveCaption(0x00, 0x00, 0x00);
const QColor InactiveCaption(0x80, 0x80, 0x80);
constexpr int CaptionGap = 4;

QString ballPicture(TitleButton button, const char *state)
{
    const char *name = "controlbox";
    switch (button) {
    case TitleButton::Minimise:
        name = "minimise";
        break;
    case TitleButton::Maximise:
        name = "maximise";
        break;
    case TitleButton::Close:
        name = "close";
        break;
    case TitleButton::ControlBox:
    case TitleButton::None:
        break;
    }
    return QStringLiteral(":/titlebar/%1-%2.svg").arg(QLatin1StringView(name), QLatin1StringView(state));
}

} // namespace

SkinForm::SkinForm(QWidget *parent)
    : QWidget(parent)
    , m_frame(new WindowFrame(parent->window()))
{
    setMouseTracking(true);
    parent->installEventFilter(this);
}

void SkinForm::setCaptionFont(const QFont &font)
{
    m_captionFont = font;
    updateTitleBar();
}

QString SkinForm::shownCaption() const
{
    const int room = TitleButtonRect(TitleButton::Minimise, width()).left() - CaptionGap - CaptionX;
    return QFontMetrics(m_captionFont).elidedText(window()->windowTitle(), Qt::ElideRight, qMax(0, room));
}

bool SkinForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget()) {
        switch (event->type()) {
        case QEvent::Resize:
            setGeometry(FrameRect(parentWidget()->size()));
            break;
        case QEvent::WindowTitleChange:
        case QEvent::ActivationChange:
            updateTitleBar();
            break;
        default:
            break;
        }
    }
    return false;
}

void SkinForm::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawTiledPixmap(rect(), SkinPicture(QStringLiteral(":/background.svg")));
    paintTitleBar(painter);
}

void SkinForm::paintTitleBar(QPainter &painter) const
{
    const QPixmap left = SkinPicture(QStringLiteral(":/titlebar/left.svg"));
    const QPixmap right = SkinPicture(QStringLiteral(":/titlebar/right.svg"));
    const QPixmap middle = SkinPicture(QStringLiteral(":/titlebar/middle.svg"));
    painter.drawPixmap(QRect(left.width(), 0, width() - left.width() - right.width(), TitleBarHeight), middle);
    painter.drawPixmap(0, 0, left);
    painter.drawPixmap(width() - right.width(), 0, right);

    for (TitleButton button : {TitleButton::ControlBox, TitleButton::Minimise, TitleButton::Maximise,
                               TitleButton::Close})
        paintTitleButton(painter, button);

    painter.setFont(m_captionFont);
    painter.setPen(window()->isActiveWindow() ? ActiveCaption : InactiveCaption);
    painter.drawText(QRect(CaptionX, 0, width() - CaptionX, TitleBarHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     shownCaption());
}

void SkinForm::paintTitleButton(QPainter &painter, TitleButton button) const
{
    const char *state = "normal";
    if (m_pressed == button && m_hovered == button)
        state = "pressed";
    else if (m_hovered == button && m_pressed == TitleButton::None)
        state = "hover";
    painter.drawPixmap(TitleButtonRect(button, width()).topLeft(), SkinPicture(ballPicture(button, state)));
}

SkinForm::TitleButton SkinForm::buttonAt(const QPoint &pos) const
{
    return pos.y() < TitleBarHeight ? TitleButtonAt(pos, width()) : TitleButton::None;
}

void SkinForm::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = buttonAt(event->position().toPoint());
    updateTitleBar();
}

void SkinForm::mouseMoveEvent(QMouseEvent *event)
{
    setHovered(buttonAt(event->position().toPoint()));
}

void SkinForm::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const TitleButton pressed = std::exchange(m_pressed, TitleButton::None);
    updateTitleBar();
    if (pressed != TitleButton::None && pressed == buttonAt(event->position().toPoint()))
        act(pressed);
}

void SkinForm::leaveEvent(QEvent *)
{
    setHovered(TitleButton::None);
}

void SkinForm::updateTitleBar()
{
    update(0, 0, width(), TitleBarHeight);
}

void SkinForm::setHovered(TitleButton button)
{
    if (button == m_hovered)
        return;
    m_hovered = button;
    updateTitleBar();
}

void SkinForm::act(TitleButton button)
{
    switch (button) {
    case TitleButton::Close:
        window()->close();
        break;
    case TitleButton::Maximise:
        m_frame->toggleMaximised();
        break;
    case TitleButton::Minimise:
        m_frame->minimise();
        break;
    case TitleButton::ControlBox: // no window menu is attached
    case TitleButton::None:
        break;
    }
}
