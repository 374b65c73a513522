#pragma once

#include <QPixmap>
#include <QString>

// A picture of the skin, rendered from its SVG at its own size or at `size`.
// Rendered pictures are kept in the pixmap cache, so each is normally drawn
// from its SVG once.
QPixmap SkinPicture(const QString &resource, const QSize &size = {});
