// Every text the user sees in a box of fixed size fits that box, with the fonts the program
// really draws with, in every window: the main window in each colouring mode, its legends,
// the hover panel over each element, the molar-mass panel and its two dialogs, the property
// sheet of each element on each page, the chart chooser and both chart windows, the 3-D
// window and its image copy window, the sets window with every column its chooser offers,
// and the About box. A text fits when its ink stays inside the area its control draws in,
// inside every panel that holds the control, and clear of the controls stacked above it.
#include "MainWindowFixture.h"
#include "data/ElementTable.h"

#include "charts/TForm5.h"
#include "charts/TForm6.h"
#include "charts/TFormgr.h"
#include "controls/HoverButton.h"
#include "controls/TAboutBox.h"
#include "graph3d/ColourSwatch.h"
#include "graph3d/TMain3D.h"
#include "graph3d/TfrmCopy.h"
#include "molar/MolarMode.h"
#include "molar/TChemEdit.h"
#include "molar/TForm7.h"
#include "molar/TForm8.h"
#include "sets/MultiRowHeader.h"
#include "sets/SetsEntries.h"
#include "sets/TForm3.h"
#include "sets/TForm4.h"
#include "sheet/TForm2.h"
#include "table/ColouringModes.h"

#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>

namespace {

struct Ink
{
    Ink(QRect rect, QRect limit, bool local = false, QString text = {})
        : rect(rect), limit(limit), local(local), text(std::move(text))
    {}
    QRect rect;   // in the control's coordinates
    QRect limit;  // where the control lets it be drawn
    bool local;   // an item scrolled to: only its own box counts
    QString text; // of an item; a control's own text otherwise
};

// The ink of a one-line text placed in `box` as `align` says.
QRect placedInk(const QFontMetrics &fm, const QString &text, const QRect &box, Qt::Alignment align)
{
    const int advance = fm.horizontalAdvance(text);
    int left = box.left();
    if (align & Qt::AlignHCenter)
        left += (box.width() - advance) / 2;
    else if (align & Qt::AlignRight)
        left = box.right() + 1 - advance;
    int top = box.top() + (box.height() - fm.height()) / 2;
    if (align & Qt::AlignTop)
        top = box.top();
    else if (align & Qt::AlignBottom)
        top = box.bottom() + 1 - fm.height();
    return fm.tightBoundingRect(text).translated(left, top + fm.ascent());
}

// The bounds of the pixels of `area` that differ from the colour most of them have: the ink
// drawn on a plain ground.
QRect inkBounds(const QImage &image, const QRect &within)
{
    const QRect area = within.intersected(image.rect());
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb ground = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most)
            std::tie(ground, most) = std::pair(it.key(), it.value());
    QPoint first(area.right() + 1, area.bottom() + 1);
    QPoint last(area.left() - 1, area.top() - 1);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) == ground)
                continue;
            first = {std::min(first.x(), x), std::min(first.y(), y)};
            last = {std::max(last.x(), x), std::max(last.y(), y)};
        }
    }
    return last.x() < first.x() ? QRect() : QRect(first, last);
}

// The size of the ink of the whole text, drawn by the painter with `flags` on a page of
// `width` (its lines wrapped there when the flags say so) and nothing clipped.
QSize wholeInk(const QFont &font, const QString &text, int width, int flags)
{
    const QFontMetrics fm(font);
    const QRect laid = fm.boundingRect(QRect(0, 0, std::max(width, 1), 1 << 20), flags, text);
    const int margin = fm.height();
    const QRect page(margin, margin, std::max(width, laid.width()), laid.height());
    QImage image(page.size() + QSize(2 * margin, 2 * margin), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(page, flags, text);
    painter.end();
    return inkBounds(image, image.rect()).size();
}

// The ink a control shows of its text, read from its pixels inside `area`, against the ink of
// the whole text: a text cut by its box shows less than all of it, and is reported running
// out of the box by what is missing.
Ink shownInk(QWidget &widget, const QRect &area, const QSize &whole)
{
    const QRect shown = inkBounds(widget.grab().toImage(), area);
    constexpr int Rounding = 1; // glyphs placed at another fraction of a pixel
    if (shown.width() + Rounding >= whole.width() && shown.height() + Rounding >= whole.height())
        return {shown, area};
    const QPoint at = shown.isEmpty() ? area.topLeft() : shown.topLeft();
    return {QRect(at, whole).united(shown), area};
}

QList<Ink> labelInk(QLabel &label)
{
    if (label.text().trimmed().isEmpty())
        return {};
    const QRect box = label.contentsRect().marginsRemoved(
        QMargins(label.margin(), label.margin(), label.margin(), label.margin()));
    const int flags = int(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0);
    return {shownInk(label, box, wholeInk(label.font(), label.text(), box.width(), flags))};
}

// Where a line edit draws its text, as its style gives it.
QRect lineEditContents(const QLineEdit &edit)
{
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.rect = edit.rect();
    option.lineWidth = edit.hasFrame()
                           ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit)
                           : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    return edit.style()
        ->subElementRect(QStyle::SE_LineEditContents, &option, &edit)
        .marginsRemoved(edit.textMargins());
}

