// The navigation tree and the actions behind every click, in the real
// window with real mouse and key events.
#include "AppPath.h"
#include "ContentPane.h"
#include "FixedAddresses.h"
#include "PageProbe.h"
#include "ShellOpen.h"
#include "SkinTreeView.h"
#include "TreeItems.h"
#include "Unit1.h"
#include "XdgOpenLog.h"

#include <QAbstractButton>
#include <QFile>
#include <QSignalSpy>
#include <QStringEncoder>
#include <QTest>

namespace {

const QString TextbookLink = u"http://www.merovista.example/tiku/订购.html"_qs;
const QString CourseLink = u"/home/user/课程/《证券交易》 精讲.pdf"_qs;

// A course link file in GBK with entries for two captions.
void writeCourseLinkFile()
{
    QFile file(GetAppPath() + u"kc.dll"_qs);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QStringEncoder gbk("GBK");
    const QString text = u"[kc]\r\n教材辅导在线订购="_qs + TextbookLink + u"\r\n《证券交易》网授精讲班=\""_qs + CourseLink
                       + u"\"\r\n"_qs;
    file.write(gbk.encode(text));
}

QImage iconImage(const QIcon &icon, QIcon::Mode mode = QIcon::Normal)
{
    return icon.pixmap(16, 16, mode).toImage();
}

} // namespace

class TestNavigation final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void items_areTheStoredOnes();
    void startUp_opensOneBranchAndSelectsNothing();
    void treeClickEvent_data();
    void treeClickEvent();
    void selecting_expandsSingleBranch();

    void launcherButton_data();
    void launcherButton();
    void logo_opensHomePage();
    void treeItem_data();
    void treeItem();
    void expandButtonClick_repeatsPreviousAction();
    void editedLinkFile_takesEffectAtNextClick();
    void exitItem_closesThroughForumBoard();

private:
    QTreeWidgetItem *item(const QString &caption) const;
    void clickTree(QPoint inViewport, Qt::MouseButton button = Qt::LeftButton);
    void clickItem(const QString &caption);
    void expectOpened(const QStringList &addresses);

    std::unique_ptr<TForm1> m_form;
    SkinTreeView *m_tree = nullptr;
    ContentPane *m_pane = nullptr;
    std::unique_ptr<XdgOpenLog> m_log;
};

void TestNavigation::initTestCase()
{
    writeCourseLinkFile();
    m_form = std::make_unique<TForm1>();
    m_tree = m_form->findChild<SkinTreeView *>(u"TreeView1"_qs);
    m_pane = m_form->findChild<ContentPane *>(u"WebBrowser1"_qs);
    m_form->ShowMaximised();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

void TestNavigation::init()
{
    m_log.reset(); // before the next one sets its file
    m_log = std::make_unique<XdgOpenLog>();
}

void TestNavigation::cleanupTestCase()
{
    m_form.reset();
    QFile::remove(GetAppPath() + u"kc.dll"_qs);
}

QTreeWidgetItem *TestNavigation::item(const QString &caption) const
{
    const QList<QTreeWidgetItem *> found = m_tree->findItems(caption, Qt::MatchExactly | Qt::MatchRecursive);
    return found.value(0);
}

void TestNavigation::clickTree(QPoint inViewport, Qt::MouseButton button)
{
    QWidget *viewport = m_tree->viewport();
    QTest::mouseClick(m_form->windowHandle(), button, {}, viewport->mapTo(m_form.get(), inViewport));
}

void TestNavigation::clickItem(const QString &caption)
{
    QTreeWidgetItem *target = item(caption);
    QVERIFY(target);
    m_tree->scrollToItem(target);
    clickTree(m_tree->visualItemRect(target).center());
}

// Waits for the opener to be given these addresses, and no others: a marker
// opened afterwards shows that nothing else came before it.
void TestNavigation::expectOpened(const QStringList &addresses)
{
    ShellOpen(u"marker"_qs);
    QTRY_COMPARE(m_log->addresses().size(), addresses.size() + 1);
    QCOMPARE(m_log->addresses(), addresses + QStringList{u"marker"_qs});
}

void TestNavigation::items_areTheStoredOnes()
{
    QTreeWidgetItemIterator it(m_tree);
    const QImage selectedIcon = iconImage(QIcon(u":/tree/icon00.svg"_qs));
    for (const TreeItem &expected : TreeItems) {
        QVERIFY(*it);
        const QTreeWidgetItem *actual = *it++;
        QCOMPARE(actual->text(0), expected.caption);
        QCOMPARE(actual->parent() ? 2 : 1, expected.level);
        const QString icon = u":/tree/icon%1.svg"_qs.arg(expected.icon, 2, 10, QLatin1Char('0'));
        QCOMPARE(iconImage(actual->icon(0)), iconImage(QIcon(icon)));
        QCOMPARE(iconImage(actual->icon(0), QIcon::Selected), selectedIcon);
    }
    QVERIFY(!*it);
}

void TestNavigation::startUp_opensOneBranchAndSelectsNothing()
{
    TForm1 form;
    auto *tree = form.findChild<SkinTreeView *>(u"TreeView1"_qs);
    QStringList open;
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        if ((*it)->isExpanded())
            open << (*it)->text(0);
    }
    QCOMPARE(open, QStringList{u"保过班辅导课程"_qs});
    QVERIFY(!tree->selectedItem());
}

