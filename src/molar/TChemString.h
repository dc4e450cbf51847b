#pragma once

#include "molar/FormulaLayout.h"
#include "molar/FormulaText.h"

#include <QString>

#include <functional>

class QPainter;
class QRect;

// A chemical formula's text with its check, the correction of its symbols' case, and its
// layout with lowered, reduced digits. Owned by the edit that shows it; no widget of its own.
class TChemString
{
public:
    enum class Alignment { Left, Right, Center };

    // `metrics` is not owned and must outlive the string; by default the real fonts'.
    explicit TChemString(const FormulaMetrics *metrics = nullptr);

    QString text() const { return m_text; }
    // Stores the text, checks and corrects it with TryCorrect; the changed notification
    // fires when the stored text differs from before.
    void setText(const QString &text);
    // 2 a valid formula (as typed or after correction), 1 valid only ignoring case, 0 not valid.
    int status() const { return m_status; }

    TChemTryCorrect TryCorrect() const { return m_tryCorrect; }
    void setTryCorrect(TChemTryCorrect mode);
    int SubPercent() const { return m_settings.subPercent; }
    void setSubPercent(int percent); // switches AutoSubscript off; a negative value is 0
    int SubPosition() const { return m_settings.subPosition; }
    void setSubPosition(int percent); // likewise
    bool AutoSubscript() const { return m_settings.autoSubscript; }
    void setAutoSubscript(bool fromFont);
    Alignment alignment() const { return m_alignment; }
    void setAlignment(Alignment alignment) { m_alignment = alignment; }

    // Called when AutoSubscript, SubPercent or SubPosition changes.
    std::function<void()> onMetricsChanged;
    // Called when the stored text or one of those three changes.
    std::function<void()> onChanged;

    // The height of the one-line formula "C1" in `font`: a line with a subscript.
    int lineHeight(const QFont &font);
    // The widest line of the text, at least 1.
    int width(const QFont &font);
    // Draws every line in `rect`, each aligned, one line height apart.
    void draw(QPainter &painter, const QRect &rect, const QFont &font);

    // One line laid out from (left, top) with the current settings.
    FormulaLine layOut(QStringView line, const QFont &font, int left = 0, int top = 0);
    // The height of the text's first line laid out in `font`.
    int firstLineHeight(const QFont &font);

private:
    void recheck(const QString &before);
    void metricsChanged();
    // SubPercent and SubPosition: the font's own subscripts off, then the share stored.
    void setShare(int &share, int percent);
    // Every line of the text laid out from (0, 0) in `font`: done once per change of the
    // text, the font or the settings, as a long formula is measured and drawn at each paint.
    const QVector<FormulaLine> &laidLines(const QFont &font);

    const FormulaMetrics &m_metrics;
    QString m_text = QStringLiteral("H2");
    TChemTryCorrect m_tryCorrect = TChemTryCorrect::tchNone;
    int m_status = 2;
    SubscriptSettings m_settings;
    Alignment m_alignment = Alignment::Left;
    QVector<FormulaLine> m_laid;
    QString m_laidFont; // the key of the font m_laid was laid out in
    bool m_laidValid = false;
};
