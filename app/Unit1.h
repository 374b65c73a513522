#pragma once

#include "ui_Unit1.h"

#include <QWidget>

class ApplicationEvents;
class UsagePing;
struct NavAction;

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

    void suiButton1Click();
    void suiButton2Click();
    void suiButton3Click();
    void suiButton4Click();
    void suiButton5Click();
    void suiButton6Click();
    void suiButton7Click();
    void suiButton8Click();
    void Image1Click();
    void TreeView1Click();
    void Perform(const NavAction &action);

    // Connects a control's event to a handler that runs through the error box.
    template<typename Sender, typename Signal>
    void Bind(Sender *sender, Signal signal, void (TForm1::*handler)());

    ApplicationEvents *ApplicationEvents1 = nullptr;
    UsagePing *webcount = nullptr;
};
