#include "Anchors.h"

#include <QEvent>
#include <QVariant>
#include <QWidget>

Anchors Anchors::fromString(QStringView text)
{
    Anchors anchors{false, false, false, false};
    for (QStringView edge : text.split(u'|', Qt::SkipEmptyParts)) {
        edge = edge.trimmed();
        anchors.left |= edge == u"left";
        anchors.top |= edge == u"top";
        anchors.right |= edge == u"right";
        anchors.bottom |= edge == u"bottom";
    }
    return anchors;
}

namespace {

// One axis: position and extent of a control along a parent of old and new extent.
std::pair<int, int> anchorAxis(int position, int extent, int designParent, int parent, bool nearEdge,
                               bool farEdge)
{
    if (nearEdge && farEdge)
        return {position, extent + parent - designParent};
    if (farEdge)
        return {position + parent - designParent, extent};
    if (nearEdge || designParent == 0)
        return {position, extent};
    const int centre = position + extent / 2;
    return {centre * parent / designParent - extent / 2, extent};
}

} // namespace

QRect AnchoredGeometry(const QRect &design, const QSize &designParent, const QSize &parent,
                       Anchors anchors)
{
    const auto [x, width] = anchorAxis(design.x(), design.width(), designParent.width(), parent.width(),
                                       anchors.left, anchors.right);
    const auto [y, height] = anchorAxis(design.y(), design.height(), designParent.height(),
                                        parent.height(), anchors.top, anchors.bottom);
    return {x, y, width, height};
}

void AnchorRule::install(QWidget *container)
{
    new AnchorRule(container);
}

AnchorRule::AnchorRule(QWidget *container)
    : QObject(container)
    , m_container(container)
    , m_designSize(container->size())
{
    const auto children = container->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *child : children) {
        const QVariant anchors = child->property("anchors");
        if (anchors.isValid())
            m_controls.push_back({child, child->geometry(), Anchors::fromString(anchors.toString())});
    }
    container->installEventFilter(this);
    apply();
}

bool AnchorRule::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_container && event->type() == QEvent::Resize)
        apply();
    return false;
}

void AnchorRule::apply()
{
    for (const Control &control : m_controls)
        control.widget->setGeometry(
            AnchoredGeometry(control.design, m_designSize, m_container->size(), control.anchors));
}
