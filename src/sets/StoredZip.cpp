#include "sets/StoredZip.h"

#include <QtEndian>

#include <array>

namespace StoredZip {

namespace {

constexpr std::array<quint32, 256> crcTable()
{
    std::array<quint32, 256> table{};
    for (quint32 n = 0; n < 256; ++n) {
        quint32 c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

constexpr std::array<quint32, 256> CrcTable = crcTable();

void put16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void put32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

// The fields a local header and a central directory entry share, from the version needed on.
void putCommon(QByteArray &out, quint32 crc, quint32 size, int nameLength)
{
    put16(out, 20);     // version needed: 2.0
    put16(out, 0x0800); // names in UTF-8
    put16(out, 0);      // stored
    put16(out, 0);      // time 00:00
    put16(out, 0x21);   // date 1980-01-01
    put32(out, crc);
    put32(out, size); // compressed
    put32(out, size); // uncompressed
    put16(out, quint16(nameLength));
    put16(out, 0); // no extra field
}

} // namespace

quint32 crc32(const QByteArray &data)
{
    quint32 c = 0xFFFFFFFFu;
    for (const char byte : data)
        c = CrcTable[(c ^ quint8(byte)) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

QByteArray archive(const QVector<Entry> &entries)
{
    QByteArray out;
    QByteArray directory;
    for (const Entry &entry : entries) {
        const QByteArray name = entry.name.toUtf8();
        const quint32 crc = crc32(entry.data);
        const auto size = quint32(entry.data.size());
        const auto offset = quint32(out.size());
        put32(out, 0x04034b50);
        putCommon(out, crc, size, int(name.size()));
        out += name;
        out += entry.data;

        put32(directory, 0x02014b50);
        put16(directory, 20); // made by: 2.0, MS-DOS attributes
        putCommon(directory, crc, size, int(name.size()));
        put16(directory, 0); // no comment
        put16(directory, 0); // disk 0
        put16(directory, 0); // internal attributes
        put32(directory, 0); // external attributes
        put32(directory, offset);
        directory += name;
    }
    const auto directoryOffset = quint32(out.size());
    out += directory;
    put32(out, 0x06054b50);
    put16(out, 0);
    put16(out, 0);
    put16(out, quint16(entries.size()));
    put16(out, quint16(entries.size()));
    put32(out, quint32(directory.size()));
    put32(out, directoryOffset);
    put16(out, 0);
    return out;
}

} // namespace StoredZip
