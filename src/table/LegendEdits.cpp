#include "table/LegendEdits.h"

#include "controls/AccessibleNames.h"
#include "controls/EditCommands.h"
#include "controls/ErrorBox.h"
#include "controls/TDBEdit.h"
#include "data/ElementColumns.h"
#include "data/ElementStore.h"
#include "data/ShownElement.h"
#include "table/MirelonApplication.h"

#include <QMessageBox>
#include <QToolTip>

LegendEdits::LegendEdits(ShownElement &shown, TDBEdit &box, QWidget *window)
    : QObject(window), m_shown(shown), m_box(box), m_window(window)
{
    connect(&m_box, &TDBEdit::returnPressed, this,
            [this] { guarded(m_window, [this] { post(); }); });
}

QString LegendEdits::place() const
{
    const QString name = m_shown.text(ElementColumns::field(Column::Nom));
    const std::optional<ElementColumn> column = ElementColumns::byField(m_box.DataField());
    return column ? QStringLiteral("%1, %2").arg(name, AccessibleNames::ofColumn(column->id))
                  : name;
}

bool LegendEdits::post()
{
    const bool edited = m_box.holdsEdit();
    if (const std::optional<QString> refusal = m_shown.tryPost()) {
        m_shown.cancel();
        MirelonApplication::showError(*refusal + QStringLiteral(" L'ancienne valeur est gardée."));
        return false;
    }
    if (!edited)
        return true;
    m_shown.store().save();
    const QString said = EditCommands::posted(m_shown.text(m_box.DataField()), place());
    m_box.announce(said);
    QToolTip::showText(m_box.mapToGlobal(QPoint(0, m_box.height())), said, &m_box);
    return true;
}

bool LegendEdits::restoreAll()
{
    ElementStore &store = m_shown.store();
    if (!store.originals().available()) {
        MirelonApplication::showError(
            QStringLiteral("Ces données n'ont pas été copiées des tables fournies avec le "
                           "programme : il n'y a pas de données d'origine à rétablir."));
        return false;
    }
    const QVector<OriginalValues::Change> changes = store.differences();
    const QString file = store.originals().fileName();
    if (changes.isEmpty()) {
        QMessageBox::information(m_window, programTitle(),
                                 QStringLiteral("Toutes les valeurs sont déjà celles de la table "
                                                "d'origine « %1 ».")
                                     .arg(file));
        return false;
    }
    const QString count = changes.size() == 1
                              ? QStringLiteral("1 valeur modifiée reprendra sa valeur d'origine")
                              : QStringLiteral("%1 valeurs modifiées reprendront leur valeur "
                                               "d'origine")
                                    .arg(changes.size());
    const QString question = QStringLiteral("Rétablir toutes les données d'origine ?\n\n%1, celle "
                                            "de la table fournie avec le programme (« %2 »), et "
                                            "le fichier des données sera réécrit.")
                                 .arg(count, file);
    if (QMessageBox::question(m_window, programTitle(), question) != QMessageBox::Yes)
        return false;
    m_shown.cancel(); // a value being typed goes back too
    store.restore(changes);
    return true;
}
