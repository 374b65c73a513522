#pragma once

#include <QString>

// The directory part of a program file's path, with its trailing separator.
// Only '/' separates: a backslash is an ordinary file-name character here, and
// the text is Unicode, so no byte of a double-byte character can split it.
QString AppDirectoryOf(const QString &programFile);

// The running program's directory with its trailing '/', computed afresh at
// each call; callers append relative paths by plain concatenation.
QString GetAppPath();
