#include "Unit1.h"

#include "Anchors.h"
#include "AppPath.h"
#include "ApplicationEvents.h"
#include "ErrorBox.h"
#include "FixedAddresses.h"
#include "MenuFilter.h"
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
    WebBrowser1->Navigate(GetAppPath() + CoursePage);
    ExpandInitialBranch();
}

// Positions 0 to 4 in depth-first order, over all items: with the stored
// items only the fourth has children, so one branch opens.
void TForm1::ExpandInitialBranch()
{
    QTreeWidgetItemIterator item(TreeView1);
    for (int position = 0; position <= 4 && *item; ++position, ++item)
        (*item)->setExpanded(true);
}

// Keeps the pane's context menu away: right-button and menu events aimed at
// a window inside the browser (not the browser itself) are dropped.
void TForm1::ApplicationEvents1Message(QObject *receiver, QEvent *event, bool &handled)
{
    if (!receiver->isWidgetType() || receiver == WebBrowser1
        || !WebBrowser1->isAncestorOf(static_cast<QWidget *>(receiver)))
        return;
    handled = IsBrowserMouseMenuMessage(event) || IsBrowserMenuKey(event);
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
