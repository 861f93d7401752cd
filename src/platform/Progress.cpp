#include "platform/Progress.h"

#include <algorithm>

namespace platform {

Progress& Progress::instance()
{
    static Progress p;
    return p;
}

void Progress::begin(const QString& caption)
{
    labelVisible_ = barVisible_ = frameVisible_ = true;
    caption_ = caption;
    width_ = 1;
    Q_EMIT changed();
}

void Progress::setWidth(int width)
{
    width_ = std::clamp(width, 1, kFull);
    Q_EMIT changed();
}

void Progress::step(long done, long total)
{
    if (total <= 0)
        return;
    setWidth(static_cast<int>(static_cast<long long>(done) * kFull / total));
}

void Progress::grow(int amount)
{
    if (width_ < kFull)
        setWidth(width_ + amount);
}

void Progress::end()
{
    width_ = kFull;
    labelVisible_ = barVisible_ = frameVisible_ = false;
    Q_EMIT changed();
}

void Progress::reset()
{
    caption_.clear();
    width_ = 1;
    labelVisible_ = true;
    barVisible_ = frameVisible_ = false;
    Q_EMIT changed();
}

} // namespace platform
