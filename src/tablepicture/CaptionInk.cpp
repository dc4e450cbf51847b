#include "tablepicture/CaptionInk.h"

#include <algorithm>
#include <cmath>

namespace CaptionInk {

namespace {

double luminance(const QColor &colour)
{
    const auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

} // namespace

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor legible(const QColor &fill, const QColor &caption)
{
    if (contrast(fill, caption) >= ReadableContrast)
        return caption;
    return contrast(fill, Qt::white) > contrast(fill, Qt::black) ? QColor(Qt::white)
                                                                 : QColor(Qt::black);
}

} // namespace CaptionInk
