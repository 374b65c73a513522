#include "ScreenSampler.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include <cstdlib>

namespace {

// The grid starts inside a window's title bar and has a point every few
// pixels, closer than any control or line of text is tall.
constexpr int kOffset = 3;
constexpr int kStep = 8;
// Software rendering may round a colour by a step or two.
constexpr int kTolerance = 6;

bool near(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) <= kTolerance && std::abs(qGreen(a) - qGreen(b)) <= kTolerance
        && std::abs(qBlue(a) - qBlue(b)) <= kTolerance;
}

} // namespace

struct ScreenSampler::X
{
    Display *display = nullptr;
    XImage *image = nullptr;
    XShmSegmentInfo segment{};
    bool attached = false;

    X()
    {
        display = XOpenDisplay(nullptr);
        if (!display || !XShmQueryExtension(display))
            return;
        const int screen = DefaultScreen(display);
        Visual *visual = DefaultVisual(display, screen);
        // Pixels are read as 0xRRGGBB words below.
        if (visual->red_mask != 0xff0000 || visual->green_mask != 0xff00 || visual->blue_mask != 0xff)
            return;
        image = XShmCreateImage(display, visual, unsigned(DefaultDepth(display, screen)), ZPixmap, nullptr,
                                &segment, unsigned(DisplayWidth(display, screen)),
                                unsigned(DisplayHeight(display, screen)));
        if (!image || image->bits_per_pixel != 32)
            return;
        segment.shmid = shmget(IPC_PRIVATE, size_t(image->bytes_per_line) * size_t(image->height), IPC_CREAT | 0600);
        if (segment.shmid < 0)
            return;
        segment.shmaddr = image->data = static_cast<char *>(shmat(segment.shmid, nullptr, 0));
        // Marked for removal now, so that it goes with this process however it ends.
        shmctl(segment.shmid, IPC_RMID, nullptr);
        if (segment.shmaddr == reinterpret_cast<char *>(-1))
            return;
        segment.readOnly = False;
        attached = XShmAttach(display, &segment);
        XSync(display, False);
    }

    ~X()
    {
        if (attached)
            XShmDetach(display, &segment);
        if (segment.shmaddr && segment.shmaddr != reinterpret_cast<char *>(-1))
            shmdt(segment.shmaddr);
        if (image) {
            image->data = nullptr;
            XDestroyImage(image);
        }
        if (display)
            XCloseDisplay(display);
    }
};

ScreenSampler::ScreenSampler(QRgb colour)
    : m_x(std::make_unique<X>()), m_colour(colour)
{
}

ScreenSampler::~ScreenSampler() = default;

bool ScreenSampler::isValid() const
{
    return m_x->attached;
}

QList<QRgb> ScreenSampler::grid()
{
    QList<QRgb> points;
    if (!XShmGetImage(m_x->display, DefaultRootWindow(m_x->display), m_x->image, 0, 0, AllPlanes))
        return points;
    const XImage *image = m_x->image;
    for (int y = kOffset; y < image->height; y += kStep) {
        const auto *row = reinterpret_cast<const quint32 *>(image->data + qsizetype(y) * image->bytes_per_line);
        for (int x = kOffset; x < image->width; x += kStep)
            points.append(row[x] & RGB_MASK);
    }
    return points;
}

void ScreenSampler::takeReference()
{
    m_reference = grid();
}

std::optional<ScreenSampler::Counts> ScreenSampler::look()
{
    const QList<QRgb> points = grid();
    if (points.isEmpty() || points.size() != m_reference.size())
        return std::nullopt;
    Counts counts;
    for (qsizetype i = 0; i < points.size(); ++i) {
        counts.changed += points.at(i) != m_reference.at(i);
        counts.matching += near(points.at(i), m_colour);
    }
    return counts;
}
