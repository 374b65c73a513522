#pragma once

#include <QVariant>

class QWebEnginePage;

// Runs a script in a page and waits for its result, or for the timeout.
QVariant Evaluate(QWebEnginePage *page, const QString &script, int timeoutMs = 10'000);

// Waits until the page's document has loaded.
bool WaitForLoaded(QWebEnginePage *page, int timeoutMs = 20'000);
