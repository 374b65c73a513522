#include "ShellOpen.h"

#include <QProcess>

void ShellOpen(const QString &address)
{
    // One argument, unchanged and without a shell; startDetached leaves no
    // child to reap, and a missing xdg-open just returns false.
    QProcess::startDetached(QStringLiteral("xdg-open"), {address});
}
