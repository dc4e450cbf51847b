#pragma once

#include <QString>

#include <functional>

class FieldLink;
class QAction;
class QKeyEvent;
class QMenu;

// What the data boxes that take typing share: the keys that take an edit back, the entry of
// their context menu that puts the shipped value back, and what they say once a value is
// written.
namespace EditCommands {

// Escape or the undo key (Ctrl+Z).
bool takesEditBack(const QKeyEvent &event);

// Adds "Rétablir la valeur d'origine" after a separator to a box's standard menu, enabled when
// `link` can restore (FieldLink::canRestore), else saying why in its tool tip; `run` restores.
QAction *add(QMenu &menu, const FieldLink &link, std::function<void()> run);

// What a box says once `text` has been written from it: "Valeur enregistrée : …", with
// `place` (an element and a property) when the box no longer shows the record.
QString posted(const QString &text, const QString &place = {});
// The same once the shipped value has been put back.
QString restored(const QString &text);

} // namespace EditCommands
