// The start of the program is counted by one background request of the
// counter address; nothing shows, whatever the counter does.
#include "ContentPane.h"
#include "CounterServer.h"
#include "FixedAddresses.h"
#include "PageProbe.h"
#include "Unit1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>

Q_DECLARE_METATYPE(CounterServer::Mode)

namespace {

bool anyMessageBox()
{
    const auto widgets = QApplication::topLevelWidgets();
    return std::any_of(widgets.cbegin(), widgets.cend(),
                       [](const QWidget *widget) { return qobject_cast<const QMessageBox *>(widget); });
}

} // namespace

class TestUsagePing final : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void counterAddress_isTheSubjectQuery();
    void start_requestsCounterOnce();
    void unansweredCounter_showsNothingAndDelaysNothing_data();
    void unansweredCounter_showsNothingAndDelaysNothing();
};

void TestUsagePing::cleanup()
{
    qunsetenv("http_proxy");
}

void TestUsagePing::counterAddress_isTheSubjectQuery()
{
    const QUrl counter(CounterUrl);
    QCOMPARE(counter.scheme(), u"http"_qs);
    QCOMPARE(counter.path(), u"/count/softcount/"_qs);
    QCOMPARE(counter.query(QUrl::FullyEncoded), u"%E8%AF%81%E5%88%B8%E4%BB%8E%E4%B8%9A%E8%B5%84%E6%A0%BC"_qs);
}

void TestUsagePing::start_requestsCounterOnce()
{
    CounterServer server(CounterServer::Mode::Answer);
    qputenv("http_proxy", server.proxyAddress());
    TForm1 form;
    form.ShowMaximised();
    QTRY_COMPARE(server.requestLines().size(), 1);
    QCOMPARE(server.requestLines().first(), "GET " + QUrl(CounterUrl).toEncoded() + " HTTP/1.1");

    // Later clicks and page changes ask for nothing more.
    auto *pane = form.findChild<ContentPane *>(u"WebBrowser1"_qs);
    auto *guide = form.findChild<QAbstractButton *>(u"suiButton1"_qs);
    QTest::mouseClick(guide, Qt::LeftButton, {}, guide->rect().center());
    QTRY_VERIFY(pane->url().toString().endsWith(u"报考指南.htm"));
    QVERIFY(WaitForLoaded(pane->page()));
    QCOMPARE(server.requestLines().size(), 1);
    QVERIFY(!anyMessageBox());
}

void TestUsagePing::unansweredCounter_showsNothingAndDelaysNothing_data()
{
    QTest::addColumn<bool>("listening");

    QTest::newRow("never answers") << true;
    QTest::newRow("nothing listening") << false;
}

void TestUsagePing::unansweredCounter_showsNothingAndDelaysNothing()
{
    QFETCH(bool, listening);
    CounterServer server(CounterServer::Mode::Silent);
    const QByteArray address = server.proxyAddress();
    if (!listening)
        server.close();
    qputenv("http_proxy", address);

    auto form = std::make_unique<TForm1>();
    form->ShowMaximised();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    if (listening)
        QTRY_COMPARE(server.requestLines().size(), 1);
    QVERIFY(WaitForLoaded(form->findChild<ContentPane *>(u"WebBrowser1"_qs)->page()));
    QVERIFY(!anyMessageBox());

    // The request still under way does not hold the window back from closing.
    form->close();
    QVERIFY(!form->isVisible());
    form.reset();
    QVERIFY(!anyMessageBox());
}

QTEST_MAIN(TestUsagePing)
#include "tst_usageping.moc"
