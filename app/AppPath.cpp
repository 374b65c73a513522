#include "AppPath.h"

#include <QCoreApplication>

QString AppDirectoryOf(const QString &programFile)
{
    return programFile.left(programFile.lastIndexOf(u'/') + 1);
}

QString GetAppPath()
{
    return AppDirectoryOf(QCoreApplication::applicationFilePath());
}