// A text wider than its edit scrolls, and part of it is always hidden.
QList<Ink> lineEditInk(QLineEdit &edit)
{
    const QString text = edit.displayText();
    if (text.trimmed().isEmpty())
        return {};
    const int flags = Qt::AlignLeft | Qt::TextSingleLine;
    return {shownInk(edit, lineEditContents(edit), wholeInk(edit.font(), text, 0, flags))};
}

// A memo wraps its text to its width, below and beside the document's margin: all of it
// must show without scrolling.
QList<Ink> memoInk(const QPlainTextEdit &memo)
{
    if (memo.toPlainText().trimmed().isEmpty())
        return {};
    const QRect viewport(QPoint(), memo.viewport()->size());
    const int margin = qRound(memo.document()->documentMargin());
    const int lines = qRound(memo.document()->documentLayout()->documentSize().height());
    const QRect ink(margin, margin, viewport.width() - 2 * margin,
                    lines * memo.fontMetrics().lineSpacing());
    return {{ink.translated(memo.viewport()->pos()), viewport.translated(memo.viewport()->pos())}};
}

// A self-drawn button centres its caption inside its one-pixel frame.
QList<Ink> captionInk(const HoverButton &button)
{
    if (button.Caption().isEmpty())
        return {};
    const QFontMetrics fm = button.fontMetrics();
    const QSize size(fm.horizontalAdvance(button.Caption()), fm.ascent());
    QRect ink(QPoint(), size);
    ink.moveCenter(button.rect().center());
    return {{ink, button.rect().adjusted(1, 1, -1, -1)}};
}

// Without the focus the formula edit draws its formula, subscripts and all, in the edit's
// contents.
QList<Ink> formulaInk(TChemEdit &edit)
{
    if (edit.text().trimmed().isEmpty() || edit.hasFocus())
        return lineEditInk(edit);
    edit.chemString().setText(edit.text());
    const QRect at = edit.formulaRect();
    const QRect ink(at.left(), at.top(), edit.chemString().width(edit.font()),
                    edit.chemString().lineHeight(edit.font()));
    return {{ink, lineEditContents(edit)}};
}

// A swatch centres its caption inside its bevel.
QList<Ink> swatchInk(const ColourSwatch &swatch)
{
    const int inset = swatch.ClientInset();
    const QRect inside = swatch.rect().adjusted(inset, inset, -inset, -inset);
    return {{placedInk(swatch.fontMetrics(), swatch.caption(), swatch.rect(), Qt::AlignCenter),
             inside}};
}

// A push button centres its caption in the contents the style leaves inside its bevel; a
// check box or a radio button puts it right of its indicator.
QList<Ink> buttonInk(const QAbstractButton &button)
{
    if (button.text().isEmpty())
        return {};
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    Qt::Alignment align = Qt::AlignCenter;
    if (qobject_cast<const QCheckBox *>(&button) || qobject_cast<const QRadioButton *>(&button)) {
        contents = qobject_cast<const QCheckBox *>(&button) ? QStyle::SE_CheckBoxContents
                                                            : QStyle::SE_RadioButtonContents;
        align = Qt::AlignLeft | Qt::AlignVCenter;
    }
    const QRect box =
        button.style()->subElementRect(contents, &option, &button).intersected(button.rect());
    return {{placedInk(button.fontMetrics(), button.text(), box, align), box}};
}

