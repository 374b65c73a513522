// Waits until a window with the given title is on screen and its picture has
// settled, saves a screenshot of the whole screen, and optionally asks the
// window to close. Used by ./run and the benchmarks.
//   windowshot TITLE OUTPUT.png [--close]
#include "X11Windows.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QThread>

#include <cstdio>

namespace {

QImage grabScreen()
{
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage();
}

QByteArray digest(const QImage &image)
{
    return QCryptographicHash::hash(QByteArrayView(image.constBits(), image.sizeInBytes()),
                                    QCryptographicHash::Sha1);
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 3) {
        std::fprintf(stderr, "usage: windowshot TITLE OUTPUT.png [--close]\n");
        return 2;
    }
    const QString title = arguments.at(1);
    const QDeadlineTimer deadline(30'000);

    unsigned long window = 0;
    while (!(window = X11Windows::find(title)) && !deadline.hasExpired())
        QThread::msleep(100);
    if (!window) {
        std::fprintf(stderr, "windowshot: no window came up\n");
        return 1;
    }

    // The page loads after the window shows: wait until two grabs half a
    // second apart are the same picture.
    QImage shot = grabScreen();
    for (QByteArray last; !deadline.hasExpired();) {
        QThread::msleep(500);
        shot = grabScreen();
        const QByteArray current = digest(shot);
        if (current == last)
            break;
        last = current;
    }
    if (!shot.save(arguments.at(2))) {
        std::fprintf(stderr, "windowshot: cannot write %s\n", qPrintable(arguments.at(2)));
        return 1;
    }
    if (arguments.contains(QStringLiteral("--close")))
        X11Windows::requestClose(window);
    return 0;
}
