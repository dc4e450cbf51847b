#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

class ElementRecords;

// The classroom calculations as one table of pages, each page one or more calculations, each
// calculation its fields (with their unit lists) and its rule. A rule takes the texts typed
// and the units chosen, and returns the result to show or the first fault, in French, naming
// the field. The window only builds what the table describes and shows what a rule returns.
namespace Calculations {

// A unit of a field: the factor (and offset, for °C) to the base unit of its kind.
struct Unit
{
    QString name;
    enum Kind { None, Mass, Amount, Volume, Molar, MassConc, Pressure, Temperature } kind = None;
    double factor = 1;
    double offset = 0;
};

struct Field
{
    QString name;        // the label, and the name a fault message gives
    QVector<Unit> units; // none for a formula, an equation or a number of entities
};

// What the user typed in one field, and which of its units is chosen.
struct Entry
{
    QString text;
    int unit = 0;
};

struct Result
{
    QString plain; // the result as a screen reader reads it and the clipboard takes it
    QString rich;  // the same drawn, with subscripts and superscripts
    QString error; // empty when the calculation went through

    bool failed() const { return !error.isEmpty(); }
};

using Rule = std::function<Result(const QVector<Entry> &, const ElementRecords &)>;

struct Calculation
{
    QString title;
    QVector<Field> fields;
    Rule rule;
};

struct Page
{
    QString title;
    QVector<Calculation> calculations;
};

// The pages in their order: « Quantité de matière », « Concentration », « Gaz parfait »,
// « Équation ».
const QVector<Page> &pages();

} // namespace Calculations
