// The action tables, without a window.
#include "FixedAddresses.h"
#include "NavActions.h"
#include "TreeItems.h"

#include <QTest>

Q_DECLARE_METATYPE(NavAction)

class TestNavActions final : public QObject
{
    Q_OBJECT

private slots:
    void treeAction_data();
    void treeAction();
    void launcherAction_data();
    void launcherAction();
};

void TestNavActions::treeAction_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<NavAction>("action");

    const QHash<QString, NavAction> fixed{
        {u"2016报考指南"_qs, {ActionKind::ShowPage, GuidePage}},
        {u"辅导课程和资料精选"_qs, {ActionKind::ShowPage, CoursePage}},
        {u"在线咨询"_qs, {ActionKind::OpenLink, ConsultUrl}},
        {u"联系我们"_qs, {ActionKind::ShowPage, ContactPage}},
        {u"退出"_qs, {ActionKind::CloseMain, QString()}},
    };
    for (const TreeItem &item : TreeItems) {
        QTest::newRow(qPrintable(item.caption))
            << item.caption << fixed.value(item.caption, {ActionKind::LookupLink, item.caption});
    }
    // Near misses are no match: they go to the course link file as they are.
    for (const QString &nearMiss : {u"联系我们 "_qs, u" 退出"_qs, u"2016报考指南\t"_qs, u"2016報考指南"_qs})
        QTest::newRow(qPrintable(u"near miss: "_qs + nearMiss)) << nearMiss << NavAction{ActionKind::LookupLink, nearMiss};
    QTest::newRow("letter case") << u"vip会员服务"_qs << NavAction{ActionKind::LookupLink, u"vip会员服务"_qs};
    QTest::newRow("half-width brackets")
        << u"<证券交易>网授精讲班"_qs << NavAction{ActionKind::LookupLink, u"<证券交易>网授精讲班"_qs};
}

void TestNavActions::treeAction()
{
    QFETCH(QString, caption);
    QFETCH(NavAction, action);
    QCOMPARE(ResolveTreeAction(caption), action);
}

void TestNavActions::launcherAction_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<NavAction>("action");

    QTest::newRow("1 报考指南") << 1 << NavAction{ActionKind::ShowPage, GuidePage};
    QTest::newRow("2 教材订购") << 2 << NavAction{ActionKind::OpenLink, TextbookThreadUrl};
    QTest::newRow("3 辅导课程") << 3 << NavAction{ActionKind::ShowPage, CoursePage};
    QTest::newRow("4 历年真题") << 4 << NavAction{ActionKind::ShowPage, CoursePage};
    QTest::newRow("5 考试题库") << 5 << NavAction{ActionKind::ShowPage, CoursePage};
    QTest::newRow("6 论坛交流") << 6 << NavAction{ActionKind::OpenLink, ForumBoardUrl};
    QTest::newRow("7 联系我们") << 7 << NavAction{ActionKind::ShowPage, ContactPage};
    QTest::newRow("8 在线咨询") << 8 << NavAction{ActionKind::OpenLink, ConsultUrl};
}

void TestNavActions::launcherAction()
{
    QFETCH(int, button);
    QFETCH(NavAction, action);
    QCOMPARE(LauncherAction(button), action);
}

QTEST_GUILESS_MAIN(TestNavActions)
#include "tst_navactions.moc"
