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

QString placeName(const QStringList &names, const QStringList &record, int field)
{
    const int nom = static_cast<int>(names.indexOf(ElementColumns::field(Column::Nom)));
    const int number = static_cast<int>(names.indexOf(ElementColumns::field(Column::NoAt)));
    const QString name =
        nom >= 0 ? record.value(nom) : QStringLiteral("Élément %1").arg(record.value(number));
    const QString fieldName = names.value(field);
    const auto column = ElementColumns::byField(fieldName);
    if (!column || column->listName.isEmpty())
        return QStringLiteral("%1, champ %2").arg(name, fieldName);
    return QStringLiteral("%1, champ « %2 » (%3)")
        .arg(name, column->listName.simplified(), fieldName);
}

namespace {

// The current record's place, for a refused post; a table without names is told by the
// record's number.
QString currentPlace(const TTextTable &table, int field)
{
    const QString nom = ElementColumns::field(Column::Nom);
    QStringList names = table.FieldNames();
    QStringList record;
    for (int i = 0; i < names.size(); ++i)
        record.append(QString());
    const int at = table.FieldIndex(nom);
    if (at >= 0) {
        names[at] = nom;
        record[at] = table.FieldText(nom);
    } else {
        names.append(nom);
        record.append(QStringLiteral("Élément %1").arg(table.RecNo()));
    }
    return placeName(names, record, field);
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
        fields.append({column.field, column.size, ElementColumns::addedLater(column.id)});
    table.setDeclaredFields(fields);
    table.setPlaceName([&table](int field) { return currentPlace(table, field); });
    // Another copy of the program may have written the file in another order of records.
    table.setKeyField(ElementColumns::field(Column::NoAt));
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
    // Started elsewhere than in its data folder, the program finds no table: say where it
    // looked and how it is meant to be started, the command on a line of its own so that no
    // wrapping cuts it.
    const QFileInfo info(file);
    if (!info.exists() && !info.isSymLink())
        throw EInOutError(
            QStringLiteral("Le fichier « %1 » est introuvable : le programme a cherché ses "
                           "données dans le dossier « %2 ».\nLancez-le par l'entrée « Mirelon » "
                           "du menu des applications du bureau, ou depuis le dossier de ses "
                           "sources par la commande :\n"
                           "./run.sh")
                .arg(info.absoluteFilePath(), info.absolutePath()),
            file);
    // The real cause, before the table would blame a missing column on it.
    // What a copy killed in the middle of a write left behind goes first.
    DataFile::removeLeftovers(file);
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
    if (table.RecordCount() != ElementCount && table.RecordCount() != FirstEditionCount) {
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
