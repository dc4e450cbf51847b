#include "molar/CompoundRules.h"

#include "data/Errors.h"
#include "data/Numbers.h"
#include "molar/FormulaReader.h"

#include <cmath>
#include <limits>

namespace CompoundRules {

namespace {

const QString ResetMessage = QStringLiteral("Faites un reset");
const QString ProbablePrefix = QStringLiteral("formule probable : ");
const QString OverflowMessage = QStringLiteral("Dépassement de capacité en virgule flottante");

int toInteger(const QString &text)
{
    const std::optional<int> value = Numbers::parseInteger(text);
    if (!value)
        throw EConvertError(Numbers::notInteger(text));
    return *value;
}

// `what` names the value for the user: "la masse molaire de H".
double toFloat(const QString &text, const QString &what)
{
    const std::optional<double> value = Numbers::parseDecimal(text);
    if (!value) {
        QString message = what + QStringLiteral(" : ") + Numbers::notDecimal(text) + u'.';
        message[0] = message[0].toUpper();
        throw EConvertError(message);
    }
    return *value;
}

QString massOf(const CompoundRow &row)
{
    return QStringLiteral("la masse molaire de %1 (colonne « M »)").arg(row.symbol);
}

QString amountOf(const CompoundRow &row)
{
    return QStringLiteral("la quantité de %1 (colonne « mol »)").arg(row.symbol);
}

// A result that a double cannot hold is reported, never written as a number.
double representable(double value)
{
    if (!std::isfinite(value))
        throw MirelonError(OverflowMessage);
    return value;
}

double divide(double dividend, double divisor)
{
    if (divisor == 0)
        throw MirelonError(QStringLiteral("Division par zéro"));
    return representable(dividend / divisor);
}

// The count of a probable formula: the nearest integer, halves to the even one.
QString roundedCount(double value)
{
    const double rounded = std::nearbyint(representable(value));
    if (std::fabs(rounded) >= 9.2e18)
        throw MirelonError(OverflowMessage);
    return QString::number(static_cast<qint64>(rounded));
}

// The percentages, once the molar mass is known and not zero.
void writePercentages(QVector<CompoundRow> &rows, double molarMass)
{
    for (CompoundRow &row : rows) {
        const double mol = toInteger(row.count);
        const double mass = toFloat(row.mass, massOf(row));
        // Times 100 before the division: the order decides which way a value on a rounding
        // tie goes (Co + Ru gives 36,8312 and 63,1688, which add up to 100). Only masses
        // near the largest double, which would overflow that way, take the share first.
        const double scaled = mol * 100.0 * mass;
        const double share =
            std::isfinite(scaled) ? scaled / molarMass : mol * mass / molarMass * 100.0;
        row.percent = Numbers::formatGeneral(representable(share), 6);
    }
}

// Atoms of each element in one formula unit, then the formula with the rounded counts. The
// counts are read back as written, so that the formula agrees with the column.
QString probableFormula(QVector<CompoundRow> &rows, const QString &molarMass)
{
    const double mass = toFloat(molarMass, QStringLiteral("la masse molaire du composé"));
    for (CompoundRow &row : rows)
        row.count =
            Numbers::formatGeneral(representable(toFloat(row.count, amountOf(row)) * mass), 15);
    QString formula = ProbablePrefix;
    for (const CompoundRow &row : rows)
        formula += row.symbol + roundedCount(toFloat(row.count, amountOf(row)));
    return formula;
}

// Each amount over the smallest one, so that the rarest element counts 1.
void atomRatios(QVector<CompoundRow> &rows)
{
    double smallest = 100000;
    for (const CompoundRow &row : rows)
        smallest = std::min(smallest, toFloat(row.count, amountOf(row)));
    for (CompoundRow &row : rows)
        row.count = Numbers::formatGeneral(divide(toFloat(row.count, amountOf(row)), smallest), 4);
}

} // namespace

Outcome addAtoms(const Compound &compound, const QString &symbol, const QString &mass, int atoms)
{
    Outcome outcome{compound, {}, {}, {}};
    Compound &out = outcome.compound;
    try {
        bool found = false;
        for (int number = 1; number <= out.rows.size() + 1; ++number) {
            CompoundRow &row = *out.row(number);
            if (row.symbol != symbol)
                continue;
            found = true;
            const qint64 count = qint64(toInteger(row.count)) + atoms;
            if (count > std::numeric_limits<int>::max())
                throw EConvertError(Numbers::notInteger(QString::number(count)));
            row.count = QString::number(count);
        }
        if (!found) {
            // The element is written into the spare row, whose "% massique" stays as it was
            // until the percentages are computed; a fresh spare row goes below.
            CompoundRow added = out.spare;
            added.symbol = symbol;
            added.mass = mass;
            added.count = QString::number(atoms);
            out.rows.append(added);
            out.spare = {};
        }
    } catch (const MirelonError &) {
        outcome.error = ResetMessage;
    }
    return outcome;
}

Outcome recompute(const Compound &compound)
{
    Outcome outcome{compound, {}, {}, {}};
    QVector<CompoundRow> &rows = outcome.compound.rows;
    try {
        QString formula;
        for (const CompoundRow &row : rows)
            formula += row.symbol + row.count;
        double molarMass = 0;
        for (const CompoundRow &row : rows)
            molarMass += toInteger(row.count) * toFloat(row.mass, massOf(row));
        representable(molarMass);
        outcome.formula = formula;
        outcome.molarMass = Numbers::formatGeneral(molarMass, 6);
        // Shown as they are; only the percentages need a molar mass to divide by.
        if (molarMass == 0)
            throw MirelonError(QStringLiteral("Division par zéro"));
        writePercentages(rows, molarMass);
    } catch (const MirelonError &) {
        outcome.error = ResetMessage;
    }
    return outcome;
}

Outcome fromFormula(const Compound &compound, const QString &typed, const MassLookup &massOf)
{
    Outcome refused{compound, {}, {}, {}};
    const auto refuse = [&refused](const QString &what, qsizetype position) {
        refused.error = QStringLiteral("%1 (caractère %2)").arg(what).arg(position);
        refused.position = position;
        return refused;
    };
    const FormulaReader::Reading reading = FormulaReader::read(typed);
    if (reading.failed())
        return refuse(reading.error, reading.position);
    Compound read;
    for (const FormulaReader::ElementAtoms &element : reading.elements) {
        const std::optional<QString> mass = massOf ? massOf(element.symbol) : std::nullopt;
        if (!mass)
            return refuse(QStringLiteral("L'élément « %1 » n'est pas dans la table des éléments")
                              .arg(element.symbol),
                          element.position);
        read.rows.append({element.symbol, *mass, QString::number(element.count), {}});
    }
    Outcome outcome = recompute(read);
    if (!outcome.failed()) {
        outcome.formula = reading.formula;
        return outcome;
    }
    // The counts are the reader's: the table's masses are at fault.
    for (qsizetype row = 0; row < read.rows.size(); ++row) {
        if (!Numbers::parseDecimal(read.rows[row].mass))
            return refuse(QStringLiteral("La masse atomique de « %1 » dans la table n'est pas "
                                         "un nombre : « %2 »")
                              .arg(read.rows[row].symbol, read.rows[row].mass),
                          reading.elements[row].position);
    }
    return refuse(QStringLiteral("Les masses atomiques de la table ne donnent pas de masse "
                                 "molaire"),
                  1);
}

QString proposedPercent(double confirmedSum)
{
    return Numbers::formatGeneral(100 - confirmedSum, 15);
}

Outcome molesPerGram(const Compound &compound)
{
    Outcome outcome{compound, {}, {}, {}};
    try {
        for (CompoundRow &row : outcome.compound.rows) {
            const double share =
                toFloat(row.percent, QStringLiteral("le % massique de %1").arg(row.symbol)) * 0.01;
            row.count = Numbers::formatGeneral(divide(share, toFloat(row.mass, massOf(row))), 15);
        }
    } catch (const MirelonError &error) {
        outcome.error = error.message();
    }
    return outcome;
}

Outcome formulaFromMoles(const Compound &compound, const QString &molarMass)
{
    Outcome outcome{compound, {}, {}, {}};
    try {
        if (molarMass.isEmpty())
            atomRatios(outcome.compound.rows);
        else
            outcome.formula = probableFormula(outcome.compound.rows, molarMass);
    } catch (const MirelonError &error) {
        outcome.error = error.message();
    }
    return outcome;
}

} // namespace CompoundRules
