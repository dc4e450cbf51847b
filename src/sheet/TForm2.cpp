#include "sheet/TForm2.h"

#include "controls/AccessibleNames.h"
#include "controls/ErrorBox.h"
#include "controls/Fonts.h"
#include "controls/TAOLButton.h"
#include "controls/TDBEdit.h"
#include "controls/TDBMemo.h"
#include "controls/WindowCentre.h"
#include "data/ElementColumns.h"
#include "data/ElementTable.h"
#include "data/Errors.h"
#include "data/ProgramState.h"
#include "data/SectionFile.h"
#include "data/TTextTable.h"
#include "sheet/SheetLayout.h"

#include <QApplication>
#include <QFileInfo>
#include <QFrame>
#include <QHash>
#include <QLabel>
#include <QScopeGuard>
#include <QScrollArea>
#include <QShortcut>
#include <QTabWidget>
#include <QTimer>

namespace {

using SheetLayout::Page;

const QColor Maroon(0x80, 0x00, 0x00);
const QColor Silver(0xC0, 0xC0, 0xC0);
const QString Times = QStringLiteral("Times New Roman");
constexpr int PageWidth = 512;
constexpr int BoxHeight = 21;
constexpr int MemoHeight = 41;
constexpr int LabelLeft = 8;       // the page's first column of labels
constexpr int LabelGap = 4;        // at least, between a label and its box
constexpr int SecondColumnGap = 6; // between a label of the second column and its box

void colour(QWidget *widget, QPalette::ColorRole role, const QColor &c)
{
    QPalette palette = widget->palette();
    palette.setColor(role, c);
    widget->setPalette(palette);
}

// Data boxes are borderless, in bold maroon on the page's colour.
void styleBox(QWidget *box, const QFont &font, const QColor &background)
{
    box->setFont(font);
    colour(box, QPalette::Text, Maroon);
    colour(box, QPalette::Base, background);
}

void styleLine(QLineEdit *box, const QFont &font, const QColor &background)
{
    styleBox(box, font, background);
    box->setFrame(false);
    box->setReadOnly(true);
}

// A label's font and size, once its text is fitted to the room before its box.
struct LabelLook
{
    QFont font;
    QSize size;
};

// The labels are fixed texts in fixed fonts, and a sheet is made anew for each element
// click: the texts are measured by the first sheet only. A room below zero fits nothing.
QLabel *label(QWidget *parent, const QString &text, const QFont &font, QPoint at, int room = -1)
{
    static QHash<QString, LabelLook> looks;
    const QString key =
        text + QLatin1Char('\n') + font.key() + QLatin1Char('\n') + QString::number(room);
    auto *caption = new QLabel(text, parent);
    const auto known = looks.constFind(key);
    if (known != looks.cend()) {
        caption->setFont(known->font);
        caption->resize(known->size);
    } else {
        caption->setFont(room < 0 ? font : fittingFont(font, text, room));
        sizeToText(caption);
        looks.insert(key, {caption->font(), caption->size()});
    }
    caption->move(at);
    return caption;
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
                 const QColor &background, TTextTable *table)
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
        editable->setDataSource(table);
        editable->setDataField(field);
        box = editable;
    } else {
        auto *shown = new TDBEdit(content);
        styleLine(shown, font, background);
        shown->setDataSource(table);
        shown->setDataField(field);
        box = shown;
    }
    box->setObjectName(QStringLiteral("DB") + field);
    return box;
}

QWidget *boxPage(Page page, const QColor &background, TTextTable *table, int pageWidth)
{
    auto *content = new QWidget;
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
        QWidget *box = dataBox(content, row, boxFont, background, table);
        box->setGeometry(place);
        box->setAccessibleName(AccessibleNames::fromCaption(text));
        bottom = std::max(bottom, place.bottom());
    }
    content->resize(pageWidth, bottom + 12);
    return content;
}

QWidget *scrolled(QWidget *content)
{
    auto *box = new QScrollArea;
    box->setFrameStyle(QFrame::NoFrame);
    box->setWidget(content);
    box->setWidgetResizable(false);
    return box;
}

} // namespace

