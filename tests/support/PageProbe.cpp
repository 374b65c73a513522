#include "PageProbe.h"

#include <QDeadlineTimer>
#include <QTest>
#include <QWebEnginePage>

#include <memory>

QVariant Evaluate(QWebEnginePage *page, const QString &script, int timeoutMs)
{
    // Shared, because the answer may come after a timed-out wait has returned.
    auto answer = std::make_shared<std::optional<QVariant>>();
    page->runJavaScript(script, [answer](const QVariant &result) { *answer = result; });
    if (!QTest::qWaitFor([&] { return answer->has_value(); }, timeoutMs))
        return {};
    return answer->value_or(QVariant());
}

bool WaitForLoaded(QWebEnginePage *page, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (Evaluate(page, QStringLiteral("document.readyState"), int(deadline.remainingTime()))
            == QStringLiteral("complete"))
            return true;
        QTest::qWait(20);
    }
    return false;
}
