// Checks and corrects arbitrary text in the three correction modes: the correction changes the
// case of letters only, the status is what the check of each line says, and a corrected line
// that is valid reads case-sensitively.
#include "molar/FormulaText.h"

#include <cstddef>
#include <cstdint>

namespace {

QChar upper(QChar c)
{
    return c >= u'a' && c <= u'z' ? QChar(c.unicode() - 32) : c;
}

int expectedStatus(QStringView line, TChemTryCorrect mode)
{
    if (FormulaText::errorPosition(line, true) == 0)
        return 2;
    if (FormulaText::errorPosition(line, false) != 0)
        return 0;
    return mode == TChemTryCorrect::tchNone ? 1 : 2;
}

void check(bool holds)
{
    if (!holds)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const auto mode :
         {TChemTryCorrect::tchNone, TChemTryCorrect::tchCareful, TChemTryCorrect::tchAll}) {
        QString corrected = text;
        const int status = FormulaText::checkText(corrected, mode);
        check(corrected.size() == text.size());
        int smallest = 2;
        for (const FormulaText::Line &line : FormulaText::lines(text)) {
            const QStringView before = QStringView(text).mid(line.start, line.length);
            const QStringView after = QStringView(corrected).mid(line.start, line.length);
            smallest = std::min(smallest, expectedStatus(before, mode));
            for (qsizetype i = 0; i < before.size(); ++i)
                check(upper(before[i]) == upper(after[i]));
            if (mode != TChemTryCorrect::tchNone && expectedStatus(before, mode) == 2)
                check(FormulaText::errorPosition(after, true) == 0);
            const qsizetype position = FormulaText::errorPosition(before, true);
            check(position >= 0 && position <= before.size());
        }
        check(status == smallest);
        if (mode == TChemTryCorrect::tchNone)
            check(corrected == text);
    }
    return 0;
}
