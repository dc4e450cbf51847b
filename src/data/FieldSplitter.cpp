#include "data/FieldSplitter.h"

FieldSplitter::FieldSplitter(QStringView line, QChar divider, QChar quoteChar)
    : m_line(line), m_divider(divider), m_quote(quoteChar)
{}

void FieldSplitter::appendNext(QString &out)
{
    if (m_cursor < 0)
        return;
    if (!m_quote.isNull() && m_cursor < m_line.size() && m_line[m_cursor] == m_quote) {
        appendQuoted(out);
        return;
    }
    const qsizetype end = m_line.indexOf(m_divider, m_cursor);
    if (end < 0) {
        out += m_line.sliced(m_cursor);
        m_cursor = -1;
    } else {
        out += m_line.sliced(m_cursor, end - m_cursor);
        m_cursor = end + 1;
    }
}

QString FieldSplitter::next()
{
    QString field;
    appendNext(field);
    return field;
}

void FieldSplitter::appendQuoted(QString &out)
{
    // The field is read in pieces: a quote pair keeps only its second character, so the text
    // before the pair is copied out and the next piece starts at that second character.
    qsizetype piece = m_cursor + 1;
    qsizetype from = piece;
    const qsizetype size = m_line.size();
    for (;;) {
        const qsizetype p = m_line.indexOf(m_quote, from);
        if (p < 0) {
            out += m_line.sliced(piece);
            m_cursor = -1;
            return;
        }
        // The pair is recognised by a double-quote character whatever the quote character is.
        const bool pair = p + 1 < size && m_line[p + 1] == u'"';
        const qsizetype q = pair ? p + 2 : p + 1;
        if (q >= size || m_line[q] == m_divider) {
            out += m_line.sliced(piece, p - piece);
            m_cursor = q >= size ? -1 : q + 1;
            return;
        }
        if (pair) {
            out += m_line.sliced(piece, p - piece);
            piece = p + 1;
        }
        from = q;
    }
}

QStringList FieldSplitter::split(QStringView line, QChar divider, QChar quoteChar, qsizetype count)
{
    FieldSplitter splitter(line, divider, quoteChar);
    QStringList fields;
    if (count < 0) {
        while (splitter.hasField())
            fields.append(splitter.next());
        return fields;
    }
    fields.reserve(count);
    for (qsizetype i = 0; i < count; ++i)
        fields.append(splitter.next());
    return fields;
}