QList<Ink> groupTitleInk(const QGroupBox &group)
{
    QStyleOptionGroupBox option;
    option.initFrom(&group);
    option.text = group.title();
    option.textAlignment = group.alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect label = group.style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                      QStyle::SC_GroupBoxLabel, &group);
    return {{placedInk(group.fontMetrics(), group.title(), label, Qt::AlignLeft), group.rect()}};
}

// Each tab keeps the room the style puts beside its caption, and shows within the bar.
QList<Ink> tabInk(const QTabBar &bar)
{
    const int space = bar.style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, &bar);
    QList<Ink> ink;
    for (int tab = 0; tab < bar.count(); ++tab) {
        const QRect box = bar.tabRect(tab);
        QRect room(0, box.top(), bar.fontMetrics().horizontalAdvance(bar.tabText(tab)) + space,
                   box.height());
        room.moveCenter(box.center());
        ink.append({room, box.intersected(bar.rect()), false, bar.tabText(tab)});
    }
    return ink;
}

// A header's sections, one or two title rows each, inside the section's lines; a section
// narrowed to nothing hides its title on purpose.
QList<Ink> headerInk(const QHeaderView &header)
{
    const int margin = header.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &header);
    const bool multiRow = qobject_cast<const MultiRowHeader *>(&header);
    QList<Ink> ink;
    for (int section = 0; section < header.count(); ++section) {
        const QRect box(0, 0, header.sectionSize(section), header.height());
        if (header.isSectionHidden(section) || box.width() <= 2 * margin)
            continue;
        const QString title = header.model()->headerData(section, header.orientation()).toString();
        if (!multiRow) {
            const QRect inside = box.adjusted(margin, 0, -margin, 0);
            ink.append({placedInk(header.fontMetrics(), title, inside, header.defaultAlignment()),
                        inside, true, title});
            continue;
        }
        auto &titles = static_cast<const MultiRowHeader &>(header);
        const QStringList rows = MultiRowHeader::titleRows(title);
        const QRect inside = MultiRowHeader::rowsRect(box);
        const int rowHeight = inside.height() / int(rows.size());
        for (int row = 0; row < rows.size(); ++row) {
            const QRect line(inside.left(), inside.top() + row * rowHeight, inside.width(),
                             rowHeight);
            const QFontMetrics fm(titles.rowFont(rows[row], box.width()));
            ink.append({placedInk(fm, rows[row], line, Qt::AlignCenter), inside, true, rows[row]});
        }
    }
    return ink;
}

// The items of a list or a grid of texts, inside their cell and the view's width, with the
// margins the item delegate keeps; a column narrowed to nothing hides its texts on purpose.
QList<Ink> itemInk(const QAbstractItemView &view)
{
    const int margin = view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 1;
    const QAbstractItemModel *model = view.model();
    const auto *grid = qobject_cast<const QTableWidget *>(&view);
    QList<Ink> ink;
    for (int row = 0; row < model->rowCount(); ++row) {
        for (int column = 0; column < model->columnCount(); ++column) {
            const QModelIndex index = model->index(row, column);
            const QString text = index.data().toString();
            const QRect cell = view.visualRect(index);
            if (text.isEmpty() || cell.width() <= 2 * margin)
                continue;
            QRect limit = cell.adjusted(margin, 0, -margin, 0);
            if (!grid)
                limit.setRight(view.viewport()->width() - 1 - margin);
            ink.append({placedInk(view.fontMetrics(), text, cell.adjusted(margin, 0, -margin, 0),
                                  Qt::AlignLeft | Qt::AlignVCenter),
                        limit, true, text});
        }
    }
    return ink;
}

// The viewport of a header, a list or a grid of texts draws its items.
QList<Ink> viewportInk(const QWidget *widget)
{
    auto *view = qobject_cast<const QAbstractItemView *>(widget->parentWidget());
    if (!view || view->viewport() != widget || !view->model())
        return {};
    if (auto *header = qobject_cast<const QHeaderView *>(view))
        return headerInk(*header);
    if (qobject_cast<const QListWidget *>(view) || qobject_cast<const QTableWidget *>(view))
        return itemInk(*view);
    return {};
}

