#include "data/SectionFile.h"

#include "data/Cp1252.h"
#include "data/DataFile.h"
#include "data/Errors.h"
#include "data/Numbers.h"

#include <QFileInfo>
#include <QStringDecoder>

namespace {

// A text editor may have saved the file in UTF-8: it is read as such rather than shown as
// Windows-1252 (« centrÃ© »). The file is only read, so nothing has to be written back in the
// same form.
QString decode(QByteArrayView bytes)
{
    if (!DataFile::isUtf8(bytes))
        return Cp1252::decode(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8); // drops the byte-order mark
    return utf8.decode(bytes);
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' && text[i] != u'\n')
            continue;
        lines.append(text.sliced(start, i - start));
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.sliced(start));
    return lines;
}

} // namespace

SectionFile::Section SectionFile::read(QByteArrayView bytes, const QString &atomicNumber,
                                       const QString &sourceName)
{
    const QStringList lines = splitLines(decode(bytes));
    const qsizetype head = lines.indexOf(u'#' + atomicNumber);
    Section section;
    if (head < 0 || head + 1 >= lines.size())
        return section;
    section.found = true;
    section.countText = lines[head + 1];
    const auto count = Numbers::parseInteger(section.countText);
    if (!count)
        throw EConvertError(
            QStringLiteral("'%1' is not a valid integer value").arg(section.countText),
            QStringLiteral("%1:%2").arg(sourceName).arg(head + 2));
    section.lines = lines.mid(head + 2, qMax(0, *count));
    return section;
}

SectionFile::Section SectionFile::readFile(const QString &fileName, const QString &atomicNumber)
{
    if (!QFileInfo::exists(fileName))
        throw EInOutError(QStringLiteral("File not found"), fileName);
    return read(DataFile::readAll(fileName, MaxFileSize), atomicNumber, fileName);
}
