#include "controls/TDBEdit.h"

#include "controls/FieldLink.h"

TDBEdit::TDBEdit(QWidget *parent)
    : QLineEdit(parent),
      m_link(new FieldLink(this, [this](const QString &text) { showField(text); }))
{
    connect(this, &QLineEdit::textEdited, m_link, &FieldLink::write);
}

void TDBEdit::setDataSource(TTextTable *table)
{
    m_link->setTable(table);
}

TTextTable *TDBEdit::DataSource() const
{
    return m_link->table();
}

void TDBEdit::setDataField(const QString &field)
{
    m_link->setField(field);
}

QString TDBEdit::DataField() const
{
    return m_link->field();
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
