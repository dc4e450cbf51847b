#include "table/HoverPanel.h"

#include "controls/AccessibleNames.h"
#include "controls/Fonts.h"
#include "controls/ReadOnlyBoxAccessible.h"
#include "data/ElementRecords.h"
#include "data/ElementSources.h"
#include "data/ElementStore.h"
#include "table/ElementDescriptions.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTextLayout>

#include <algorithm>

namespace {

const QString SansSerif = QStringLiteral("MS Sans Serif");
const QColor Maroon(0x80, 0x00, 0x00);

struct FieldRow
{
    const char *name;
    Column column;
    QRect geometry;
    const char *family;
    int pixels;
    bool bold;
    bool framed; // a sunken border; the others are flat
};

// Left column: the element's identity.
const FieldRow IdentityFields[] = {
    {"Edit_NO_AT", Column::NoAt, {6, 14, 43, 26}, "MS Sans Serif", 17, true, false},
    {"Edit_M__AT", Column::MasseAt, {54, 24, 51, 19}, "MS Sans Serif", 11, false, false},
    {"Edit_SYMBOLE", Column::Symbole, {30, 40, 67, 48}, "Times New Roman", 37, true, false},
    {"Edit_NOM", Column::Nom, {14, 90, 83, 19}, "MS Sans Serif", 11, false, false},
    {"Edit_CONFIG__", Column::Config, {6, 118, 123, 21}, "MS Sans Serif", 11, false, true},
};

// Right column: caption at 143, value at 190, unit at 241.
struct PropertyRow
{
    int top;
    const char *caption;
    const char *name;
    Column column;
    int width;
    const char *unit;
};
const PropertyRow PropertyRows[] = {
    {9, "E.N. :", "Edit_EN", Column::En, 43, ""},
    {32, "A.E. :", "Edit_AE", Column::Ae, 49, "(KJ/mol)"},
    {56, "Tfus :", "Edit_TF", Column::Tf, 43, "(K)"},
    {80, "Teb :", "Edit_TEB", Column::Teb, 43, "(K)"},
    {104, "m vol :", "Edit_M__VOL", Column::MasseVol, 43, "(g/cm3)"},
    {128, "vol at :", "Edit_VOL_AT", Column::VolAt, 43, "(ml/mol)"},
};

// A number drawn without shaping stands where shaping would put it: the panel's faces kern no
// pair of the characters a number holds. Not shaping the numbers takes a third off the cost
// of showing an element; any other text in a number's box is shaped as usual.
bool numberCharactersOnly(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || c == u',' || c == u'E' || c == u'+' || c == u'-';
    });
}

// The glyphs and their places of `text` laid out on one line in `font`.
QList<QGlyphRun> glyphs(const QString &text, const QFont &font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    return layout.glyphRuns();
}

// Whether `text` drawn without shaping in `font` has the very glyphs and places that
// shaping gives it (no kerned pair, no ligature).
bool drawsAlikeUnshaped(const QString &text, QFont font)
{
    font.setStyleStrategy(QFont::PreferDefault);
    const QList<QGlyphRun> shaped = glyphs(text, font);
    font.setStyleStrategy(QFont::PreferNoShaping);
    const QList<QGlyphRun> unshaped = glyphs(text, font);
    if (shaped.size() != unshaped.size())
        return false;
    for (qsizetype i = 0; i < shaped.size(); ++i) {
        if (shaped[i].glyphIndexes() != unshaped[i].glyphIndexes() ||
            shaped[i].positions() != unshaped[i].positions())
            return false;
    }
    return true;
}

} // namespace

void HoverPanel::showText(QLineEdit &box, Column column, const QString &text)
{
    // Setting a box's text lays it out anew even when it is the same: neighbours often share
    // a value, or both lack it.
    if (box.text() == text)
        return;
    bool unshaped = false;
    if (ElementColumns::isNumeric(column)) {
        unshaped = numberCharactersOnly(text);
    } else {
        // A name or symbol is compared once, shaped and not, as the panel comes back to the
        // same elements again and again.
        const QString key = QString::number(int(column)) + QLatin1Char('\n') + text;
        auto known = m_drawsAlikeUnshaped.constFind(key);
        if (known == m_drawsAlikeUnshaped.cend())
            known = m_drawsAlikeUnshaped.insert(key, drawsAlikeUnshaped(text, box.font()));
        unshaped = *known;
    }
    if (unshaped != bool(box.font().styleStrategy() & QFont::PreferNoShaping)) {
        QFont font = box.font();
        font.setStyleStrategy(unshaped ? QFont::PreferNoShaping : QFont::PreferDefault);
        box.setFont(font);
    }
    box.setText(text);
}

namespace {

QLabel *maroonLabel(QWidget *parent, const QString &text, QPoint at)
{
    auto *label = new QLabel(text, parent);
    label->setFont(pixelFont(SansSerif, 11, true));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Maroon);
    label->setPalette(palette);
    label->move(at);
    sizeToText(label);
    return label;
}

