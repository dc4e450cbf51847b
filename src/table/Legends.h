#pragma once

class QWidget;

// The legend panels right of the table, one per colouring mode, and the numeric legend
// `Panel2`, built hidden from their layout tables. Their controls are found by name:
// `SpinEdit1`, `edit1`, `Edit2` (physical state), `SpinEdit2` (discovery), `RxLabel1`
// and `DBEdit3` (numeric legend).
namespace Legends {

void build(QWidget *client);

} // namespace Legends
