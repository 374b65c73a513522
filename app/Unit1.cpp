#include "Unit1.h"

#include "Anchors.h"
#include "ApplicationEvents.h"
#include "ErrorBox.h"
#include "FixedAddresses.h"
#include "ShellOpen.h"
#include "SkinFonts.h"
#include "WindowFrame.h"

#include <QCloseEvent>
#include <QGuiApplication>

TForm1::TForm1(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    InstallSkinFonts();
    setupUi(this);
    AnchorRule::install(suiForm1);
    ApplicationEvents1 = new ApplicationEvents(
        [this](QObject *receiver, QEvent *event, bool &handled) {
            ApplicationEvents1Message(receiver, event, handled);
        },
        this);
    // The end of the desktop session is one more close request.
    connect(qApp, &QGuiApplication::commitDataRequest, this, &QWidget::close);
    RunHandler(this, [this] { FormCreate(); });
}

TForm1::~TForm1() = default;

void TForm1::ShowMaximised()
{
    suiForm1->windowFrame()->showMaximised();
}

void TForm1::FormCreate()
{
}

void TForm1::ApplicationEvents1Message(QObject *receiver, QEvent *event, bool &handled)
{
    Q_UNUSED(receiver);
    Q_UNUSED(event);
    Q_UNUSED(handled);
}

void TForm1::closeEvent(QCloseEvent *event)
{
    bool canClose = true;
    RunHandler(this, [&] { FormCloseQuery(this, canClose); });
    event->setAccepted(canClose);
}

void TForm1::FormCloseQuery(QObject *sender, bool &canClose)
{
    Q_UNUSED(sender);
    Q_UNUSED(canClose);
    ShellOpen(ForumBoardUrl);
}
