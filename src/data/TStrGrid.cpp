#include "data/TStrGrid.h"

#include "data/Cp1252.h"
#include "data/Errors.h"
#include "data/FieldSplitter.h"
#include "data/Oem850.h"

#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <array>

namespace {

constexpr char kCtrlZ = 0x1A;

// Reads the lines of a text file held in memory: a line ends at CR (with an LF right after it
// belonging to the line end), Ctrl-Z ends the file, and only the first MaxLineLength characters
// of a line are kept.
class LineReader
{
public:
    explicit LineReader(QByteArrayView data) : m_data(data) {}

    bool atEnd() const { return m_pos >= m_data.size() || m_data[m_pos] == kCtrlZ; }

    QByteArrayView readLine()
    {
        const qsizetype start = m_pos;
        while (m_pos < m_data.size() && m_data[m_pos] != '\r' && m_data[m_pos] != kCtrlZ)
            ++m_pos;
        const QByteArrayView line =
            m_data.sliced(start, qMin<qsizetype>(m_pos - start, TStrGrid::MaxLineLength));
        if (m_pos < m_data.size() && m_data[m_pos] == '\r') {
            ++m_pos;
            if (m_pos < m_data.size() && m_data[m_pos] == '\n')
                ++m_pos;
        }
        return line;
    }

private:
    QByteArrayView m_data;
    qsizetype m_pos = 0;
};

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

QString decodeLine(QByteArrayView bytes, const CharTable &table)
{
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = table[static_cast<unsigned char>(bytes[i])];
    return text;
}

QString place(int col, int row)
{
    return QStringLiteral("ligne %1, colonne %2").arg(row + 1).arg(col + 1);
}

} // namespace

void TStrGrid::setRowCount(int rows)
{
    rows = qMax(0, rows);
    m_cells.resize(qsizetype(rows) * m_colCount);
    m_tags.resize(rows);
    m_rowCount = rows;
}

void TStrGrid::setColCount(int cols)
{
    cols = qMax(0, cols);
    QStringList cells;
    cells.reserve(qsizetype(cols) * m_rowCount);
    for (int r = 0; r < m_rowCount; ++r) {
        for (int c = 0; c < cols; ++c)
            cells.append(Cell(c, r));
    }
    m_cells = std::move(cells);
    m_colCount = cols;
}

void TStrGrid::Clear()
{
    m_cells.clear();
    m_tags.clear();
    m_rowCount = 0;
    m_colCount = 0;
}

QString TStrGrid::Cell(int col, int row) const
{
    if (col < 0 || col >= m_colCount || row < 0 || row >= m_rowCount)
        return {};
    return m_cells.at(col + qsizetype(row) * m_colCount);
}

void TStrGrid::setCell(int col, int row, const QString &text)
{
    if (col < 0 || col >= m_colCount || row < 0 || row >= m_rowCount)
        return;
    m_cells[col + qsizetype(row) * m_colCount] = text;
}

QStringList TStrGrid::Row(int row) const
{
    if (row < 0 || row >= m_rowCount)
        return {};
    return m_cells.mid(qsizetype(row) * m_colCount, m_colCount);
}

int TStrGrid::RowTag(int row) const
{
    return row >= 0 && row < m_rowCount ? m_tags.at(row) : 0;
}

void TStrGrid::setRowTag(int row, int tag)
{
    if (row >= 0 && row < m_rowCount)
        m_tags[row] = tag;
}

void TStrGrid::InsertRow(int row, int tag)
{
    row = qBound(0, row, m_rowCount);
    const qsizetype at = qsizetype(row) * m_colCount;
    for (int c = 0; c < m_colCount; ++c)
        m_cells.insert(at, QString());
    m_tags.insert(row, tag);
    ++m_rowCount;
}

void TStrGrid::DeleteRow(int row)
{
    if (row < 0 || row >= m_rowCount)
        return;
    m_cells.remove(qsizetype(row) * m_colCount, m_colCount);
    m_tags.remove(row);
    --m_rowCount;
}

int TStrGrid::FindTag(int tag) const
{
    return static_cast<int>(m_tags.indexOf(tag));
}

bool TStrGrid::LoadFromFile(const QString &fileName)
{
    QFile file(fileName);
    if (fileName.isEmpty() || !file.open(QIODevice::ReadOnly))
        return false;
    LoadFromDevice(file);
    return true;
}

