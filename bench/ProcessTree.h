#pragma once

#include <QList>
#include <QStringList>

#include <sys/types.h>

// The processes a benchmark starts, with every helper process they start in
// turn. The calling process becomes a child subreaper, so helpers that outlive
// their parent stay in the tree and are still counted and ended.
namespace ProcessTree {

// Makes this process the reaper of its orphaned descendants.
bool adoptOrphans();

// Starts `command` (program and arguments, found on PATH) with its standard
// output sent to standard error; -1 on failure.
pid_t start(const QStringList &command);

// True while `pid` has neither exited nor been reaped.
bool running(pid_t pid);

// This process's living descendants.
QList<pid_t> descendants();

// Asks `pid` to end, then kills whatever of the tree is left after
// `graceMs`, and reaps every descendant.
void end(pid_t pid, int graceMs);

} // namespace ProcessTree
