#pragma once

#include "table/CategoryColours.h"
#include "table/ColouringPicture.h"

class QLabel;
class QWidget;

// The legend panels right of the table, one per colouring mode, and the numeric legend
// `Panel2`, built hidden from their layout tables. Their controls are found by name:
// `SpinEdit1`, `edit1`, `Edit2` (physical state), `SpinEdit2` (discovery), `RxLabel1`
// and `DBEdit3` (numeric legend).
namespace Legends {

void build(QWidget *client);

// The numeric legend's rows: the greatest value's fill, the smallest's, and the fill of
// no value.
const CategoryColours::Keys &numericKeys();

// The legend in view on `client` and the values its fields show; `entry` is the colouring
// list's text, the mode applied.
ColouringPicture::Shown shown(const QWidget &client, const QString &entry);

// Shows `title` in the numeric legend's title `RxLabel1`, in a narrower face where the
// legend's font would run past the label's ends.
void setNumericTitle(QLabel &label, const QString &title);

} // namespace Legends
