#include "data/FieldSplitter.h"

#include <algorithm>

FieldSplitter::FieldSplitter(QStringView line, QChar divider, QChar quoteChar)
    : m_line(line), m_divider(divider), m_quote(quoteChar)
{}

qsizetype FieldSplitter::writeNext(QChar *out)
{
    if (m_cursor < 0)
        return 0;
    if (!m_quote.isNull() && m_cursor < m_line.size() && m_line[m_cursor] == m_quote)
        return writeQuoted(out);
    // Fields are a few characters long: a plain scan finds the divider sooner than the
    // general string search, whose set-up costs more than the scan.
    const QChar *begin = m_line.data();
    const QChar *found = std::find(begin + m_cursor, begin + m_line.size(), m_divider);
    const qsizetype end = found == begin + m_line.size() ? -1 : found - begin;
    const qsizetype stop = end < 0 ? m_line.size() : end;
    const qsizetype length = stop - m_cursor;
    std::copy_n(m_line.data() + m_cursor, length, out);
    m_cursor = end < 0 ? -1 : end + 1;
    return length;
}

void FieldSplitter::appendNext(QString &out)
{
    const qsizetype at = out.size();
    out.resize(at + (m_cursor < 0 ? 0 : m_line.size() - m_cursor));
    out.truncate(at + writeNext(out.data() + at));
}

QString FieldSplitter::next()
{
    QString field;
    appendNext(field);
    return field;
}

qsizetype FieldSplitter::writeQuoted(QChar *out)
{
    // The field is read in pieces: a quote pair keeps only its second character, so the text
    // before the pair is copied out and the next piece starts at that second character.
    qsizetype written = 0;
    const auto copy = [&](qsizetype from, qsizetype length) {
        std::copy_n(m_line.data() + from, length, out + written);
        written += length;
    };
    qsizetype piece = m_cursor + 1;
    qsizetype from = piece;
    const qsizetype size = m_line.size();
    for (;;) {
        const qsizetype p = m_line.indexOf(m_quote, from);
        if (p < 0) {
            copy(piece, size - piece);
            m_cursor = -1;
            return written;
        }
        // The pair is recognised by a double-quote character whatever the quote character is.
        const bool pair = p + 1 < size && m_line[p + 1] == u'"';
        const qsizetype q = pair ? p + 2 : p + 1;
        if (q >= size || m_line[q] == m_divider) {
            copy(piece, p - piece);
            m_cursor = q >= size ? -1 : q + 1;
            return written;
        }
        if (pair) {
            copy(piece, p - piece);
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