TForm2::TForm2(const ProgramState &state, const DataFolder &folder, QWidget *parent,
               SectionReader readSection)
    : QDialog(parent), m_state(state), m_folder(folder), m_readSection(std::move(readSection))
{
    if (!m_readSection)
        m_readSection = [](const QString &file, const QString &number) {
            return SectionFile::readFile(file, number);
        };
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Proprietes"));
    setModal(true);
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    resize(518, 495);

    m_table = std::make_unique<TTextTable>();
    m_table->setObjectName(QStringLiteral("TextTable1"));
    ElementTable::configure(*m_table, m_folder);
    connect(m_table.get(), &TTextTable::writeFailed, this,
            [](const QString &message) { showErrorBox(message); });

    buildHeader();
    auto *pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("PageControl1"));
    pages->setGeometry(0, 73, width(), height() - 73);
    buildPages(pages);
    addKeys(pages);
    // The table is stored open on its first record; the section pages wait for the showing.
    m_placing = true;
    m_table->Open();
    m_placing = false;
}

TForm2::~TForm2()
{
    // The view closes while the sheet is whole: closing it reloads the section pages. A
    // sheet never activated still has the view it opened when it was made.
    if (m_activated) {
        if (const std::optional<QString> refusal = m_table->TryPost())
            dropRefused(*refusal);
    }
    closeView();
}

void TForm2::buildHeader()
{
    auto *header = new QWidget(this);
    header->setObjectName(QStringLiteral("Panel1"));
    header->setGeometry(0, 0, width(), 73);
    struct HeaderBox
    {
        Column column;
        QRect geometry;
        int pixels;
        bool underline;
    };
    const HeaderBox boxes[] = {{Column::Nom, {16, 26, 129, 21}, 20, true},
                               {Column::NoAt, {184, 6, 49, 21}, 17, false},
                               {Column::Symbole, {208, 20, 73, 45}, 37, false},
                               {Column::Ligne, {300, 8, 30, 21}, 11, false},
                               {Column::Colonne, {300, 40, 30, 21}, 11, false}};
    const QColor face = QApplication::palette().color(QPalette::Button);
    QWidget *numberBox = nullptr;
    for (const HeaderBox &entry : boxes) {
        auto *box = new TDBEdit(header);
        const QString field = ElementColumns::field(entry.column);
        box->setObjectName(QStringLiteral("DB") + field);
        box->setAccessibleName(AccessibleNames::ofColumn(entry.column));
        QFont font = pixelFont(Times, entry.pixels, true);
        font.setUnderline(entry.underline);
        styleLine(box, fontForHeight(font, entry.geometry.height()), face);
        colour(box, QPalette::Text, Qt::black);
        box->setGeometry(entry.geometry);
        box->setDataSource(m_table.get());
        box->setDataField(field);
        if (entry.column == Column::NoAt)
            numberBox = box;
        // The layout cell of the element is carried but never shown.
        if (entry.column == Column::Ligne || entry.column == Column::Colonne)
            box->hide();
    }
    // The symbol's box overlaps the foot of the number's: the number stands above it.
    numberBox->raise();
    // The section pages follow the element shown.
    for (const auto signal : {&TTextTable::recordChanged, &TTextTable::contentsChanged})
        connect(m_table.get(), signal, this, &TForm2::elementShown);
    connect(m_table.get(), &TTextTable::activeChanged, this, &TForm2::elementShown);

    struct Step
    {
        const char *name;
        const char *caption;
        const char *hint;
        int left;
        int distance;
    };
    for (const Step &step : {Step{"AOLButton1", "<", "element precedent", 392, -1},
                             Step{"AOLButton2", ">", "element suivant", 448, 1}}) {
        auto *button = new TAOLButton(header);
        button->setObjectName(QString::fromLatin1(step.name));
        button->setGeometry(step.left, 16, 33, 41);
        button->setCaption(QString::fromLatin1(step.caption));
        button->setColor(QColor(0x80, 0x00, 0x00));
        button->setRaiseColor(QColor(0xC6, 0x00, 0x00));
        button->setFont(pixelFont(QStringLiteral("Arial"), 16, true));
        button->setFontColor(Qt::white);
        button->setToolTip(QString::fromLatin1(step.hint));
        button->setAccessibleName(AccessibleNames::fromCaption(button->toolTip()));
        const int distance = step.distance;
        connect(button, &TAOLButton::clicked, this, [this, distance] { stepBy(distance); });
    }
}

