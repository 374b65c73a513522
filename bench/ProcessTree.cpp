#include "ProcessTree.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QThread>

#include <csignal>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

struct Stat
{
    pid_t parent = 0;
    bool zombie = false;
};

// The fields of /proc/PID/stat after the command name, which may itself hold
// spaces and parentheses.
bool readStat(pid_t pid, Stat &stat)
{
    QFile file(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray text = file.readAll();
    const qsizetype close = text.lastIndexOf(')');
    if (close < 0)
        return false;
    const QList<QByteArray> fields = text.sliced(close + 1).simplified().split(' ');
    if (fields.size() < 2)
        return false;
    stat.zombie = fields.at(0) == "Z" || fields.at(0) == "X";
    stat.parent = fields.at(1).toInt();
    return true;
}

void reapExited()
{
    while (waitpid(-1, nullptr, WNOHANG) > 0) {
    }
}

} // namespace

namespace ProcessTree {

bool adoptOrphans()
{
    return prctl(PR_SET_CHILD_SUBREAPER, 1) == 0;
}

pid_t start(const QStringList &command)
{
    QList<QByteArray> bytes;
    for (const QString &argument : command)
        bytes.append(argument.toLocal8Bit());
    QList<char *> argv;
    for (QByteArray &argument : bytes)
        argv.append(argument.data());
    argv.append(nullptr);
    // The caller's standard output carries its results; the program's own
    // output goes to standard error with its diagnostics.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, STDERR_FILENO, STDOUT_FILENO);
    pid_t pid = -1;
    const int failed = posix_spawnp(&pid, argv.first(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return failed ? -1 : pid;
}

bool running(pid_t pid)
{
    Stat stat;
    return readStat(pid, stat) && !stat.zombie;
}

QList<pid_t> descendants()
{
    QHash<pid_t, QList<pid_t>> children;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString &entry : entries) {
        bool isPid = false;
        const pid_t pid = entry.toInt(&isPid);
        Stat stat;
        if (isPid && readStat(pid, stat) && !stat.zombie)
            children[stat.parent].append(pid);
    }
    QList<pid_t> found;
    QList<pid_t> pending{getpid()};
    while (!pending.isEmpty()) {
        const QList<pid_t> next = children.value(pending.takeLast());
        found.append(next);
        pending.append(next);
    }
    return found;
}

void end(pid_t pid, int graceMs)
{
    kill(pid, SIGTERM);
    const QDeadlineTimer grace(graceMs);
    while (!descendants().isEmpty() && !grace.hasExpired()) {
        reapExited();
        QThread::msleep(10);
    }
    for (QList<pid_t> left = descendants(); !left.isEmpty(); left = descendants()) {
        for (const pid_t process : left)
            kill(process, SIGKILL);
        reapExited();
        QThread::msleep(10);
    }
    reapExited();
}

} // namespace ProcessTree
