#include "data/OriginalValues.h"

#include "data/ElementTable.h"
#include "data/Errors.h"
#include "data/TTextTable.h"

QString OriginalValues::fileName() const
{
    return m_folder.originFile(m_folder.propFile());
}

const ElementRecords &OriginalValues::records() const
{
    if (m_records)
        return *m_records;
    if (!available())
        throw EInOutError(QStringLiteral("Les données d'origine ne peuvent pas être rétablies : "
                                         "ce dossier de données n'a pas été copié des tables "
                                         "fournies avec le programme."));
    // The same checks as the program's start: a table shown wrongly must not be copied back.
    TTextTable shipped;
    ElementTable::configure(shipped, DataFolder(m_folder.originFolder()));
    ElementTable::openWhole(shipped);
    m_records = ElementRecords::fromTable(shipped);
    return *m_records;
}

std::optional<QString> OriginalValues::text(int z, const QString &field) const
{
    const ElementRecords &shipped = records();
    const int c = shipped.fieldIndex(field);
    if (c < 0 || z < 1 || z > shipped.count())
        return std::nullopt;
    return shipped.text(z, c);
}

QVector<OriginalValues::Change> OriginalValues::differences(const ElementRecords &current) const
{
    const ElementRecords &shipped = records();
    QVector<Change> changes;
    const int count = qMin(current.count(), shipped.count());
    const QStringList &fields = current.fieldNames();
    for (int z = 1; z <= count; ++z) {
        for (int c = 0; c < fields.size(); ++c) {
            const int from = shipped.fieldIndex(fields[c]);
            if (from >= 0 && current.view(z, c) != shipped.view(z, from))
                changes.append({z, fields[c], shipped.text(z, from)});
        }
    }
    return changes;
}

void OriginalValues::restore(TTextTable &table, const QVector<Change> &changes)
{
    // Every text is checked before the first goes in: a refused one leaves the table as it was.
    for (const Change &change : changes) {
        const int size = table.FieldSize(table.FieldIndex(change.field));
        if (change.text.size() > size)
            throw ETxtTblError(QStringLiteral("Élément %1, champ %2 : la valeur d'origine a %3 "
                                              "caractères, le champ n'en tient que %4 ; elle "
                                              "n'a pas été rétablie.")
                                   .arg(change.z)
                                   .arg(change.field)
                                   .arg(change.text.size())
                                   .arg(size));
    }
    const int at = table.RecNo();
    for (const Change &change : changes) {
        table.setRecNo(change.z); // posts the record before
        table.setFieldText(change.field, change.text);
    }
    table.Post();
    table.setRecNo(at);
    table.SavePosted();
}
