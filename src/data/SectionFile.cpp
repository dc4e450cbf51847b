#include "data/SectionFile.h"

#include "data/Cp1252.h"
#include "data/Errors.h"
#include "data/Numbers.h"

#include <QFile>

namespace {

QStringList splitLines(QByteArrayView bytes)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        lines.append(Cp1252::decode(bytes.sliced(start, i - start)));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        lines.append(Cp1252::decode(bytes.sliced(start)));
    return lines;
}

} // namespace

SectionFile::Section SectionFile::read(QByteArrayView bytes, const QString &atomicNumber,
                                       const QString &sourceName)
{
    const QStringList lines = splitLines(bytes);
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
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EInOutError(QStringLiteral("File not found"), fileName);
    return read(file.readAll(), atomicNumber, fileName);
}
