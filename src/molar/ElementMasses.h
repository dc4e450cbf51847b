#pragma once

#include <QString>

#include <optional>

class TTextTable;

namespace ElementMasses {

// The atomic mass text of the element whose symbol is exactly `symbol`, as the open element
// table holds it: what the hover panel shows, and so what a click on the element would take.
// None when no record has that symbol. The table's cursor does not move.
std::optional<QString> of(const TTextTable &table, const QString &symbol);

} // namespace ElementMasses