QList<Ink> inkOf(QWidget *widget)
{
    if (auto *edit = qobject_cast<TChemEdit *>(widget))
        return formulaInk(*edit);
    if (auto *swatch = qobject_cast<const ColourSwatch *>(widget))
        return swatchInk(*swatch);
    // A tool button of the tool bar shows its glyph; its text is its tool tip.
    if (auto *tool = qobject_cast<const QToolButton *>(widget);
        tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly && !tool->icon().isNull())
        return {};
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        return buttonInk(*button);
    if (auto *group = qobject_cast<const QGroupBox *>(widget))
        return groupTitleInk(*group);
    if (auto *bar = qobject_cast<const QTabBar *>(widget))
        return tabInk(*bar);
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->pixmap().isNull() ? labelInk(*label) : QList<Ink>();
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        return lineEditInk(*edit);
    if (auto *memo = qobject_cast<const QPlainTextEdit *>(widget))
        return memoInk(*memo);
    if (auto *button = qobject_cast<const HoverButton *>(widget))
        return captionInk(*button);
    return viewportInk(widget);
}

QString rectText(const QRect &r)
{
    return QStringLiteral("(%1, %2, %3 x %4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QString describe(const QWidget *widget, const QString &text, const QString &why)
{
    QStringList path;
    for (const QWidget *w = widget; w; w = w->parentWidget())
        if (!w->objectName().isEmpty())
            path.prepend(w->objectName());
    return QStringLiteral("%1 \"%2\": %3").arg(path.join(QLatin1Char('/')), text, why);
}

QString textOf(const QWidget *widget)
{
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (auto *edit = qobject_cast<const QLineEdit *>(widget))
        return edit->displayText();
    if (auto *memo = qobject_cast<const QPlainTextEdit *>(widget))
        return memo->toPlainText();
    if (auto *button = qobject_cast<const HoverButton *>(widget))
        return button->Caption();
    if (auto *swatch = qobject_cast<const ColourSwatch *>(widget))
        return swatch->caption();
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (auto *group = qobject_cast<const QGroupBox *>(widget))
        return group->title();
    return {};
}

// Whether `above` hides what lies under it at `rect` (its parent's coordinates): a label
// that paints no background only where its own ink falls.
bool hides(QWidget *above, const QRect &rect)
{
    auto *label = qobject_cast<const QLabel *>(above);
    if (!label || label->autoFillBackground() || !label->pixmap().isNull())
        return true;
    const QList<Ink> ink = inkOf(above);
    return std::any_of(ink.begin(), ink.end(), [&](const Ink &own) {
        return own.rect.translated(above->pos()).intersects(rect);
    });
}

// The first reason why the ink of `widget` does not show whole, or nothing.
QString fault(const QWidget *widget, const Ink &ink)
{
    if (!ink.limit.contains(ink.rect))
        return QStringLiteral("ink %1 outside the box's %2")
            .arg(rectText(ink.rect), rectText(ink.limit));
    if (ink.local)
        return {};
    QRect rect = ink.rect;
    for (const QWidget *w = widget; w->parentWidget() && !w->isWindow(); w = w->parentWidget()) {
        const QWidget *parent = w->parentWidget();
        rect.translate(w->pos());
        const QObjectList &siblings = parent->children();
        for (qsizetype i = siblings.indexOf(w) + 1; i < siblings.size(); ++i) {
            auto *above = qobject_cast<QWidget *>(siblings[i]);
            if (above && !above->isWindow() && above->isVisible() &&
                above->geometry().intersects(rect) && hides(above, rect))
                return QStringLiteral("covered by %1 %2 at %3")
                    .arg(QString::fromLatin1(above->metaObject()->className()), above->objectName(),
                         rectText(above->geometry()));
        }
        // A scroll area's content is scrolled to, not clipped.
        auto *area = qobject_cast<const QAbstractScrollArea *>(parent->parentWidget());
        if (area && area->viewport() == parent)
            break;
        if (!parent->rect().contains(rect))
            return QStringLiteral("runs out of %1").arg(parent->objectName());
    }
    return {};
}

// Walks the controls of `root` that are showing.
void check(const QWidget *root, QStringList &faults)
{
    for (QWidget *widget : root->findChildren<QWidget *>()) {
        if (!widget->isVisible())
            continue;
        for (const Ink &ink : inkOf(widget)) {
            const QString text = ink.text.isEmpty() ? textOf(widget) : ink.text;
            // The list's separator entries are rules of hyphens, meant to run past any box.
            if (text.count(QLatin1Char('-')) == text.size())
                continue;
            const QString why = fault(widget, ink);
            const QString entry = describe(widget, text, why);
            if (!why.isEmpty() && !faults.contains(entry))
                faults << entry;
        }
    }
}

void checkEveryPage(const QWidget &window, QStringList &faults)
{
    const auto tabs = window.findChildren<QTabWidget *>();
    if (tabs.isEmpty()) {
        check(&window, faults);
        return;
    }
    QTabWidget *pages = tabs.front();
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        check(&window, faults);
    }
    pages->setCurrentIndex(0);
}

void clickElement(const MainWindowFixture &f, int z)
{
    QTest::mouseMove(f.button(z), QPoint(12, 12));
    QTest::mouseClick(f.button(z), Qt::LeftButton, {}, QPoint(12, 12));
}

void clickPanelButton(const MainWindowFixture &f, const char *name)
{
    QTest::mouseClick(f.child<HoverButton>(QString::fromLatin1(name)), Qt::LeftButton, {},
                      QPoint(10, 10));
}

// Each colouring mode with its legend; in the numeric ones, the hovered element's value
// too; then the hover panel over each element.
void walkMainWindow(MainWindowFixture &f, QStringList &faults)
{
    const std::vector<ColouringModes::Mode> &modes = ColouringModes::shipped().modes;
    for (int entry = 0; entry < int(modes.size()); ++entry) {
        f.choose(entry);
        const QWidget *numericLegend = f.child<QWidget>(QStringLiteral("Panel2"));
        check(f.form.get(), faults);
        for (int z = 1; z <= ElementTable::ElementCount && modes[std::size_t(entry)].valueColumn;
             ++z) {
            QTest::mouseMove(f.button(z), QPoint(12, 12));
            check(numericLegend, faults);
        }
    }
    for (int z = 1; z <= ElementTable::ElementCount; ++z) {
        QTest::mouseMove(f.button(z), QPoint(12, 12));
        check(f.child<QWidget>(QStringLiteral("Panel1")), faults);
    }
}

// The sheet of each element, page after page.
void walkPropertySheet(MainWindowFixture &f, QStringList &faults)
{
    QVERIFY(f.copySectionFiles());
    f.state.selectedElement = 1;
    TForm2 sheet(f.state, f.store());
    sheet.show();
    auto *next = sheet.findChild<HoverButton *>(QStringLiteral("AOLButton2"));
    for (int z = 1; z <= ElementTable::ElementCount; ++z) {
        QCOMPARE(sheet.findChild<QLineEdit *>(QStringLiteral("DB_NO_AT"))->text(),
                 QString::number(z));
        checkEveryPage(sheet, faults);
        QTest::mouseClick(next, Qt::LeftButton, {}, QPoint(10, 10));
    }
    sheet.close();
}

// Glucose, C6H12O6, the other way: its mass percentages typed in "Données", each dialog
// checked as it shows, and its molar mass given in "Masse molaire".
class GlucoseDialogs : public QObject
{
public:
    explicit GlucoseDialogs(QStringList &faults) : m_faults(faults)
    {
        connect(&m_timer, &QTimer::timeout, this, &GlucoseDialogs::answer);
        m_timer.start(5);
    }

private:
    void answer()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *data = qobject_cast<TForm7 *>(modal)) {
            const QString symbol = data->findChild<QLineEdit *>(QStringLiteral("Edit1"))->text();
            auto *percent = data->findChild<QLineEdit *>(QStringLiteral("Edit3"));
            if (symbol == QLatin1String("C"))
                percent->setText(QStringLiteral("40,00"));
            else if (symbol == QLatin1String("H"))
                percent->setText(QStringLiteral("6,71"));
            check(data, m_faults);
            QTest::mouseClick(data->findChild<HoverButton *>(QStringLiteral("SelButton1")),
                              Qt::LeftButton);
        } else if (auto *molarMass = qobject_cast<TForm8 *>(modal)) {
            molarMass->findChild<QLineEdit *>(QStringLiteral("Edit1"))
                ->setText(QStringLiteral("180,16"));
            check(molarMass, m_faults);
            QTest::mouseClick(molarMass->findChild<QPushButton *>(QStringLiteral("Button1")),
                              Qt::LeftButton);
        }
    }

    QStringList &m_faults;
    QTimer m_timer;
};

