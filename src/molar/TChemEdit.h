#pragma once

#include "molar/TChemString.h"

#include <QLineEdit>

// A single-line edit that shows its text as a chemical formula, digits lowered and reduced,
// whenever it does not have the focus; with the focus (or with HideSelection off) it is a plain
// edit box. Its formula string follows the text at every change and every paint; the text
// itself is never altered by the correction, only what is drawn. A formula too wide for the
// box shows its start, and the whole of it in a tool tip.
class TChemEdit : public QLineEdit
{
    Q_OBJECT

public:
    enum class BorderStyle { None, Single };

    // `metrics` as for TChemString: not owned, by default the real fonts'.
    explicit TChemEdit(QWidget *parent = nullptr, const FormulaMetrics *metrics = nullptr);

    TChemString &chemString() { return m_chem; }

    TChemTryCorrect TryCorrect() const { return m_chem.TryCorrect(); }
    void setTryCorrect(TChemTryCorrect mode) { m_chem.setTryCorrect(mode); }
    int SubPercent() const { return m_chem.SubPercent(); }
    void setSubPercent(int percent) { m_chem.setSubPercent(percent); }
    int SubPosition() const { return m_chem.SubPosition(); }
    void setSubPosition(int percent) { m_chem.setSubPosition(percent); }
    bool AutoSubscript() const { return m_chem.AutoSubscript(); }
    void setAutoSubscript(bool fromFont) { m_chem.setAutoSubscript(fromFont); }

    // Where the formula stands in the box; the formula string itself draws from the left.
    TChemString::Alignment Alignment() const { return m_alignment; }
    void setFormulaAlignment(TChemString::Alignment alignment);
    bool AutoSelect() const { return m_autoSelect; }
    void setAutoSelect(bool select) { m_autoSelect = select; }
    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);
    BorderStyle borderStyle() const { return m_borderStyle; }
    void setBorderStyle(BorderStyle style);
    // The 3-D look (a sunken edge) or the flat one (a black frame).
    bool Ctl3D() const { return m_ctl3D; }
    void setCtl3D(bool threeD);
    bool HideSelection() const { return m_hideSelection; }
    void setHideSelection(bool hide);
    // 0 is no limit.
    int MaxLength() const { return m_maxLength; }
    void setMaxLength(int length);
    // Typed characters go through the DOS code page and back.
    bool OEMConvert() const { return m_oemConvert; }
    void setOEMConvert(bool convert) { m_oemConvert = convert; }

    // The height that AutoSize gives: one formula line and the border's allowance.
    int autoHeight();
    // Where the formula is drawn when the edit does not have the focus.
    QRect formulaRect();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void adjustHeight();
    void convertTyped(const QString &typed);
    void applyFrame();

    TChemString m_chem;
    TChemString::Alignment m_alignment = TChemString::Alignment::Left;
    bool m_autoSelect = true;
    bool m_autoSize = true;
    BorderStyle m_borderStyle = BorderStyle::Single;
    bool m_ctl3D = true;
    bool m_hideSelection = true;
    int m_maxLength = 0;
    bool m_oemConvert = false;
};
