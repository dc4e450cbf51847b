#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

// The columns of the element table prop.yop, in file order: the 72 of the table's first
// edition, then those added since. Every other table of the program (the chooser lists, the
// sheet's boxes, the hover panel, the sets grid) names a column by one of these constants,
// never by its field-name text; the enumerator's value is the column's position in the file.
// clang-format off
enum class Column {
    NoAt, Symbole, Nom, MasseAt, MasseVol, EtatPhy, Tf, Teb, CondElec, CondTherm,
    HAt, HFus, HVap, AbCosm, AbTer, Decouverte, Source, Structure, Durete, Couleur,
    Caract, Appl, Toxicite, Cancer, ReacAir, ReacEau, ReacHcl, ReacHno3, ReacNaoh, Isotopes,
    Config, En, Ae, Polaris, VolAt, RAt, E1ereIon, E2emeIon, E3emeIon,
    RiAnion1, RiCation1, RiCation2, RiAnion2, RiCation3, // the file's order: 1-, 1+, 2+, 2-, 3+
    NoTotal, NoCourant, NoMaxCourant, NoMinCourant, NoMax, NoMin, DeriveCl, DeriveH, DeriveO,
    Ligne, Colonne, Groupe, Bloc, Acidbase, DecPar, LieuDec, OriNom, NomUk, NomGer, TexteDec,
    AbSoleil, AbCrouteTerre, AbCrouteCont, AbCrouteOcean, AbEau, AbAtm, AbBois, AbVivant,
    EnPauling, // added after the first edition
};
// clang-format on

// The form of a column's values; an empty text is no value in every kind.
enum class ColumnKind {
    Number,    // decimal comma, optional "-" and exponent: "1,01", "4,00E-08"
    Year,      // signed integer, negative before the common era, or "Préhistoire"
    Oxidation, // ascending signed integers: "-2 0 +1 +3"
    Text,
};

// What the program knows about one column.
struct ElementColumn
{
    Column id = Column::NoAt;
    QString field; // as the file's first line names it
    int size = 0;  // width the windows declare: its longest text, name included, + 5
    ColumnKind kind = ColumnKind::Text;
    QString unit;     // "" for none
    QString listName; // wording in the property lists; "" for a column offered in none
    int empties = 0;  // records of the shipped table without a value (checked, never relied on)
};

namespace ElementColumns {

inline constexpr int Count = 73;
// The columns of the first edition, which every element table holds. A table written before a
// later column existed (a user's copy of the first edition) lacks it: such a table still
// opens, and the column then reads as empty.
inline constexpr int FirstEditionCount = 72;

const QVector<ElementColumn> &all();
const ElementColumn &column(Column id);
// The field name of `id`, as the tables and data-aware controls take it.
QString field(Column id);
QStringList fieldNames();
bool isNumeric(Column id);
// A column that a table written before it existed may lack.
bool addedLater(Column id);
// The scale a column's values are given on, as the screen reader names it after a value
// ("échelle de Pauling"); empty for a column whose unit says all.
QString scale(Column id);

// Lookups by field name, exact as in the file; nothing (or -1) for an unknown name.
std::optional<ElementColumn> byField(const QString &field);
int indexOf(const QString &field);

// The kind's name in the tools' column file: "number", "year", "oxidation", "text".
QString kindName(ColumnKind kind);
// The table as tab-separated UTF-8 text with a heading line, LF line ends, for the
// maintainer scripts that build and check the data file.
QByteArray toTsv();

} // namespace ElementColumns
