#include "data/ElementTable.h"

#include "data/DataFile.h"
#include "data/DataFolder.h"
#include "data/ElementColumns.h"
#include "data/Errors.h"
#include "data/Numbers.h"
#include "data/TTextTable.h"

#include <QFileInfo>

namespace ElementTable {

bool isNumeric(const QString &field)
{
    const int index = ElementColumns::indexOf(field);
    return index >= 0 && ElementColumns::isNumeric(static_cast<Column>(index));
}

namespace {

// "Fer, champ « Point de fusion » (_TF)": the element as the user knows it, and the field by
// the wording of the lists where it has one.
QString placeName(const TTextTable &table, int field)
{
    const QString nom = ElementColumns::field(Column::Nom);
    const QString name = table.FieldIndex(nom) >= 0
                             ? table.FieldText(nom)
                             : QStringLiteral("Élément %1").arg(table.RecNo());
    const QString fieldName = table.FieldNames().value(field);
    const auto column = ElementColumns::byField(fieldName);
    if (!column || column->listName.isEmpty())
        return QStringLiteral("%1, champ %2").arg(name, fieldName);
    return QStringLiteral("%1, champ « %2 » (%3)")
        .arg(name, column->listName.simplified(), fieldName);
}

// A number typed in a numeric column is stored without the blanks around it, and never cut:
// cut to the column's size, it would be another number.
std::optional<QString> numberRefusal(const TTextTable &table, int field, QString &text)
{
    if (!isNumeric(table.FieldNames().value(field)))
        return std::nullopt;
    text = text.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    if (!Numbers::parseDecimal(text))
        return QStringLiteral("« %1 » n'est pas un nombre ; écrivez-le avec une virgule "
                              "décimale, par exemple 1,01 ou 4,00E-08")
            .arg(text);
    const int size = table.FieldSize(field);
    if (text.size() > size)
        return QStringLiteral("« %1 » a %2 caractères, et la colonne n'en tient que %3 : un "
                              "nombre coupé serait un autre nombre ; écrivez-le plus court, par "
                              "exemple avec un exposant (4,00E-08)")
            .arg(text)
            .arg(text.size())
            .arg(size);
    return std::nullopt;
}

} // namespace

void configure(TTextTable &table, const DataFolder &folder)
{
    table.setDivChar(QLatin1Char(';'));
    table.setSepChar(QLatin1Char('"'));
    table.setFileName(folder.propFile());
    QVector<TTextTable::FieldDecl> fields;
    for (const ElementColumn &column : ElementColumns::all())
        fields.append({column.field, column.size});
    table.setDeclaredFields(fields);
    table.setPlaceName([&table](int field) { return placeName(table, field); });
    table.setValueCheck(
        [&table](int field, QString &text) { return numberRefusal(table, field, text); });
}

void openWhole(TTextTable &table)
{
    const QString file = table.FileName();
    const QString notStarted =
        QStringLiteral(" Le programme ne peut pas démarrer ; le fichier n'a pas été modifié.");
    const auto stop = [&](const QString &what) {
        throw EInOutError(
            QStringLiteral("Le fichier « %1 » %2.").arg(QFileInfo(file).absoluteFilePath(), what) +
                notStarted,
            file);
    };
    // The real cause, before the table would blame a missing column on it.
    QByteArray bytes;
    try {
        bytes = DataFile::readAll(file, MaxFileSize);
    } catch (const EInOutError &refused) {
        throw EInOutError(refused.message() + notStarted, file);
    }
    // Blank lines alone are as empty: the table would find no names line.
    if (QByteArrayView(bytes).trimmed().isEmpty())
        stop(QStringLiteral("est vide : il ne contient pas la table des éléments"));
    if (const std::optional<QString> why = DataFile::textRefusal(bytes))
        stop(*why);
    try {
        table.Open();
    } catch (const EDatabaseError &e) {
        // The declared field that the file's first line does not name.
        stop(QStringLiteral("n'a pas la colonne « %1 »").arg(e.place()));
    }
    if (table.RecordCount() != ElementCount) {
        const int found = table.RecordCount();
        table.Close();
        stop(QStringLiteral("contient %1 enregistrement%2 au lieu de %3 : il est incomplet ou "
                            "abîmé")
                 .arg(found)
                 .arg(found > 1 ? QStringLiteral("s") : QString())
                 .arg(ElementCount));
    }
}

} // namespace ElementTable
