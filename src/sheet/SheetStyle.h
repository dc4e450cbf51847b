#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QPoint>
#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

// The looks the property sheet's header and pages share: data boxes borderless in bold
// maroon on the colour of their page, labels fitted to the room before their box.
namespace SheetStyle {

inline const QColor Maroon(0x80, 0x00, 0x00);
inline const QColor Silver(0xC0, 0xC0, 0xC0);
inline const QString Times = QStringLiteral("Times New Roman");

void colour(QWidget *widget, QPalette::ColorRole role, const QColor &c);
// A data box in `font`, in maroon on `background`.
void styleBox(QWidget *box, const QFont &font, const QColor &background);
// The same for a one-line box, which is also borderless and read-only, as a screen reader
// says; before the box is named.
void styleLine(QLineEdit *box, const QFont &font, const QColor &background);

// A label at `at`, sized to its text; one longer than `room` pixels is drawn condensed (a
// room below zero fits nothing). The texts are fixed and a sheet is made anew for each
// element click: each text is measured by the first sheet that shows it only.
QLabel *label(QWidget *parent, const QString &text, const QFont &font, QPoint at, int room = -1);

} // namespace SheetStyle
