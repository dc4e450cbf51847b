#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// Splits the record lines of a delimited-text file into fields. A field may stand between
// quote characters so that it can hold the divider; inside it a quote followed by a
// double-quote character stands for one quote, and a quote followed by the divider or the end
// of the line closes the field (so `"a"";b"` gives `a` and `b"`). A quoted field whose closing
// quote is missing runs to the end of the line.
class FieldSplitter
{
public:
    // quoteChar 0 turns quoting off. The splitter only looks at `line`, which must outlive it.
    FieldSplitter(QStringView line, QChar divider, QChar quoteChar);

    // True while the line has a field left; an empty line has one, the empty field.
    bool hasField() const { return m_cursor >= 0; }

    // Writes the next field at `out`, which has room for what is left of the line, and answers
    // the number of characters written: none once the line has no field left. Loading a file
    // builds each row this way, with no string made for the single field and no append.
    qsizetype writeNext(QChar *out);
    // Appends the next field to `out`, and nothing once the line has none left.
    void appendNext(QString &out);
    // The next field; the empty text once the line has none left.
    QString next();

    // All fields of the line, or the first `count` of them padded with empty texts when
    // count >= 0.
    static QStringList split(QStringView line, QChar divider, QChar quoteChar,
                             qsizetype count = -1);

private:
    qsizetype writeQuoted(QChar *out);

    QStringView m_line;
    qsizetype m_cursor = 0;
    QChar m_divider;
    QChar m_quote;
};
