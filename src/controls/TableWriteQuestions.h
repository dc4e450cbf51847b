#pragma once

#include <QString>

class ElementStore;
class QWidget;
class TTextTable;

// What a window's table asks its user when it writes the element table: while another copy
// of the program holds the file's lock, the window keeps painting and, after a moment, says
// what it waits for; a cell that both copies changed is put to the user as a Oui/Non question.
class TableWriteQuestions
{
public:
    // Sets the table's write observer and conflict resolver; the messages stand over `window`,
    // which must outlive the table's last write (the window owns the table).
    static void attach(TTextTable &table, QWidget *window);
    // The same for the program's element store; the messages stand over a modal window the
    // write is made from (a sheet), else over `window`.
    static void attach(ElementStore &store, QWidget *window);

    // The question for a cell changed by both copies: the place of the cell, the other copy's
    // text and this one's.
    static QString conflictQuestion(const QString &place, const QString &theirs,
                                    const QString &ours);
};
