#include "controls/TDBMemo.h"

#include "controls/FieldLink.h"

#include <QTextCursor>
#include <QTextDocument>

TDBMemo::TDBMemo(QWidget *parent)
    : QPlainTextEdit(parent),
      m_link(new FieldLink(this, [this](const QString &text) { showField(text); }))
{
    connect(document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int added) { m_insertEnd = position + added; });
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
    dropExcess();
    QString text = toPlainText();
    text.replace(u'\n', u' ');
    text.replace(u'\r', u' ');
    m_link->write(text);
}

void TDBMemo::dropExcess()
{
    // The characters just typed or pasted beyond the field's size are taken out again, so
    // that the memo shows what the record stores.
    const int size = m_link->fieldSize();
    const int excess = static_cast<int>(toPlainText().size()) - size;
    if (size <= 0 || excess <= 0)
        return;
    const int end = qBound(0, m_insertEnd, document()->characterCount() - 1);
    QTextCursor cut(document());
    cut.setPosition(qMax(0, end - excess));
    cut.setPosition(end, QTextCursor::KeepAnchor);
    m_showing = true;
    cut.removeSelectedText();
    m_showing = false;
}
