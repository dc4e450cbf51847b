#include "sheet/SheetStyle.h"

#include "controls/Fonts.h"
#include "controls/ReadOnlyBoxAccessible.h"

#include <QHash>
#include <QLabel>
#include <QLineEdit>

namespace SheetStyle {

void colour(QWidget *widget, QPalette::ColorRole role, const QColor &c)
{
    QPalette palette = widget->palette();
    palette.setColor(role, c);
    widget->setPalette(palette);
}

void styleBox(QWidget *box, const QFont &font, const QColor &background)
{
    box->setFont(font);
    colour(box, QPalette::Text, Maroon);
    colour(box, QPalette::Base, background);
}

void styleLine(QLineEdit *box, const QFont &font, const QColor &background)
{
    styleBox(box, font, background);
    box->setFrame(false);
    ReadOnlyBoxAccessible::makeReadOnly(box);
}

namespace {

// A label's font and size, once its text is fitted to the room before its box.
struct LabelLook
{
    QFont font;
    QSize size;
};

} // namespace

QLabel *label(QWidget *parent, const QString &text, const QFont &font, QPoint at, int room)
{
    static QHash<QString, LabelLook> looks;
    const QString key =
        text + QLatin1Char('\n') + font.key() + QLatin1Char('\n') + QString::number(room);
    auto *caption = new QLabel(text, parent);
    const auto known = looks.constFind(key);
    if (known != looks.cend()) {
        caption->setFont(known->font);
        caption->resize(known->size);
    } else {
        caption->setFont(room < 0 ? font : fittingFont(font, text, room));
        sizeToText(caption);
        looks.insert(key, {caption->font(), caption->size()});
    }
    caption->move(at);
    return caption;
}

} // namespace SheetStyle
