#include "XdgOpenLog.h"

#include <QFile>

XdgOpenLog::XdgOpenLog()
    : m_path(m_dir.filePath(QStringLiteral("xdg-open.log")))
{
    qputenv("XDG_OPEN_LOG", QFile::encodeName(m_path));
}

XdgOpenLog::~XdgOpenLog()
{
    qunsetenv("XDG_OPEN_LOG");
}

QList<QStringList> XdgOpenLog::calls() const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QByteArray> fields = file.readAll().split('\0');
    fields.removeLast(); // after the last terminator
    QList<QStringList> calls;
    for (qsizetype i = 0; i < fields.size();) {
        const qsizetype count = fields.at(i++).toLongLong();
        QStringList arguments;
        for (qsizetype k = 0; k < count && i < fields.size(); ++k)
            arguments << QString::fromUtf8(fields.at(i++));
        calls << arguments;
    }
    return calls;
}

QStringList XdgOpenLog::addresses() const
{
    QStringList addresses;
    for (const QStringList &call : calls())
        addresses << call.join(u'\n');
    return addresses;
}
