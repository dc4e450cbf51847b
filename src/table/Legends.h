#pragma once

class QLabel;
class QString;
class QWidget;

// The legend panels right of the table, one per colouring mode, and the numeric legend
// `Panel2`, built hidden from their layout tables. Their controls are found by name:
// `SpinEdit1`, `edit1`, `Edit2` (physical state), `SpinEdit2` (discovery), `RxLabel1`
// and `DBEdit3` (numeric legend).
namespace Legends {

void build(QWidget *client);

// Shows `title` in the numeric legend's title `RxLabel1`, in a narrower face where the
// legend's font would run past the label's ends.
void setNumericTitle(QLabel &label, const QString &title);

} // namespace Legends
