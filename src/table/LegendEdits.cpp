#include "table/LegendEdits.h"

#include "controls/AccessibleNames.h"
#include "controls/EditCommands.h"
#include "controls/ErrorBox.h"
#include "controls/TDBEdit.h"
#include "data/ElementColumns.h"
#include "data/ElementRecords.h"
#include "data/TTextTable.h"
#include "table/MirelonApplication.h"

#include <QMessageBox>
#include <QToolTip>

LegendEdits::LegendEdits(TTextTable &table, TDBEdit &box, const DataFolder &folder, QWidget *window)
    : QObject(window), m_table(table), m_box(box), m_originals(folder), m_window(window)
{
    m_box.setOriginalValues(&m_originals);
    connect(&m_box, &TDBEdit::returnPressed, this,
            [this] { guarded(m_window, [this] { post(); }); });
}

QString LegendEdits::place() const
{
    const QString name = m_table.FieldText(ElementColumns::field(Column::Nom));
    const std::optional<ElementColumn> column = ElementColumns::byField(m_box.DataField());
    return column ? QStringLiteral("%1, %2").arg(name, AccessibleNames::ofColumn(column->id))
                  : name;
}

bool LegendEdits::post()
{
    const bool edited = m_box.holdsEdit();
    if (const std::optional<QString> refusal = m_table.TryPost()) {
        m_table.Cancel();
        MirelonApplication::showError(*refusal + QStringLiteral(" L'ancienne valeur est gardée."));
        return false;
    }
    if (!edited)
        return true;
    m_table.SavePosted();
    const QString said = EditCommands::posted(m_table.FieldText(m_box.DataField()), place());
    m_box.announce(said);
    QToolTip::showText(m_box.mapToGlobal(QPoint(0, m_box.height())), said, &m_box);
    return true;
}

bool LegendEdits::restoreAll()
{
    if (!m_originals.available()) {
        MirelonApplication::showError(
            QStringLiteral("Ces données n'ont pas été copiées des tables fournies avec le "
                           "programme : il n'y a pas de données d'origine à rétablir."));
        return false;
    }
    const QVector<OriginalValues::Change> changes =
        m_originals.differences(ElementRecords::fromTable(m_table));
    const QString file = m_originals.fileName();
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
    m_table.Cancel(); // a value being typed goes back too
    OriginalValues::restore(m_table, changes);
    return true;
}
