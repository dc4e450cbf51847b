#include "molar/TChemString.h"

#include <QPainter>
#include <QRect>

#include <utility>

TChemString::TChemString(const FormulaMetrics *metrics)
    : m_metrics(metrics ? *metrics : QtFormulaMetrics::instance())
{}

void TChemString::recheck(const QString &before)
{
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

int TChemString::width(const QFont &font)
{
    const SubscriptMetrics sub = subscriptMetrics(m_metrics, font, m_settings);
    int widest = 1;
    for (const FormulaText::Line &line : FormulaText::lines(m_text))
        widest = std::max(widest, layOutLine(QStringView(m_text).mid(line.start, line.length), sub,
                                             m_metrics, 0, 0)
                                      .width);
    return widest;
}

void TChemString::draw(QPainter &painter, const QRect &rect, const QFont &font)
{
    if (m_text.isEmpty())
        return;
    const SubscriptMetrics sub = subscriptMetrics(m_metrics, font, m_settings);
    const int height = layOutLine(u"C1", sub, m_metrics, 0, 0).height;
    int top = rect.top();
    for (const FormulaText::Line &span : FormulaText::lines(m_text)) {
        if (top > rect.bottom())
            break;
        const QStringView text = QStringView(m_text).mid(span.start, span.length);
        const int width = layOutLine(text, sub, m_metrics, 0, 0).width;
        int left = rect.left();
        if (m_alignment == Alignment::Right)
            left = rect.left() + rect.width() - width;
        else if (m_alignment == Alignment::Center)
            left = (rect.left() + rect.left() + rect.width() - width) / 2;
        const FormulaLine line = layOutLine(text, sub, m_metrics, left, top);
        drawLine(painter, line, sub,
                 QRect(rect.left(), top, rect.width(), rect.bottom() - top + 1));
        top += height;
    }
}