void TForm2::stepBy(int distance)
{
    // At either end the move does nothing; a refused memo text stops it.
    guarded(this, [&] {
        if (m_table->Active() && postOrReport())
            m_table->MoveBy(distance);
    });
}

// Keys that work wherever the focus is on the sheet: PageUp and PageDown (or Alt with the
// arrows) step as "<" and ">" do; Ctrl+Tab and Ctrl+PageDown turn the pages, with Shift or
// PageUp backwards.
void TForm2::addKeys(QTabWidget *pages)
{
    const struct
    {
        QKeyCombination keys;
        int distance;
    } steps[] = {{QKeyCombination(Qt::Key_PageUp), -1},
                 {QKeyCombination(Qt::Key_PageDown), 1},
                 {Qt::ALT | Qt::Key_Left, -1},
                 {Qt::ALT | Qt::Key_Right, 1}};
    for (const auto &step : steps) {
        auto *shortcut = new QShortcut(QKeySequence(step.keys), this);
        connect(shortcut, &QShortcut::activated, this,
                [this, distance = step.distance] { stepBy(distance); });
    }
    const struct
    {
        QKeyCombination keys;
        int turn;
    } turns[] = {{Qt::CTRL | Qt::Key_Tab, 1},
                 {Qt::CTRL | Qt::Key_PageDown, 1},
                 {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, -1},
                 {Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, -1},
                 {Qt::CTRL | Qt::Key_PageUp, -1}};
    for (const auto &turn : turns) {
        auto *shortcut = new QShortcut(QKeySequence(turn.keys), this);
        connect(shortcut, &QShortcut::activated, pages, [pages, turn = turn.turn] {
            pages->setCurrentIndex((pages->currentIndex() + turn + pages->count()) %
                                   pages->count());
        });
    }
}

void TForm2::buildPages(QTabWidget *pages)
{
    const QColor face = QApplication::palette().color(QPalette::Button);
    const int inner = PageWidth;
    pages->addTab(scrolled(boxPage(Page::Macro, face, m_table.get(), inner - 18)),
                  QStringLiteral("Macro"));
    QWidget *micro = boxPage(Page::Micro, face, m_table.get(), inner - 18);
    // Rules above the atomic radius and the oxidation numbers, which open groups of rows.
    for (const SheetLayout::Row &row : SheetLayout::rows()) {
        if (row.column == Column::RAt || row.column == Column::NoTotal)
            separator(micro, row.top - 8);
    }
    pages->addTab(scrolled(micro), QStringLiteral("Micro"));
    pages->addTab(buildStructurePage(), QStringLiteral("Structure Cristalline"));
    pages->addTab(buildIsotopePage(), QStringLiteral("Isotopes"));
    pages->addTab(boxPage(Page::Abondances, face, m_table.get(), inner),
                  QStringLiteral("Abondances"));
    pages->addTab(boxPage(Page::Divers, face, m_table.get(), inner), QStringLiteral("Divers"));
    QWidget *history = boxPage(Page::Histoire, Silver, m_table.get(), inner);
    history->setAutoFillBackground(true);
    colour(history, QPalette::Window, Silver);
    pages->addTab(history, QStringLiteral("Histoire"));
    pages->setCurrentIndex(0);
    pages->setAccessibleName(QStringLiteral("Pages de la fiche"));
    for (int i = 0; i < pages->count(); ++i)
        pages->widget(i)->setAccessibleName(pages->tabText(i));
}

