#pragma once

#include <QColor>
#include <QString>

class QWidget;

// How a data box looks while it holds a text typed and not yet posted: italic on a pale
// yellow ground, and said so to a screen reader. The legend's value box and the property
// sheet's memos share it, so that an edit in progress looks the same wherever it is.
class EditMark
{
public:
    // The ground of a box holding an edit.
    static QColor ground() { return QColor(0xFF, 0xF1, 0x9C); }

    // Marks `box` as holding an edit, or gives it its own look back.
    void show(QWidget &box, bool edited);
    // Tells a screen reader, in the box's description, what was last written from the box.
    void announce(QWidget &box, const QString &what);

private:
    bool m_on = false;
    QColor m_ground;
    QString m_description;
};
