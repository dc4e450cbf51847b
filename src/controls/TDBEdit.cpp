#include "controls/TDBEdit.h"

#include "controls/EditCommands.h"
#include "controls/ErrorBox.h"
#include "controls/FieldLink.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

TDBEdit::TDBEdit(QWidget *parent)
    : QLineEdit(parent),
      m_link(new FieldLink(this, [this](const QString &text) { showField(text); }))
{
    connect(this, &QLineEdit::textEdited, m_link, &FieldLink::write);
    connect(m_link, &FieldLink::editedChanged, this,
            [this](bool edited) { m_mark.show(*this, edited); });
}

void TDBEdit::setDataSource(ShownElement *shown)
{
    m_link->setElement(shown);
}

ShownElement *TDBEdit::DataSource() const
{
    return m_link->element();
}

void TDBEdit::setDataField(const QString &field)
{
    m_link->setField(field);
}

QString TDBEdit::DataField() const
{
    return m_link->field();
}

bool TDBEdit::holdsEdit() const
{
    return m_link->edited();
}

void TDBEdit::announce(const QString &what)
{
    m_mark.announce(*this, what);
}

void TDBEdit::restoreOriginal()
{
    guarded(this, [this] { announce(EditCommands::restored(m_link->restore())); });
}

void TDBEdit::showField(const QString &shown)
{
    // The box takes any length: the table cuts a text to its field and refuses a number that
    // the cut would change, which the box would have cut without a word.
    // Setting the text lays the box out anew, also when nothing changes: a sheet's boxes are
    // told of the table several times while it is made and opened.
    if (isReadOnly() && text() == shown && cursorPosition() == shown.size() && !hasSelectedText())
        return;
    setText(shown);
}

void TDBEdit::keyPressEvent(QKeyEvent *event)
{
    // Escape and Ctrl+Z take back the whole text typed, as the record still holds it.
    if (m_link->edited() && EditCommands::takesEditBack(*event)) {
        m_link->revert();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TDBEdit::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    if (!isReadOnly())
        EditCommands::add(*menu, *m_link, [this] { restoreOriginal(); });
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}
