#include "data/TStrGrid.h"

#include "data/Cp1252.h"
#include "data/DataFile.h"
#include "data/Errors.h"
#include "data/FieldSplitter.h"
#include "data/LineReader.h"
#include "data/Oem850.h"

#include <QFile>
#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <optional>

namespace {

using CharTable = std::array<char16_t, 256>;

CharTable makeCharTable(bool winText)
{
    CharTable table{};
    for (int b = 0; b < 256; ++b) {
        const auto ansi = static_cast<unsigned char>(winText ? b : Oem850::toAnsi(b));
        table[b] = Cp1252::toUnicode(ansi);
    }
    return table;
}

// Decodes a line into `text`, whose storage is reused from one line to the next.
void decodeLine(QByteArrayView bytes, const CharTable &table, QString &text)
{
    text.resize(bytes.size());
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = table[static_cast<unsigned char>(bytes[i])];
}

// The one byte that decodes to `c`, if only one does: the line can be split at that byte before
// it is decoded.
std::optional<char> onlyByteOf(const CharTable &table, QChar c)
{
    std::optional<char> found;
    for (int b = 0; b < 256; ++b) {
        if (table[b] != c.unicode())
            continue;
        if (found)
            return std::nullopt;
        found = static_cast<char>(b);
    }
    return found;
}

// A file up to this size is read whole and split at once, which costs half of splitting it
// as it is read; a longer one is read in chunks as it is split, so that it never stands whole
// in memory beside its cells.
constexpr qint64 WholeFileSize = 1024 * 1024;

QString place(int col, int row)
{
    return QStringLiteral("ligne %1, colonne %2").arg(row + 1).arg(col + 1);
}

} // namespace

void TStrGrid::setRowCount(int rows)
{
    rows = qMax(0, rows);
    m_rows.resize(rows);
    // New rows' cells all end at 0: they are empty.
    m_ends.resize(qsizetype(rows) * m_colCount);
    m_tags.resize(rows);
}

void TStrGrid::setColCount(int cols)
{
    cols = qMax(0, cols);
    QVector<int> ends;
    ends.reserve(qsizetype(cols) * RowCount());
    for (int r = 0; r < RowCount(); ++r) {
        QString text;
        for (int c = 0; c < cols; ++c) {
            text += CellView(c, r);
            ends.append(static_cast<int>(text.size()));
        }
        m_rows[r] = std::move(text);
    }
    m_ends = std::move(ends);
    m_colCount = cols;
}

void TStrGrid::Clear()
{
    for (QString &row : m_rows) {
        row.truncate(0);
        m_spareRows.append(std::move(row));
    }
    m_rows.clear();
    m_ends.clear();
    m_tags.clear();
    m_colCount = 0;
}

int TStrGrid::cellStart(qsizetype at) const
{
    // A row's first cell starts its text; any other where the cell before it ends.
    return at % m_colCount == 0 ? 0 : m_ends.at(at - 1);
}

QStringView TStrGrid::CellView(int col, int row) const
{
    if (col < 0 || col >= m_colCount || row < 0 || row >= RowCount())
        return {};
    const qsizetype at = col + qsizetype(row) * m_colCount;
    const int start = cellStart(at);
    return QStringView(m_rows.at(row)).sliced(start, m_ends.at(at) - start);
}

QString TStrGrid::Cell(int col, int row) const
{
    return CellView(col, row).toString();
}

void TStrGrid::setCell(int col, int row, const QString &text)
{
    if (col < 0 || col >= m_colCount || row < 0 || row >= RowCount())
        return;
    const qsizetype at = col + qsizetype(row) * m_colCount;
    const int start = cellStart(at);
    const int oldSize = m_ends.at(at) - start;
    if (m_rows[row].size() - oldSize + text.size() > std::numeric_limits<int>::max())
        throw ETxtTblError(QStringLiteral("La ligne %1 deviendrait trop longue pour être gardée "
                                          "en mémoire (%2).")
                               .arg(row + 1)
                               .arg(place(col, row)),
                           place(col, row));
    m_rows[row].replace(start, oldSize, text);
    // The cells after it in the row move by the change in length.
    const int delta = static_cast<int>(text.size()) - oldSize;
    const qsizetype rowEnd = qsizetype(row + 1) * m_colCount;
    for (qsizetype i = at; i < rowEnd; ++i)
        m_ends[i] += delta;
}

QStringList TStrGrid::Cells() const
{
    QStringList cells;
    cells.reserve(m_ends.size());
    for (qsizetype at = 0; at < m_ends.size(); ++at) {
        const int start = cellStart(at);
        cells.append(m_rows.at(at / m_colCount).sliced(start, m_ends.at(at) - start));
    }
    return cells;
}

QStringList TStrGrid::Row(int row) const
{
    if (row < 0 || row >= RowCount())
        return {};
    QStringList cells;
    cells.reserve(m_colCount);
    for (int c = 0; c < m_colCount; ++c)
        cells.append(CellView(c, row).toString());
    return cells;
}

