#pragma once

#include "ui_Unit1.h"

#include <QWidget>

class ApplicationEvents;

// The main window: its layout and controls come from Unit1.ui; its handlers
// are named after the control and the event they answer.
class TForm1 final : public QWidget, private Ui::TForm1
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm1)

public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    void ShowMaximised();
    void ApplicationEvents1Message(QObject *receiver, QEvent *event, bool &handled);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate();
    void ExpandInitialBranch();
    void FormCloseQuery(QObject *sender, bool &canClose);

    ApplicationEvents *ApplicationEvents1 = nullptr;
};
