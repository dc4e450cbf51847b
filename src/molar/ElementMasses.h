#pragma once

#include <QString>

#include <optional>

class ElementRecords;

namespace ElementMasses {

// The atomic mass text of the element whose symbol is exactly `symbol`, as the element records
// hold it: what the hover panel shows, and so what a click on the element would take. None
// when no record has that symbol.
std::optional<QString> of(const ElementRecords &records, const QString &symbol);

} // namespace ElementMasses