QWidget *TForm2::buildStructurePage()
{
    auto *page = new QWidget;
    const QFont font = pixelFont(Times, 15, true);
    const QString caption =
        label(page, QStringLiteral("Structure Cristalline :"), font, {8, 14})->text();
    auto *structure = new TDBEdit(page);
    structure->setAccessibleName(AccessibleNames::fromCaption(caption));
    const QString structureField = ElementColumns::field(Column::Structure);
    structure->setObjectName(QStringLiteral("DB") + structureField);
    styleLine(structure, font, QApplication::palette().color(QPalette::Button));
    structure->setGeometry(160, 12, PageWidth - 172, BoxHeight);
    structure->setDataSource(m_table.get());
    structure->setDataField(structureField);
    separator(page, 42);
    for (int i = 0; i < StructureLines; ++i) {
        auto *line = new QLineEdit(page);
        line->setObjectName(QStringLiteral("struct%1").arg(i + 1));
        line->setAccessibleName(
            QStringLiteral("%1, ligne %2").arg(structure->accessibleName()).arg(i + 1));
        styleLine(line, font, Silver);
        line->setGeometry(8, 52 + 26 * i, 457, BoxHeight);
        m_structureBoxes.append(line);
    }
    return page;
}

QWidget *TForm2::buildIsotopePage()
{
    auto *page = new QWidget;
    const QFont font = pixelFont(Times, 15, true);
    const QString caption =
        label(page, QStringLiteral("Nombre d'Isotopes  :"), font, {8, 14})->text();
    auto *count = new TDBEdit(page);
    count->setAccessibleName(AccessibleNames::fromCaption(caption));
    const QString countField = ElementColumns::field(Column::Isotopes);
    count->setObjectName(QStringLiteral("DB") + countField);
    styleLine(count, font, QApplication::palette().color(QPalette::Button));
    count->setGeometry(160, 12, 60, BoxHeight);
    count->setDataSource(m_table.get());
    count->setDataField(countField);
    separator(page, 42);
    QLabel *heading = label(
        page,
        QStringLiteral("Isotope                        Masse                      Abondance (%)"),
        font, {8, 50});
    heading->setObjectName(QStringLiteral("IsotopeHeading"));
    separator(page, 72);
    for (int i = 0; i < IsotopeLines; ++i) {
        auto *line = new QLineEdit(page);
        line->setObjectName(QStringLiteral("iso%1").arg(i + 1));
        line->setAccessibleName(QStringLiteral("Isotope, ligne %1").arg(i + 1));
        line->setText(line->objectName());
        styleLine(line, font, Silver);
        line->setGeometry(8, 80 + 24 * i, 400, BoxHeight);
        m_isotopeBoxes.append(line);
    }
    return page;
}

void TForm2::FormActivate()
{
    m_activated = true;
    {
        // Only the selected element's lines are read, not those of the records passed.
        m_placing = true;
        const auto placed = qScopeGuard([this] { m_placing = false; });
        if (!m_table->Active())
            m_table->Open();
        m_table->First();
        m_table->MoveBy(m_state.selectedElement - 1);
    }
    elementShown();
}

void TForm2::FormDeactivate()
{
    if (!m_activated)
        return;
    // A memo edit not yet posted by a move is kept, not dropped with the closing view. One
    // that the file cannot hold keeps the view open while the sheet is shown, so that the
    // user finds it again to correct it; a sheet that goes drops it, saying so.
    if (const std::optional<QString> refusal = m_table->TryPost()) {
        if (isVisible())
            return;
        dropRefused(*refusal);
    }
    closeView();
}

void TForm2::closeView()
{
    m_activated = false;
    m_table->Close();
}

void TForm2::dropRefused(const QString &refusal)
{
    m_table->Cancel();
    showErrorBox(refusal + QStringLiteral(" Le texte n'a pas été enregistré."));
}

bool TForm2::postOrReport()
{
    const std::optional<QString> refusal = m_table->TryPost();
    if (refusal)
        showErrorBox(*refusal + QStringLiteral(" Corrigez le texte : il n'a pas été enregistré."),
                     this);
    return !refusal;
}

