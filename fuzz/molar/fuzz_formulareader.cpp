// Reads arbitrary UTF-8 text as a typed formula. A refusal names a place inside the text and
// no atoms; a reading holds each element once, in the order of the text, between 1 and the
// most atoms allowed, and reads again into the same atoms; its formula passes the formula check
// unless it names an element the check does not know (Ds to Og, read as typed), and then is
// not read again. Slow inputs fail through the run's timeout.
#include "molar/FormulaReader.h"
#include "molar/FormulaText.h"

#include <cstddef>
#include <cstdint>

namespace {

void check(bool holds)
{
    if (!holds)
        __builtin_trap();
}

QChar upper(QChar c)
{
    return c >= u'a' && c <= u'z' ? QChar(c.unicode() - 32) : c;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const FormulaReader::Reading reading = FormulaReader::read(text);
    if (reading.failed()) {
        check(reading.elements.isEmpty());
        check(reading.position >= 1 && reading.position <= std::max<qsizetype>(1, text.size()));
        return 0;
    }
    check(!reading.elements.isEmpty());
    qsizetype last = 0;
    bool known = true;
    for (const FormulaReader::ElementAtoms &element : reading.elements) {
        if (element.symbol.size() == 2)
            known = known && FormulaText::symbolNumber(element.symbol[0], element.symbol[1]) != 0;
        check(element.count >= 1 && element.count <= FormulaReader::MaxAtoms);
        check(element.position > last && element.position <= text.size());
        check(upper(text[element.position - 1]) == element.symbol[0]);
        last = element.position;
    }
    check(!known || FormulaText::errorPosition(reading.formula, true) == 0);
    // A symbol the case correction does not know (Ds to Og) is read as typed: written back
    // without what separated it ("Fl\tuu" gives "FlUU"), it may run into the next letters.
    if (!known)
        return 0;
    const FormulaReader::Reading again = FormulaReader::read(reading.formula);
    check(!again.failed() && again.formula == reading.formula);
    check(again.elements.size() == reading.elements.size());
    for (qsizetype i = 0; i < again.elements.size(); ++i) {
        check(again.elements[i].symbol == reading.elements[i].symbol);
        check(again.elements[i].count == reading.elements[i].count);
    }
    return 0;
}