void TStrGrid::LoadFromDevice(QIODevice &device)
{
    // A read error part-way leaves what was read until then.
    LoadFromBytes(device.readAll());
}

void TStrGrid::appendRow(const QStringList &fields)
{
    m_cells.append(fields);
    m_tags.append(0);
    ++m_rowCount;
}

void TStrGrid::LoadFromBytes(QByteArrayView bytes)
{
    Clear();
    const CharTable table = makeCharTable(m_winText);
    LineReader reader(bytes);
    // The first line gives the names and the number of columns.
    const QStringList names =
        FieldSplitter::split(decodeLine(reader.readLine(), table), m_divChar, m_sepChar);
    m_colCount = static_cast<int>(names.size());
    appendRow(names);
    // One allocation for the whole list: a well-formed file holds at least one byte per cell.
    const qsizetype lines = std::count(bytes.begin(), bytes.end(), '\r');
    m_cells.reserve(qMin(lines * m_colCount, bytes.size() + lines) + m_colCount);
    m_tags.reserve(lines + 1);
    while (!reader.atEnd()) {
        const QByteArrayView line = reader.readLine();
        if (line.isEmpty())
            break;
        FieldSplitter fields(decodeLine(line, table), m_divChar, m_sepChar);
        for (int c = 0; c < m_colCount; ++c)
            m_cells.append(fields.next());
        m_tags.append(0);
        ++m_rowCount;
    }
}

QString TStrGrid::quoted(const QString &cell, int col, int row) const
{
    const auto refuse = [&](const QString &why) {
        throw ETxtTblError(QStringLiteral("%1 (%2).").arg(why, place(col, row)), place(col, row));
    };
    if (cell.contains(u'\r') || cell.contains(u'\n') || cell.contains(QChar(u'\x1A')))
        refuse(QStringLiteral("Une valeur contenant une fin de ligne ne peut pas être écrite"));
    const bool quoteOff = m_sepChar.isNull();
    // A line must not come out empty: that would end the table when it is read.
    const bool lonelyEmpty = cell.isEmpty() && m_colCount == 1;
    const bool needsQuotes =
        cell.contains(m_divChar) || lonelyEmpty || (!quoteOff && cell.startsWith(m_sepChar));
    if (!needsQuotes)
        return cell;
    const QString refused =
        QStringLiteral("La valeur « %1 » ne peut pas être écrite telle quelle").arg(cell.left(40));
    if (quoteOff)
        refuse(refused);
    if (m_sepChar == u'"') {
        // Inside quotes every quote is doubled; a quote before the divider would close the
        // field whatever is done.
        if (cell.contains(QString(u'"') + m_divChar))
            refuse(refused);
        QString body = cell;
        body.replace(QStringLiteral("\""), QStringLiteral("\"\""));
        return u'"' + body + u'"';
    }
    // Another quote character cannot be doubled: it may only stand around the text.
    if (cell.contains(m_sepChar))
        refuse(refused);
    return m_sepChar + cell + m_sepChar;
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
    qsizetype bad = -1;
    auto bytes = Cp1252::encode(line, &bad);
    if (bytes && !m_winText) {
        for (qsizetype i = 0; i < bytes->size() && bad < 0; ++i) {
            const auto oem = Oem850::fromAnsi(static_cast<unsigned char>(bytes->at(i)));
            if (oem)
                (*bytes)[i] = static_cast<char>(*oem);
            else
                bad = i;
        }
    }
    if (bad >= 0)
        throw ETxtTblError(QStringLiteral("Le caractère « %1 » de la ligne %2 ne peut pas être "
                                          "écrit dans le jeu de caractères du fichier.")
                               .arg(line.at(bad))
                               .arg(row + 1),
                           where);
    return *bytes;
}

QByteArray TStrGrid::SaveToBytes() const
{
    QByteArray out;
    for (int r = 0; r < m_rowCount; ++r) {
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
    const QByteArray bytes = SaveToBytes();
    QSaveFile file(fileName);
    const auto fail = [&] {
        throw EInOutError(QStringLiteral("Impossible d'écrire le fichier « %1 » : %2")
                              .arg(fileName, file.errorString()),
                          fileName);
    };
    if (!file.open(QIODevice::WriteOnly))
        fail();
    if (file.write(bytes) != bytes.size())
        fail();
    if (!file.commit())
        fail();
}
