#include "controls/TSpinEdit.h"

#include "controls/ErrorBox.h"

#include <QKeyEvent>
#include <QLineEdit>

TSpinEdit::TSpinEdit(QWidget *parent) : QSpinBox(parent) {}

QString TSpinEdit::refusal(const QString &typed) const
{
    if (!typed.contains(u'.') && !typed.contains(u','))
        return {};
    const QString box = accessibleName().isEmpty()
                            ? QStringLiteral("Cette case")
                            : QStringLiteral("La case « %1 »").arg(accessibleName());
    return QStringLiteral("%1 ne prend qu'un nombre entier : « %2 » n'en est pas un, la virgule "
                          "et le point décimal n'y ont pas leur place. La valeur reste %3.")
        .arg(box, typed.trimmed())
        .arg(value());
}

void TSpinEdit::keyPressEvent(QKeyEvent *event)
{
    const QString key = event->text();
    if (key == u"." || key == u",") {
        QString typed = lineEdit()->text();
        const int at = lineEdit()->hasSelectedText() ? lineEdit()->selectionStart()
                                                     : lineEdit()->cursorPosition();
        typed.remove(at, lineEdit()->selectedText().size()).insert(at, key);
        event->accept();
        showErrorBox(refusal(typed), this);
        return;
    }
    QSpinBox::keyPressEvent(event);
}