void TestNavigation::treeClickEvent_data()
{
    QTest::addColumn<QString>("gesture");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QString>("selected");

    // "考试题库" is selected before each gesture.
    QTest::newRow("click on an item") << u"item"_qs << 1 << u"VIP会员服务"_qs;
    QTest::newRow("click on an expand button") << u"expand button"_qs << 1 << u"考试题库"_qs;
    QTest::newRow("click on empty space") << u"empty space"_qs << 1 << u"考试题库"_qs;
    QTest::newRow("released outside") << u"released outside"_qs << 0 << u"VIP会员服务"_qs;
    QTest::newRow("right click") << u"right click"_qs << 0 << u"考试题库"_qs;
    QTest::newRow("arrow key") << u"arrow key"_qs << 0 << u"《证券市场基础知识》真题题库"_qs;
    QTest::newRow("enter") << u"enter"_qs << 1 << u"考试题库"_qs;
}

void TestNavigation::treeClickEvent()
{
    QFETCH(QString, gesture);
    QFETCH(int, clicks);
    QFETCH(QString, selected);

    m_tree->setCurrentItem(item(u"考试题库"_qs));
    m_tree->setFocus();
    QSignalSpy click(m_tree, &SkinTreeView::click);
    const QPoint vip = m_tree->visualItemRect(item(u"VIP会员服务"_qs)).center();
    const QRect branch = m_tree->visualItemRect(item(u"精讲班视频课程"_qs));

    if (gesture == u"item") {
        clickTree(vip);
    } else if (gesture == u"expand button") {
        clickTree(QPoint(m_tree->indentation() / 2, branch.center().y()));
    } else if (gesture == u"empty space") {
        clickTree(QPoint(100, m_tree->viewport()->height() - 5));
    } else if (gesture == u"released outside") {
        QWindow *window = m_form->windowHandle();
        QTest::mousePress(window, Qt::LeftButton, {}, m_tree->viewport()->mapTo(m_form.get(), vip));
        QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(800, 400));
    } else if (gesture == u"right click") {
        clickTree(vip, Qt::RightButton);
    } else if (gesture == u"arrow key") {
        QTest::keyClick(m_tree, Qt::Key_Down);
    } else if (gesture == u"enter") {
        QTest::keyClick(m_tree, Qt::Key_Return);
    }
    QCOMPARE(click.count(), clicks);
    QCOMPARE(m_tree->selectedItem()->text(0), selected);
}

void TestNavigation::selecting_expandsSingleBranch()
{
    clickItem(u"精讲班视频课程"_qs);
    QVERIFY(item(u"精讲班视频课程"_qs)->isExpanded());
    clickItem(u"《证券交易》网授精讲班"_qs);
    QVERIFY(item(u"精讲班视频课程"_qs)->isExpanded());
    clickItem(u"真题解析班视频课程"_qs);
    QVERIFY(item(u"真题解析班视频课程"_qs)->isExpanded());
    QVERIFY(!item(u"精讲班视频课程"_qs)->isExpanded());
    QVERIFY(item(u"保过班辅导课程"_qs)->isExpanded()); // opened at start-up, never selected
}

void TestNavigation::launcherButton_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("address");

    QTest::newRow("1 guide") << 1 << GuidePage << QString();
    QTest::newRow("2 textbook thread") << 2 << QString() << TextbookThreadUrl;
    QTest::newRow("3 course page") << 3 << CoursePage << QString();
    QTest::newRow("4 course page") << 4 << CoursePage << QString();
    QTest::newRow("5 course page") << 5 << CoursePage << QString();
    QTest::newRow("6 forum board") << 6 << QString() << ForumBoardUrl;
    QTest::newRow("7 contact page") << 7 << ContactPage << QString();
    QTest::newRow("8 consultation") << 8 << QString() << ConsultUrl;
}

