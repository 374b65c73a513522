// The real program, started as a user starts it from a courseware folder,
// seen from outside through the X display.
#include "FixedAddresses.h"
#include "X11Windows.h"
#include "XdgOpenLog.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString MainCaption = u"2016证券从业资格考试Merovista[视频课程+考点精讲+真题解析+模拟题库]"_qs;

} // namespace

class TestLifecycle final : public QObject
{
    Q_OBJECT

private slots:
    void windowManagerClose_opensForumBoardAndEnds();
};

void TestLifecycle::windowManagerClose_opensForumBoardAndEnds()
{
    QTemporaryDir folder;
    const QString program = folder.filePath(u"考试/courseware"_qs);
    QVERIFY(QDir().mkpath(folder.filePath(u"考试"_qs)));
    QVERIFY(QFile::copy(QStringLiteral(COURSEWARE_EXE), program));

    XdgOpenLog log;
    QProcess courseware;
    courseware.setProcessChannelMode(QProcess::ForwardedChannels);
    courseware.start(program, {});
    QVERIFY(courseware.waitForStarted());

    // Exactly the caption: the application's own name is not appended to it.
    unsigned long window = 0;
    QTRY_VERIFY_WITH_TIMEOUT((window = X11Windows::find(MainCaption)) != 0, 30'000);
    QCOMPARE(X11Windows::viewable().size(), 1);

    QVERIFY(X11Windows::requestClose(window));
    QVERIFY(courseware.waitForFinished(10'000));
    QCOMPARE(courseware.exitStatus(), QProcess::NormalExit);
    QCOMPARE(courseware.exitCode(), 0);
    QTRY_COMPARE(log.addresses(), QStringList{ForumBoardUrl});
}

QTEST_GUILESS_MAIN(TestLifecycle)
#include "tst_lifecycle.moc"
