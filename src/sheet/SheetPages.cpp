#include "sheet/SheetPages.h"

#include "controls/AccessibleNames.h"
#include "controls/Fonts.h"
#include "controls/TDBEdit.h"
#include "controls/TDBMemo.h"
#include "data/ElementColumns.h"
#include "data/ElementSources.h"
#include "data/ElementStore.h"
#include "data/ShownElement.h"
#include "sheet/SheetLayout.h"
#include "sheet/SheetStyle.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QScrollArea>
#include <QTabWidget>

using namespace SheetStyle;
using SheetLayout::Page;

namespace {

// The pages in the order of their tabs.
enum PageIndex {
    MacroPage,
    MicroPage,
    StructurePage,
    IsotopePage,
    AbondancesPage,
    DiversPage,
    HistoirePage
};

constexpr int PageWidth = 512;
constexpr int ScrolledWidth = PageWidth - 18; // the content of a scroll box, beside its bar
constexpr int BoxHeight = 21;
constexpr int MemoHeight = 41;
constexpr int LabelLeft = 8;       // the page's first column of labels
constexpr int LabelGap = 4;        // at least, between a label and its box
constexpr int SecondColumnGap = 6; // between a label of the second column and its box

QColor buttonFace()
{
    return QApplication::palette().color(QPalette::Button);
}

void separator(QWidget *parent, int top)
{
    auto *line = new QFrame(parent);
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    line->setGeometry(8, top, PageWidth - 24, 2);
}

// The width of a labelled box: to the right edge of the page, except the colour box,
// which leaves room for the second column of "Divers".
int boxWidth(const SheetLayout::Row &row, int pageWidth)
{
    if (row.column == Column::Couleur)
        return 140;
    return pageWidth - row.left - 12;
}

QWidget *dataBox(QWidget *content, const SheetLayout::Row &row, const QFont &font,
                 const QColor &background, ShownElement *shown)
{
    const QString field = ElementColumns::field(row.column);
    QWidget *box = nullptr;
    if (row.box == SheetLayout::Box::Memo) {
        auto *editable = new TDBMemo(content);
        styleBox(editable, font, background);
        editable->setFrameStyle(QFrame::NoFrame);
        // Two lines of the longest text fit the memo's height with a slim margin; the
        // text wraps, so it never needs a scroll bar across.
        editable->document()->setDocumentMargin(2);
        editable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        editable->setDataSource(shown);
        editable->setDataField(field);
        box = editable;
    } else {
        auto *line = new TDBEdit(content);
        styleLine(line, font, background);
        line->setDataSource(shown);
        line->setDataField(field);
        box = line;
    }
    box->setObjectName(QStringLiteral("DB") + field);
    return box;
}

// Puts the labelled boxes of `page` on `content`; answers the bottom of the lowest box.
int fillBoxPage(QWidget *content, Page page, const QColor &background, ShownElement *shown,
                int pageWidth)
{
    const QFont labelFont = pixelFont(Times, page == Page::Macro ? 16 : 15, true);
    const QFont boxFont =
        pixelFont(page == Page::Macro ? QStringLiteral("MS Sans Serif") : Times, 15, true);
    int bottom = 0;
    for (const SheetLayout::Row &row : SheetLayout::rows()) {
        if (row.page != page)
            continue;
        // Each label stands on the line of its box: in the page's first column, or just
        // left of a box of the second column. One longer than the room before its box
        // is drawn condensed, so that the boxes keep their places.
        const bool secondColumn = row.left > 300;
        const QString text = QString::fromUtf8(row.label);
        const int room = row.left - (secondColumn ? SecondColumnGap : LabelLeft + LabelGap);
        QLabel *caption = label(content, text, labelFont, {LabelLeft, 0}, room);
        caption->move(secondColumn ? row.left - caption->width() - SecondColumnGap : LabelLeft,
                      row.top + (BoxHeight - caption->height()) / 2);
        // The box is made after its label and stands above it: nothing of the label
        // may reach under it.
        const bool memo = row.box == SheetLayout::Box::Memo;
        const QRect place(row.left, row.top, boxWidth(row, pageWidth),
                          memo ? MemoHeight : BoxHeight);
        QWidget *box = dataBox(content, row, boxFont, background, shown);
        box->setGeometry(place);
        box->setAccessibleName(AccessibleNames::fromCaption(text));
        bottom = std::max(bottom, place.bottom());
    }
    return bottom;
}

// The content of a scroll box, as high as its boxes.
QWidget *scrolledContent(Page page, ShownElement *shown)
{
    auto *content = new QWidget;
    const int bottom = fillBoxPage(content, page, buttonFace(), shown, ScrolledWidth);
    content->resize(ScrolledWidth, bottom + 12);
    return content;
}

QScrollArea *scrollBox()
{
    auto *box = new QScrollArea;
    box->setFrameStyle(QFrame::NoFrame);
    box->setWidgetResizable(false);
    return box;
}

// The box of the top line of a section page, right of its label.
TDBEdit *sectionTopBox(QWidget *page, const QString &caption, Column column, int width,
                       ShownElement *shown)
{
    const QFont font = pixelFont(Times, 15, true);
    const QString said = label(page, caption, font, {8, 14})->text();
    auto *box = new TDBEdit(page);
    styleLine(box, font, buttonFace());
    box->setAccessibleName(AccessibleNames::fromCaption(said));
    const QString field = ElementColumns::field(column);
    box->setObjectName(QStringLiteral("DB") + field);
    box->setGeometry(160, 12, width, BoxHeight);
    box->setDataSource(shown);
    box->setDataField(field);
    return box;
}

// A box of the lines of a section, borderless on silver.
QLineEdit *sectionLine(QWidget *page, const QString &name, const QString &spoken,
                       const QRect &place)
{
    auto *line = new QLineEdit(page);
    line->setObjectName(name);
    styleLine(line, pixelFont(Times, 15, true), Silver);
    line->setAccessibleName(spoken);
    line->setGeometry(place);
    return line;
}

} // namespace

