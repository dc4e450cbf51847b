#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

// Reads one section of the crystal-structure and isotope files: a line "#" followed by the
// atomic number, a line with the number n of content lines, then n lines. Text is
// Windows-1252, or UTF-8 when the bytes are UTF-8 (DataFile::isUtf8); lines end with CR LF, CR
// or LF.
class SectionFile
{
public:
    // About two hundred times the shipped files: more is no section file.
    static constexpr qint64 MaxFileSize = qint64(4) * 1024 * 1024;

    struct Section
    {
        bool found = false;
        QString countText; // the count line as it stands
        QStringList lines; // all content lines, fewer when the file ends early
    };

    // The section of `atomicNumber` (the text after "#", compared exactly). A missing section
    // gives an empty result. A count line that is no integer raises EConvertError naming the
    // file, the line and the section (Numbers::notInteger), with the line as its place.
    static Section read(QByteArrayView bytes, const QString &atomicNumber,
                        const QString &sourceName = {});
    // Raises EInOutError naming the file and the cause for one that is missing or refused
    // (DataFile::readAll: a folder, a FIFO, a device, a file longer than MaxFileSize) or cannot
    // be read.
    static Section readFile(const QString &fileName, const QString &atomicNumber);
};
