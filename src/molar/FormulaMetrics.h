#pragma once

#include <QFont>
#include <QHash>
#include <QStringView>

#include <optional>

// What the formula layout reads of a font, in pixels at the font's size.
struct FontFacts
{
    int pixelSize = 0; // the font size the subscript size is a share of
    int height = 0;    // character cell: ascent + descent
    int ascent = 0;
    int internalLeading = 0;
    int externalLeading = 0;
    int overhang = 0;
    int averageWidth = 0;
    bool italic = false;
    std::optional<int> asteriskWidth;
    std::optional<int> middleDotWidth;
    // Outline fonts only: the font's own subscript size and offsets (y positive downwards),
    // its typographic ascent and the slope of its caret (rise over run; run 0 when upright).
    bool outline = false;
    int subscriptHeight = 0;
    int subscriptXOffset = 0;
    int subscriptYOffset = 0;
    int typoAscent = 0;
    int slopeRise = 1;
    int slopeRun = 0;
};

// The font questions of the formula layout, behind an interface so that tests give fonts of
// known metrics.
class FormulaMetrics
{
public:
    virtual ~FormulaMetrics() = default;
    virtual FontFacts facts(const QFont &font) const = 0;
    virtual int width(const QFont &font, QStringView text) const = 0;
};

// The real fonts: cell metrics from QFontMetrics; for outline fonts, the subscript values and
// typographic ascent of the OS/2 table and the caret slope of the hhea table, scaled to the
// font's size. A font without those tables is treated as a bitmap font, and so is a font that
// names one of Windows' bitmap faces ("MS Sans Serif"), whatever outline font stands in for it.
class QtFormulaMetrics : public FormulaMetrics
{
public:
    FontFacts facts(const QFont &font) const override;
    int width(const QFont &font, QStringView text) const override;

    // The shared instance used by formula strings that were given no metrics of their own.
    static const QtFormulaMetrics &instance();

private:
    mutable QHash<QString, FontFacts> m_cache; // by QFont::key()
};

// a * b / c rounded to the nearest integer without intermediate overflow (0 when c is 0).
int mulDiv(qint64 a, qint64 b, qint64 c);
