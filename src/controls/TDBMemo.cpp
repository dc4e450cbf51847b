#include "controls/TDBMemo.h"

#include "data/TTextTable.h"

TDBMemo::TDBMemo(QWidget *parent) : QPlainTextEdit(parent)
{
    connect(this, &QPlainTextEdit::textChanged, this, &TDBMemo::userEdited);
}

void TDBMemo::setDataSource(TTextTable *table)
{
    if (m_table)
        disconnect(m_table, nullptr, this, nullptr);
    m_table = table;
    if (table) {
        connect(table, &TTextTable::recordChanged, this, &TDBMemo::refresh);
        connect(table, &TTextTable::activeChanged, this, &TDBMemo::refresh);
        connect(table, &TTextTable::contentsChanged, this, &TDBMemo::refresh);
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

void TDBMemo::setDataField(const QString &field)
{
    m_field = field;
    refresh();
}

void TDBMemo::refresh()
{
    if (m_writing)
        return;
    const bool bound = m_table && m_table->Active() && m_table->FieldIndex(m_field) >= 0;
    const QString text = bound ? m_table->FieldText(m_field) : QString();
    if (text == toPlainText())
        return;
    m_refreshing = true;
    setPlainText(text);
    m_refreshing = false;
}

void TDBMemo::userEdited()
{
    if (m_refreshing || isReadOnly() || !m_table || !m_table->Active() ||
        m_table->FieldIndex(m_field) < 0)
        return;
    QString text = toPlainText();
    text.replace(u'\n', u' ');
    text.replace(u'\r', u' ');
    m_writing = true;
    m_table->setFieldText(m_field, text);
    m_writing = false;
}

TTextTable *TDBMemo::DataSource() const
{
    return m_table;
}
