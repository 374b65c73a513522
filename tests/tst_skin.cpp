// The skin's decisions as pure functions, and the skinned main window driven
// by real mouse and key events.
#include "Anchors.h"
#include "FrameGeometry.h"
#include "SkinButton.h"
#include "SkinForm.h"
#include "Unit1.h"
#include "WindowFrame.h"

#include <QScreen>
#include <QSignalSpy>
#include <QTest>

using namespace FrameGeometry;

Q_DECLARE_METATYPE(Qt::Edges)
Q_DECLARE_METATYPE(FrameGeometry::TitleButton)

class TestSkin final : public QObject
{
    Q_OBJECT

private slots:
    void anchoredGeometry_data();
    void anchoredGeometry();
    void resizeEdges_data();
    void resizeEdges();
    void titleButtons_data();
    void titleButtons();
    void resizedGeometry_keepsLimitsAndOppositeEdges();

    void layout_data();
    void layout();
    void titleButton_showsHoverAndPressedPictures();
    void titleBar_dragMovesAndDoubleClickToggles();
    void edge_dragResizesOnlyWhileNormal();
    void caption_isShortenedWhenTooLong();
    void button_clickRules_data();
    void button_clickRules();

private:
    static QPoint centre(QWidget *widget) { return widget->rect().center(); }
};

void TestSkin::anchoredGeometry_data()
{
    QTest::addColumn<QString>("anchors");
    QTest::addColumn<QRect>("expected");

    // A control at (10, 20, 100, 50) in a 400 x 300 parent that grows to 500 x 350.
    QTest::newRow("left|top stays") << u"left|top"_qs << QRect(10, 20, 100, 50);
    QTest::newRow("top|right moves right") << u"top|right"_qs << QRect(110, 20, 100, 50);
    QTest::newRow("left|top|bottom grows down") << u"left|top|bottom"_qs << QRect(10, 20, 100, 100);
    QTest::newRow("all four grow") << u"left|top|right|bottom"_qs << QRect(10, 20, 200, 100);
    QTest::newRow("none keeps the centre's place") << QString() << QRect(25, 27, 100, 50);
}

void TestSkin::anchoredGeometry()
{
    QFETCH(QString, anchors);
    QFETCH(QRect, expected);
    QCOMPARE(AnchoredGeometry(QRect(10, 20, 100, 50), QSize(400, 300), QSize(500, 350),
                              Anchors::fromString(anchors)),
             expected);
}

void TestSkin::resizeEdges_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<Qt::Edges>("edges");

    // A 400 x 300 window.
    QTest::newRow("left strip") << QPoint(0, 150) << Qt::Edges(Qt::LeftEdge);
    QTest::newRow("right strip") << QPoint(399, 150) << Qt::Edges(Qt::RightEdge);
    QTest::newRow("bottom strip") << QPoint(200, 299) << Qt::Edges(Qt::BottomEdge);
    QTest::newRow("top band") << QPoint(200, 4) << Qt::Edges(Qt::TopEdge);
    QTest::newRow("below top band") << QPoint(200, 5) << Qt::Edges();
    QTest::newRow("inside") << QPoint(1, 150) << Qt::Edges();
    QTest::newRow("top left corner") << QPoint(3, 2) << (Qt::TopEdge | Qt::LeftEdge);
    QTest::newRow("bottom right corner") << QPoint(399, 296) << (Qt::BottomEdge | Qt::RightEdge);
    QTest::newRow("bottom left corner") << QPoint(5, 299) << (Qt::BottomEdge | Qt::LeftEdge);
    QTest::newRow("outside") << QPoint(400, 150) << Qt::Edges();
}

void TestSkin::resizeEdges()
{
    QFETCH(QPoint, point);
    QFETCH(Qt::Edges, edges);
    QCOMPARE(ResizeEdgesAt(point, QSize(400, 300)), edges);
}

void TestSkin::titleButtons_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<TitleButton>("button");

    // A title bar 989 pixels wide: close at 970, maximise at 952, minimise at 934.
    QTest::newRow("control box") << QPoint(3, 4) << TitleButton::ControlBox;
    QTest::newRow("close") << QPoint(986, 20) << TitleButton::Close;
    QTest::newRow("gap before close") << QPoint(969, 10) << TitleButton::None;
    QTest::newRow("maximise") << QPoint(952, 10) << TitleButton::Maximise;
    QTest::newRow("minimise") << QPoint(950, 10) << TitleButton::Minimise;
    QTest::newRow("right end") << QPoint(988, 10) << TitleButton::None;
    QTest::newRow("below the buttons") << QPoint(975, 21) << TitleButton::None;
}

void TestSkin::titleButtons()
{
    QFETCH(QPoint, point);
    QFETCH(TitleButton, button);
    QCOMPARE(TitleButtonAt(point, 989), button);
}

