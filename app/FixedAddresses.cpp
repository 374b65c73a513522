#include "FixedAddresses.h"

// SITE_HOST, CONSULT_URL and COUNTER_HOST come from the build (see CMakeLists.txt).
const QString HomePageUrl = QStringLiteral("http://" SITE_HOST);
const QString TextbookThreadUrl = QStringLiteral("http://" SITE_HOST "/forum.php?mod=viewthread&tid=287");
const QString ForumBoardUrl = QStringLiteral("http://" SITE_HOST "/forum.php?mod=forumdisplay&fid=134");
const QString ConsultUrl = QStringLiteral(CONSULT_URL);
const QString CounterUrl = QStringLiteral("http://" COUNTER_HOST "/count/softcount/?证券从业资格");

const QString GuidePage = QStringLiteral("data/报考指南.htm");
const QString CoursePage = QStringLiteral("data/课程资料.htm");
const QString ContactPage = QStringLiteral("data/联系我们.htm");
