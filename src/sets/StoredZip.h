#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

// A zip archive whose entries are stored without compression, in the order given: enough
// for an OpenDocument file, whose first entry must be its uncompressed "mimetype".
namespace StoredZip {

struct Entry
{
    QString name; // the path inside the archive, '/' between folders
    QByteArray data;
};

// The CRC-32 of the zip format (polynomial 0xEDB88320).
quint32 crc32(const QByteArray &data);

// The whole archive: local headers and data, then the central directory and its end record.
QByteArray archive(const QVector<Entry> &entries);

} // namespace StoredZip