void TestNavigation::launcherButton()
{
    QFETCH(int, button);
    QFETCH(QString, page);
    QFETCH(QString, address);

    m_pane->setUrl(QUrl(u"about:blank"_qs));
    auto *control = m_form->findChild<QAbstractButton *>(u"suiButton%1"_qs.arg(button));
    QTest::mouseClick(m_form->windowHandle(), Qt::LeftButton, {},
                      control->mapTo(m_form.get(), control->rect().center()));
    if (page.isEmpty()) {
        expectOpened({address});
        QCOMPARE(m_pane->url(), QUrl(u"about:blank"_qs));
    } else {
        QTRY_COMPARE(m_pane->url(), QUrl::fromLocalFile(GetAppPath() + page));
        expectOpened({});
    }
}

void TestNavigation::logo_opensHomePage()
{
    QWidget *logo = m_form->findChild<QWidget *>(u"Image1"_qs);
    QTest::mouseClick(m_form->windowHandle(), Qt::LeftButton, {}, logo->mapTo(m_form.get(), QPoint(70, 30)));
    expectOpened({HomePageUrl});
}

void TestNavigation::treeItem_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("opened");

    QTest::newRow("guide page") << u"2016报考指南"_qs << GuidePage << QStringList();
    QTest::newRow("course page") << u"辅导课程和资料精选"_qs << CoursePage << QStringList();
    QTest::newRow("contact page") << u"联系我们"_qs << ContactPage << QStringList();
    QTest::newRow("consultation") << u"在线咨询"_qs << QString() << QStringList{ConsultUrl};
    QTest::newRow("looked up") << u"教材辅导在线订购"_qs << QString() << QStringList{TextbookLink};
    QTest::newRow("looked up, quoted, in a branch")
        << u"《证券交易》网授精讲班"_qs << QString() << QStringList{CourseLink};
    QTest::newRow("no entry") << u"VIP会员服务"_qs << QString() << QStringList();
    QTest::newRow("heading without entry") << u"考试题库"_qs << QString() << QStringList();
}

void TestNavigation::treeItem()
{
    QFETCH(QString, caption);
    QFETCH(QString, page);
    QFETCH(QStringList, opened);

    m_pane->setUrl(QUrl(u"about:blank"_qs));
    if (QTreeWidgetItem *parent = item(caption)->parent())
        clickItem(parent->text(0));
    // Twice: each click does its job again.
    for (int round = 1; round <= 2; ++round) {
        clickItem(caption);
        if (!page.isEmpty())
            QTRY_COMPARE(m_pane->url(), QUrl::fromLocalFile(GetAppPath() + page));
        m_pane->setUrl(QUrl(u"about:blank"_qs));
    }
    expectOpened(opened + opened);
}

void TestNavigation::expandButtonClick_repeatsPreviousAction()
{
    clickItem(u"教材辅导在线订购"_qs);
    const QRect branch = m_tree->visualItemRect(item(u"过关必做习题集"_qs));
    clickTree(QPoint(m_tree->indentation() / 2, branch.center().y()));
    QVERIFY(item(u"过关必做习题集"_qs)->isExpanded());
    QCOMPARE(m_tree->selectedItem()->text(0), u"教材辅导在线订购"_qs);
    expectOpened({TextbookLink, TextbookLink});
}

void TestNavigation::editedLinkFile_takesEffectAtNextClick()
{
    clickItem(u"VIP会员服务"_qs);
    QFile file(GetAppPath() + u"kc.dll"_qs);
    QVERIFY(file.open(QIODevice::Append));
    file.write(QStringEncoder("GBK").encode(u"VIP会员服务=http://www.merovista.example/vip\r\n"_qs));
    file.close();
    clickItem(u"VIP会员服务"_qs);
    QVERIFY(file.remove());
    clickItem(u"教材辅导在线订购"_qs);
    expectOpened({u"http://www.merovista.example/vip"_qs});
    writeCourseLinkFile();
}

void TestNavigation::exitItem_closesThroughForumBoard()
{
    clickItem(u"退出"_qs);
    QTRY_VERIFY(!m_form->isVisible());
    expectOpened({ForumBoardUrl});
}

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