QVector<int> TStrGrid::LongestCells() const
{
    QVector<int> longest(m_colCount, 0);
    int *out = longest.data();
    const int *ends = m_ends.constData();
    for (int r = 0; r < RowCount(); ++r, ends += m_colCount) {
        int start = 0;
        for (int c = 0; c < m_colCount; ++c) {
            out[c] = qMax(out[c], ends[c] - start);
            start = ends[c];
        }
    }
    return longest;
}

int TStrGrid::RowTag(int row) const
{
    return row >= 0 && row < RowCount() ? m_tags.at(row) : 0;
}

void TStrGrid::setRowTag(int row, int tag)
{
    if (row >= 0 && row < RowCount())
        m_tags[row] = tag;
}

void TStrGrid::InsertRow(int row, int tag)
{
    row = qBound(0, row, RowCount());
    m_rows.insert(row, QString());
    m_ends.insert(qsizetype(row) * m_colCount, m_colCount, 0);
    m_tags.insert(row, tag);
}

void TStrGrid::DeleteRow(int row)
{
    if (row < 0 || row >= RowCount())
        return;
    m_rows.remove(row);
    m_ends.remove(qsizetype(row) * m_colCount, m_colCount);
    m_tags.remove(row);
}

int TStrGrid::FindTag(int tag) const
{
    return static_cast<int>(m_tags.indexOf(tag));
}

bool TStrGrid::LoadFromFile(const QString &fileName)
{
    QFile file;
    try {
        DataFile::openForReading(file, fileName, MaxFileSize);
    } catch (const EInOutError &) {
        return false;
    }
    if (file.size() > WholeFileSize) {
        LoadFromDevice(file);
        return true;
    }
    // Read in chunks and no further than the bound, as LoadFromDevice reads: a read error
    // part-way keeps what was read until then.
    QByteArray bytes;
    while (bytes.size() < MaxFileSize) {
        const QByteArray chunk =
            file.read(qMin<qint64>(LineReader::ChunkSize, MaxFileSize - bytes.size()));
        if (chunk.isEmpty())
            break;
        bytes += chunk;
    }
    LoadFromBytes(bytes);
    return true;
}

void TStrGrid::LoadFromDevice(QIODevice &device)
{
    // A read error part-way leaves what was read until then.
    LineReader reader(device, LineReader::ChunkSize, MaxFileSize);
    load(reader);
}

void TStrGrid::LoadFromBytes(QByteArrayView bytes)
{
    LineReader reader(bytes);
    load(reader);
}

void TStrGrid::appendRow(const QStringList &fields)
{
    QString text;
    for (const QString &field : fields) {
        text += field;
        m_ends.append(static_cast<int>(text.size()));
    }
    m_rows.append(std::move(text));
    m_tags.append(0);
}

void TStrGrid::load(LineReader &reader)
{
    Clear();
    const CharTable table = makeCharTable(m_winText);
    QString line;
    line.reserve(MaxLineLength);
    // The first line gives the names and the number of columns.
    decodeLine(reader.readLine(), table, line);
    const QStringList names = FieldSplitter::split(line, m_divChar, m_sepChar);
    m_colCount = static_cast<int>(names.size());
    appendRow(names);
    // A line without the quote character is split at the divider's byte as it is decoded,
    // straight into its row; one with it is decoded first, then split by the quoting rules.
    const std::optional<char> divider = onlyByteOf(table, m_divChar);
    const std::optional<char> quote =
        m_sepChar.isNull() ? std::nullopt : onlyByteOf(table, m_sepChar);
    const bool direct = divider && (m_sepChar.isNull() || quote);
    while (!reader.atEnd()) {
        const QByteArrayView bytes = reader.readLine();
        if (bytes.isEmpty())
            break;
        // The cells never hold more characters than the line they come from: they are written
        // one after the other into a row text as long as the line, then cut to what they took.
        QString text = takeSpareRow();
        text.resize(bytes.size());
        auto *cells = reinterpret_cast<char16_t *>(text.data());
        qsizetype written = 0;
        if (direct && !(quote && std::memchr(bytes.data(), *quote, size_t(bytes.size())))) {
            const char *from = bytes.data();
            const char *const end = from + bytes.size();
            for (int c = 0; c < m_colCount; ++c) {
                if (from) {
                    const auto *found =
                        static_cast<const char *>(std::memchr(from, *divider, size_t(end - from)));
                    for (const char *stop = found ? found : end; from < stop; ++from)
                        cells[written++] = table[static_cast<unsigned char>(*from)];
                    from = found ? found + 1 : nullptr;
                }
                m_ends.append(static_cast<int>(written));
            }
        } else {
            decodeLine(bytes, table, line);
            FieldSplitter fields(line, m_divChar, m_sepChar);
            for (int c = 0; c < m_colCount; ++c) {
                written += fields.writeNext(reinterpret_cast<QChar *>(cells) + written);
                m_ends.append(static_cast<int>(written));
            }
        }
        text.truncate(written);
        m_rows.append(std::move(text));
        m_tags.append(0);
    }
    m_spareRows.clear();
}