SheetPages::SheetPages(QWidget *sheet, const QRect &place, ShownElement *shown)
    : QObject(sheet), m_tabs(new QTabWidget(sheet)), m_shown(shown)
{
    // The boxes the sheet already holds, its header's, are described with the pages'.
    describeBoxes(sheet);
    m_tabs->setObjectName(QStringLiteral("PageControl1"));
    m_tabs->setGeometry(place);
    m_structure = QStringList(StructureLines, QString());
    for (int i = 1; i <= IsotopeLines; ++i)
        m_isotopes << QStringLiteral("iso%1").arg(i);
    // Each page's own widget is made now; its content when it is first shown.
    QScrollArea *macro = scrollBox();
    macro->setWidget(scrolledContent(Page::Macro, m_shown));
    m_built[MacroPage] = true;
    describeBoxes(macro->widget());
    m_tabs->addTab(macro, QStringLiteral("Macro"));
    m_tabs->addTab(scrollBox(), QStringLiteral("Micro"));
    m_tabs->addTab(new QWidget, QStringLiteral("Structure Cristalline"));
    m_tabs->addTab(new QWidget, QStringLiteral("Isotopes"));
    m_tabs->addTab(new QWidget, QStringLiteral("Abondances"));
    m_tabs->addTab(new QWidget, QStringLiteral("Divers"));
    auto *history = new QWidget;
    history->setAutoFillBackground(true);
    colour(history, QPalette::Window, Silver);
    m_tabs->addTab(history, QStringLiteral("Histoire"));
    m_tabs->setCurrentIndex(MacroPage);
    m_tabs->setAccessibleName(QStringLiteral("Pages de la fiche"));
    for (int i = 0; i < m_tabs->count(); ++i)
        m_tabs->widget(i)->setAccessibleName(m_tabs->tabText(i));
    connect(m_tabs, &QTabWidget::currentChanged, this, &SheetPages::build);
    connect(m_shown, &ShownElement::shownChanged, this, &SheetPages::updateDescriptions);
}

