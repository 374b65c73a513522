#pragma once

#include <QTreeWidget>

// The navigation tree. Its click event fires whenever the left button,
// pressed inside the tree, is released inside it, whatever lies under the
// pointer; the handler then reads the selection as the press left it. A press
// that hits no item keeps the selection. Selecting an item expands it and
// closes the branch of the item that lost the selection.
class SkinTreeView final : public QTreeWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SkinTreeView)

public:
    explicit SkinTreeView(QWidget *parent = nullptr);

    // The selected item, or none.
    QTreeWidgetItem *selectedItem() const;

signals:
    void click();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void expandSingle();

    QTreeWidgetItem *m_lastSelected = nullptr;
    bool m_leftPressed = false;
};
