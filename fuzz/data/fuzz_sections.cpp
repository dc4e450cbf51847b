// Reads arbitrary bytes as a crystal-structure or isotope file and looks up a section in it.
// A section that is found holds its count line and at most that many content lines, each a
// whole line of the file; a count that is no integer raises the conversion error, with its text.
#include "data/Cp1252.h"
#include "data/DataFile.h"
#include "data/Errors.h"
#include "data/Numbers.h"
#include "data/SectionFile.h"

#include <QStringDecoder>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte chooses the section: an atomic number from 0 to 127, or the empty text
    // that the sheet's number box holds when its table is closed.
    const QString number = data[0] == 255 ? QString() : QString::number(data[0] & 127);
    const QByteArrayView bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    SectionFile::Section section;
    try {
        section = SectionFile::read(bytes, number, QStringLiteral("struct.yop"));
    } catch (const EConvertError &e) {
        if (e.message().isEmpty() || e.place().isEmpty())
            __builtin_trap();
        return 0;
    }
    if (!section.found) {
        if (!section.lines.isEmpty() || !section.countText.isEmpty())
            __builtin_trap();
        return 0;
    }
    // The reader takes UTF-8 for UTF-8 and Windows-1252 otherwise; the lines it gives are
    // whole lines of the text so read.
    const QString text = DataFile::isUtf8(bytes)
                             ? QStringDecoder(QStringDecoder::Utf8).decode(bytes)
                             : Cp1252::decode(bytes);
    if (!text.contains(u'#' + number))
        __builtin_trap();
    const std::optional<int> count = Numbers::parseInteger(section.countText);
    if (!count || section.lines.size() > qMax(0, *count))
        __builtin_trap();
    for (const QString &line : section.lines) {
        if (line.contains(u'\r') || line.contains(u'\n') || !text.contains(line))
            __builtin_trap();
    }
    return 0;
}
