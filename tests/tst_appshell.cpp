// The shared facilities: program directory, shell open and the error box.
#include "AppPath.h"
#include "ApplicationTitle.h"
#include "ErrorBox.h"
#include "ShellOpen.h"
#include "XdgOpenLog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

class TestAppShell final : public QObject
{
    Q_OBJECT

private slots:
    void appDirectory_data();
    void appDirectory();
    void appDirectory_isThisProgramsFolder();

    void shellOpen_passesOneArgumentUnchanged_data();
    void shellOpen_passesOneArgumentUnchanged();
    void shellOpen_withoutOpener_doesNothing();

    void errorBoxText_data();
    void errorBoxText();
    void runHandler_showsErrorBoxAndGoesOn();

private:
    static QMessageBox *openErrorBox();
};

void TestAppShell::appDirectory_data()
{
    QTest::addColumn<QString>("programFile");
    QTest::addColumn<QString>("directory");

    QTest::newRow("chinese folder") << u"/tmp/考试/courseware"_qs << u"/tmp/考试/"_qs;
    // 淺 is 0x9C 0x5C and 乗 is 0x81 0x5C in GBK: their second byte is a backslash.
    QTest::newRow("gbk trail byte is a backslash") << u"/tmp/淺乗/courseware"_qs << u"/tmp/淺乗/"_qs;
    QTest::newRow("backslash is a name character") << u"/tmp/a\\b/courseware"_qs << u"/tmp/a\\b/"_qs;
    QTest::newRow("root") << u"/courseware"_qs << u"/"_qs;
    QTest::newRow("spaces") << u"/home/user/My Courses/courseware"_qs << u"/home/user/My Courses/"_qs;
}

void TestAppShell::appDirectory()
{
    QFETCH(QString, programFile);
    QFETCH(QString, directory);
    QCOMPARE(AppDirectoryOf(programFile), directory);
}

void TestAppShell::appDirectory_isThisProgramsFolder()
{
    QCOMPARE(GetAppPath(), QCoreApplication::applicationDirPath() + u'/');
}

void TestAppShell::shellOpen_passesOneArgumentUnchanged_data()
{
    QTest::addColumn<QString>("address");

    QTest::newRow("web address") << u"http://www.merovista.example/forum.php?mod=viewthread&tid=287"_qs;
    QTest::newRow("spaces") << u"/home/user/My Courses/notes 1.pdf"_qs;
    QTest::newRow("chinese") << u"/tmp/考试/《证券交易》讲义.pdf"_qs;
    QTest::newRow("quotes") << u"say \"hi\" and 'bye'"_qs;
    QTest::newRow("semicolon") << u"a;rm -rf /tmp/nothing"_qs;
    QTest::newRow("command substitution") << u"$(touch /tmp/owned) `id`"_qs;
    QTest::newRow("leading dash") << u"--version"_qs;
    QTest::newRow("tab and glob") << u"a\tb *"_qs;
}

void TestAppShell::shellOpen_passesOneArgumentUnchanged()
{
    QFETCH(QString, address);
    XdgOpenLog log;
    ShellOpen(address);
    QTRY_COMPARE(log.calls(), QList<QStringList>{{address}});
}

void TestAppShell::shellOpen_withoutOpener_doesNothing()
{
    const QByteArray path = qgetenv("PATH");
    QTemporaryDir empty;
    qputenv("PATH", QFile::encodeName(empty.path()));
    ShellOpen(u"http://www.merovista.example"_qs);
    qputenv("PATH", path);
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestAppShell::errorBoxText_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("text");

    QTest::newRow("letter gets a full stop") << u"Access denied"_qs << u"Access denied."_qs;
    QTest::newRow("full stop kept") << u"Access denied."_qs << u"Access denied."_qs;
    QTest::newRow("comma sorts below") << u"one,"_qs << u"one,"_qs;
    QTest::newRow("slash sorts above") << u"C:/"_qs << u"C:/."_qs;
    QTest::newRow("chinese sorts above") << u"无法打开。"_qs << u"无法打开。."_qs;
    QTest::newRow("empty stays empty") << QString() << QString();
}

void TestAppShell::errorBoxText()
{
    QFETCH(QString, message);
    QFETCH(QString, text);
    QCOMPARE(ErrorBoxText(message), text);
}

void TestAppShell::runHandler_showsErrorBoxAndGoesOn()
{
    QWidget owner;
    bool laterStepRan = false;
    RunHandler(&owner, [&] {
        throw HandlerError(u"无法打开页面"_qs);
        laterStepRan = true;
    });
    QVERIFY(!laterStepRan);

    QMessageBox *box = openErrorBox();
    QVERIFY(box);
    QCOMPARE(box->windowTitle(), ApplicationTitle);
    QCOMPARE(box->text(), u"无法打开页面."_qs);
    QCOMPARE(box->icon(), QMessageBox::Critical);
    QCOMPARE(box->standardButtons(), QMessageBox::Ok);
    QVERIFY(box->isModal());

    bool nextHandlerRan = false;
    RunHandler(&owner, [&] { nextHandlerRan = true; });
    QVERIFY(nextHandlerRan);

    QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    QTRY_VERIFY(!openErrorBox());
}

QMessageBox *TestAppShell::openErrorBox()
{
    const auto widgets = QApplication::topLevelWidgets();
    for (QWidget *widget : widgets) {
        if (auto *box = qobject_cast<QMessageBox *>(widget); box && box->isVisible())
            return box;
    }
    return nullptr;
}

QTEST_MAIN(TestAppShell)
#include "tst_appshell.moc"
