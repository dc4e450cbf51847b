#include "controls/EditCommands.h"

#include "controls/FieldLink.h"
#include "data/OriginalValues.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>

namespace EditCommands {

namespace {

// A value shown in quotes, an empty one by name.
QString quoted(const QString &text)
{
    return text.isEmpty() ? QStringLiteral("(vide)") : QStringLiteral("« %1 »").arg(text);
}

} // namespace

bool takesEditBack(const QKeyEvent &event)
{
    return event.key() == Qt::Key_Escape || event.matches(QKeySequence::Undo);
}

QAction *add(QMenu &menu, const FieldLink &link, std::function<void()> run)
{
    menu.addSeparator();
    QAction *restore = menu.addAction(QStringLiteral("Rétablir la valeur d'origine"));
    restore->setObjectName(QStringLiteral("RestoreOriginal"));
    const OriginalValues *origin = link.originalValues();
    const bool shipped = origin && origin->available();
    restore->setEnabled(link.canRestore());
    restore->setToolTip(
        !shipped ? QStringLiteral("Ces données n'ont pas été copiées des tables fournies avec "
                                  "le programme : il n'y a pas de valeur d'origine.")
        : restore->isEnabled()
            ? QStringLiteral("Remet la valeur des tables fournies avec le programme et "
                             "l'enregistre.")
            : QStringLiteral("La valeur est celle des tables fournies avec le programme."));
    menu.setToolTipsVisible(true);
    QObject::connect(restore, &QAction::triggered, &menu, std::move(run));
    return restore;
}

QString posted(const QString &text, const QString &place)
{
    if (place.isEmpty())
        return QStringLiteral("Valeur enregistrée : %1").arg(quoted(text));
    return QStringLiteral("Valeur enregistrée pour %1 : %2").arg(place, quoted(text));
}

QString restored(const QString &text)
{
    return QStringLiteral("Valeur d'origine rétablie et enregistrée : %1").arg(quoted(text));
}

} // namespace EditCommands