void TestSkin::resizedGeometry_keepsLimitsAndOppositeEdges()
{
    const QRect start(100, 100, 400, 300);
    const QSize minimum(130, 50);
    const QSize maximum(1280, 800);
    QCOMPARE(ResizedGeometry(start, Qt::RightEdge | Qt::BottomEdge, {30, -20}, minimum, maximum),
             QRect(100, 100, 430, 280));
    QCOMPARE(ResizedGeometry(start, Qt::LeftEdge, {-50, 0}, minimum, maximum), QRect(50, 100, 450, 300));
    // Shrunk past the minimum, the right edge stays where it was.
    QCOMPARE(ResizedGeometry(start, Qt::LeftEdge | Qt::TopEdge, {390, 290}, minimum, maximum),
             QRect(370, 350, 130, 50));
}

void TestSkin::layout_data()
{
    QTest::addColumn<bool>("maximised");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("geometry");

    // Maximised on the 1280 x 800 test screen, the frame is 1278 x 799.
    QTest::newRow("max frame") << true << u"suiForm1"_qs << QRect(1, 0, 1278, 799);
    QTest::newRow("max logo 7 from right") << true << u"Image1"_qs << QRect(1127, 31, 144, 67);
    QTest::newRow("max tree 6 from bottom") << true << u"TreeView1"_qs << QRect(8, 108, 308, 685);
    QTest::newRow("max content frame") << true << u"GroupBox1"_qs << QRect(323, 107, 948, 686);
    QTest::newRow("max button 1") << true << u"suiButton1"_qs << QRect(8, 28, 96, 73);
    QTest::newRow("max button 8") << true << u"suiButton8"_qs << QRect(728, 28, 96, 73);
    // Restored for the first time: 991 x 673 at (217, 108), the frame 989 x 672.
    QTest::newRow("normal window") << false << u"TForm1"_qs << QRect(217, 108, 991, 673);
    QTest::newRow("normal frame") << false << u"suiForm1"_qs << QRect(1, 0, 989, 672);
    QTest::newRow("normal logo") << false << u"Image1"_qs << QRect(838, 31, 144, 67);
    QTest::newRow("normal tree") << false << u"TreeView1"_qs << QRect(8, 108, 308, 558);
    QTest::newRow("normal content frame") << false << u"GroupBox1"_qs << QRect(323, 107, 659, 559);
    QTest::newRow("normal button 5") << false << u"suiButton5"_qs << QRect(419, 28, 96, 73);
}

void TestSkin::layout()
{
    QFETCH(bool, maximised);
    QFETCH(QString, control);
    QFETCH(QRect, geometry);

    TForm1 form;
    form.ShowMaximised();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.screen()->availableGeometry(), QRect(0, 0, 1280, 800));
    if (!maximised) {
        // The maximise ball, clicked with the mouse.
        auto *frame = form.findChild<SkinForm *>(u"suiForm1"_qs);
        const QPoint ball = TitleButtonRect(TitleButton::Maximise, frame->width()).center() + QPoint(1, 0);
        QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, ball);
        QTRY_VERIFY(!frame->windowFrame()->isMaximised());
    }
    QWidget *widget = control == u"TForm1" ? &form : form.findChild<QWidget *>(control);
    QVERIFY(widget);
    QTRY_COMPARE(widget->geometry(), geometry);
}

void TestSkin::titleButton_showsHoverAndPressedPictures()
{
    TForm1 form;
    form.ShowMaximised();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto *frame = form.findChild<SkinForm *>(u"suiForm1"_qs);
    const QRect ball = TitleButtonRect(TitleButton::Close, frame->width());
    const auto shown = [&] { return frame->grab(ball).toImage(); };

    const QImage normal = shown();
    QTest::mouseMove(form.windowHandle(), ball.center() + QPoint(1, 0));
    QTRY_VERIFY(shown() != normal);
    const QImage hover = shown();
    QTest::mousePress(form.windowHandle(), Qt::LeftButton, {}, ball.center() + QPoint(1, 0));
    QTRY_COMPARE(shown(), hover); // the pressed picture is the hover picture
    QTest::mouseMove(form.windowHandle(), QPoint(500, 300));
    QTRY_COMPARE(shown(), normal);
    // Released away from the ball: nothing happens.
    QTest::mouseRelease(form.windowHandle(), Qt::LeftButton, {}, QPoint(500, 300));
    QVERIFY(form.isVisible());
}

void TestSkin::titleBar_dragMovesAndDoubleClickToggles()
{
    TForm1 form;
    form.ShowMaximised();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    WindowFrame *frame = form.findChild<SkinForm *>(u"suiForm1"_qs)->windowFrame();
    QWindow *window = form.windowHandle();

    // Maximised, a drag does not move the window.
    QTest::mousePress(window, Qt::LeftButton, {}, QPoint(300, 12));
    QTest::mouseMove(window, QPoint(350, 40));
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(350, 40));
    QCOMPARE(form.pos(), QPoint(0, 0));

    QTest::mouseDClick(window, Qt::LeftButton, {}, QPoint(300, 12));
    QTRY_COMPARE(form.geometry(), QRect(217, 108, 991, 673));
    QVERIFY(!frame->isMaximised());

    QTest::mousePress(window, Qt::LeftButton, {}, QPoint(300, 12));
    QTest::mouseMove(window, QPoint(350, 42));
    // The window has moved under the pointer, which is again at (300, 12) in it.
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(300, 12));
    QTRY_COMPARE(form.pos(), QPoint(267, 138));

    QTest::mouseDClick(window, Qt::LeftButton, {}, QPoint(300, 12));
    QTRY_COMPARE(form.geometry(), form.screen()->availableGeometry());
    QVERIFY(frame->isMaximised());
}

