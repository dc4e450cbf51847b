#include "controls/TDBEdit.h"

#include "data/TTextTable.h"

TDBEdit::TDBEdit(QWidget *parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textEdited, this, &TDBEdit::userEdited);
}

void TDBEdit::setDataSource(TTextTable *table)
{
    if (m_table)
        disconnect(m_table, nullptr, this, nullptr);
    m_table = table;
    if (table) {
        connect(table, &TTextTable::recordChanged, this, &TDBEdit::refresh);
        connect(table, &TTextTable::activeChanged, this, &TDBEdit::refresh);
        connect(table, &TTextTable::contentsChanged, this, &TDBEdit::refresh);
        connect(table, &TTextTable::stateChanged, this, [this](TTextTable::State s) {
            if (s == TTextTable::State::Browse)
                refresh();
        });
        connect(table, &TTextTable::fieldChanged, this, [this](const QString &name) {
            if (name.compare(m_field, Qt::CaseInsensitive) == 0)
                refresh();
        });
    }
    refresh();
}

void TDBEdit::setDataField(const QString &field)
{
    m_field = field;
    refresh();
}

void TDBEdit::refresh()
{
    if (m_writing)
        return;
    const int column = m_table && m_table->Active() ? m_table->FieldIndex(m_field) : -1;
    if (column < 0) {
        setMaxLength(32767);
        clear();
        return;
    }
    // The record keeps at most the field's size; the box takes no more.
    setMaxLength(qMax(1, m_table->FieldSize(column)));
    setText(m_table->FieldText(m_field));
}

void TDBEdit::userEdited(const QString &text)
{
    if (!m_table || !m_table->Active() || m_table->FieldIndex(m_field) < 0)
        return;
    m_writing = true;
    m_table->setFieldText(m_field, text);
    m_writing = false;
}

TTextTable *TDBEdit::DataSource() const
{
    return m_table;
}
