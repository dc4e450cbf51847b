#include "molar/FormulaMetrics.h"

#include "molar/FormulaText.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QRawFont>
#include <QStringList>
#include <QtEndian>

#include <climits>
#include <cstdlib>

int mulDiv(qint64 a, qint64 b, qint64 c)
{
    if (c == 0)
        return 0;
    const qint64 product = a * b; // the operands are pixel and font-unit values
    const bool negative = (product < 0) != (c < 0);
    const qint64 magnitude = (std::llabs(product) + std::llabs(c) / 2) / std::llabs(c);
    return static_cast<int>(std::min<qint64>(negative ? -magnitude : magnitude, INT_MAX));
}

namespace {

int pixelSizeOf(const QFont &font)
{
    return font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
}

qint16 readInt16(const QByteArray &table, int offset)
{
    return qFromBigEndian<qint16>(table.constData() + offset);
}

// OS/2 offsets of ySubscriptYSize, ySubscriptXOffset, ySubscriptYOffset and sTypoAscender;
// hhea offsets of caretSlopeRise and caretSlopeRun.
constexpr int Os2SubscriptYSize = 12;
constexpr int Os2SubscriptXOffset = 14;
constexpr int Os2SubscriptYOffset = 16;
constexpr int Os2TypoAscender = 68;
constexpr int Os2MinimumSize = 78;
constexpr int HheaCaretSlopeRise = 18;
constexpr int HheaCaretSlopeRun = 20;
constexpr int HheaMinimumSize = 36;

void readOutlineFacts(const QFont &font, FontFacts &facts)
{
    const QRawFont raw = QRawFont::fromFont(font);
    if (!raw.isValid())
        return;
    const QByteArray os2 = raw.fontTable("OS/2");
    const QByteArray hhea = raw.fontTable("hhea");
    const qint64 unitsPerEm = qRound64(raw.unitsPerEm());
    if (os2.size() < Os2MinimumSize || hhea.size() < HheaMinimumSize || unitsPerEm <= 0)
        return;
    const auto scaled = [&](int offset) {
        return mulDiv(readInt16(os2, offset), facts.pixelSize, unitsPerEm);
    };
    facts.outline = true;
    facts.subscriptHeight = scaled(Os2SubscriptYSize);
    facts.subscriptXOffset = scaled(Os2SubscriptXOffset);
    facts.subscriptYOffset = scaled(Os2SubscriptYOffset);
    facts.typoAscent = scaled(Os2TypoAscender);
    facts.slopeRise = readInt16(hhea, HheaCaretSlopeRise);
    facts.slopeRun = readInt16(hhea, HheaCaretSlopeRun);
}

// The bitmap faces of the Windows layouts. No such face is installed here: an outline font
// stands in for it, and its subscript tables would make subscripts far smaller than the
// layout, drawn for the bitmap face, meant.
bool namesBitmapFace(const QFont &font)
{
    static const QStringList faces = {QStringLiteral("MS Sans Serif"), QStringLiteral("MS Serif"),
                                      QStringLiteral("Small Fonts"),   QStringLiteral("System"),
                                      QStringLiteral("Courier"),       QStringLiteral("Fixedsys"),
                                      QStringLiteral("Terminal")};
    return faces.contains(font.family(), Qt::CaseInsensitive);
}

} // namespace

FontFacts QtFormulaMetrics::facts(const QFont &font) const
{
    const QString key = font.key();
    if (const auto found = m_cache.constFind(key); found != m_cache.constEnd())
        return *found;
    const QFontMetrics metrics(font);
    FontFacts facts;
    facts.pixelSize = pixelSizeOf(font);
    facts.height = metrics.height();
    facts.ascent = metrics.ascent();
    facts.internalLeading = std::max(0, facts.height - facts.pixelSize);
    facts.externalLeading = metrics.leading();
    facts.averageWidth = metrics.averageCharWidth();
    facts.italic = QFontInfo(font).italic();
    if (metrics.inFont(u'*'))
        facts.asteriskWidth = metrics.horizontalAdvance(u'*');
    if (metrics.inFont(QChar(FormulaText::MiddleDot)))
        facts.middleDotWidth = metrics.horizontalAdvance(QChar(FormulaText::MiddleDot));
    if (!namesBitmapFace(font))
        readOutlineFacts(font, facts);
    m_cache.insert(key, facts);
    return facts;
}

int QtFormulaMetrics::width(const QFont &font, QStringView text) const
{
    return QFontMetrics(font).horizontalAdvance(text.toString());
}

const QtFormulaMetrics &QtFormulaMetrics::instance()
{
    static const QtFormulaMetrics metrics;
    return metrics;
}
