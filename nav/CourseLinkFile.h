#pragma once

#include <QString>

// The course link file "kc.dll" in the program directory is INI text whose
// section "kc" maps navigation captions to the addresses the desktop opens.
// It is read afresh at every call, so edits take effect at once; every
// failure gives the empty text.

// The value of key `caption` in section "kc" of the file at `filePath`.
QString ReadCourseLink(const QString &filePath, const QString &caption);

// The same, from "kc.dll" in the program directory.
QString LookupCourseLink(const QString &caption);
