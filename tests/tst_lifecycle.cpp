// The real program, started as a user starts it from a courseware folder,
// seen from outside through the X display.
#include "CounterServer.h"
#include "FixedAddresses.h"
#include "X11Windows.h"
#include "XdgOpenLog.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString MainCaption = u"2016证券从业资格考试Merovista[视频课程+考点精讲+真题解析+模拟题库]"_qs;
// The background of the course page among the test's fixtures.
const QColor CoursePageColour(0xfd, 0xf6, 0xe3);

QColor screenPixel(QPoint point)
{
    return QGuiApplication::primaryScreen()->grabWindow(0, point.x(), point.y(), 1, 1).toImage().pixelColor(0, 0);
}

} // namespace

class TestLifecycle final : public QObject
{
    Q_OBJECT

private slots:
    void startAndWindowManagerClose_data();
    void startAndWindowManagerClose();
};

void TestLifecycle::startAndWindowManagerClose_data()
{
    QTest::addColumn<bool>("withData");

    QTest::newRow("courseware folder") << true;
    QTest::newRow("no data folder") << false;
}

void TestLifecycle::startAndWindowManagerClose()
{
    QFETCH(bool, withData);

    QTemporaryDir folder;
    const QString program = folder.filePath(u"考试/courseware"_qs);
    QVERIFY(QDir().mkpath(folder.filePath(u"考试/data"_qs)));
    QVERIFY(QFile::copy(QStringLiteral(COURSEWARE_EXE), program));
    if (withData) {
        const QDir fixture(QCoreApplication::applicationDirPath() + u"/data"_qs);
        for (const QString &page : fixture.entryList(QDir::Files))
            QVERIFY(QFile::copy(fixture.filePath(page), folder.filePath(u"考试/data/"_qs + page)));
    } else {
        QVERIFY(QDir(folder.filePath(u"考试/data"_qs)).removeRecursively());
    }

    XdgOpenLog log;
    QTemporaryDir home;
    CounterServer counter(CounterServer::Mode::Silent);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"HOME"_qs, home.path());
    for (const QString &variable : {u"XDG_CACHE_HOME"_qs, u"XDG_CONFIG_HOME"_qs, u"XDG_DATA_HOME"_qs})
        environment.remove(variable);
    environment.insert(u"http_proxy"_qs, QString::fromLatin1(counter.proxyAddress()));

    QProcess courseware;
    courseware.setProcessEnvironment(environment);
    courseware.setProcessChannelMode(QProcess::ForwardedChannels);
    courseware.start(program, {});
    QVERIFY(courseware.waitForStarted());

    // Exactly the caption: the application's own name is not appended to it.
    unsigned long window = 0;
    QTRY_VERIFY_WITH_TIMEOUT((window = X11Windows::find(MainCaption)) != 0, 30'000);
    if (withData)
        QTRY_COMPARE_WITH_TIMEOUT(screenPixel(QPoint(800, 500)), CoursePageColour, 30'000);
    // The counter was asked, and never answers.
    QTRY_COMPARE(counter.requestLines().size(), 1);
    // Nothing but the main window: no message from the program.
    QCOMPARE(X11Windows::viewable().size(), 1);

    QVERIFY(X11Windows::requestClose(window));
    QVERIFY(courseware.waitForFinished(10'000));
    QCOMPARE(courseware.exitStatus(), QProcess::NormalExit);
    QCOMPARE(courseware.exitCode(), 0);
    QTRY_COMPARE(log.addresses(), QStringList{ForumBoardUrl});
    // The program wrote nothing: no cache, cookies or settings.
    QCOMPARE(QDir(home.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
}

QTEST_MAIN(TestLifecycle)
#include "tst_lifecycle.moc"
