#include "SkinTreeView.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace {

bool isAncestorOrSelf(const QTreeWidgetItem *item, const QTreeWidgetItem *of)
{
    for (; of; of = of->parent()) {
        if (of == item)
            return true;
    }
    return false;
}

} // namespace

SkinTreeView::SkinTreeView(QWidget *parent)
    : QTreeWidget(parent)
{
    connect(this, &QTreeWidget::itemSelectionChanged, this, &SkinTreeView::expandSingle);
}

QTreeWidgetItem *SkinTreeView::selectedItem() const
{
    return selectedItems().value(0);
}

void SkinTreeView::expandSingle()
{
    QTreeWidgetItem *selected = selectedItem();
    for (QTreeWidgetItem *item = std::exchange(m_lastSelected, selected); item; item = item->parent()) {
        if (!isAncestorOrSelf(item, selected))
            item->setExpanded(false);
    }
    if (selected)
        selected->setExpanded(true);
}

void SkinTreeView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_leftPressed = true;
    // Only a left press on an item selects; elsewhere, or with another
    // button, the tree takes the focus but the selection stays.
    if (event->button() != Qt::LeftButton || !indexAt(event->position().toPoint()).isValid()) {
        setFocus(Qt::MouseFocusReason);
        return;
    }
    QTreeWidget::mousePressEvent(event);
}

void SkinTreeView::mouseReleaseEvent(QMouseEvent *event)
{
    QTreeWidget::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !std::exchange(m_leftPressed, false))
        return;
    if (viewport()->rect().contains(event->position().toPoint()))
        emit click();
}

// Enter acts on the selected item as a click does, for keyboard users.
void SkinTreeView::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && selectedItem()) {
        emit click();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}
