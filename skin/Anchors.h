#pragma once

#include <QObject>
#include <QRect>

#include <vector>

class QWidget;

// Which edges of its parent a control keeps its distance to.
struct Anchors
{
    bool left = true;
    bool top = true;
    bool right = false;
    bool bottom = false;

    // Parses the stored form, e.g. "left|top|bottom".
    static Anchors fromString(QStringView text);
};

// Where a control goes when its parent changes size: it keeps its distance to
// each anchored edge as it was at the design size; anchored to neither of two
// opposite edges, it keeps its centre's proportional place.
QRect AnchoredGeometry(const QRect &design, const QSize &designParent, const QSize &parent,
                       Anchors anchors);

// Applies the anchors stored as the "anchors" property of a container's
// children at every resize of the container, from the geometry they had when
// the rule was installed.
class AnchorRule final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AnchorRule)

public:
    static void install(QWidget *container);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit AnchorRule(QWidget *container);
    void apply();

    struct Control
    {
        QWidget *widget;
        QRect design;
        Anchors anchors;
    };
    QWidget *m_container;
    QSize m_designSize;
    std::vector<Control> m_controls;
};
