#include "controls/EditMark.h"

#include <QWidget>

namespace {

void setGround(QWidget &box, const QColor &colour)
{
    QPalette palette = box.palette();
    palette.setColor(QPalette::Base, colour);
    box.setPalette(palette);
}

} // namespace

void EditMark::show(QWidget &box, bool edited)
{
    if (edited == m_on)
        return;
    m_on = edited;
    QFont font = box.font();
    font.setItalic(edited);
    box.setFont(font);
    if (edited) {
        m_ground = box.palette().color(QPalette::Base);
        m_description = box.accessibleDescription();
        setGround(box, ground());
        box.setAccessibleDescription(QStringLiteral("Valeur modifiée, pas encore enregistrée "
                                                    "(Échap ou Ctrl+Z la rétablit)"));
    } else {
        setGround(box, m_ground);
        box.setAccessibleDescription(m_description);
    }
}

void EditMark::announce(QWidget &box, const QString &what)
{
    // The description the mark gives back once the edit is over is the new one.
    m_description = what;
    if (!m_on)
        box.setAccessibleDescription(what);
    box.setToolTip(what);
}
