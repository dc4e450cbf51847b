#include "controls/TDBMemo.h"

#include "controls/EditCommands.h"
#include "controls/ErrorBox.h"
#include "controls/FieldLink.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QTextCursor>
#include <QTextDocument>

TDBMemo::TDBMemo(QWidget *parent)
    : QPlainTextEdit(parent),
      m_link(new FieldLink(this, [this](const QString &text) { showField(text); }))
{
    connect(document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int added) { m_insertEnd = position + added; });
    connect(this, &QPlainTextEdit::textChanged, this, &TDBMemo::userEdited);
    connect(m_link, &FieldLink::editedChanged, this,
            [this](bool edited) { m_mark.show(*this, edited); });
}

void TDBMemo::setDataSource(ShownElement *shown)
{
    m_link->setElement(shown);
}

ShownElement *TDBMemo::DataSource() const
{
    return m_link->element();
}

void TDBMemo::setDataField(const QString &field)
{
    m_link->setField(field);
}

QString TDBMemo::DataField() const
{
    return m_link->field();
}

bool TDBMemo::holdsEdit() const
{
    return m_link->edited();
}

void TDBMemo::restoreOriginal()
{
    guarded(this, [this] { m_mark.announce(*this, EditCommands::restored(m_link->restore())); });
}

void TDBMemo::keyPressEvent(QKeyEvent *event)
{
    // Escape and Ctrl+Z take back the whole text typed, as the record still holds it; with
    // nothing typed, Escape goes on to the window.
    if (m_link->edited() && EditCommands::takesEditBack(*event)) {
        m_link->revert();
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void TDBMemo::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu(event->pos());
    if (!isReadOnly())
        EditCommands::add(*menu, *m_link, [this] { restoreOriginal(); });
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
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
