#pragma once

#include <QAbstractButton>

// A large launcher button: a glass pill stretched to the button's size, with
// its glyph (the icon) above its caption. It clicks on a left press released
// inside it, and on Space or Enter released while it has the focus.
class SkinButton final : public QAbstractButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SkinButton)

public:
    explicit SkinButton(QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    bool event(QEvent *event) override;

private:
    QString pillPicture() const;
};
