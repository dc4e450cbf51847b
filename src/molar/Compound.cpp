#include "molar/Compound.h"

namespace {

constexpr QString CompoundRow::*Cells[CompoundRow::ColumnCount] = {
    &CompoundRow::symbol, &CompoundRow::mass, &CompoundRow::count, &CompoundRow::percent};

} // namespace

QString &CompoundRow::cell(int column)
{
    Q_ASSERT(column >= 0 && column < ColumnCount);
    return this->*Cells[column];
}

const QString &CompoundRow::cell(int column) const
{
    Q_ASSERT(column >= 0 && column < ColumnCount);
    return this->*Cells[column];
}

CompoundRow *Compound::row(int number)
{
    // Not through the const overload: the rows are shared between copies until one of them
    // writes, and only the non-const access detaches them.
    if (number >= 1 && number <= rows.size())
        return &rows[number - 1];
    return number == rows.size() + 1 ? &spare : nullptr;
}

const CompoundRow *Compound::row(int number) const
{
    if (number >= 1 && number <= rows.size())
        return &rows[number - 1];
    return number == rows.size() + 1 ? &spare : nullptr;
}
