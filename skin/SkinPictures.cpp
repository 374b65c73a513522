#include "SkinPictures.h"

#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

QPixmap SkinPicture(const QString &resource, const QSize &size)
{
    const QString key = QStringLiteral("skin:%1@%2x%3").arg(resource).arg(size.width()).arg(size.height());
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;

    QSvgRenderer renderer(resource);
    pixmap = QPixmap(size.isValid() ? size : renderer.defaultSize());
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}
