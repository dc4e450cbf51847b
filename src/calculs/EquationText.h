#pragma once

#include <QString>
#include <QStringView>
#include <QVector>

// The first step of reading an equation: the text cut into its two sides and each side into
// the texts of its species, and a species' text into its formula and charge. Nothing is
// checked against the elements here.
namespace EquationText {

struct Sides
{
    QVector<QString> reactants;
    QVector<QString> products;
    QString error; // in French; empty when the text was cut
};

// The arrow is "->", "→" or "=", once; a "+" joins two species unless it belongs to a charge
// ("^2+", "^+", "{3+}", "^{2+}").
Sides cut(QStringView typed);

struct Charged
{
    QString formula; // the species without a leading coefficient and without its charge
    int charge = 0;
    QString error; // in French; empty when the charge was read
};

// A species' text: a leading whole coefficient is dropped (the balance finds its own), then
// the charge at its end is read: "^2+", "^+2", "^-", "^{3-}", "{2+}", "²⁺", or a bare "-"
// after a letter or a bracket ("OH-", "e-"). "Fe3+" is refused as ambiguous.
Charged charged(const QString &species);

} // namespace EquationText
