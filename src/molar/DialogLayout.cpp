#include "molar/DialogLayout.h"

#include "controls/Fonts.h"

#include <QLabel>
#include <QLineEdit>

void buildDialogItems(QWidget *parent, const DialogItem *items, int count)
{
    for (int i = 0; i < count; ++i) {
        const DialogItem &item = items[i];
        QWidget *widget = nullptr;
        if (item.kind == DialogItem::Kind::Text) {
            widget = new QLabel(QString::fromUtf8(item.text), parent);
        } else {
            auto *field = new QLineEdit(QString::fromUtf8(item.text), parent);
            field->setReadOnly(item.kind == DialogItem::Kind::ReadOnlyField);
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
}
