#include "Unit1.h"

#include "Anchors.h"
#include "AppPath.h"
#include "ApplicationEvents.h"
#include "CourseLinkFile.h"
#include "ErrorBox.h"
#include "FixedAddresses.h"
#include "MenuFilter.h"
#include "NavActions.h"
#include "ShellOpen.h"
#include "SkinFonts.h"
#include "UsagePing.h"
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
    webcount = new UsagePing(this);
    // The end of the desktop session is one more close request.
    connect(qApp, &QGuiApplication::commitDataRequest, this, &QWidget::close);

    Bind(suiButton1, &SkinButton::clicked, &TForm1::suiButton1Click);
    Bind(suiButton2, &SkinButton::clicked, &TForm1::suiButton2Click);
    Bind(suiButton3, &SkinButton::clicked, &TForm1::suiButton3Click);
    Bind(suiButton4, &SkinButton::clicked, &TForm1::suiButton4Click);
    Bind(suiButton5, &SkinButton::clicked, &TForm1::suiButton5Click);
    Bind(suiButton6, &SkinButton::clicked, &TForm1::suiButton6Click);
    Bind(suiButton7, &SkinButton::clicked, &TForm1::suiButton7Click);
    Bind(suiButton8, &SkinButton::clicked, &TForm1::suiButton8Click);
    Bind(Image1, &Picture::clicked, &TForm1::Image1Click);
    Bind(TreeView1, &SkinTreeView::click, &TForm1::TreeView1Click);

    RunHandler(this, [this] { FormCreate(); });
}

template<typename Sender, typename Signal>
void TForm1::Bind(Sender *sender, Signal signal, void (TForm1::*handler)())
{
    connect(sender, signal, this, [this, handler] { RunHandler(this, [this, handler] { (this->*handler)(); }); });
}

TForm1::~TForm1() = default;

void TForm1::ShowMaximised()
{
    suiForm1->windowFrame()->showMaximised();
}

void TForm1::FormCreate()
{
    WebBrowser1->Navigate(GetAppPath() + CoursePage);
    webcount->Request(QUrl(CounterUrl));
    ExpandInitialBranch();
}

// Positions 0 to 4 in depth-first order, over all items. Expanding an item
// without children changes nothing, so with the stored items one branch opens.
void TForm1::ExpandInitialBranch()
{
    QTreeWidgetItemIterator item(TreeView1);
    for (int position = 0; position <= 4 && *item; ++position, ++item) {
        if ((*item)->childCount() > 0)
            (*item)->setExpanded(true);
    }
}

void TForm1::suiButton1Click() { Perform(LauncherAction(1)); }
void TForm1::suiButton2Click() { Perform(LauncherAction(2)); }
void TForm1::suiButton3Click() { Perform(LauncherAction(3)); }
void TForm1::suiButton4Click() { Perform(LauncherAction(4)); }
void TForm1::suiButton5Click() { Perform(LauncherAction(5)); }
void TForm1::suiButton6Click() { Perform(LauncherAction(6)); }
void TForm1::suiButton7Click() { Perform(LauncherAction(7)); }
void TForm1::suiButton8Click() { Perform(LauncherAction(8)); }
void TForm1::Image1Click() { Perform(LogoAction()); }

// Acts on the selection as the tree has it now, not on the point clicked.
void TForm1::TreeView1Click()
{
    if (const QTreeWidgetItem *item = TreeView1->selectedItem())
        Perform(ResolveTreeAction(item->text(0)));
}

void TForm1::Perform(const NavAction &action)
{
    switch (action.kind) {
    case ActionKind::ShowPage:
        WebBrowser1->Navigate(GetAppPath() + action.argument);
        break;
    case ActionKind::OpenLink:
        ShellOpen(action.argument);
        break;
    case ActionKind::LookupLink:
        if (const QString link = LookupCourseLink(action.argument); !link.isEmpty())
            ShellOpen(link);
        break;
    case ActionKind::CloseMain:
        close();
        break;
    }
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
