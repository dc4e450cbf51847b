#include "calculs/Quantities.h"

#include "data/Numbers.h"
#include "molar/ElementMasses.h"
#include "molar/FormulaReader.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace Quantities {

namespace {

QString named(const Calculations::Field &field)
{
    return QStringLiteral("« %1 » : ").arg(field.name);
}

QString withoutBlanks(QStringView text)
{
    QString kept;
    for (const QChar c : text.trimmed()) {
        if (c != u' ' && c != QChar(0x00A0) && c != QChar(0x202F))
            kept += c;
    }
    return kept;
}

} // namespace

int significantDigits(QStringView text)
{
    const QString kept = withoutBlanks(text);
    int digits = 0;
    bool started = false;
    for (const QChar c : kept) {
        if (c == u'E' || c == u'e')
            break;
        if (!c.isDigit())
            continue;
        if (c != u'0')
            started = true;
        if (started)
            ++digits;
    }
    return std::max(digits, 1);
}

std::optional<Value> read(const Calculations::Field &field, const Calculations::Entry &entry,
                          bool negativeAllowed)
{
    const QString kept = withoutBlanks(entry.text);
    if (kept.isEmpty())
        return std::nullopt;
    const std::optional<double> value = Numbers::parseDecimal(kept);
    if (!value) {
        static const QRegularExpression large(QStringLiteral("^[+-]?\\d+(,\\d*)?[eE][+]?\\d+$"));
        if (large.match(kept).hasMatch())
            throw Refusal{named(field) + QStringLiteral("« %1 » est trop grand pour être "
                                                        "calculé")
                                             .arg(entry.text.trimmed())};
        throw Refusal{named(field) + Numbers::notDecimal(entry.text.trimmed())};
    }
    const Calculations::Unit unit =
        field.units.isEmpty() ? Calculations::Unit{} : field.units.value(entry.unit);
    const double base = (*value + unit.offset) * unit.factor;
    if (unit.kind == Calculations::Unit::Temperature && base < 0)
        throw Refusal{named(field) +
                      QStringLiteral("une température ne peut pas être en dessous du zéro "
                                     "absolu (0 K)")};
    if (base < 0 && !negativeAllowed && unit.kind != Calculations::Unit::Temperature)
        throw Refusal{named(field) + QStringLiteral("la valeur ne peut pas être négative")};
    return Value{base, significantDigits(kept)};
}

int digitsFor(std::initializer_list<Value> values)
{
    int fewest = MostDigits;
    for (const Value &value : values)
        fewest = std::min(fewest, value.digits);
    return std::clamp(fewest, FewestDigits, MostDigits);
}

QString write(double base, const Calculations::Unit &unit, int digits)
{
    const double shown = base / unit.factor - unit.offset;
    const QString number = Numbers::formatGeneral(shown, digits);
    return unit.name.isEmpty() ? number : number + u' ' + unit.name;
}

double molarMass(const Calculations::Field &field, const QString &formula,
                 const ElementRecords &records)
{
    if (formula.trimmed().isEmpty())
        throw Refusal{named(field) + QStringLiteral("le champ est vide")};
    const FormulaReader::Reading reading = FormulaReader::read(formula);
    if (reading.failed())
        throw Refusal{named(field) + reading.error};
    double mass = 0;
    for (const FormulaReader::ElementAtoms &atoms : reading.elements) {
        const std::optional<QString> text = ElementMasses::of(records, atoms.symbol);
        QString digits = text.value_or(QString());
        digits.remove(u'(').remove(u')');
        const std::optional<double> atomic = Numbers::parseDecimal(digits);
        if (!atomic || *atomic <= 0)
            throw Refusal{named(field) + QStringLiteral("la table ne donne pas la masse "
                                                        "atomique de %1")
                                             .arg(atoms.symbol)};
        mass += *atomic * atoms.count;
    }
    return mass;
}

} // namespace Quantities
