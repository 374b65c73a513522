#pragma once

#include <QList>
#include <QRgb>

#include <memory>
#include <optional>

// Reads the screen's pixels from outside any program, as a user's eye sees
// them: the whole root window of $DISPLAY, looked at on a grid of points.
// The picture comes through a shared-memory segment kept for the sampler's
// life, which makes a look cheap enough to repeat every few milliseconds
// without taking the CPU from the programs being measured.
class ScreenSampler
{
public:
    struct Counts
    {
        qsizetype changed = 0; // points that differ from the reference picture
        qsizetype matching = 0; // points of the wanted colour
    };

    explicit ScreenSampler(QRgb colour);
    ~ScreenSampler();
    ScreenSampler(const ScreenSampler &) = delete;
    ScreenSampler &operator=(const ScreenSampler &) = delete;

    // False when the display or its shared-memory picture is unavailable.
    bool isValid() const;
    // The screen as it is now becomes what "changed" compares against.
    void takeReference();
    // Empty when the screen could not be read.
    std::optional<Counts> look();

private:
    struct X;
    QList<QRgb> grid();

    std::unique_ptr<X> m_x;
    QRgb m_colour;
    QList<QRgb> m_reference;
};
