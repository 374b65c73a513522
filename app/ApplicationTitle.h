#pragma once

#include <QString>

// The application's own name: the caption of its error box. The main window
// has a caption of its own.
inline const QString ApplicationTitle = QStringLiteral("Kavrel考试Merovista");
