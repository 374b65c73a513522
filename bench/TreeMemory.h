#pragma once

#include <QList>

#include <sys/types.h>

// The memory of a set of processes, read from /proc.
namespace TreeMemory {

// The sum of their proportional set sizes, in KiB: each page shared with
// other processes is split between all of them, so the figure also moves
// with what else on the machine maps the same libraries.
qint64 pssKiB(const QList<pid_t> &processes);

// The physical pages they hold, each counted once however many of them map
// it, in KiB: the set's own footprint, whatever else runs beside it. Needs
// CAP_SYS_ADMIN to see page frame numbers; -1 without it.
qint64 uniqueResidentKiB(const QList<pid_t> &processes);

} // namespace TreeMemory
