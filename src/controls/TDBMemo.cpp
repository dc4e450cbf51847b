#include "controls/TDBMemo.h"

#include "controls/FieldLink.h"

TDBMemo::TDBMemo(QWidget *parent)
    : QPlainTextEdit(parent),
      m_link(new FieldLink(this, [this](const QString &text) { showField(text); }))
{
    connect(this, &QPlainTextEdit::textChanged, this, &TDBMemo::userEdited);
}

void TDBMemo::setDataSource(TTextTable *table)
{
    m_link->setTable(table);
}

TTextTable *TDBMemo::DataSource() const
{
    return m_link->table();
}

void TDBMemo::setDataField(const QString &field)
{
    m_link->setField(field);
}

QString TDBMemo::DataField() const
{
    return m_link->field();
}

void TDBMemo::showField(const QString &text)
{
    if (text == toPlainText())
        return;
    m_showing = true;
    setPlainText(text);
    m_showing = false;
}

void TDBMemo::userEdited()
{
    if (m_showing || isReadOnly())
        return;
    QString text = toPlainText();
    text.replace(u'\n', u' ');
    text.replace(u'\r', u' ');
    m_link->write(text);
}