void SheetPages::build(int index)
{
    if (index < 0 || index >= PageCount || m_built[index])
        return;
    m_built[index] = true;
    QWidget *page = m_tabs->widget(index);
    switch (index) {
    case MicroPage:
        // The scroll box shows the content it is given.
        static_cast<QScrollArea *>(page)->setWidget(microContent());
        describeBoxes(page);
        return;
    case StructurePage:
        fillStructurePage(page);
        break;
    case IsotopePage:
        fillIsotopePage(page);
        break;
    case AbondancesPage:
        fillBoxPage(page, Page::Abondances, buttonFace(), m_shown, PageWidth);
        break;
    case DiversPage:
        fillBoxPage(page, Page::Divers, buttonFace(), m_shown, PageWidth);
        break;
    case HistoirePage:
        fillBoxPage(page, Page::Histoire, Silver, m_shown, PageWidth);
        break;
    }
    describeBoxes(page);
    // Widgets made on a page that is already shown wait to be shown themselves.
    for (QWidget *child : page->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        child->show();
}

void SheetPages::describeBoxes(QWidget *page)
{
    for (QWidget *box : page->findChildren<QWidget *>()) {
        if (!box->objectName().startsWith(QLatin1String("DB")))
            continue;
        DataBox data{box, box->objectName().mid(2), QString()};
        if (const std::optional<ElementColumn> column = ElementColumns::byField(data.field))
            data.property = AccessibleNames::ofColumn(column->id);
        if (data.property.isEmpty())
            data.property = box->accessibleName();
        m_dataBoxes.append(data);
    }
    updateDescriptions();
}

void SheetPages::updateDescriptions()
{
    const ElementStore &store = m_shown->store();
    const ElementSources &sources = store.sources();
    for (DataBox &data : m_dataBoxes) {
        if (data.fixed)
            continue;
        const QString said =
            sources.describe(data.property, data.field, m_shown->element(), store.records());
        data.fixed = !sources.dependsOnElement(data.field);
        if (data.box->accessibleDescription() != said) {
            data.box->setToolTip(ElementSources::toolTip(said));
            data.box->setAccessibleDescription(said);
        }
    }
}

QWidget *SheetPages::microContent() const
{
    QWidget *micro = scrolledContent(Page::Micro, m_shown);
    // Rules above the atomic radius and the oxidation numbers, which open groups of rows.
    for (const SheetLayout::Row &row : SheetLayout::rows()) {
        if (row.column == Column::RAt || row.column == Column::NoTotal)
            separator(micro, row.top - 8);
    }
    return micro;
}

void SheetPages::fillStructurePage(QWidget *page)
{
    const QString spoken = sectionTopBox(page, QStringLiteral("Structure Cristalline :"),
                                         Column::Structure, PageWidth - 172, m_shown)
                               ->accessibleName();
    separator(page, 42);
    for (int i = 0; i < StructureLines; ++i)
        m_structureBoxes.append(sectionLine(page, QStringLiteral("struct%1").arg(i + 1),
                                            QStringLiteral("%1, ligne %2").arg(spoken).arg(i + 1),
                                            {8, 52 + 26 * i, 457, BoxHeight}));
    showLines(Lines::Structure);
}

void SheetPages::fillIsotopePage(QWidget *page)
{
    sectionTopBox(page, QStringLiteral("Nombre d'Isotopes  :"), Column::Isotopes, 60, m_shown);
    separator(page, 42);
    QLabel *heading = label(
        page,
        QStringLiteral("Isotope                        Masse                      Abondance (%)"),
        pixelFont(Times, 15, true), {8, 50});
    heading->setObjectName(QStringLiteral("IsotopeHeading"));
    separator(page, 72);
    for (int i = 0; i < IsotopeLines; ++i)
        m_isotopeBoxes.append(sectionLine(page, QStringLiteral("iso%1").arg(i + 1),
                                          QStringLiteral("Isotope, ligne %1").arg(i + 1),
                                          {8, 80 + 24 * i, 400, BoxHeight}));
    showLines(Lines::Isotopes);
}

void SheetPages::showSection(Lines which, const SectionFile::Section &section)
{
    QStringList &texts = which == Lines::Structure ? m_structure : m_isotopes;
    for (QString &text : texts)
        text.clear();
    if (section.found) {
        texts.first() = section.countText;
        const qsizetype shown = std::min(texts.size(), section.lines.size());
        for (qsizetype i = 0; i < shown; ++i)
            texts[i] = section.lines[i];
    }
    showLines(which);
}

void SheetPages::showLines(Lines which)
{
    const bool structure = which == Lines::Structure;
    const QList<QLineEdit *> &boxes = structure ? m_structureBoxes : m_isotopeBoxes;
    const QStringList &texts = structure ? m_structure : m_isotopes;
    for (qsizetype i = 0; i < boxes.size(); ++i)
        boxes[i]->setText(texts[i]);
}