QString TStrGrid::takeSpareRow()
{
    if (m_spareRows.isEmpty())
        return {};
    QString text = std::move(m_spareRows.last());
    m_spareRows.removeLast();
    return text;
}

std::optional<QString> TStrGrid::quote(const QString &cell, QString &out) const
{
    // A line ends at CR and the file at Ctrl-Z; an LF read alone is ordinary text.
    if (cell.contains(u'\r') || cell.contains(QChar(u'\x1A')))
        return QStringLiteral("une valeur contenant un retour chariot ou un Ctrl-Z ne peut pas "
                              "être écrite");
    const bool quoteOff = m_sepChar.isNull();
    // A line must not come out empty: that would end the table when it is read.
    const bool lonelyEmpty = cell.isEmpty() && m_colCount == 1;
    const bool needsQuotes =
        cell.contains(m_divChar) || lonelyEmpty || (!quoteOff && cell.startsWith(m_sepChar));
    if (!needsQuotes) {
        out = cell;
        return std::nullopt;
    }
    const QString refused =
        QStringLiteral("la valeur « %1 » ne peut pas être écrite telle quelle").arg(cell.left(40));
    if (quoteOff)
        return refused;
    if (m_sepChar == u'"') {
        // Inside quotes every quote is doubled; a quote before the divider would close the
        // field whatever is done.
        if (cell.contains(QString(u'"') + m_divChar))
            return QStringLiteral("un guillemet directement suivi de « %1 » ne peut pas être "
                                  "écrit")
                .arg(m_divChar);
        QString body = cell;
        body.replace(QStringLiteral("\""), QStringLiteral("\"\""));
        out = u'"' + body + u'"';
        return std::nullopt;
    }
    // Another quote character cannot be doubled: it may only stand around the text.
    if (cell.contains(m_sepChar))
        return refused;
    out = m_sepChar + cell + m_sepChar;
    return std::nullopt;
}

QString TStrGrid::quoted(const QString &cell, int col, int row) const
{
    QString out;
    if (const auto why = quote(cell, out)) {
        QString message = *why;
        message[0] = message[0].toUpper();
        throw ETxtTblError(QStringLiteral("%1 (%2).").arg(message, place(col, row)),
                           place(col, row));
    }
    return out;
}

qsizetype TStrGrid::unencodable(QStringView text) const
{
    qsizetype bad = -1;
    auto bytes = Cp1252::encode(text, &bad);
    if (bytes && !m_winText) {
        for (qsizetype i = 0; i < bytes->size(); ++i) {
            if (!Oem850::fromAnsi(static_cast<unsigned char>(bytes->at(i))))
                return i;
        }
    }
    return bad;
}

std::optional<QString> TStrGrid::CellRefusal(const QString &cell) const
{
    const qsizetype bad = unencodable(cell);
    if (bad >= 0)
        return QStringLiteral("le caractère « %1 » ne peut pas être écrit dans le jeu de "
                              "caractères du fichier")
            .arg(cell.at(bad));
    QString out;
    return quote(cell, out);
}

qsizetype TStrGrid::LineLength(const QStringList &cells) const
{
    qsizetype length = qMax<qsizetype>(0, cells.size() - 1);
    QString out;
    for (const QString &cell : cells)
        length += quote(cell, out) ? cell.size() : out.size();
    return length;
}

QByteArray TStrGrid::encodeLine(const QString &line, int row) const
{
    const QString where = QStringLiteral("ligne %1").arg(row + 1);
    if (line.size() > MaxLineLength)
        throw ETxtTblError(
            QStringLiteral("La ligne %1 dépasse %2 caractères et ne pourrait pas être relue.")
                .arg(row + 1)
                .arg(MaxLineLength),
            where);
    const qsizetype bad = unencodable(line);
    if (bad >= 0)
        throw ETxtTblError(QStringLiteral("Le caractère « %1 » de la ligne %2 ne peut pas être "
                                          "écrit dans le jeu de caractères du fichier.")
                               .arg(line.at(bad))
                               .arg(row + 1),
                           where);
    QByteArray bytes = *Cp1252::encode(line);
    if (!m_winText) {
        for (char &b : bytes)
            b = static_cast<char>(*Oem850::fromAnsi(static_cast<unsigned char>(b)));
    }
    return bytes;
}

QByteArray TStrGrid::SaveToBytes() const
{
    QByteArray out;
    for (int r = 0; r < RowCount(); ++r) {
        QString line;
        for (int c = 0; c < m_colCount; ++c) {
            if (c > 0)
                line += m_divChar;
            line += quoted(Cell(c, r), c, r);
        }
        out += encodeLine(line, r);
        out += "\r\n";
    }
    return out;
}

void TStrGrid::SaveToFile(const QString &fileName) const
{
    DataFile::replace(fileName, SaveToBytes());
}
