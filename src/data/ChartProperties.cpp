#include "data/ChartProperties.h"

namespace ChartProperties {

namespace {

using C = Column;

constexpr std::array<Property, Count> Properties = {{
    {C::NoAt, "N° At"},
    {C::MasseAt, "M. At.(g/mol)"},
    {C::MasseVol, "M. Vol.(g/mL)"},
    {C::Tf, "T fus (K)"},
    {C::Teb, "T eb (K)"},
    {C::HAt, "H At.(KJ/mol)"},
    {C::HFus, "H fus. (KJ/mol)"},
    {C::HVap, "H vap. (KJ/mol)"},
    {C::CondElec, "Cond. elec. (MS/m)"},
    {C::CondTherm, "Cond. therm.(W/(m/K))"},
    {C::Durete, "Dureté"},
    {C::Isotopes, "nb Isotopes"},
    {C::E1ereIon, "E 1ere ionisation(KJ/mol)"},
    {C::E2emeIon, "E 2eme ionisation(KJ/mol)"},
    {C::E3emeIon, "E 3eme ionisation(KJ/mol)"},
    {C::En, "E.N."},
    {C::Ae, "A.E.(KJ/mol)"},
    {C::Polaris, "Polarisabilité(a**3)"},
    {C::VolAt, "Vol. at.(mL/mol)"},
    {C::RAt, "R. at.(pm)"},
    {C::RiAnion2, "RI (ion 2-)(pm)"},
    {C::RiAnion1, "RI (ion 1-)(pm)"},
    {C::RiCation1, "RI (ion 1+)(pm)"},
    {C::RiCation2, "RI (ion 2+)(pm)"},
    {C::RiCation3, "RI (ion3+)(pm)"},
    {C::AbCosm, "Ab. cosm. (log)"},
    {C::AbTer, "Ab. terr. (log)"},
    {C::AbSoleil, "Ab. soleil (log)"},
    {C::AbCrouteTerre, "Ab. croute terrestre (ppm)"},
    {C::AbCrouteCont, "Ab. croute continentale (ppm)"},
    {C::AbCrouteOcean, "Ab. croute océanique (ppm)"},
    {C::AbEau, "Ab. eau de mer (ppm)"},
    {C::AbAtm, "Ab. atmosphère (% vol)"},
    {C::AbBois, "Ab. bois (%)"},
    {C::AbVivant, "Ab. organismes vivants (%)"},
    {C::EnPauling, "E.N. (Pauling)"},
}};

} // namespace

QString Property::text() const
{
    return ElementColumns::column(column).listName;
}

QString Property::field() const
{
    return ElementColumns::field(column);
}

const std::array<Property, Count> &all()
{
    return Properties;
}

} // namespace ChartProperties
