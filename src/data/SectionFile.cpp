#include "data/SectionFile.h"

#include "data/Cp1252.h"
#include "data/DataFile.h"
#include "data/Errors.h"
#include "data/Numbers.h"

#include <QStringDecoder>

#include <optional>

namespace {

// A text editor may have saved the file in UTF-8: it is read as such rather than shown as
// Windows-1252 (« centrÃ© »). A byte-order mark before text that is not UTF-8 is dropped and
// the text read as the Windows-1252 it is, never as UTF-8 (« centr� »). The file is only
// read, so nothing has to be written back in the same form.
QString decode(QByteArrayView bytes)
{
    if (DataFile::isUtf8(bytes)) {
        QStringDecoder utf8(QStringDecoder::Utf8); // drops the byte-order mark
        return utf8.decode(bytes);
    }
    const QByteArrayView mark("\xEF\xBB\xBF");
    return Cp1252::decode(bytes.startsWith(mark) ? bytes.sliced(mark.size()) : bytes);
}

// The line that starts at `start`, without its end, and `start` moved to the next one; none
// past the end of the text. A line ends at CR, LF or CR LF.
std::optional<QStringView> nextLine(QStringView text, qsizetype &start)
{
    if (start >= text.size())
        return std::nullopt;
    qsizetype end = start;
    while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
        ++end;
    const QStringView line = text.sliced(start, end - start);
    if (end + 1 < text.size() && text[end] == u'\r' && text[end + 1] == u'\n')
        ++end;
    start = end + 1;
    return line;
}

} // namespace

SectionFile::Section SectionFile::read(QByteArrayView bytes, const QString &atomicNumber,
                                       const QString &sourceName)
{
    // The lines are walked as views of the text: only the section's own are copied.
    const QString text = decode(bytes);
    const QString head = u'#' + atomicNumber;
    qsizetype next = 0;
    int lineNumber = 0;
    std::optional<QStringView> line;
    while ((line = nextLine(text, next)) && *line != head)
        ++lineNumber;
    const std::optional<QStringView> countLine = line ? nextLine(text, next) : std::nullopt;
    Section section;
    if (!countLine)
        return section;
    section.found = true;
    section.countText = countLine->toString();
    const auto count = Numbers::parseInteger(section.countText);
    if (!count)
        throw EConvertError(
            QStringLiteral("%1, ligne %2 : le nombre de lignes de la section « %3 » : %4.")
                .arg(sourceName.isEmpty() ? QStringLiteral("Fichier de sections")
                                          : QStringLiteral("Fichier « %1 »").arg(sourceName))
                .arg(lineNumber + 2)
                .arg(head, Numbers::notInteger(section.countText)),
            QStringLiteral("%1:%2").arg(sourceName).arg(lineNumber + 2));
    for (int i = 0; i < *count && (line = nextLine(text, next)); ++i)
        section.lines.append(line->toString());
    return section;
}

SectionFile::Section SectionFile::readFile(const QString &fileName, const QString &atomicNumber)
{
    return read(DataFile::readAll(fileName, MaxFileSize), atomicNumber, fileName);
}
