#include "BrowserProfile.h"

#include <QCoreApplication>
#include <QWebEngineProfile>

QWebEngineProfile *OffTheRecordProfile()
{
    static QWebEngineProfile *const profile = new QWebEngineProfile(QCoreApplication::instance());
    return profile;
}