void TForm2::done(int result)
{
    // Closing posts the memo edit; a refused text keeps the sheet open on it.
    bool posted = true;
    guarded(this, [&] { posted = !m_activated || postOrReport(); });
    if (!posted)
        return;
    QDialog::done(result);
}

// The view opens and closes inside Qt's delivery of the window's events; a table that
// cannot be opened again (a file changed meanwhile) is told from here.
void TForm2::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    centreOnScreen(*this);
    if (!m_activated)
        guarded(this, [this] { FormActivate(); });
}

void TForm2::hideEvent(QHideEvent *event)
{
    guarded(this, [this] { FormDeactivate(); });
    QDialog::hideEvent(event);
}

void TForm2::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isVisible())
        return;
    guarded(this, [this] {
        if (isActiveWindow() && !m_activated)
            FormActivate();
        else if (!isActiveWindow() && m_activated && !ownsActiveWindow())
            FormDeactivate();
    });
}

bool TForm2::ownsActiveWindow() const
{
    // The sheet's own message boxes take the focus without deactivating the sheet.
    for (const QWidget *w = QApplication::activeWindow(); w; w = w->parentWidget())
        if (w == this)
            return true;
    return false;
}

namespace {

void showSection(const SectionFile::Section &section, const QList<QLineEdit *> &boxes)
{
    for (QLineEdit *box : boxes)
        box->clear();
    if (!section.found)
        return;
    boxes.first()->setText(section.countText);
    const int shown = std::min<int>(boxes.size(), section.lines.size());
    for (int i = 0; i < shown; ++i)
        boxes[i]->setText(section.lines[i]);
}

} // namespace

// Fills `boxes` from the element's section of `file`: the count line in the first box,
// replaced by the first content line when there is one; lines past the last box are read
// and not shown. A file that cannot be opened leaves the boxes as they were; one that
// fails while it is read leaves them empty, never showing another element's lines. Any
// failure is raised as the program's own error, naming the file (by its name, as the user
// knows it) when the reader did not.
void TForm2::reloadSection(const QString &file, const QString &number,
                           const QList<QLineEdit *> &boxes)
{
    SectionFile::Section section;
    try {
        section = m_readSection(file, number);
    } catch (const EInOutError &) {
        throw;
    } catch (const MirelonError &) {
        showSection({}, boxes);
        throw;
    } catch (...) {
        showSection({}, boxes);
        throw EInOutError(QStringLiteral("Le fichier %1 n'a pas pu être lu. %2")
                              .arg(QFileInfo(file).fileName(), currentErrorMessage()),
                          file);
    }
    showSection(section, boxes);
}

void TForm2::elementShown()
{
    if (m_placing)
        return;
    // The atomic number the sheet shows: an element whose number is the same (or a view
    // closed again) has its lines already.
    const QString number =
        m_table->Active() ? m_table->FieldText(ElementColumns::field(Column::NoAt)) : QString();
    if (number == m_sectionsOf)
        return;
    m_sectionsOf = number;
    reloadSections(number);
}

void TForm2::reloadSections(const QString &atomicNumber)
{
    // Called from a change of the table, inside a move of it or Qt's delivery of an event:
    // nothing may leave it, or the move would stop half done.
    try {
        reloadSection(m_folder.structFile(), atomicNumber, m_structureBoxes);
        reloadSection(m_folder.isoFile(), atomicNumber, m_isotopeBoxes);
    } catch (const MirelonError &error) {
        reportOnce(error.message());
    } catch (...) {
        reportOnce(currentErrorMessage());
    }
}

void TForm2::reportOnce(const QString &message)
{
    // Shown once the move that asked for the reload has finished, and once per sheet: the
    // box itself deactivates the sheet, which reloads the pages again.
    if (m_reported.contains(message))
        return;
    m_reported.insert(message);
    QTimer::singleShot(0, this, [this, message] { showErrorBox(message, this); });
}
