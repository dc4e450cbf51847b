#include "molar/DialogLayout.h"

#include "controls/AccessibleNames.h"
#include "controls/Fonts.h"
#include "controls/ReadOnlyBoxAccessible.h"

#include <QLabel>
#include <QLineEdit>

namespace {

// What a screen reader calls a field: the text on its line left of it, as the eye reads it,
// or else the dialog's title.
QString fieldName(const QWidget *parent, const DialogItem *items, int count,
                  const DialogItem &field)
{
    for (int i = 0; i < count; ++i) {
        const DialogItem &item = items[i];
        if (item.kind == DialogItem::Kind::Text && item.geometry.top() == field.geometry.top() &&
            item.geometry.left() < field.geometry.left())
            return AccessibleNames::fromCaption(QString::fromUtf8(item.text));
    }
    return parent->windowTitle();
}

} // namespace

std::vector<QLineEdit *> buildDialogItems(QWidget *parent, const DialogItem *items, int count)
{
    std::vector<QLineEdit *> fields;
    for (int i = 0; i < count; ++i) {
        const DialogItem &item = items[i];
        QWidget *widget = nullptr;
        if (item.kind == DialogItem::Kind::Text) {
            widget = new QLabel(QString::fromUtf8(item.text), parent);
        } else {
            auto *field = new QLineEdit(QString::fromUtf8(item.text), parent);
            if (item.kind == DialogItem::Kind::ReadOnlyField)
                ReadOnlyBoxAccessible::makeReadOnly(field);
            field->setAccessibleName(fieldName(parent, items, count, item));
            fields.push_back(field);
            widget = field;
        }
        widget->setObjectName(QString::fromLatin1(item.name));
        if (item.pixels > 0)
            widget->setFont(pixelFont(parent->font().family(), item.pixels, item.bold));
        widget->move(item.geometry.topLeft());
        if (item.kind == DialogItem::Kind::Text)
            widget->adjustSize();
        else
            widget->resize(item.geometry.size());
    }
    return fields;
}