// The panel with a compound of wide symbols and two-digit counts, then glucose built by
// clicks and found again from its percentages, with both dialogs on the way.
void walkMolarMode(MainWindowFixture &f, QStringList &faults)
{
    f.form->setMolarDialogs(new TForm7(f.form.get()), new TForm8(f.form.get()));
    clickPanelButton(f, "EncartaButton1");
    const QWidget *panel = f.child<QWidget>(QStringLiteral("Panel3"));
    QVERIFY(panel && panel->isVisible());
    for (const auto &[z, atoms] : {std::pair{101, 12}, {12, 1}, {74, 2}, {1, 10}})
        for (int atom = 0; atom < atoms; ++atom)
            clickElement(f, z);
    check(panel, faults);
    check(f.child<QWidget>(QStringLiteral("ChemEdit1")), faults);
    clickPanelButton(f, "EncartaButton2");
    for (const auto &[z, atoms] : {std::pair{6, 6}, {1, 12}, {8, 6}})
        for (int atom = 0; atom < atoms; ++atom)
            clickElement(f, z);
    check(panel, faults);
    const GlucoseDialogs dialogs(faults);
    clickPanelButton(f, "EncartaButton3");
    QCOMPARE(f.form->molarMode()->chemEdit()->text(), QStringLiteral("formule probable : C6H12O6"));
    check(f.child<QWidget>(QStringLiteral("ChemEdit1")), faults);
    clickPanelButton(f, "EncartaButton1");
}

