#include "molar/TChemEdit.h"

#include "data/Cp1252.h"
#include "data/Oem850.h"

#include <QFocusEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolTip>

namespace {

// QLineEdit keeps this many pixels between its contents rectangle and its text.
constexpr int EditMargin = 2;
// The system's border height: the allowance of an auto-sized edit is a multiple of it.
constexpr int SystemBorderHeight = 1;

} // namespace

TChemEdit::TChemEdit(QWidget *parent, const FormulaMetrics *metrics)
    : QLineEdit(parent), m_chem(metrics)
{
    setFocusPolicy(Qt::StrongFocus);
    resize(121, 30);
    m_chem.onChanged = [this] { update(); };
    m_chem.onMetricsChanged = [this] { adjustHeight(); };
    connect(this, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_chem.setText(text); });
    connect(this, &QLineEdit::textEdited, this, &TChemEdit::convertTyped);
    m_chem.setText(text());
    adjustHeight();
}

void TChemEdit::setFormulaAlignment(TChemString::Alignment alignment)
{
    m_alignment = alignment;
    static constexpr Qt::Alignment horizontal[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter};
    setAlignment(horizontal[static_cast<int>(alignment)] | Qt::AlignVCenter);
    update();
}

void TChemEdit::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    adjustHeight();
}

void TChemEdit::setBorderStyle(BorderStyle style)
{
    m_borderStyle = style;
    applyFrame();
}

void TChemEdit::setCtl3D(bool threeD)
{
    m_ctl3D = threeD;
    applyFrame();
}

void TChemEdit::applyFrame()
{
    setFrame(m_borderStyle == BorderStyle::Single && m_ctl3D);
    adjustHeight();
    update();
}

void TChemEdit::setHideSelection(bool hide)
{
    m_hideSelection = hide;
    update();
}

void TChemEdit::setMaxLength(int length)
{
    m_maxLength = std::max(0, length);
    QLineEdit::setMaxLength(m_maxLength > 0 ? m_maxLength : 32767);
}

int TChemEdit::autoHeight()
{
    const int allowance = SystemBorderHeight * (m_ctl3D ? 8 : 6);
    return m_chem.lineHeight(font()) + allowance;
}

void TChemEdit::adjustHeight()
{
    if (m_autoSize && m_borderStyle == BorderStyle::Single)
        resize(width(), autoHeight());
}

void TChemEdit::changeEvent(QEvent *event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        adjustHeight();
}

void TChemEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    // Entered from the keyboard, the whole text is selected, ready to be typed over.
    if (m_autoSelect && event->reason() != Qt::MouseFocusReason)
        selectAll();
    else if (!m_autoSelect && event->reason() != Qt::MouseFocusReason)
        deselect();
}

void TChemEdit::convertTyped(const QString &typed)
{
    if (!m_oemConvert)
        return;
    QString converted = typed;
    for (QChar &c : converted) {
        const auto ansi = Cp1252::fromUnicode(c.unicode());
        const auto oem = ansi ? Oem850::fromAnsi(*ansi) : std::nullopt;
        c = oem ? QChar(Cp1252::toUnicode(Oem850::toAnsi(*oem))) : QChar(u'?');
    }
    if (converted != typed) {
        const int cursor = cursorPosition();
        setText(converted);
        setCursorPosition(cursor);
    }
}

QRect TChemEdit::formulaRect()
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    QRect client = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    if (!hasFrame() && m_borderStyle == BorderStyle::None)
        client = rect();
    // The formula's line stands where the plain edit shows its text: the same inset from the
    // side, the top of its main font's cell where the plain edit, centring its text, puts it.
    client = client.marginsRemoved(textMargins());
    const int inset = EditMargin;
    const int formulaWidth = m_chem.width(font());
    int shift = inset;
    if (m_alignment == TChemString::Alignment::Right)
        shift = client.width() - formulaWidth - inset - 1;
    else if (m_alignment == TChemString::Alignment::Center)
        shift = (client.width() - formulaWidth) / 2;
    // A formula wider than the box keeps its start in sight; its end is what is cut.
    shift = std::max(shift, inset);
    int top = client.top() + (client.height() - QFontMetrics(font()).height() + 1) / 2;
    // Lowered digits hang below that cell: a box too low for them has the formula raised
    // until they fit, never above the box's top.
    const int formulaHeight = m_chem.firstLineHeight(font());
    top = std::max(client.top(), std::min(top, client.bottom() + 1 - formulaHeight));
    return QRect(client.left() + shift, top, client.width() - shift, client.bottom() + 1 - top);
}

bool TChemEdit::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip || !toolTip().isEmpty())
        return QLineEdit::event(event);
    // A formula cut at the box's end shows whole in a tool tip.
    const auto *help = static_cast<QHelpEvent *>(event);
    if (m_chem.width(font()) > formulaRect().width())
        QToolTip::showText(help->globalPos(), text(), this);
    else
        QToolTip::hideText();
    return true;
}

void TChemEdit::paintEvent(QPaintEvent *event)
{
    if (hasFocus() || !m_hideSelection) {
        QLineEdit::paintEvent(event);
    } else {
        QPainter painter(this);
        painter.fillRect(rect(), palette().brush(QPalette::Base));
        QStyleOptionFrame option;
        initStyleOption(&option);
        style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
        m_chem.setText(text());
        painter.setPen(
            palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
        m_chem.draw(painter, formulaRect(), font());
    }
    if (m_borderStyle == BorderStyle::Single && !m_ctl3D) {
        QPainter painter(this);
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}
