// Loads arbitrary bytes as a delimited-text file, then checks the grid's shape and that a grid
// that can be written reads back the same. The same bytes read from a device in tiny chunks
// must give the same lines as read from memory.
#include "data/Errors.h"
#include "data/LineReader.h"
#include "data/TStrGrid.h"

#include <QBuffer>
#include <cstddef>
#include <cstdint>

namespace {

void checkChunkedLines(QByteArrayView bytes, qsizetype chunkSize)
{
    QBuffer buffer;
    buffer.setData(bytes.toByteArray());
    buffer.open(QIODevice::ReadOnly);
    LineReader chunked(buffer, chunkSize);
    LineReader whole(bytes);
    for (;;) {
        const bool end = whole.atEnd();
        if (chunked.atEnd() != end)
            __builtin_trap();
        if (end)
            break;
        const QByteArray line = whole.readLine().toByteArray();
        if (chunked.readLine() != line || line.size() > LineReader::MaxLineLength)
            __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte chooses the settings: divider, quote character, code page, chunk size.
    const uint8_t options = data[0];
    const QByteArrayView bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    checkChunkedLines(bytes, 1 + (options >> 4));
    TStrGrid grid;
    grid.setDivChar(options & 1 ? u'\t' : u';');
    const char16_t quotes[] = {u'"', u'\'', 0, u'"'};
    grid.setSepChar(QChar(quotes[(options >> 1) & 3]));
    grid.setWinText(!(options & 8));
    grid.LoadFromBytes(bytes);

    if (grid.RowCount() < 1 || grid.Cells().size() != qsizetype(grid.RowCount()) * grid.ColCount())
        __builtin_trap();
    for (const QString &cell : grid.Cells()) {
        if (cell.size() > TStrGrid::MaxLineLength)
            __builtin_trap();
    }
    QByteArray written;
    try {
        written = grid.SaveToBytes();
    } catch (const ETxtTblError &) {
        return 0;
    }
    TStrGrid back;
    back.setDivChar(grid.DivChar());
    back.setSepChar(grid.SepChar());
    back.setWinText(grid.WinText());
    back.LoadFromBytes(written);
    if (back.ColCount() != grid.ColCount() || back.Cells() != grid.Cells())
        __builtin_trap();
    return 0;
}
