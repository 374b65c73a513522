// The main window's life: shown maximised, and every close request opens the
// forum board once and lets the close go ahead.
#include "FixedAddresses.h"
#include "FrameGeometry.h"
#include "ShellOpen.h"
#include "SkinForm.h"
#include "Unit1.h"
#include "XdgOpenLog.h"

#include <QCloseEvent>
#include <QScreen>
#include <QTest>

using namespace FrameGeometry;

class TestMainWindow final : public QObject
{
    Q_OBJECT

private slots:
    void showsMaximisedToWorkArea();
    void closeRequest_opensForumBoardOnce_data();
    void closeRequest_opensForumBoardOnce();
};

void TestMainWindow::showsMaximisedToWorkArea()
{
    TForm1 form;
    form.ShowMaximised();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    const QRect workArea = form.screen()->availableGeometry();
    QCOMPARE(form.geometry(), workArea);
    QCOMPARE(form.maximumSize(), workArea.size());
    QCOMPARE(form.minimumSize(), QSize(130, 50));
    QVERIFY(form.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(form.windowTitle(), u"2016证券从业资格考试Merovista[视频课程+考点精讲+真题解析+模拟题库]"_qs);
}

void TestMainWindow::closeRequest_opensForumBoardOnce_data()
{
    QTest::addColumn<std::function<void(TForm1 &)>>("request");

    QTest::newRow("close()") << std::function<void(TForm1 &)>([](TForm1 &form) { form.close(); });
    QTest::newRow("window manager") << std::function<void(TForm1 &)>([](TForm1 &form) {
        // What the platform delivers when the window manager asks the window to close.
        QCloseEvent request;
        QCoreApplication::sendEvent(form.windowHandle(), &request);
    });
    QTest::newRow("title-bar close button") << std::function<void(TForm1 &)>([](TForm1 &form) {
        const int titleBarWidth = form.findChild<SkinForm *>(u"suiForm1"_qs)->width();
        const QPoint inFrame = TitleButtonRect(TitleButton::Close, titleBarWidth).center();
        QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, inFrame + QPoint(1, 0));
    });
    QTest::newRow("Alt+F4") << std::function<void(TForm1 &)>([](TForm1 &form) {
        QTest::keyClick(&form, Qt::Key_F4, Qt::AltModifier);
    });
}

void TestMainWindow::closeRequest_opensForumBoardOnce()
{
    QFETCH(std::function<void(TForm1 &)>, request);
    XdgOpenLog log;
    TForm1 form;
    form.ShowMaximised();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.activateWindow();
    QTRY_VERIFY(form.isActiveWindow());

    request(form);

    QTRY_VERIFY(!form.isVisible());
    // A marker opened afterwards shows that no second forum board came before it.
    ShellOpen(u"marker"_qs);
    QTRY_COMPARE(log.addresses().size(), 2);
    QCOMPARE(log.addresses(), (QStringList{ForumBoardUrl, u"marker"_qs}));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
