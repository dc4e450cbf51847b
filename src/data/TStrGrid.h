#pragma once

#include "data/LineReader.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QChar>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVector>
#include <optional>

class QIODevice;

// A matrix of strings that reads and writes delimited text files. The first cell of each row
// carries an integer tag besides its text, which the table uses as the row's bookmark.
class TStrGrid
{
public:
    static constexpr int MaxLineLength = static_cast<int>(LineReader::MaxLineLength);
    // The longest file read: a table larger than this is no table of the program's kind.
    static constexpr qint64 MaxFileSize = LineReader::MaxBytes;

    int RowCount() const { return static_cast<int>(m_rows.size()); }
    int ColCount() const { return m_colCount; }
    // Both keep the cells that stay inside the new bounds; new cells are empty, new rows tag 0.
    void setRowCount(int rows);
    void setColCount(int cols);

    QChar DivChar() const { return m_divChar; }
    void setDivChar(QChar c) { m_divChar = c; }
    // The quote character; 0 turns quoting off.
    QChar SepChar() const { return m_sepChar; }
    void setSepChar(QChar c) { m_sepChar = c; }
    // Off: the file is in the OEM code page 850 rather than Windows-1252.
    bool WinText() const { return m_winText; }
    void setWinText(bool on) { m_winText = on; }

    // Empties the grid. The rows' storage is kept for the next load to fill, and freed with the
    // grid.
    void Clear();
    // Cells out of the matrix read as empty; writes to them are ignored.
    QString Cell(int col, int row) const;
    // The same text without a copy; valid until the grid next changes.
    QStringView CellView(int col, int row) const;
    // The row's cells back to back, and ColCount() offsets where each of them ends in it.
    const QString &RowText(int row) const { return m_rows.at(row); }
    const int *RowEnds(int row) const { return m_ends.constData() + qsizetype(row) * m_colCount; }
    void setCell(int col, int row, const QString &text);
    // Every cell, row after row, read from the stored cell bounds (a copy of each).
    QStringList Cells() const;
    QStringList Row(int row) const;
    // The length of the longest cell of each column, in one pass over the cell bounds.
    QVector<int> LongestCells() const;

    int RowTag(int row) const;
    void setRowTag(int row, int tag);
    // Inserts ColCount empty cells before row `row` (0..RowCount), the first tagged `tag`.
    void InsertRow(int row, int tag);
    void DeleteRow(int row);
    // The first row tagged `tag`, or -1.
    int FindTag(int tag) const;

    // Replaces the grid by the file's table; false, with the grid untouched, when the file
    // cannot be opened or is refused (DataFile::openForReading: no regular file, or longer
    // than MaxFileSize). Line ends are CR or CR LF, Ctrl-Z ends the file, lines are cut at
    // MaxLineLength characters and the first empty line ends the table.
    bool LoadFromFile(const QString &fileName);
    // The device is read in chunks from its current position, MaxFileSize bytes at most; a
    // read error ends the table.
    void LoadFromDevice(QIODevice &device);
    void LoadFromBytes(QByteArrayView bytes);

    // Why the cell could not be written and read back the same, for the user: it holds a CR or
    // a Ctrl-Z, a character the code page cannot hold, or a quote directly before the divider.
    // Nothing when it can be written. An LF alone reads back as text and is written as it is.
    std::optional<QString> CellRefusal(const QString &cell) const;
    // The length of the line that SaveToBytes writes for a row of these cells (each refused
    // cell counted as it stands).
    qsizetype LineLength(const QStringList &cells) const;

    // The table as the file bytes, each line ended by CR LF, cells quoted where they hold the
    // divider or begin with the quote character. Raises ETxtTblError, naming line and column,
    // for a refused cell (CellRefusal) or a line longer than MaxLineLength.
    QByteArray SaveToBytes() const;
    // Writes through a temporary file forced to the disk and renamed over the old one, so that
    // a failed write keeps the old file (DataFile::replace); raises EInOutError, with the
    // system's reason, when the write fails and ETxtTblError as SaveToBytes.
    void SaveToFile(const QString &fileName) const;

private:
    int cellStart(qsizetype at) const;
    void appendRow(const QStringList &fields);
    void load(LineReader &reader);
    QString takeSpareRow();
    // The cell as written, into `out`; or why it cannot be written.
    std::optional<QString> quote(const QString &cell, QString &out) const;
    QString quoted(const QString &cell, int col, int row) const;
    // The index of the first character the file's code page cannot hold, or -1.
    qsizetype unencodable(QStringView text) const;
    QByteArray encodeLine(const QString &line, int row) const;

    // Each row's cells stand back to back in one string, and m_ends holds ColCount entries a
    // row saying where each cell ends in it. A cell per string meant millions of small blocks
    // for a large file, and malloc spent more time on them than the parsing took. The ends are
    // ints to halve the memory that a load must touch; setCell keeps a row within their range.
    QVector<QString> m_rows;
    QVector<int> m_ends;
    QVector<int> m_tags;
    // The emptied texts of the rows that Clear removed, whose storage the next load fills again.
    // The windows close a table and open it again on the same file, and without them every
    // opening took the memory afresh from the system.
    QVector<QString> m_spareRows;
    int m_colCount = 0;
    QChar m_divChar = QChar(u'\t');
    QChar m_sepChar = QChar(u'"');
    bool m_winText = true;
};
