#include "molar/FormulaLayout.h"

#include "molar/FormulaText.h"

#include <QPainter>

namespace {

// A subscript size that a font can be given, whatever the settings ask for.
int boundedSize(int size)
{
    return std::clamp(size, 1, 4096);
}

void setSubFont(SubscriptMetrics &sub, int size)
{
    sub.subFont = sub.font;
    sub.subFont.setPixelSize(boundedSize(size));
}

// The font's own subscripts (outline fonts), or the share the settings give.
void outlineSubscripts(const FormulaMetrics &metrics, const FontFacts &main, SubscriptMetrics &sub,
                       SubscriptSettings &settings)
{
    const int size = settings.autoSubscript
                         ? mulDiv(main.pixelSize, main.subscriptHeight, main.height)
                         : mulDiv(main.pixelSize, settings.subPercent, 100);
    setSubFont(sub, size);
    const FontFacts subFacts = metrics.facts(sub.subFont);
    sub.subAscent = subFacts.ascent;
    sub.subHeight = subFacts.height;
    const int baselineShift = main.ascent - subFacts.ascent;
    if (settings.autoSubscript) {
        settings.subPercent = mulDiv(sub.subFont.pixelSize(), 100, main.pixelSize);
        settings.subPosition = mulDiv(main.subscriptYOffset, 100, subFacts.typoAscent);
        sub.italicShift = main.subscriptXOffset;
        sub.drop = main.subscriptYOffset + baselineShift;
    } else {
        sub.drop = mulDiv(subFacts.typoAscent, settings.subPosition, 100) + baselineShift;
        sub.italicShift =
            main.slopeRise == 0
                ? 0
                : mulDiv(sub.drop, mulDiv(main.slopeRun, settings.subPercent, 100), main.slopeRise);
    }
}

// Bitmap fonts have no subscript values of their own: three quarters of the size, lowered by
// half the subscript's ascent less its leadings.
void bitmapSubscripts(const FormulaMetrics &metrics, const FontFacts &main, SubscriptMetrics &sub,
                      SubscriptSettings &settings)
{
    if (settings.autoSubscript) {
        settings.subPercent = 75;
        settings.subPosition = 50;
    }
    setSubFont(sub, mulDiv(main.pixelSize, settings.subPercent, 100));
    const FontFacts subFacts = metrics.facts(sub.subFont);
    sub.subAscent = subFacts.ascent;
    sub.subHeight = subFacts.height;
    sub.drop = mulDiv(subFacts.ascent - subFacts.externalLeading - subFacts.internalLeading,
                      settings.subPosition, 100) +
               (main.ascent - subFacts.ascent);
    sub.italicShift = main.italic ? mulDiv(sub.drop, 2, 7) : 0;
}

} // namespace

SubscriptMetrics subscriptMetrics(const FormulaMetrics &metrics, const QFont &font,
                                  SubscriptSettings &settings)
{
    SubscriptMetrics sub;
    sub.font = font;
    const FontFacts main = metrics.facts(font);
    sub.mainHeight = main.height;
    sub.mainAscent = main.ascent;
    if (main.asteriskWidth && main.middleDotWidth && *main.asteriskWidth > *main.middleDotWidth)
        sub.dotSpacing = (*main.asteriskWidth - *main.middleDotWidth) / 2;
    else
        sub.dotSpacing = mulDiv(main.averageWidth, 1, 6);
    if (main.outline)
        outlineSubscripts(metrics, main, sub, settings);
    else
        bitmapSubscripts(metrics, main, sub, settings);
    const FontFacts subFacts = metrics.facts(sub.subFont);
    sub.overhang = (main.overhang + subFacts.overhang) / 2;
    if (sub.drop > 0 && settings.subPosition >= 34)
        sub.fourKern = mulDiv(subFacts.averageWidth, settings.subPosition - 33, 100);
    return sub;
}

namespace {

bool isDigitLike(QChar c)
{
    return (c >= u'0' && c <= u'9') || c == u',' || c == u'.';
}

// Whether each character of the line is lowered: digits, commas and full stops that follow a
// symbol or a closing bracket, and those that continue a lowered run (Fe0.95O).
QVector<bool> subscriptStates(QStringView line)
{
    QVector<bool> lowered(line.size(), false);
    bool state = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (!isDigitLike(c))
            state = false;
        else if (!state)
            state = !(c == u',' || c == u'.' || i == 0 || FormulaText::isDigitReset(line[i - 1]));
        lowered[i] = state;
    }
    return lowered;
}

} // namespace

FormulaLine layOutLine(QStringView line, const SubscriptMetrics &sub, const FormulaMetrics &metrics,
                       int left, int top)
{
    FormulaLine laid;
    laid.text = line.toString();
    laid.text.replace(u'*', QChar(FormulaText::MiddleDot));
    const QVector<bool> lowered = subscriptStates(line);
    const auto isDot = [&](qsizetype i) { return laid.text[i] == QChar(FormulaText::MiddleDot); };

    int x = left;
    bool anySubscript = false;
    qsizetype start = 0;
    while (start < laid.text.size()) {
        qsizetype end = start + 1;
        if (!isDot(start))
            while (end < laid.text.size() && lowered[end] == lowered[start] && !isDot(end))
                ++end;
        FormulaRun run;
        run.start = start;
        run.length = end - start;
        run.subscript = lowered[start];
        run.dot = isDot(start);
        run.pen = x;
        const int overhang = laid.runs.isEmpty() ? 0 : sub.overhang;
        const QStringView text = QStringView(laid.text).mid(start, run.length);
        if (run.subscript) {
            anySubscript = true;
            const int kern = text.front() == u'4' ? sub.fourKern : 0;
            run.at = QPoint(x - sub.italicShift - overhang - kern, top + sub.drop);
            x += metrics.width(sub.subFont, text) - overhang;
        } else {
            run.at = QPoint(x - overhang, top);
            x += metrics.width(sub.font, text) - overhang;
        }
        if (end < laid.text.size() && (run.dot || isDot(end)))
            x += sub.dotSpacing;
        laid.runs.append(run);
        start = end;
    }
    laid.width = x - left;
    laid.height =
        anySubscript ? std::max(sub.mainHeight, sub.drop + sub.subHeight) : sub.mainHeight;
    return laid;
}

void drawLine(QPainter &painter, const FormulaLine &line, const SubscriptMetrics &sub,
              const QRect &clip)
{
    painter.save();
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setClipRect(clip, Qt::IntersectClip);
    for (const FormulaRun &run : line.runs) {
        if (run.pen > clip.right())
            break;
        painter.setFont(run.subscript ? sub.subFont : sub.font);
        const int ascent = run.subscript ? sub.subAscent : sub.mainAscent;
        painter.drawText(QPoint(run.at.x(), run.at.y() + ascent),
                         line.text.mid(run.start, run.length));
    }
    painter.restore();
}
