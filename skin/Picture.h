#pragma once

#include <QWidget>

// A picture control: an SVG picture stretched to the control's box, drawn
// opaque, with a click signal.
class Picture final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Picture)
    Q_PROPERTY(QString source READ source WRITE setSource)

public:
    explicit Picture(QWidget *parent = nullptr);

    QString source() const { return m_source; }
    void setSource(const QString &resource);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_source;
    bool m_pressed = false;
};
