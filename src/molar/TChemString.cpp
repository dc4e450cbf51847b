#include "molar/TChemString.h"

#include <QPainter>
#include <QRect>

#include <utility>

TChemString::TChemString(const FormulaMetrics *metrics)
    : m_metrics(metrics ? *metrics : QtFormulaMetrics::instance())
{}

void TChemString::recheck(const QString &before)
{
    m_laidValid = false;
    m_status = FormulaText::checkText(m_text, m_tryCorrect);
    if (m_text != before && onChanged)
        onChanged();
}

void TChemString::setText(const QString &text)
{
    if (text == m_text)
        return;
    const QString before = std::exchange(m_text, text);
    recheck(before);
}

void TChemString::setTryCorrect(TChemTryCorrect mode)
{
    if (mode == m_tryCorrect)
        return;
    m_tryCorrect = mode;
    const QString before = m_text; // a copy: the correction changes the stored text in place
    recheck(before);
}

void TChemString::metricsChanged()
{
    m_laidValid = false;
    if (onMetricsChanged)
        onMetricsChanged();
    if (onChanged)
        onChanged();
}

void TChemString::setShare(int &share, int percent)
{
    setAutoSubscript(false);
    percent = std::max(0, percent);
    if (percent == share)
        return;
    share = percent;
    metricsChanged();
}

void TChemString::setSubPercent(int percent)
{
    setShare(m_settings.subPercent, percent);
}

void TChemString::setSubPosition(int percent)
{
    setShare(m_settings.subPosition, percent);
}

void TChemString::setAutoSubscript(bool fromFont)
{
    if (fromFont == m_settings.autoSubscript)
        return;
    m_settings.autoSubscript = fromFont;
    metricsChanged();
}

FormulaLine TChemString::layOut(QStringView line, const QFont &font, int left, int top)
{
    const SubscriptMetrics sub = subscriptMetrics(m_metrics, font, m_settings);
    return layOutLine(line, sub, m_metrics, left, top);
}

int TChemString::lineHeight(const QFont &font)
{
    return layOut(u"C1", font).height;
}

const QVector<FormulaLine> &TChemString::laidLines(const QFont &font)
{
    if (m_laidValid && m_laidFont == font.key())
        return m_laid;
    const SubscriptMetrics sub = subscriptMetrics(m_metrics, font, m_settings);
    m_laid.clear();
    for (const FormulaText::Line &line : FormulaText::lines(m_text))
        m_laid.append(
            layOutLine(QStringView(m_text).mid(line.start, line.length), sub, m_metrics, 0, 0));
    m_laidFont = font.key();
    m_laidValid = true;
    return m_laid;
}

int TChemString::firstLineHeight(const QFont &font)
{
    return laidLines(font).front().height;
}

int TChemString::width(const QFont &font)
{
    int widest = 1;
    for (const FormulaLine &line : laidLines(font))
        widest = std::max(widest, line.width);
    return widest;
}

void TChemString::draw(QPainter &painter, const QRect &rect, const QFont &font)
{
    if (m_text.isEmpty())
        return;
    const SubscriptMetrics sub = subscriptMetrics(m_metrics, font, m_settings);
    const int height = layOutLine(u"C1", sub, m_metrics, 0, 0).height;
    int top = rect.top();
    for (const FormulaLine &laid : laidLines(font)) {
        if (top > rect.bottom())
            break;
        const int width = laid.width;
        int left = rect.left();
        if (m_alignment == Alignment::Right)
            left = rect.left() + rect.width() - width;
        else if (m_alignment == Alignment::Center)
            left = (rect.left() + rect.left() + rect.width() - width) / 2;
        // A line laid out from (0, 0) moves whole: every position in it is a whole pixel.
        FormulaLine line = laid;
        for (FormulaRun &run : line.runs) {
            run.pen += left;
            run.at += QPoint(left, top);
        }
        drawLine(painter, line, sub,
                 QRect(rect.left(), top, rect.width(), rect.bottom() - top + 1));
        top += height;
    }
}
