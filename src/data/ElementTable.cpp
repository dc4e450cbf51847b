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
    table.setValueCheck([&table](int field, const QString &text) -> std::optional<QString> {
        if (text.isEmpty() || !isNumeric(table.FieldNames().value(field)) ||
            Numbers::parseDecimal(text))
            return std::nullopt;
        return QStringLiteral("« %1 » n'est pas un nombre ; écrivez-le avec une virgule "
                              "décimale, par exemple 1,01 ou 4,00E-08")
            .arg(text);
    });
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
    QByteArray bytes;
    try {
        bytes = DataFile::readAll(file, MaxFileSize);
    } catch (const EInOutError &refused) {
        throw EInOutError(refused.message() + notStarted, file);
    }
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
