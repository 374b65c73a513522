#include "ContentPane.h"

#include "BrowserProfile.h"
#include "ErrorBox.h"
#include "ShellOpen.h"

#include <QWebEngineNewWindowRequest>
#include <QWebEnginePage>

ContentPane::ContentPane(QWidget *parent)
    : QWebEngineView(parent)
{
    auto *page = new QWebEnginePage(OffTheRecordProfile(), this);
    connect(page, &QWebEnginePage::newWindowRequested, this, [](QWebEngineNewWindowRequest &request) {
        ShellOpen(request.requestedUrl().toString(QUrl::FullyEncoded));
    });
    setPage(page);
}

void ContentPane::Navigate(const QString &path)
{
    const QUrl url = QUrl::fromLocalFile(path);
    if (!url.isValid())
        throw HandlerError(url.errorString());
    setUrl(url);
}
