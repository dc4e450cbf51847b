#include "data/ElementSources.h"

#include "data/Cp1252.h"
#include "data/ElementColumns.h"
#include "data/ElementRecords.h"
#include "data/FieldSplitter.h"

#include <QFile>
#include <QFileInfo>

namespace {

constexpr int FieldCount = 6; // CHAMP;NO_AT;UNITE;SOURCE;ANNEE;EDITION
constexpr int LastElement = 118;
const QString Electronegativity = QStringLiteral("_3EN");
const QString Pauling = QStringLiteral("ENPAULING");

// The unit a box names when the file gives none: the column table's, or the scale of an
// electronegativity, whose column has no unit.
QString programUnit(const QString &field)
{
    if (field.compare(Electronegativity, Qt::CaseInsensitive) == 0)
        return QStringLiteral("échelle d'Allred–Rochow");
    if (field.compare(Pauling, Qt::CaseInsensitive) == 0)
        return QStringLiteral("échelle de Pauling");
    for (const ElementColumn &column : ElementColumns::all()) {
        if (column.field.compare(field, Qt::CaseInsensitive) == 0)
            return column.unit;
    }
    return QString();
}

// The atomic number of a cell row, 0 for a column row, -1 when the text is neither.
int atomicNumber(const QString &text)
{
    if (text.isEmpty())
        return 0;
    bool digits = text.size() <= 3;
    for (QChar c : text)
        digits = digits && c >= u'0' && c <= u'9';
    const int z = digits ? text.toInt() : 0;
    return z < 1 || z > LastElement ? -1 : z;
}

} // namespace

QString ElementSources::heading()
{
    return QStringLiteral("CHAMP;NO_AT;UNITE;SOURCE;ANNEE;EDITION");
}

QString ElementSources::cellKey(const QString &field, int z)
{
    return field.toLower() + QLatin1Char('\n') + QString::number(z);
}

ElementSources ElementSources::read(const QString &path)
{
    const QString shown = QFileInfo(path).absoluteFilePath();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ElementSources none;
        none.m_problem = file.exists()
                             ? QStringLiteral("fichier des sources illisible : %1").arg(shown)
                             : QStringLiteral("fichier des sources absent : %1").arg(shown);
        return none;
    }
    return parse(file.readAll(), shown);
}

ElementSources ElementSources::parse(QByteArrayView bytes, const QString &path)
{
    QStringList lines = Cp1252::decode(bytes).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    ElementSources read;
    QString wrong;
    int number = 0;
    for (QString &line : lines) {
        ++number;
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (number == 1) {
            if (line == heading())
                continue;
            wrong = QStringLiteral("la première ligne doit être « %1 »").arg(heading());
            break;
        }
        const QStringList values = FieldSplitter::split(line, u';', u'"');
        const int z = values.size() == FieldCount ? atomicNumber(values[1]) : -1;
        if (values.size() != FieldCount)
            wrong = QStringLiteral("%1 valeurs au lieu de %2").arg(values.size()).arg(FieldCount);
        else if (values[0].isEmpty())
            wrong = QStringLiteral("le champ n'est pas nommé");
        else if (z < 0)
            wrong = QStringLiteral("numéro atomique « %1 » hors de 1 à %2")
                        .arg(values[1])
                        .arg(LastElement);
        else if (values[3].isEmpty())
            wrong = QStringLiteral("la source est vide");
        if (!wrong.isEmpty())
            break;
        QHash<QString, Source> &into = z ? read.m_cells : read.m_columns;
        const QString key = z ? cellKey(values[0], z) : values[0].toLower();
        if (into.contains(key)) {
            wrong = QStringLiteral("la source de %1 est déjà donnée").arg(values[0]);
            break;
        }
        into.insert(key, {values[2], values[3], values[4], values[5]});
        if (z)
            read.m_fieldsWithCells.insert(values[0].toLower());
    }
    if (number == 0)
        wrong = QStringLiteral("le fichier est vide");
    if (wrong.isEmpty())
        return read;
    ElementSources damaged;
    damaged.m_problem = QStringLiteral("fichier des sources illisible : %1, ligne %2 : %3")
                            .arg(path)
                            .arg(std::max(number, 1))
                            .arg(wrong);
    return damaged;
}

const ElementSources::Source *ElementSources::column(const QString &field) const
{
    const auto found = m_columns.constFind(field.toLower());
    return found == m_columns.cend() ? nullptr : &*found;
}

const ElementSources::Source *ElementSources::cell(const QString &field, int z) const
{
    const auto found = m_cells.constFind(cellKey(field, z));
    return found == m_cells.cend() ? nullptr : &*found;
}

bool ElementSources::dependsOnElement(const QString &field) const
{
    return field.compare(Electronegativity, Qt::CaseInsensitive) == 0 ||
           m_fieldsWithCells.contains(field.toLower());
}

QString ElementSources::toolTip(const QString &description)
{
    QString lines = description;
    lines.replace(QStringLiteral(" — "), QStringLiteral("\n"));
    lines.replace(QStringLiteral(" ; "), QStringLiteral("\n"));
    return lines;
}

QString ElementSources::describe(const QString &property, const QString &field, int z,
                                 const ElementRecords &records) const
{
    const Source *source = column(field);
    const QString unit = source ? source->unit : programUnit(field);
    QString said = unit.isEmpty() ? property : property + QStringLiteral(", ") + unit;
    if (!source) {
        const QString why =
            m_problem.isEmpty()
                ? QStringLiteral("le fichier des sources n'en donne pas pour %1").arg(field)
                : m_problem;
        return said + QStringLiteral(" — source inconnue (%1)").arg(why);
    }
    said += QStringLiteral(" — ") + source->text;
    if (const Source *own = cell(field, z)) {
        QString symbol = records.text(z, Column::Symbole);
        if (symbol.isEmpty())
            symbol = QStringLiteral("l'élément %1").arg(z);
        said += QStringLiteral(" ; valeur de %1 : %2").arg(symbol, own->text);
    }
    if (field.compare(Electronegativity, Qt::CaseInsensitive) == 0) {
        // The table writes decimal commas; a point typed into it is shown as one too.
        const QString value =
            records.text(z, records.fieldIndex(Pauling)).trimmed().replace(u'.', u',');
        if (!value.isEmpty()) {
            said += QStringLiteral(" ; Pauling : ") + value;
            if (const Source *scale = column(Pauling))
                said += QStringLiteral(" (%1)").arg(scale->text);
        }
    }
    return said;
}
