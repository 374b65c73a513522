#pragma once

#include <QString>

// Hands a web address, document path or program path to the desktop's default
// handler. Never blocks; a failure is ignored and shows nothing.
void ShellOpen(const QString &address);
