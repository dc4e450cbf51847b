#include "sets/SetsEntries.h"

#include "data/ElementColumns.h"

#include <iterator>

namespace {

using C = Column;

struct Row
{
    Column column;
    const char *title; // UTF-8
    int width;
};

// The chooser's entries in list order; each is offered under its column's list wording.
constexpr Row Rows[] = {
    {C::NoAt, "N° At", 35},
    {C::Symbole, "symb.", 40},
    {C::Nom, "nom", 65},
    {C::MasseAt, "M. At.|(g/mol)", 45},
    {C::MasseVol, "M. Vol.|(g/mL)", 45},
    {C::EtatPhy, "Etat ", 50},
    {C::Tf, "T fus |(K)", 45},
    {C::Teb, "T eb |(K)", 45},
    {C::HAt, "H At. |(KJ/mol)", 45},
    {C::HFus, "H fus. |(KJ/mol)", 45},
    {C::HVap, "H vap. |(KJ/mol)", 45},
    {C::CondElec, "Cond. elec. |(MS/m)", 50},
    {C::CondTherm, "Cond. therm. |(W/(m/K))", 55},
    {C::Decouverte, "Decouverte", 66},
    {C::DecPar, "Découvert par", 100},
    {C::OriNom, "origine du nom", 100},
    {C::LieuDec, "Lieu de la découverte", 100},
    {C::Structure, "Structure", 220},
    {C::Durete, "Dureté", 50},
    {C::Couleur, "Couleur", 80},
    {C::Caract, "Caracteristiques", 259},
    {C::Appl, "Applications", 260},
    {C::Toxicite, "toxic", 60},
    {C::Cancer, "cancer.", 50},
    {C::ReacAir, "Réaction/air", 160},
    {C::ReacEau, "Réaction/eau", 150},
    {C::ReacHcl, "Réaction/HCl", 150},
    {C::ReacHno3, "Réaction/HNO3", 150},
    {C::ReacNaoh, "Réaction/NaOH", 150},
    {C::Isotopes, "Isotopes", 55},
    {C::Config, "Config", 120},
    {C::E1ereIon, "E 1ere ion|(KJ/mol)", 60},
    {C::E2emeIon, "E 2eme ion|(KJ/mol)", 60},
    {C::E3emeIon, "E 3eme ion|(KJ/mol)", 60},
    {C::En, "E.N.", 45},
    {C::Ae, "A.E.|(KJ/mol)", 45},
    {C::Polaris, "Polaris.|(a**3)", 45},
    {C::VolAt, "Vol. at.|(mL/mol)", 45},
    {C::RAt, "R. at.|(pm)", 45},
    {C::RiAnion2, "RI (2-)|(pm)", 45},
    {C::RiAnion1, "RI (1-)|(pm)", 45},
    {C::RiCation1, "RI (1+)|(pm)", 45},
    {C::RiCation2, "RI (2+)|(pm)", 45},
    {C::RiCation3, "RI (3+)|(pm)", 45},
    {C::NoTotal, "NO total", 150},
    {C::NoCourant, "NO courant", 90},
    {C::NoMaxCourant, "NO max|courant", 45},
    {C::NoMinCourant, "NO min|courant", 45},
    {C::NoMax, "NO max|connu", 45},
    {C::NoMin, "NO min|connu", 45},
    {C::DeriveH, "dérivé|avec H", 150},
    {C::DeriveO, "dérivé|avec O", 190},
    {C::DeriveCl, "dérivé|avec Cl", 170},
    {C::Source, "Source", 256},
    {C::AbCosm, "Ab. cosm. |(log)", 50},
    {C::AbTer, "Ab. terr. |(log)", 50},
    {C::AbSoleil, "Ab. Soleil |(log)", 50},
    {C::AbCrouteTerre, "Ab.croute terrestre |(ppm)", 120},
    {C::AbCrouteCont, "Ab.croute continentale |(ppm)", 120},
    {C::AbCrouteOcean, "Ab.croute oceanique |(ppm)", 120},
    {C::AbEau, "Ab.eau de mer |(ppm)", 120},
    {C::AbAtm, "Ab.atmosphère |(% vol)", 120},
    {C::AbBois, "Ab.bois |(%)", 120},
    {C::AbVivant, "Ab.vivant |(%)", 120},
    {C::EnPauling, "E.N.|Pauling", 50},
};
static_assert(std::size(Rows) == SetsEntries::Count);

} // namespace

namespace SetsEntries {

SetsColumn column(int entry)
{
    if (entry < 0 || entry >= Count)
        return {};
    const Row &row = Rows[entry];
    return {ElementColumns::field(row.column), QString::fromUtf8(row.title), row.width};
}

QString text(int entry)
{
    if (entry < 0 || entry >= Count)
        return {};
    return ElementColumns::column(Rows[entry].column).listName;
}

const QVector<SetsColumn> &initialColumns()
{
    static const QVector<SetsColumn> columns = {
        {ElementColumns::field(C::NoAt), QStringLiteral("N° At."), 36, SetsColumn::Look::Key},
        {ElementColumns::field(C::Symbole), QStringLiteral("Symb."), 33, SetsColumn::Look::Key},
        {ElementColumns::field(C::Nom), QStringLiteral("Nom"), 74, SetsColumn::Look::Centred},
    };
    return columns;
}

} // namespace SetsEntries
