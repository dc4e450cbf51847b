#include "calculs/Equation.h"

#include "calculs/EquationText.h"
#include "calculs/Rational.h"

#include <QStringList>

#include <algorithm>
#include <optional>

namespace Equation {

namespace {

using Matrix = QVector<QVector<Rational>>;

QString quoted(const QString &text)
{
    return QStringLiteral("« %1 »").arg(text);
}

// The charge as written after the formula: "^+", "^2-".
QString chargeText(int charge)
{
    if (charge == 0)
        return QString();
    const QChar sign = charge > 0 ? u'+' : u'-';
    const int magnitude = charge > 0 ? charge : -charge;
    return magnitude == 1 ? QString(sign) : QString::number(magnitude) + sign;
}

// Reads one species' text, or says what is wrong with it.
std::optional<Species> readSpecies(const QString &text, bool product, QString &error)
{
    const EquationText::Charged charged = EquationText::charged(text);
    if (!charged.error.isEmpty()) {
        error = charged.error;
        return std::nullopt;
    }
    Species species;
    species.product = product;
    species.charge = charged.charge;
    if (charged.formula.trimmed() == QStringLiteral("e")) {
        if (charged.charge != -1) {
            error = QStringLiteral("L'électron s'écrit « e^- »");
            return std::nullopt;
        }
        species.electron = true;
        species.formula = QStringLiteral("e");
        return species;
    }
    const FormulaReader::Reading reading = FormulaReader::read(charged.formula);
    if (reading.failed()) {
        error = QStringLiteral("%1 : %2").arg(quoted(text.trimmed()), reading.error);
        return std::nullopt;
    }
    species.formula = reading.formula;
    species.elements = reading.elements;
    return species;
}

// The elements of the equation in the order of their first appearance.
QStringList elementsOf(const QVector<Species> &species)
{
    QStringList symbols;
    for (const Species &one : species) {
        for (const FormulaReader::ElementAtoms &atoms : one.elements) {
            if (!symbols.contains(atoms.symbol))
                symbols << atoms.symbol;
        }
    }
    return symbols;
}

// An element found on one side only: no balance can keep it.
QString oneSidedElement(const QVector<Species> &species, const QStringList &symbols)
{
    for (const QString &symbol : symbols) {
        bool left = false;
        bool right = false;
        for (const Species &one : species) {
            if (one.atoms(symbol) > 0)
                (one.product ? right : left) = true;
        }
        if (left != right)
            return QStringLiteral("L'élément %1 n'apparaît que %2 : l'équation ne peut pas "
                                  "être équilibrée")
                .arg(symbol, left ? QStringLiteral("parmi les réactifs")
                                  : QStringLiteral("parmi les produits"));
    }
    return QString();
}

// One row per element (its atoms, counted negative on the products' side), then one for the
// charge when a species is charged.
Matrix conservation(const QVector<Species> &species, const QStringList &symbols)
{
    Matrix rows;
    for (const QString &symbol : symbols) {
        QVector<Rational> row;
        for (const Species &one : species)
            row << Rational(one.product ? -one.atoms(symbol) : one.atoms(symbol));
        rows << row;
    }
    if (std::any_of(species.begin(), species.end(), [](const Species &s) { return s.charge; })) {
        QVector<Rational> row;
        for (const Species &one : species)
            row << Rational(one.product ? -one.charge : one.charge);
        rows << row;
    }
    return rows;
}

// Brings `m` to its reduced row echelon form; returns the column of each pivot, row by row.
QVector<int> reduce(Matrix &m, int columns)
{
    QVector<int> pivots;
    int row = 0;
    for (int column = 0; column < columns && row < m.size(); ++column) {
        int found = row;
        while (found < m.size() && m[found][column].isZero())
            ++found;
        if (found == m.size())
            continue;
        std::swap(m[row], m[found]);
        const Rational pivot = m[row][column];
        for (Rational &value : m[row])
            value = value / pivot;
        for (int other = 0; other < m.size(); ++other) {
            if (other == row || m[other][column].isZero())
                continue;
            const Rational factor = m[other][column];
            for (int c = column; c < columns; ++c)
                m[other][c] = m[other][c] - factor * m[row][c];
        }
        pivots << column;
        ++row;
    }
    return pivots;
}

// The one balance of a matrix whose kernel has one dimension, as the smallest whole numbers.
QVector<std::int64_t> wholeKernel(const Matrix &m, const QVector<int> &pivots, int columns)
{
    int free = 0;
    while (pivots.contains(free))
        ++free;
    QVector<Rational> x(columns, Rational(0));
    x[free] = Rational(1);
    for (int row = 0; row < pivots.size(); ++row)
        x[pivots[row]] = Rational(0) - m[row][free];
    std::int64_t denominators = 1;
    for (const Rational &value : x)
        denominators = Rational::lcm(denominators, value.denominator());
    QVector<std::int64_t> whole;
    std::int64_t divisor = 0;
    for (const Rational &value : x) {
        whole << (value * Rational(denominators)).numerator();
        divisor = Rational::gcd(divisor, whole.back());
    }
    for (std::int64_t &value : whole)
        value /= divisor;
    return whole;
}

// Sets the coefficients, or says why there are none that keep every species on its side.
QString solve(QVector<Species> &species, const QStringList &symbols)
{
    Matrix m = conservation(species, symbols);
    const int columns = species.size();
    const QVector<int> pivots = reduce(m, columns);
    const int balances = columns - pivots.size();
    if (balances == 0)
        return QStringLiteral("Cette équation ne peut pas être équilibrée : aucun jeu de "
                              "coefficients ne conserve à la fois les atomes et les charges");
    if (balances > 1)
        return QStringLiteral("Cette équation a %1 équilibrages indépendants : plusieurs "
                              "réactions y sont mêlées, écrivez-les chacune à part")
            .arg(balances);
    QVector<std::int64_t> whole = wholeKernel(m, pivots, columns);
    const auto positive = std::count_if(whole.begin(), whole.end(), [](auto v) { return v > 0; });
    if (positive * 2 < whole.size())
        std::transform(whole.begin(), whole.end(), whole.begin(), [](auto v) { return -v; });
    for (int i = 0; i < columns; ++i) {
        if (whole[i] == 0)
            return QStringLiteral("%1 ne peut pas prendre part à cette réaction : son "
                                  "coefficient serait nul")
                .arg(quoted(species[i].plain()));
    }
    for (int i = 0; i < columns; ++i) {
        if (whole[i] < 0)
            return QStringLiteral("Aucun équilibrage ne garde chaque espèce de son côté : "
                                  "%1 devrait passer de l'autre côté de la flèche")
                .arg(quoted(species[i].plain()));
    }
    for (int i = 0; i < columns; ++i)
        species[i].coefficient = whole[i];
    return QString();
}

QString joined(const QVector<Species> &species, bool rich)
{
    QStringList sides[2];
    for (const Species &one : species) {
        const QString coefficient =
            one.coefficient > 1 ? QString::number(one.coefficient) + u' ' : QString();
        sides[one.product ? 1 : 0] << coefficient + (rich ? one.rich() : one.plain());
    }
    return sides[0].join(QStringLiteral(" + ")) + QStringLiteral(" → ") +
           sides[1].join(QStringLiteral(" + "));
}

} // namespace

QString Species::plain() const
{
    const QString charge = chargeText(this->charge);
    return charge.isEmpty() ? formula : formula + u'^' + charge;
}

QString Species::rich() const
{
    // A digit run is a count, drawn low, unless it is the coefficient of a hydrate's part.
    QString text;
    bool counting = false;
    bool leading = false; // in the coefficient that starts the formula or a part
    for (qsizetype i = 0; i < formula.size(); ++i) {
        const QChar c = formula[i];
        const bool digit = c.isDigit();
        if (!digit)
            leading = false;
        else if (i == 0 || formula[i - 1] == QChar(0x00B7))
            leading = true;
        const bool count = digit && !leading;
        if (count != counting)
            text += count ? QStringLiteral("<sub>") : QStringLiteral("</sub>");
        counting = count;
        text += c;
    }
    if (counting)
        text += QStringLiteral("</sub>");
    const QString charge = chargeText(this->charge);
    if (!charge.isEmpty())
        text += QStringLiteral("<sup>") + QString(charge).replace(u'-', QChar(0x2212)) +
                QStringLiteral("</sup>");
    return text;
}

int Species::atoms(const QString &symbol) const
{
    for (const FormulaReader::ElementAtoms &one : elements) {
        if (one.symbol == symbol)
            return one.count;
    }
    return 0;
}

QString Balance::plain() const
{
    return joined(species, false);
}

QString Balance::rich() const
{
    return joined(species, true);
}

Balance balance(QStringView typed)
{
    Balance result;
    const EquationText::Sides sides = EquationText::cut(typed);
    result.error = sides.error;
    if (result.failed())
        return result;
    if (sides.reactants.size() + sides.products.size() > MaxSpecies) {
        result.error =
            QStringLiteral("Plus de %1 espèces : l'équation est trop longue").arg(MaxSpecies);
        return result;
    }
    for (const QVector<QString> *side : {&sides.reactants, &sides.products}) {
        for (const QString &text : *side) {
            const std::optional<Species> species =
                readSpecies(text, side == &sides.products, result.error);
            if (!species)
                return result;
            result.species << *species;
        }
    }
    const QStringList symbols = elementsOf(result.species);
    result.error = oneSidedElement(result.species, symbols);
    if (result.failed())
        return result;
    try {
        result.error = solve(result.species, symbols);
    } catch (const Rational::Overflow &) {
        result.error = QStringLiteral("Les coefficients de cette équation seraient trop "
                                      "grands pour être calculés exactement");
    }
    return result;
}

} // namespace Equation
