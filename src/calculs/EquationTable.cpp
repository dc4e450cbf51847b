#include "calculs/EquationTable.h"

#include "calculs/Equation.h"
#include "calculs/EquationText.h"
#include "calculs/Quantities.h"

#include <QStringList>

#include <optional>

namespace EquationTable {

namespace {

using Calculations::Entry;
using Calculations::Field;
using Calculations::Unit;
using Quantities::Refusal;

const Unit Mole{QStringLiteral("mol"), Unit::Amount};
const Unit Gram{QStringLiteral("g"), Unit::Mass};

// The species of the balance that the text names, written as the balance writes it.
int speciesIndex(const Field &field, const QString &text, const Equation::Balance &balance)
{
    const EquationText::Charged charged = EquationText::charged(text);
    Equation::Species wanted;
    wanted.charge = charged.charge;
    const FormulaReader::Reading reading = FormulaReader::read(charged.formula);
    wanted.formula =
        charged.formula.trimmed() == QStringLiteral("e") ? QStringLiteral("e") : reading.formula;
    for (int i = 0; i < balance.species.size(); ++i) {
        if (balance.species[i].plain() == wanted.plain())
            return i;
    }
    throw Refusal{QStringLiteral("« %1 » : « %2 » n'est pas une espèce de l'équation")
                      .arg(field.name, text.trimmed())};
}

struct Given
{
    int species = -1;
    double extent = 0; // the amount given over the species' coefficient, in mol
    Quantities::Value value;
};

std::optional<Given> given(const QVector<Field> &fields, const QVector<Entry> &e, int first,
                           const Equation::Balance &balance, const QVector<double> &molar)
{
    const bool named = !e[first].text.trimmed().isEmpty();
    const std::optional<Quantities::Value> value =
        Quantities::read(fields[first + 1], e[first + 1]);
    if (!named && !value)
        return std::nullopt;
    if (!named)
        throw Refusal{QStringLiteral("« %1 » : le champ est vide").arg(fields[first].name)};
    if (!value)
        throw Refusal{QStringLiteral("« %1 » : le champ est vide").arg(fields[first + 1].name)};
    Given g;
    g.species = speciesIndex(fields[first], e[first].text, balance);
    g.value = *value;
    double amount = value->base;
    if (fields[first + 1].units.value(e[first + 1].unit).kind == Unit::Mass) {
        if (molar[g.species] == 0)
            throw Refusal{QStringLiteral("« %1 » : l'électron n'a pas de masse à donner")
                              .arg(fields[first + 1].name)};
        amount /= molar[g.species];
    }
    g.extent = amount / double(balance.species[g.species].coefficient);
    return g;
}

} // namespace

Calculations::Result compute(const QVector<Field> &fields, const QVector<Entry> &e,
                             const ElementRecords &records)
{
    const Equation::Balance balance = Equation::balance(e[0].text);
    if (balance.failed())
        return {QString(), QString(),
                QStringLiteral("« %1 » : %2").arg(fields[0].name, balance.error)};
    try {
        QVector<double> molar;
        for (const Equation::Species &s : balance.species)
            molar << (s.electron ? 0.0 : Quantities::molarMass(fields[0], s.formula, records));
        const std::optional<Given> first = given(fields, e, 1, balance, molar);
        const std::optional<Given> second = given(fields, e, 3, balance, molar);
        QStringList plain{balance.plain()};
        QStringList rich{balance.rich()};
        if (second && !first)
            throw Refusal{QStringLiteral("« %1 » : le champ est vide").arg(fields[1].name)};
        if (!first)
            return {plain.join(u'\n'), rich.join(QStringLiteral("<br>")), QString()};
        Given used = *first;
        int digits = Quantities::digitsFor({first->value});
        if (second) {
            if (balance.species[first->species].product ||
                balance.species[second->species].product || first->species == second->species)
                throw Refusal{QStringLiteral("Le réactif limitant se cherche entre deux réactifs "
                                             "différents")};
            used = second->extent < first->extent ? *second : *first;
            const Given &other = second->extent < first->extent ? *first : *second;
            digits = Quantities::digitsFor({first->value, second->value});
            const Equation::Species &limiting = balance.species[used.species];
            const Equation::Species &excess = balance.species[other.species];
            const double left = (other.extent - used.extent) * double(excess.coefficient);
            plain << QStringLiteral("Réactif limitant : %1 ; il reste %2 de %3")
                         .arg(limiting.plain(), Quantities::write(left, Mole, digits),
                              excess.plain());
            rich << QStringLiteral("Réactif limitant : %1 ; il reste %2 de %3")
                        .arg(limiting.rich(), Quantities::write(left, Mole, digits), excess.rich());
        }
        for (int i = 0; i < balance.species.size(); ++i) {
            const Equation::Species &s = balance.species[i];
            const double n = used.extent * double(s.coefficient);
            const QString amounts =
                molar[i] > 0
                    ? QStringLiteral("%1 ; %2").arg(Quantities::write(n, Mole, digits),
                                                    Quantities::write(n * molar[i], Gram, digits))
                    : Quantities::write(n, Mole, digits);
            const QString verb = s.product ? QStringLiteral("formé") : QStringLiteral("consommé");
            plain << QStringLiteral("%1 %2 : %3").arg(s.plain(), verb, amounts);
            rich << QStringLiteral("%1 %2 : %3").arg(s.rich(), verb, amounts);
        }
        return {plain.join(u'\n'), rich.join(QStringLiteral("<br>")), QString()};
    } catch (const Refusal &refusal) {
        return {QString(), QString(), refusal.message};
    }
}

} // namespace EquationTable
