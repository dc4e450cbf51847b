#include "data/FieldSplitter.h"

#include <utility>

FieldSplitter::FieldSplitter(QString line, QChar divider, QChar quoteChar)
    : m_line(std::move(line)), m_divider(divider), m_quote(quoteChar)
{}

QString FieldSplitter::next()
{
    if (m_cursor < 0)
        return {};
    if (!m_quote.isNull() && m_cursor < m_line.size() && m_line[m_cursor] == m_quote)
        return takeQuoted();
    const qsizetype end = m_line.indexOf(m_divider, m_cursor);
    QString field;
    if (end < 0) {
        field = m_line.mid(m_cursor);
        m_cursor = -1;
    } else {
        field = m_line.mid(m_cursor, end - m_cursor);
        m_cursor = end + 1;
    }
    return field;
}

QString FieldSplitter::takeQuoted()
{
    const qsizetype start = m_cursor + 1;
    qsizetype from = start;
    for (;;) {
        const qsizetype p = m_line.indexOf(m_quote, from);
        if (p < 0) {
            m_cursor = -1;
            return m_line.mid(start);
        }
        // A pair: drop the first character so that p holds the one quote it stands for. The
        // pair is recognised by a double-quote character whatever the quote character is.
        if (p + 1 < m_line.size() && m_line[p + 1] == u'"')
            m_line.remove(p, 1);
        const qsizetype q = p + 1;
        if (q >= m_line.size() || m_line[q] == m_divider) {
            m_cursor = q >= m_line.size() ? -1 : q + 1;
            return m_line.mid(start, p - start);
        }
        from = q;
    }
}

QStringList FieldSplitter::split(const QString &line, QChar divider, QChar quoteChar,
                                 qsizetype count)
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
