#include "table/MainWindowKeys.h"

#include "controls/HoverButton.h"
#include "controls/TEncartaButton.h"
#include "data/ElementRecords.h"
#include "data/ProgramState.h"
#include "table/TableKeys.h"
#include "table/TableSearch.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QToolButton>
#include <QWidget>

namespace {

// A letter or digit typed without a command key, on the table, its navy (a click there gives
// it the focus) or a button: where the focus is in a text, a grid or a list, the key was
// theirs even when they passed it on.
bool startsSearch(const QKeyEvent &event, const MainWindowKeys::Window &window)
{
    const Qt::KeyboardModifiers commands = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    const QString text = event.text();
    if ((event.modifiers() & commands) || text.size() != 1 || !text.front().isLetterOrNumber())
        return false;
    QWidget *focus = QApplication::focusWidget();
    return !focus || focus == window.window || focus == window.client ||
           qobject_cast<HoverButton *>(focus) || qobject_cast<QAbstractButton *>(focus);
}

} // namespace

MainWindowKeys::MainWindowKeys(const ElementRecords &records, const ProgramState &state,
                               const Window &window, QObject *parent)
    : QObject(parent), m_state(state), m_window(window)
{
    const auto button = [buttons = window.buttons](int z) -> HoverButton * {
        return z >= 1 && z <= int(buttons.size()) ? buttons[std::size_t(z - 1)] : nullptr;
    };
    m_table = new TableKeys(button, this);
    m_search = new TableSearch(
        window.client, [&records] { return entriesOf(records); }, button, this,
        window.placeSearchField);
    connect(m_table, &TableKeys::focused, this, &MainWindowKeys::elementHovered);
    connect(m_table, &TableKeys::activated, this, [this](int z) {
        // The mouse may have moved the panel elsewhere since the focus came.
        emit elementHovered(z);
        emit elementActivated(z);
    });
    connect(m_search, &TableSearch::chosen, this, [this](int z) {
        if (m_state.molarMode)
            emit elementActivated(z);
    });

    // Tool bar first, then the table as one stop; what is made later (the molar-mass panel)
    // follows.
    QList<QWidget *> chain = window.toolbarStops;
    for (TEncartaButton *element : window.buttons)
        chain.append(element);
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);

    auto *find = new QAction(QStringLiteral("Rechercher un élément"), window.window);
    find->setObjectName(QStringLiteral("Search1"));
    find->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    find->setShortcutContext(Qt::WindowShortcut);
    window.window->addAction(find);
    connect(find, &QAction::triggered, this, [this] { m_search->open(); });
    window.window->installEventFilter(this);
    // The tool bar's image buttons take Return as well as Space, as the other buttons do.
    for (QWidget *stop : window.toolbarStops) {
        if (qobject_cast<QToolButton *>(stop))
            stop->installEventFilter(this);
    }
}

std::vector<ElementSearch::Entry> MainWindowKeys::entriesOf(const ElementRecords &records)
{
    std::vector<ElementSearch::Entry> entries;
    for (int z = 1; z <= records.count(); ++z)
        entries.push_back({z, records.text(z, Column::Nom), records.text(z, Column::NomUk),
                           records.text(z, Column::Symbole)});
    return entries;
}

bool MainWindowKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (auto *image = qobject_cast<QToolButton *>(watched)) {
        const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (!plain || (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter))
            return false;
        image->click();
        return true;
    }
    if (watched != m_window.window)
        return false;
    if (!startsSearch(*key, m_window))
        return false;
    m_search->open(key->text());
    return true;
}
