#pragma once

#include <QList>
#include <QStringList>
#include <QTemporaryDir>

// The log of the fake xdg-open that ctest puts first on PATH. While an
// XdgOpenLog lives, every call of the fake is recorded in a fresh file.
class XdgOpenLog final
{
    Q_DISABLE_COPY_MOVE(XdgOpenLog)

public:
    XdgOpenLog();
    ~XdgOpenLog();

    // Each call of xdg-open, as the list of arguments it was given.
    QList<QStringList> calls() const;
    // The arguments of every call, for calls that each took one.
    QStringList addresses() const;

private:
    QTemporaryDir m_dir;
    QString m_path;
};
