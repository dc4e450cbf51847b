#include "controls/MnemonicStyle.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

MnemonicStyle::MnemonicStyle() : QProxyStyle(QApplication::style()->name())
{
    qApp->installEventFilter(this);
}

void MnemonicStyle::apply(QWidget *widget)
{
    widget->setStyle(this);
    m_widgets.append(widget);
}

int MnemonicStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                             QStyleHintReturn *returnData) const
{
    if (hint == SH_UnderlineShortcut && !m_altHeld)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void MnemonicStyle::setAltHeld(bool held)
{
    if (held == m_altHeld)
        return;
    m_altHeld = held;
    for (const QPointer<QWidget> &widget : std::as_const(m_widgets)) {
        if (widget)
            widget->update();
    }
}

bool MnemonicStyle::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Alt)
            setAltHeld(event->type() == QEvent::KeyPress);
        break;
    case QEvent::ApplicationDeactivate:
        setAltHeld(false);
        break;
    default:
        break;
    }
    return QProxyStyle::eventFilter(watched, event);
}
