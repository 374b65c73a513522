// The content pane in the real main window, on the real web engine: the
// initial page, what input reaches the page, and where links go.
#include "AppPath.h"
#include "ContentPane.h"
#include "FixedAddresses.h"
#include "PageProbe.h"
#include "SkinTreeView.h"
#include "Unit1.h"
#include "XdgOpenLog.h"

#include <QApplication>
#include <QJsonDocument>
#include <QTest>
#include <QWheelEvent>

namespace {

using Input = std::function<void(QWidget *page)>;

// Counts one kind of event that reaches a widget.
class EventCounter final : public QObject
{
public:
    EventCounter(QWidget *widget, QEvent::Type type)
        : m_type(type)
    {
        widget->installEventFilter(this);
    }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == m_type;
        return false;
    }

private:
    QEvent::Type m_type;
};

void click(QWidget *widget, Qt::MouseButton button, QPoint pos)
{
    QWidget *window = widget->window();
    QTest::mouseClick(window->windowHandle(), button, {}, widget->mapTo(window, pos));
}

} // namespace

class TestContentPane final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void initialPage_isRequestedBeforeShow();
    void menuInput_neverReachesPage_data();
    void menuInput_neverReachesPage();
    void otherInput_reachesPage_data();
    void otherInput_reachesPage();
    void rightClickOnTree_reachesTree();
    void newWindowLink_opensInDesktopBrowser();
    void plainLink_staysInPane();

private:
    QVariantMap seen() const;

    std::unique_ptr<TForm1> m_form;
    ContentPane *m_pane = nullptr;
    QWidget *m_page = nullptr;
};

void TestContentPane::initTestCase()
{
    m_form = std::make_unique<TForm1>();
    m_pane = m_form->findChild<ContentPane *>(u"WebBrowser1"_qs);
    m_form->ShowMaximised();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    QVERIFY(WaitForLoaded(m_pane->page()));
    m_page = m_pane->focusProxy();
    QVERIFY(m_page);
    QVERIFY(m_pane->isAncestorOf(m_page));
}

// The page takes input a moment after it has loaded: click until it sees a
// click, which also gives it the focus, then count afresh.
void TestContentPane::init()
{
    Evaluate(m_pane->page(), QStringLiteral("window.scrollTo(0, 0); seen = {}"));
    QTRY_VERIFY_WITH_TIMEOUT((click(m_page, Qt::LeftButton, QPoint(400, 400)),
                              seen().value(u"mousedown:0"_qs).toInt() >= 1),
                             20'000);
    Evaluate(m_pane->page(), QStringLiteral("seen = {}"));
}

void TestContentPane::cleanupTestCase()
{
    m_form.reset();
}

QVariantMap TestContentPane::seen() const
{
    const QVariant json = Evaluate(m_pane->page(), QStringLiteral("JSON.stringify(seen)"));
    return QJsonDocument::fromJson(json.toString().toUtf8()).toVariant().toMap();
}

void TestContentPane::initialPage_isRequestedBeforeShow()
{
    TForm1 form;
    QVERIFY(!form.isVisible());
    const auto *pane = form.findChild<ContentPane *>(u"WebBrowser1"_qs);
    QCOMPARE(pane->url(), QUrl::fromLocalFile(GetAppPath() + CoursePage));
}

void TestContentPane::menuInput_neverReachesPage_data()
{
    QTest::addColumn<Input>("input");

    QTest::newRow("right click") << Input([](QWidget *page) { click(page, Qt::RightButton, {300, 300}); });
    QTest::newRow("right double click") << Input([](QWidget *page) {
        QWidget *window = page->window();
        QTest::mouseDClick(window->windowHandle(), Qt::RightButton, {}, page->mapTo(window, QPoint(300, 300)));
    });
    QTest::newRow("menu key") << Input([](QWidget *page) { QTest::keyClick(page, Qt::Key_Menu); });
    QTest::newRow("shift+F10") << Input([](QWidget *page) {
        QTest::keyClick(page, Qt::Key_F10, Qt::ShiftModifier);
    });
}

void TestContentPane::menuInput_neverReachesPage()
{
    QFETCH(Input, input);
    input(m_page);

    // Markers that come after: once the page has seen them, it has seen the input too.
    QTest::keyClick(m_page, Qt::Key_A);
    click(m_page, Qt::LeftButton, QPoint(400, 400));
    QTRY_COMPARE(seen().value(u"mousedown:0"_qs).toInt(), 1);

    const QVariantMap events = seen();
    QCOMPARE(events.value(u"keydown:a"_qs).toInt(), 1);
    for (const QString &name : events.keys()) {
        QVERIFY2(!name.endsWith(u":2") && !name.startsWith(u"contextmenu") && name != u"keydown:F10"
                     && name != u"keydown:ContextMenu",
                 qPrintable(name));
    }
    QVERIFY(!QApplication::activePopupWidget());
}

void TestContentPane::otherInput_reachesPage_data()
{
    QTest::addColumn<Input>("input");
    QTest::addColumn<QString>("event");

    QTest::newRow("left click") << Input([](QWidget *page) { click(page, Qt::LeftButton, {300, 300}); })
                                << u"click:0"_qs;
    QTest::newRow("key") << Input([](QWidget *page) { QTest::keyClick(page, Qt::Key_B); }) << u"keydown:b"_qs;
    QTest::newRow("wheel") << Input([](QWidget *page) {
        const QPoint pos(300, 300);
        QWheelEvent wheel(pos, page->mapToGlobal(pos), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(page, &wheel);
    }) << u"wheel"_qs;
}

void TestContentPane::otherInput_reachesPage()
{
    QFETCH(Input, input);
    QFETCH(QString, event);
    input(m_page);
    QTRY_VERIFY(seen().value(event).toInt() >= 1);
}

void TestContentPane::rightClickOnTree_reachesTree()
{
    auto *tree = m_form->findChild<SkinTreeView *>(u"TreeView1"_qs);
    EventCounter menus(tree->viewport(), QEvent::ContextMenu);
    click(tree->viewport(), Qt::RightButton, QPoint(40, 10));
    QTRY_COMPARE(menus.count, 1);
}

void TestContentPane::newWindowLink_opensInDesktopBrowser()
{
    XdgOpenLog log;
    click(m_page, Qt::LeftButton, QPoint(50, 20));
    QTRY_COMPARE(log.addresses(),
                 QStringList{u"http://www.merovista.example/new-window?%E8%AF%BE%E7%A8%8B=1"_qs});
    QCOMPARE(m_pane->url(), QUrl::fromLocalFile(GetAppPath() + CoursePage));
}

void TestContentPane::plainLink_staysInPane()
{
    XdgOpenLog log;
    click(m_page, Qt::LeftButton, QPoint(50, 50));
    QTRY_COMPARE(m_pane->url(), QUrl::fromLocalFile(GetAppPath() + GuidePage));
    QVERIFY(log.calls().isEmpty());
}

QTEST_MAIN(TestContentPane)
#include "tst_contentpane.moc"