// The chooser, then each chart window on each of its tabs.
void walkCharts(MainWindowFixture &f, QStringList &faults)
{
    TFormgr chooser(f.state.graph);
    chooser.show();
    check(&chooser, faults);
    f.state.graph.xTitle = f.state.graph.yTitle = QStringLiteral("N° At");
    f.state.graph.xColumn = f.state.graph.yColumn = QStringLiteral("_NO_AT");
    TForm5 xy(f.state.graph, f.store());
    TForm6 rowColumn(f.state.graph, f.store());
    for (QDialog *window : {static_cast<QDialog *>(&xy), static_cast<QDialog *>(&rowColumn)}) {
        window->show();
        checkEveryPage(*window, faults);
        window->hide();
    }
}

// The 3-D window with its panel, then its image copy window.
void walk3D(MainWindowFixture &f, QStringList &faults)
{
    TMain3D window(f.state.heights);
    window.show();
    check(&window, faults);
    window.frmCopy()->show();
    check(window.frmCopy(), faults);
    window.frmCopy()->hide();
}

// The sets window with every column its chooser offers, and the chooser.
void walkSets(MainWindowFixture &f, QStringList &faults)
{
    TForm3 sets(f.store());
    for (int entry = 0; entry < SetsEntries::Count; ++entry) {
        const SetsColumn column = SetsEntries::column(entry);
        sets.setPendingColumn({column.field, column.title, column.width});
        sets.appendPendingColumn();
    }
    sets.show();
    check(&sets, faults);
    TForm4 chooser;
    chooser.show();
    check(&chooser, faults);
}

void walkAboutBox(MainWindowFixture &, QStringList &faults)
{
    TAboutBox about;
    about.show();
    check(&about, faults);
}

struct Walk
{
    const char *windows;
    void (*walk)(MainWindowFixture &, QStringList &);
};
const Walk Walks[] = {
    {"main window, legends, hover panel", walkMainWindow},
    {"molar-mass panel, Données, Masse molaire", walkMolarMode},
    {"property sheet", walkPropertySheet},
    {"chart chooser, Graph XY, Graph L/C", walkCharts},
    {"3-D window, image copy", walk3D},
    {"sets window and chooser", walkSets},
    {"About box", walkAboutBox},
};

} // namespace

class TestTextsFit : public QObject
{
    Q_OBJECT

private slots:
    void everyTextFitsItsBox();
};

void TestTextsFit::everyTextFitsItsBox()
{
    MainWindowFixture f;
    QStringList faults;
    for (const Walk &walk : Walks) {
        const qsizetype before = faults.size();
        walk.walk(f, faults);
        if (QTest::currentTestFailed())
            return;
        for (qsizetype i = before; i < faults.size(); ++i)
            qWarning().noquote() << walk.windows << "|" << faults[i];
    }
    QVERIFY2(faults.isEmpty(), "texts do not fit their boxes (listed above)");
}

QTEST_MAIN(TestTextsFit)
#include "tst_textsfit.moc"