void TestSkin::edge_dragResizesOnlyWhileNormal()
{
    TForm1 form;
    form.ShowMaximised();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QWindow *window = form.windowHandle();
    const QRect maximised = form.geometry();

    QTest::mousePress(window, Qt::LeftButton, {}, QPoint(maximised.width() - 1, 300));
    QTest::mouseMove(window, QPoint(maximised.width() - 101, 300));
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(maximised.width() - 101, 300));
    QCOMPARE(form.geometry(), maximised);

    form.findChild<SkinForm *>(u"suiForm1"_qs)->windowFrame()->toggleMaximised();
    QTRY_COMPARE(form.size(), QSize(991, 673));
    QTest::mouseMove(window, QPoint(990, 300));
    QTRY_COMPARE(form.cursor().shape(), Qt::SizeHorCursor);
    QTest::mousePress(window, Qt::LeftButton, {}, QPoint(990, 300));
    QTest::mouseMove(window, QPoint(890, 300));
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(890, 300));
    QTRY_COMPARE(form.geometry(), QRect(217, 108, 891, 673));
    // The anchors follow: the logo keeps 7 pixels to the frame's right edge.
    QTRY_COMPARE(form.findChild<QWidget *>(u"Image1"_qs)->geometry().right(), 889 - 1 - 7);
}

void TestSkin::caption_isShortenedWhenTooLong()
{
    TForm1 form;
    form.ShowMaximised();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto *frame = form.findChild<SkinForm *>(u"suiForm1"_qs);
    QCOMPARE(frame->shownCaption(), form.windowTitle());

    form.setGeometry(100, 100, 300, 200);
    QTRY_COMPARE(frame->width(), 298);
    const QString shown = frame->shownCaption();
    QVERIFY(shown.endsWith(u'…'));
    QVERIFY(form.windowTitle().startsWith(shown.chopped(1)));
    const int room = TitleButtonRect(TitleButton::Minimise, frame->width()).left() - CaptionX;
    QVERIFY(QFontMetrics(frame->captionFont()).horizontalAdvance(shown) <= room);
}

void TestSkin::button_clickRules_data()
{
    QTest::addColumn<std::function<void(SkinButton *)>>("input");
    QTest::addColumn<int>("clicks");

    using Input = std::function<void(SkinButton *)>;
    QTest::newRow("press and release inside") << Input([](SkinButton *b) {
        QTest::mouseClick(b, Qt::LeftButton, {}, centre(b));
    }) << 1;
    QTest::newRow("released outside") << Input([](SkinButton *b) {
        QTest::mousePress(b, Qt::LeftButton, {}, centre(b));
        QTest::mouseMove(b, QPoint(200, 200));
        QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(200, 200));
    }) << 0;
    QTest::newRow("right button") << Input([](SkinButton *b) {
        QTest::mouseClick(b, Qt::RightButton, {}, centre(b));
    }) << 0;
    QTest::newRow("double click is two") << Input([](SkinButton *b) {
        // Through the window, so that Qt itself makes the second press a double click.
        QTest::mouseDClick(b->window()->windowHandle(), Qt::LeftButton, {}, b->mapTo(b->window(), centre(b)));
    }) << 2;
    QTest::newRow("space clicks on release") << Input([](SkinButton *b) {
        QTest::keyPress(b, Qt::Key_Space);
        QCOMPARE(b->isDown(), true);
        QTest::keyRelease(b, Qt::Key_Space);
    }) << 1;
    QTest::newRow("enter clicks on release") << Input([](SkinButton *b) {
        QTest::keyPress(b, Qt::Key_Return);
        QCOMPARE(b->isDown(), true);
        QTest::keyRelease(b, Qt::Key_Return);
    }) << 1;
    QTest::newRow("held key does not repeat") << Input([](SkinButton *b) {
        QTest::keyPress(b, Qt::Key_Return);
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
        QCoreApplication::sendEvent(b, &repeat);
        QTest::keyRelease(b, Qt::Key_Return);
    }) << 1;
}

void TestSkin::button_clickRules()
{
    QFETCH(std::function<void(SkinButton *)>, input);
    QFETCH(int, clicks);

    TForm1 form;
    form.ShowMaximised();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto *button = form.findChild<SkinButton *>(u"suiButton3"_qs);
    QSignalSpy clicked(button, &QAbstractButton::clicked);
    button->setFocus();
    input(button);
    QCOMPARE(clicked.count(), clicks);
    QVERIFY(!button->isDown());
}

QTEST_MAIN(TestSkin)
#include "tst_skin.moc"
