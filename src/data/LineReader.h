#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <array>

class QIODevice;

// Reads the lines of a delimited-text file: a line ends at CR, with an LF right after it
// belonging to the line end; a Ctrl-Z ends the file; only the first MaxLineLength bytes of a
// line are kept and the rest of it is skipped. A device is read in chunks of ChunkSize bytes,
// so that a large file never stands whole in memory beside the table made from it, and no
// further than a bound: a device that never ends (/dev/zero) would otherwise be skipped as one
// endless line for ever.
class LineReader
{
public:
    static constexpr qsizetype MaxLineLength = 4096;
    static constexpr qsizetype ChunkSize = 64 * 1024;
    static constexpr qint64 MaxBytes = qint64(256) * 1024 * 1024;

    // Reads the device from its current position, chunkSize bytes at a time and maxBytes in
    // all; the device must outlive the reader. A read error or the bound ends the file there.
    explicit LineReader(QIODevice &device, qsizetype chunkSize = ChunkSize,
                        qint64 maxBytes = MaxBytes);
    // Reads bytes held in memory, without a copy; they must outlive the reader.
    explicit LineReader(QByteArrayView bytes);

    bool atEnd();
    // The next line without its end, valid until the next call; empty at the end of the file.
    QByteArrayView readLine();

private:
    // True when a byte is ready at m_pos, reading the next chunk if need be.
    bool available();

    QIODevice *m_device = nullptr;
    QByteArray m_chunk;
    QByteArrayView m_data;
    qsizetype m_pos = 0;
    qint64 m_left = 0; // bytes the device may still give
    bool m_skipLineFeed = false;
    std::array<char, MaxLineLength> m_line{};
};
