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
    // The record keeps at most the field's size; the box takes no more.
    const int size = m_link->fieldSize();
    const int length = size > 0 ? size : 32767;
    // Both lay the box's text out anew, also when nothing changes: a sheet's boxes are told
    // of the table several times while it is made and opened.
    if (maxLength() != length)
        setMaxLength(length);
    if (isReadOnly() && text() == shown && cursorPosition() == shown.size() && !hasSelectedText())
        return;
    setText(shown);
}