QLineEdit *fieldBox(QWidget *parent, const char *name, Column column, QRect geometry, QFont font,
                    bool framed)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(geometry);
    // A number's box starts unshaped, as nearly every text it shows is a number: changing a
    // box's font costs more than the rest of showing its text.
    if (ElementColumns::isNumeric(column))
        font.setStyleStrategy(QFont::PreferNoShaping);
    box->setFont(font);
    ReadOnlyBoxAccessible::makeReadOnly(box);
    box->setFocusPolicy(Qt::NoFocus); // the focus stays on the element the box shows
    box->setFrame(framed);
    if (!framed) {
        // A flat value stands on the line of its caption, as the captions stand at the
        // top of their places: at the top of its box, less the edit's own one-pixel margin.
        box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        box->setTextMargins(0, -1, 0, 0);
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, QApplication::palette().color(QPalette::Button));
        box->setPalette(palette);
    }
    return box;
}

} // namespace

HoverPanel::HoverPanel(const ElementStore &store, QWidget *parent)
    : TBevelPanel(parent), m_store(store)
{
    setObjectName(QStringLiteral("Panel1"));
    setGeometry(112, 40, 297, 149);
    setColor(QApplication::palette().color(QPalette::Button));
    setFont(pixelFont(SansSerif, 11));
    setMouseTracking(true);

    // A screen reader names the boxes without a caption by their column, the others by their
    // caption and unit.
    for (const FieldRow &row : IdentityFields) {
        QLineEdit *box =
            fieldBox(this, row.name, row.column, row.geometry,
                     pixelFont(QString::fromLatin1(row.family), row.pixels, row.bold), row.framed);
        box->setAccessibleName(AccessibleNames::ofColumn(row.column));
        m_boxes.emplace_back(box, row.column);
    }
    maroonLabel(this, QStringLiteral("masse at."), {56, 8});

    for (const PropertyRow &row : PropertyRows) {
        maroonLabel(this, QString::fromLatin1(row.caption), {143, row.top});
        QLineEdit *box = fieldBox(this, row.name, row.column, {190, row.top, row.width, 19},
                                  pixelFont(SansSerif, 11), false);
        box->setAccessibleName(AccessibleNames::withUnit(QString::fromLatin1(row.caption),
                                                         QString::fromLatin1(row.unit)));
        m_boxes.emplace_back(box, row.column);
        if (*row.unit)
            maroonLabel(this, QString::fromLatin1(row.unit), {241, row.top});
    }

    auto *rule = new QWidget(this);
    rule->setObjectName(QStringLiteral("Bevel1"));
    rule->setGeometry(136, 0, 1, 147);
    QPalette black = rule->palette();
    black.setColor(QPalette::Window, Qt::black);
    rule->setPalette(black);
    rule->setAutoFillBackground(true);
    hide();
}

void HoverPanel::showElement(const ElementRecords &records, int z)
{
    for (const auto &[box, column] : m_boxes)
        showText(*box, column, records.text(z, column));
    updateSpokenSummary();
    m_records = records;
    m_z = z;
    if (isVisible())
        updateDescriptions();
}

void HoverPanel::showField(const QString &field, const QString &text)
{
    for (const auto &[box, column] : m_boxes) {
        if (ElementColumns::field(column).compare(field, Qt::CaseInsensitive) == 0)
            showText(*box, column, text);
    }
    updateSpokenSummary();
}

void HoverPanel::updateSpokenSummary()
{
    QString frenchName;
    QString symbol;
    int number = 0;
    QStringList values;
    for (const auto &[box, column] : m_boxes) {
        if (column == Column::Nom)
            frenchName = box->text();
        else if (column == Column::Symbole)
            symbol = box->text();
        else if (column == Column::NoAt)
            number = box->text().toInt();
        else
            values << box->accessibleName() + QLatin1Char(' ') +
                          ElementDescriptions::numeric(box->text(), QString());
    }
    const QString name = ElementDescriptions::name(frenchName, symbol, number);
    if (accessibleName() != name)
        setAccessibleName(name);
    const QString description = values.join(QStringLiteral(", "));
    if (accessibleDescription() != description)
        setAccessibleDescription(description);
}

void HoverPanel::updateDescriptions()
{
    const ElementSources &sources = m_store.sources();
    m_describedOnce.resize(m_boxes.size());
    for (std::size_t i = 0; i < m_boxes.size(); ++i) {
        if (m_describedOnce[i])
            continue;
        const auto &[box, column] = m_boxes[i];
        const QString field = ElementColumns::field(column);
        const QString said =
            sources.describe(AccessibleNames::ofColumn(column), field, m_z, m_records);
        m_describedOnce[i] = !sources.dependsOnElement(field);
        if (box->accessibleDescription() != said) {
            box->setToolTip(ElementSources::toolTip(said));
            box->setAccessibleDescription(said);
        }
    }
}

void HoverPanel::showEvent(QShowEvent *event)
{
    updateDescriptions();
    TBevelPanel::showEvent(event);
}

void HoverPanel::mouseMoveEvent(QMouseEvent *event)
{
    hide();
    event->accept();
}
