#include "controls/Fonts.h"

#include <QFontMetrics>
#include <QLabel>

namespace {

const QString Narrow = QStringLiteral("Arial Narrow");
const QString Serif = QStringLiteral("Times New Roman");
constexpr int SmallestPixels = 8;
// No narrow serif is installed: the serif face is drawn condensed to about the narrow
// sans face's proportion instead.
constexpr int CondensedSerif = 88;

} // namespace

QFont pixelFont(const QString &family, int pixelHeight, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

void installFontSubstitutions()
{
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(Narrow, QStringLiteral("Liberation Sans Narrow"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                              QStringLiteral("Liberation Serif"));
}

int textWidth(const QFontMetrics &metrics, const QString &text)
{
    return std::max(metrics.horizontalAdvance(text), metrics.tightBoundingRect(text).right() + 1);
}

QFont fittingFont(const QFont &font, const QString &text, int width)
{
    if (textWidth(QFontMetrics(font), text) <= width)
        return font;
    QFont narrow = font;
    if (font.family() == Serif)
        narrow.setStretch(CondensedSerif);
    else
        narrow.setFamily(Narrow);
    while (textWidth(QFontMetrics(narrow), text) > width) {
        if (narrow.pixelSize() <= SmallestPixels)
            return font;
        narrow.setPixelSize(narrow.pixelSize() - 1);
    }
    return narrow;
}

QFont fontForHeight(const QFont &font, int height)
{
    QFont fitted = font;
    while (fitted.pixelSize() > SmallestPixels && QFontMetrics(fitted).height() > height)
        fitted.setPixelSize(fitted.pixelSize() - 1);
    return fitted;
}

void sizeToText(QLabel *label)
{
    label->adjustSize();
    const QFontMetrics metrics = label->fontMetrics();
    label->resize(std::max(label->width(), textWidth(metrics, label->text())), label->height());
}
