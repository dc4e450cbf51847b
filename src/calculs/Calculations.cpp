#include "calculs/Calculations.h"

#include "calculs/EquationTable.h"
#include "calculs/Quantities.h"

#include <optional>

namespace Calculations {

namespace {

using Quantities::Refusal;
using Quantities::Value;
using Quantities::write;

constexpr double Avogadro = 6.02214076e23;  // mol⁻¹
constexpr double GasConstant = 8.314462618; // J·mol⁻¹·K⁻¹

const Unit Gram{QStringLiteral("g"), Unit::Mass};
const Unit Mole{QStringLiteral("mol"), Unit::Amount};
const Unit GramPerMole{QStringLiteral("g/mol"), Unit::None};
const Unit Entities{QString(), Unit::None};

const QVector<Unit> &masses()
{
    static const QVector<Unit> units{
        {QStringLiteral("mg"), Unit::Mass, 1e-3}, Gram, {QStringLiteral("kg"), Unit::Mass, 1e3}};
    return units;
}
const QVector<Unit> &amounts()
{
    static const QVector<Unit> units{{QStringLiteral("mmol"), Unit::Amount, 1e-3}, Mole};
    return units;
}
QVector<Unit> massesAndAmounts()
{
    return QVector<Unit>(masses()) << amounts();
}
const QVector<Unit> &volumes()
{
    static const QVector<Unit> units{{QStringLiteral("mL"), Unit::Volume, 1e-3},
                                     {QStringLiteral("L"), Unit::Volume, 1}};
    return units;
}
const QVector<Unit> &concentrations()
{
    static const QVector<Unit> units{{QStringLiteral("mol/L"), Unit::Molar, 1},
                                     {QStringLiteral("mmol/L"), Unit::Molar, 1e-3},
                                     {QStringLiteral("g/L"), Unit::MassConc, 1}};
    return units;
}

Result plainResult(const QString &text)
{
    return Result{text, text.toHtmlEscaped(), QString()};
}

Result guardedRule(const std::function<QString()> &rule)
{
    try {
        return plainResult(rule());
    } catch (const Refusal &refusal) {
        return Result{QString(), QString(), refusal.message};
    }
}

// The one field left empty among `values`, or a refusal when none or more than one is.
int theEmptyOne(const QVector<std::optional<Value>> &values, const QString &names)
{
    int empty = -1;
    for (int i = 0; i < values.size(); ++i) {
        if (values[i])
            continue;
        if (empty >= 0)
            throw Refusal{QStringLiteral("Remplissez tous les champs de %1 sauf un").arg(names)};
        empty = i;
    }
    if (empty < 0)
        throw Refusal{QStringLiteral("Laissez vide celui de %1 à calculer").arg(names)};
    return empty;
}

void nonZero(const Field &field, const std::optional<Value> &value)
{
    if (value && value->base == 0)
        throw Refusal{QStringLiteral("« %1 » : la valeur ne peut pas être nulle").arg(field.name)};
}

// Every field of a four-field relation read, none of them zero; the empty ones stay empty.
QVector<std::optional<Value>> readNonZero(const QVector<Field> &fields, const QVector<Entry> &e)
{
    QVector<std::optional<Value>> v;
    for (int i = 0; i < 4; ++i) {
        v << Quantities::read(fields[i], e[i]);
        nonZero(fields[i], v.back());
    }
    return v;
}

// n = m / M, N = n · NA, from whichever of m, n, N is given.
Calculation amountOfSubstance()
{
    Calculation c{QString(),
                  {{QStringLiteral("Formule"), {}},
                   {QStringLiteral("Masse m"), masses()},
                   {QStringLiteral("Quantité n"), amounts()},
                   {QStringLiteral("Entités N"), {}}},
                  {}};
    const QVector<Field> fields = c.fields;
    c.rule = [fields](const QVector<Entry> &e, const ElementRecords &records) {
        return guardedRule([&] {
            const double molar = Quantities::molarMass(fields[0], e[0].text, records);
            const QVector<std::optional<Value>> given{Quantities::read(fields[1], e[1]),
                                                      Quantities::read(fields[2], e[2]),
                                                      Quantities::read(fields[3], e[3])};
            int filled = 0;
            for (const auto &value : given)
                filled += value ? 1 : 0;
            if (filled != 1)
                throw Refusal{QStringLiteral("Remplissez un seul des champs « Masse m », "
                                             "« Quantité n » et « Entités N »")};
            const Value typed = given[0] ? *given[0] : given[1] ? *given[1] : *given[2];
            const double n = given[0]   ? typed.base / molar
                             : given[1] ? typed.base
                                        : typed.base / Avogadro;
            const int digits = Quantities::digitsFor({typed});
            return QStringLiteral("M = %1 ; m = %2 ; n = %3 ; N = %4")
                .arg(write(molar, GramPerMole, 5),
                     write(n * molar, fields[1].units.value(e[1].unit), digits),
                     write(n, fields[2].units.value(e[2].unit), digits),
                     write(n * Avogadro, Entities, digits));
        });
    };
    return c;
}

// C = n / V and Cm = C · M, solved for whichever of C, V and the amount is empty.
Calculation solution()
{
    Calculation c{QStringLiteral("Solution"),
                  {{QStringLiteral("Soluté"), {}},
                   {QStringLiteral("Concentration C"), concentrations()},
                   {QStringLiteral("Volume V"), volumes()},
                   {QStringLiteral("Quantité dissoute"), massesAndAmounts()}},
                  {}};
    const QVector<Field> fields = c.fields;
    c.rule = [fields](const QVector<Entry> &e, const ElementRecords &records) {
        return guardedRule([&] {
            const double molar = Quantities::molarMass(fields[0], e[0].text, records);
            std::optional<Value> C = Quantities::read(fields[1], e[1]);
            std::optional<Value> V = Quantities::read(fields[2], e[2]);
            std::optional<Value> Q = Quantities::read(fields[3], e[3]);
            nonZero(fields[2], V);
            const Unit cUnit = fields[1].units.value(e[1].unit);
            const Unit qUnit = fields[3].units.value(e[3].unit);
            // Everything in mol/L, L and mol.
            if (C && cUnit.kind == Unit::MassConc)
                C->base /= molar;
            if (Q && qUnit.kind == Unit::Mass)
                Q->base /= molar;
            const int empty = theEmptyOne({C, V, Q}, QStringLiteral("C, V et la quantité"));
            if (empty == 0)
                C = Value{Q->base / V->base, Quantities::digitsFor({*Q, *V})};
            else if (empty == 1) {
                nonZero(fields[1], C);
                V = Value{Q->base / C->base, Quantities::digitsFor({*Q, *C})};
            } else
                Q = Value{C->base * V->base, Quantities::digitsFor({*C, *V})};
            const int digits = Quantities::digitsFor({*C, *V, *Q});
            return QStringLiteral("C = %1 ; Cm = %2 ; V = %3 ; n = %4 ; m = %5")
                .arg(write(C->base, concentrations()[0], digits),
                     write(C->base * molar, concentrations()[2], digits),
                     write(V->base, fields[2].units.value(e[2].unit), digits),
                     write(Q->base, Mole, digits), write(Q->base * molar, Gram, digits));
        });
    };
    return c;
}

// C1 · V1 = C2 · V2 solved for the one left empty.
Calculation dilution()
{
    Calculation c{QStringLiteral("Dilution"),
                  {{QStringLiteral("Concentration mère C1"), concentrations()},
                   {QStringLiteral("Volume prélevé V1"), volumes()},
                   {QStringLiteral("Concentration fille C2"), concentrations()},
                   {QStringLiteral("Volume final V2"), volumes()}},
                  {}};
    const QVector<Field> fields = c.fields;
    c.rule = [fields](const QVector<Entry> &e, const ElementRecords &) {
        return guardedRule([&] {
            const QVector<std::optional<Value>> v = readNonZero(fields, e);
            const bool molar1 = fields[0].units.value(e[0].unit).kind == Unit::Molar;
            const bool molar2 = fields[2].units.value(e[2].unit).kind == Unit::Molar;
            if (molar1 != molar2)
                throw Refusal{QStringLiteral("C1 et C2 doivent être toutes deux molaires ou "
                                             "toutes deux massiques")};
            const int empty = theEmptyOne(v, QStringLiteral("C1, V1, C2 et V2"));
            // The empty one is the other side's product over its partner on its own side.
            const int across = empty ^ 1;    // same side of the equality
            const int opposite = 3 - across; // the other side: C1·V1 = C2·V2
            const double product = v[opposite]->base * v[opposite ^ 1]->base;
            const double solved = product / v[across]->base;
            const int digits = Quantities::digitsFor({*v[across], *v[opposite], *v[opposite ^ 1]});
            return QStringLiteral("%1 = %2").arg(
                fields[empty].name,
                write(solved, fields[empty].units.value(e[empty].unit), digits));
        });
    };
    return c;
}

// P · V = n · R · T solved for the empty one, and the molar volume R · T / P.
Calculation idealGas()
{
    Calculation c{
        QString(),
        {{QStringLiteral("Pression P"),
          {{QStringLiteral("Pa"), Unit::Pressure, 1},
           {QStringLiteral("hPa"), Unit::Pressure, 100},
           {QStringLiteral("bar"), Unit::Pressure, 1e5},
           {QStringLiteral("atm"), Unit::Pressure, 101325}}},
         {QStringLiteral("Volume V"),
          {{QStringLiteral("L"), Unit::Volume, 1e-3}, {QStringLiteral("m³"), Unit::Volume, 1}}},
         {QStringLiteral("Quantité n"), amounts()},
         {QStringLiteral("Température T"),
          {{QStringLiteral("K"), Unit::Temperature, 1},
           {QStringLiteral("°C"), Unit::Temperature, 1, 273.15}}}},
        {}};
    const QVector<Field> fields = c.fields;
    c.rule = [fields](const QVector<Entry> &e, const ElementRecords &) {
        return guardedRule([&] {
            const QVector<std::optional<Value>> v = readNonZero(fields, e);
            const int empty = theEmptyOne(v, QStringLiteral("P, V, n et T"));
            const int digits =
                Quantities::digitsFor({v[(empty + 1) % 4].value(), v[(empty + 2) % 4].value(),
                                       v[(empty + 3) % 4].value()});
            double P = v[0] ? v[0]->base : 0;
            double V = v[1] ? v[1]->base : 0;
            double n = v[2] ? v[2]->base : 0;
            double T = v[3] ? v[3]->base : 0;
            switch (empty) {
            case 0:
                P = n * GasConstant * T / V;
                break;
            case 1:
                V = n * GasConstant * T / P;
                break;
            case 2:
                n = P * V / (GasConstant * T);
                break;
            default:
                T = P * V / (n * GasConstant);
                break;
            }
            const double values[] = {P, V, n, T};
            const Unit litrePerMole{QStringLiteral("L/mol"), Unit::None, 1e-3};
            return QStringLiteral("%1 = %2 ; volume molaire Vm = %3")
                .arg(fields[empty].name,
                     write(values[empty], fields[empty].units.value(e[empty].unit), digits),
                     write(GasConstant * T / P, litrePerMole, digits));
        });
    };
    return c;
}

Calculation equation()
{
    Calculation c{QString(),
                  {{QStringLiteral("Équation"), {}},
                   {QStringLiteral("Espèce donnée"), {}},
                   {QStringLiteral("Quantité donnée"), massesAndAmounts()},
                   {QStringLiteral("Seconde espèce"), {}},
                   {QStringLiteral("Seconde quantité"), massesAndAmounts()}},
                  {}};
    const QVector<Field> fields = c.fields;
    c.rule = [fields](const QVector<Entry> &e, const ElementRecords &records) {
        return EquationTable::compute(fields, e, records);
    };
    return c;
}

} // namespace

const QVector<Page> &pages()
{
    static const QVector<Page> table{
        {QStringLiteral("Quantité de matière"), {amountOfSubstance()}},
        {QStringLiteral("Concentration"), {solution(), dilution()}},
        {QStringLiteral("Gaz parfait"), {idealGas()}},
        {QStringLiteral("Équation"), {equation()}},
    };
    return table;
}

} // namespace Calculations
