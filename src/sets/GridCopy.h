#pragma once

#include <QModelIndexList>
#include <QString>

// The cells as tab-separated text, the way spreadsheets paste it: one line per row holding
// any of the cells, in model order, each ended by a line break, and on each line every column
// from the leftmost to the rightmost of the cells; a place not among the cells stays empty. A text
// holding a tab, a line break or a double quote is put in double quotes, its quotes doubled. The
// texts are copied as they stand, decimal commas included.
QString cellsAsText(const QModelIndexList &cells);

// A cell's text as a delimited line holds it: put in double quotes, its quotes doubled, when
// it holds the divider, a line break or a double quote; as it stands otherwise.
QString quotedCell(const QString &text, QChar divider);
