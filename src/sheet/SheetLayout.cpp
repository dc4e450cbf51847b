#include "sheet/SheetLayout.h"

namespace SheetLayout {

namespace {

using C = Column;

// clang-format off
constexpr std::array<Row, RowCount> Rows = {{
    {Page::Macro, "Masse Atomique (g/mol)                  :", C::MasseAt, Box::Line, 256, 18},
    {Page::Macro, "Masse Volumique (Kg/L)                :", C::MasseVol, Box::Line, 256, 44},
    {Page::Macro, "Etat Physique                                   :", C::EtatPhy, Box::Line, 256, 74},
    {Page::Macro, "Dureté (echelle Mhos)                     :", C::Durete, Box::Line, 256, 96},
    {Page::Macro, "Conductivité Electrique (MS/m)      :", C::CondElec, Box::Line, 256, 124},
    {Page::Macro, "Conductivité Thermique (W/(m/K)  :", C::CondTherm, Box::Line, 256, 144},
    {Page::Macro, "Point de Fusion (K):", C::Tf, Box::Line, 256, 179},
    {Page::Macro, "Point d'ebullition (K):", C::Teb, Box::Line, 256, 202},
    {Page::Macro, "Enthaplie d'Atomisation (KJ/mol):", C::HAt, Box::Line, 256, 243},
    {Page::Macro, "Enthalpie de Fusion (KJ/mol):", C::HFus, Box::Line, 256, 266},
    {Page::Macro, "Enthalpie de Vaporisation (KJ/mol):", C::HVap, Box::Line, 256, 289},
    {Page::Micro, "Configuration Electronique       :", C::Config, Box::Line, 232, 6},
    {Page::Micro, "Electronegativité                       :", C::En, Box::Line, 232, 37},
    {Page::Micro, "Affinité Electronique (KJ/mol)  :", C::Ae, Box::Line, 232, 58},
    {Page::Micro, "Polarisabilité (a**3)                   :", C::Polaris, Box::Line, 232, 96},
    {Page::Micro, "Volume Atomique (mL/mol)      :", C::VolAt, Box::Line, 232, 118},
    {Page::Micro, "Energie de 1ere Ionisation (KJ/mol)  :", C::E1ereIon, Box::Line, 272, 153},
    {Page::Micro, "Energie de 2eme Ionisation (KJ/mol) :", C::E2emeIon, Box::Line, 272, 175},
    {Page::Micro, "Energie de 3eme Ionisation (KJ/mol) :", C::E3emeIon, Box::Line, 272, 197},
    {Page::Micro, "Rayon Atomique (pm)               :", C::RAt, Box::Line, 232, 235},
    {Page::Micro, "Rayon Ionique (ion 1-) (pm)      :", C::RiAnion1, Box::Line, 232, 266},
    {Page::Micro, "Rayon Ionique (ion 1+) (pm)     :", C::RiCation1, Box::Line, 232, 288},
    {Page::Micro, "Rayon Ionique (ion 2-) (pm)      :", C::RiAnion2, Box::Line, 232, 310},
    {Page::Micro, "Rayon Ionique (ion 2+) (pm)     :", C::RiCation2, Box::Line, 232, 331},
    {Page::Micro, "Rayon Ionique (ion 3+) (pm)     :", C::RiCation3, Box::Line, 232, 353},
    {Page::Micro, "Nombres d'oxydation total             :", C::NoTotal, Box::Line, 256, 388},
    {Page::Micro, "Nombres d'Oxydation courants     :", C::NoCourant, Box::Line, 256, 410},
    {Page::Micro, "Nombre d'Oxydation max courant :", C::NoMaxCourant, Box::Line, 256, 432},
    {Page::Micro, "Nombre d'Oxydation min courant  :", C::NoMinCourant, Box::Line, 256, 454},
    {Page::Micro, "Nombre d'Oxydation max connu    :", C::NoMax, Box::Line, 256, 475},
    {Page::Micro, "Nombre d'Oxydation min connu     :", C::NoMin, Box::Line, 256, 497},
    {Page::Abondances, "Abondance Cosmique (log) :", C::AbCosm, Box::Line, 240, 31},
    {Page::Abondances, "Abondance Terrestre (log) :", C::AbTer, Box::Line, 240, 53},
    {Page::Abondances, "Abondance Solaire(log)       :", C::AbSoleil, Box::Line, 240, 77},
    {Page::Abondances, "Abondance Croute terrestre (ppm)     :", C::AbCrouteTerre, Box::Line, 296, 157},
    {Page::Abondances, "Abondance Croute continentale(ppm) :", C::AbCrouteCont, Box::Line, 296, 181},
    {Page::Abondances, "Abondance Croute océanique(ppm)     :", C::AbCrouteOcean, Box::Line, 296, 205},
    {Page::Abondances, "Abondance eau de mer ( ppm)              :", C::AbEau, Box::Line, 296, 245},
    {Page::Abondances, "Abondance Atmosphère (% vol)          :", C::AbAtm, Box::Line, 296, 269},
    {Page::Abondances, "Abondance Bois (%)                             :", C::AbBois, Box::Line, 296, 288},
    {Page::Abondances, "Abondance organismes vivants (%)     :", C::AbVivant, Box::Line, 296, 309},
    {Page::Divers, "Couleur :", C::Couleur, Box::Line, 80, 13},
    {Page::Divers, "Toxicité :", C::Toxicite, Box::Line, 368, 15},
    {Page::Divers, "Action Cancérigène :", C::Cancer, Box::Line, 368, 37},
    {Page::Divers, "Caracteristiques :", C::Caract, Box::Line, 136, 67},
    {Page::Divers, "Source             :", C::Source, Box::Line, 128, 107},
    {Page::Divers, "Applications     :", C::Appl, Box::Line, 128, 131},
    {Page::Divers, "Réaction /AIR    :", C::ReacAir, Box::Line, 136, 177},
    {Page::Divers, "Réaction /EAU   :", C::ReacEau, Box::Line, 136, 199},
    {Page::Divers, "Réaction /HCl    :", C::ReacHcl, Box::Line, 136, 221},
    {Page::Divers, "Réaction /HNO3:", C::ReacHno3, Box::Line, 136, 243},
    {Page::Divers, "Réaction /NaOH:", C::ReacNaoh, Box::Line, 136, 265},
    {Page::Divers, "Dérivé binaire avec Cl:", C::DeriveCl, Box::Line, 176, 302},
    {Page::Divers, "Dérivé binaire avec H :", C::DeriveH, Box::Line, 176, 323},
    {Page::Divers, "Dérivé binaire avec O :", C::DeriveO, Box::Line, 176, 345},
    {Page::Histoire, "Annee de la Découverte:", C::Decouverte, Box::Line, 176, 22},
    {Page::Histoire, "Découvert Par:", C::DecPar, Box::Memo, 176, 56},
    {Page::Histoire, "Lieu de la découverte:", C::LieuDec, Box::Line, 176, 101},
    {Page::Histoire, "Origine du nom:", C::OriNom, Box::Memo, 176, 133},
    {Page::Histoire, "Nom Anglais:", C::NomUk, Box::Line, 176, 189},
    {Page::Histoire, "Nom Allemand:", C::NomGer, Box::Line, 176, 221},}};
// clang-format on

} // namespace

const std::array<Row, RowCount> &rows()
{
    return Rows;
}

} // namespace SheetLayout
