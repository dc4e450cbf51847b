#include "table/TableSearch.h"

#include "controls/Fonts.h"
#include "controls/HoverButton.h"
#include "table/ElementLayout.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

TableSearch::TableSearch(QWidget *client,
                         std::function<std::vector<ElementSearch::Entry>()> entries,
                         std::function<HoverButton *(int z)> button, QObject *parent,
                         std::function<void(QWidget *field)> placed)
    : QObject(parent), m_client(client), m_entries(std::move(entries)), m_button(std::move(button)),
      m_placed(std::move(placed))
{}

void TableSearch::makeField()
{
    QWidget *client = m_client;
    m_field = new QLineEdit(client);
    m_field->setObjectName(QStringLiteral("SearchEdit"));
    m_field->setGeometry(Left, Top, Width, 21);
    m_field->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    m_field->setPlaceholderText(QStringLiteral("Nom, symbole ou numéro"));
    m_field->setAccessibleName(QStringLiteral("Rechercher un élément"));
    m_field->setAccessibleDescription(
        QStringLiteral("Entrée choisit, Haut et Bas parcourent, Échap ferme"));
    m_field->hide();
    m_field->installEventFilter(this);
    connect(m_field, &QLineEdit::textEdited, this, &TableSearch::search);

    m_count = new QLabel(client);
    m_count->setObjectName(QStringLiteral("SearchCount"));
    m_count->setGeometry(Left, Top + 24, Width, 16);
    m_count->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11, true));
    QPalette white = m_count->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    m_count->setPalette(white);
    m_count->hide();
    if (m_placed)
        m_placed(m_field);
}

bool TableSearch::isOpen() const
{
    return m_field && m_field->isVisible();
}

void TableSearch::open(const QString &text)
{
    if (!m_field)
        makeField();
    if (!isOpen()) {
        m_focusBefore = QApplication::focusWidget();
        m_search.emplace(m_entries());
        m_field->show();
        m_field->raise();
        m_count->show();
    }
    // Not a Tab or shortcut focus reason: the line edit would select the letter already
    // typed, and the next key would replace it.
    m_field->setFocus(Qt::OtherFocusReason);
    m_field->setText(text);
    search(text);
}

void TableSearch::close()
{
    closeTowards(m_focusBefore);
}

// The focus goes first, so that hiding the field does not hand it down the Tab chain.
void TableSearch::closeTowards(QWidget *focusTarget)
{
    if (!isOpen() || m_closing)
        return;
    m_closing = true;
    m_matches.clear();
    mark();
    if (focusTarget && focusTarget->isVisible())
        focusTarget->setFocus(Qt::OtherFocusReason);
    else if (m_field->hasFocus())
        m_field->clearFocus();
    m_field->hide();
    m_count->hide();
    m_field->clear();
    m_closing = false;
}

std::optional<int> TableSearch::currentMatch() const
{
    if (m_current < m_matches.size())
        return m_matches[m_current];
    return std::nullopt;
}

void TableSearch::search(const QString &text)
{
    m_matches = m_search ? m_search->find(text) : std::vector<int>{};
    m_current = 0;
    mark();
    const auto count = m_matches.size();
    if (m_count)
        m_count->setText(text.trimmed().isEmpty() ? QString()
                         : count == 0             ? QStringLiteral("Aucun élément")
                         : count == 1             ? QStringLiteral("1 élément")
                                                  : QStringLiteral("%1 éléments").arg(count));
}

void TableSearch::step(int direction)
{
    if (m_matches.empty())
        return;
    const auto count = m_matches.size();
    m_current = (m_current + count + (direction < 0 ? count - 1 : 1)) % count;
    mark();
}

// Nothing typed marks nothing; otherwise what is not found is dimmed and the current match
// framed.
void TableSearch::mark()
{
    const bool searching = !m_closing && isOpen() && !m_field->text().trimmed().isEmpty();
    std::vector<bool> found(ElementLayout::ElementCount + 1, false);
    for (int z : m_matches)
        found[z] = true;
    const std::optional<int> current = currentMatch();
    for (int z = 1; z <= ElementLayout::ElementCount; ++z) {
        HoverButton::Mark mark = HoverButton::Mark::None;
        if (searching && !found[z])
            mark = HoverButton::Mark::Dimmed;
        else if (searching && z == current)
            mark = HoverButton::Mark::Framed;
        m_button(z)->setMark(mark);
    }
}

void TableSearch::choose()
{
    const std::optional<int> chosenElement = currentMatch();
    if (!chosenElement)
        return;
    closeTowards(m_button(*chosenElement));
    emit chosen(*chosenElement);
}

bool TableSearch::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_field)
        return false;
    if (event->type() == QEvent::FocusOut) {
        // Leaving the field otherwise than for a menu or another window ends the search.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            closeTowards(nullptr);
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    switch (static_cast<QKeyEvent *>(event)->key()) {
    case Qt::Key_Escape:
        close();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        choose();
        return true;
    case Qt::Key_Down:
        step(1);
        return true;
    case Qt::Key_Up:
        step(-1);
        return true;
    default:
        return false;
    }
}
