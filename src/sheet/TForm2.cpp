#include "sheet/TForm2.h"

#include "controls/AccessibleNames.h"
#include "controls/ErrorBox.h"
#include "controls/Fonts.h"
#include "controls/TAOLButton.h"
#include "controls/TDBEdit.h"
#include "controls/WindowCentre.h"
#include "data/ElementColumns.h"
#include "data/ElementStore.h"
#include "data/Errors.h"
#include "data/ProgramState.h"
#include "data/SectionFile.h"
#include "data/ShownElement.h"
#include "sheet/SheetStyle.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QScopeGuard>
#include <QShortcut>
#include <QTabWidget>
#include <QTimer>

using namespace SheetStyle;

TForm2::TForm2(const ProgramState &state, ElementStore &store, QWidget *parent,
               SectionReader readSection)
    : QDialog(parent), m_state(state), m_store(store), m_folder(store.folder()),
      m_readSection(std::move(readSection))
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

    m_shown = std::make_unique<ShownElement>(m_store);

    buildHeader();
    m_pages = new SheetPages(this, QRect(0, 73, width(), height() - 73), m_shown.get());
    addKeys(m_pages->tabs());
    // The sheet is made on the first element; the section pages wait for the showing.
    m_placing = true;
    m_shown->show(1);
    m_placing = false;
}

TForm2::~TForm2()
{
    // The view closes while the sheet is whole: closing it reloads the section pages. A
    // sheet never activated still has the view it opened when it was made.
    if (m_activated) {
        if (const std::optional<QString> refusal = m_shown->tryPost())
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
        QFont font = pixelFont(Times, entry.pixels, true);
        font.setUnderline(entry.underline);
        styleLine(box, fontForHeight(font, entry.geometry.height()), face);
        box->setAccessibleName(AccessibleNames::ofColumn(entry.column));
        colour(box, QPalette::Text, Qt::black);
        box->setGeometry(entry.geometry);
        box->setDataSource(m_shown.get());
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
    connect(m_shown.get(), &ShownElement::shownChanged, this, &TForm2::elementShown);

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
        button->setColor(Maroon);
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
        if (m_shown->element() != 0 && postOrReport())
            m_shown->moveBy(distance);
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

void TForm2::FormActivate()
{
    m_activated = true;
    {
        // Only the selected element's lines are read, not those of the records passed.
        m_placing = true;
        const auto placed = qScopeGuard([this] { m_placing = false; });
        m_shown->show(qBound(1, m_state.selectedElement, m_store.records().count()));
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
    if (const std::optional<QString> refusal = m_shown->tryPost()) {
        if (isVisible())
            return;
        dropRefused(*refusal);
    }
    closeView();
}

void TForm2::closeView()
{
    m_activated = false;
    // What was posted is written as the view closes; the boxes then show nothing.
    m_store.save();
    m_shown->show(0);
}

void TForm2::dropRefused(const QString &refusal)
{
    m_shown->cancel();
    showErrorBox(refusal + QStringLiteral(" Le texte n'a pas été enregistré."));
}

bool TForm2::postOrReport()
{
    const std::optional<QString> refusal = m_shown->tryPost();
    if (refusal)
        showErrorBox(*refusal + QStringLiteral(" Corrigez le texte, ou appuyez sur Échap pour "
                                               "rendre l'ancien : il n'a pas été enregistré."),
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

void TForm2::keyPressEvent(QKeyEvent *event)
{
    // Escape closes the sheet with its edit posted; an edit the file cannot hold gives back
    // the old text instead, so that the sheet never holds the user on it.
    if (event->matches(QKeySequence::Cancel) && m_activated) {
        std::optional<QString> refusal;
        guarded(this, [&] { refusal = m_shown->tryPost(); });
        if (refusal) {
            m_shown->cancel();
            event->accept();
            return;
        }
    }
    QDialog::keyPressEvent(event);
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

// Fills `boxes` from the element's section of `file`: the count line in the first box,
// replaced by the first content line when there is one; lines past the last box are read
// and not shown. A file that cannot be opened leaves the boxes as they were; one that
// fails while it is read leaves them empty, never showing another element's lines. Any
// failure is raised as the program's own error, naming the file (by its name, as the user
// knows it) when the reader did not.
void TForm2::reloadSection(const QString &file, const QString &number, SheetPages::Lines lines)
{
    SectionFile::Section section;
    try {
        section = m_readSection(file, number);
    } catch (const EInOutError &) {
        throw;
    } catch (const MirelonError &) {
        m_pages->showSection(lines, {});
        throw;
    } catch (...) {
        m_pages->showSection(lines, {});
        throw EInOutError(QStringLiteral("Le fichier %1 n'a pas pu être lu. %2")
                              .arg(QFileInfo(file).fileName(), currentErrorMessage()),
                          file);
    }
    m_pages->showSection(lines, section);
}

void TForm2::elementShown()
{
    if (m_placing)
        return;
    // The atomic number the sheet shows: an element whose number is the same (or a view
    // closed again) has its lines already.
    const QString number = m_shown->text(ElementColumns::field(Column::NoAt));
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
        reloadSection(m_folder.structFile(), atomicNumber, SheetPages::Lines::Structure);
        reloadSection(m_folder.isoFile(), atomicNumber, SheetPages::Lines::Isotopes);
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
