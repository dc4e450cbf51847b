#include "sheet/SheetLayout.h"

namespace SheetLayout {

namespace {

// clang-format off
constexpr std::array<Row, RowCount> Rows = {{
    {Page::Macro, "Masse Atomique (g/mol)                  :", "_M__AT", Box::Line, 256, 18},
    {Page::Macro, "Masse Volumique (Kg/L)                :", "_M__VOL", Box::Line, 256, 44},
    {Page::Macro, "Etat Physique                                   :", "_ETAT_PHY", Box::Line, 256, 74},
    {Page::Macro, "Dureté (echelle Mhos)                     :", "_0DURET_", Box::Line, 256, 96},
    {Page::Macro, "Conductivité Electrique (MS/m)      :", "_0COND_ELE", Box::Line, 256, 124},
    {Page::Macro, "Conductivité Thermique (W/(m/K)  :", "_1COND_THE", Box::Line, 256, 144},
    {Page::Macro, "Point de Fusion (K):", "_TF", Box::Line, 256, 179},
    {Page::Macro, "Point d'ebullition (K):", "_TEB", Box::Line, 256, 202},
    {Page::Macro, "Enthaplie d'Atomisation (KJ/mol):", "_2H_AT", Box::Line, 256, 243},
    {Page::Macro, "Enthalpie de Fusion (KJ/mol):", "_3H_FUS", Box::Line, 256, 266},
    {Page::Macro, "Enthalpie de Vaporisation (KJ/mol):", "_4H_VAP", Box::Line, 256, 289},
    {Page::Micro, "Configuration Electronique       :", "_2CONFIG__", Box::Line, 232, 6},
    {Page::Micro, "Electronegativité                       :", "_3EN", Box::Line, 232, 37},
    {Page::Micro, "Affinité Electronique (KJ/mol)  :", "_4AE", Box::Line, 232, 58},
    {Page::Micro, "Polarisabilité (a**3)                   :", "_5POLARIS", Box::Line, 232, 96},
    {Page::Micro, "Volume Atomique (mL/mol)      :", "_6VOL_AT", Box::Line, 232, 118},
    {Page::Micro, "Energie de 1ere Ionisation (KJ/mol)  :", "_8E_1ERE_I", Box::Line, 272, 153},
    {Page::Micro, "Energie de 2eme Ionisation (KJ/mol) :", "_9E_2EME_I", Box::Line, 272, 175},
    {Page::Micro, "Energie de 3eme Ionisation (KJ/mol) :", "_0E_3EME_I", Box::Line, 272, 197},
    {Page::Micro, "Rayon Atomique (pm)               :", "_7R_AT", Box::Line, 232, 235},
    {Page::Micro, "Rayon Ionique (ion 1-) (pm)      :", "_1RI_1_", Box::Line, 232, 266},
    {Page::Micro, "Rayon Ionique (ion 1+) (pm)     :", "_2RI_1_", Box::Line, 232, 288},
    {Page::Micro, "Rayon Ionique (ion 2-) (pm)      :", "_3RI_2_", Box::Line, 232, 310},
    {Page::Micro, "Rayon Ionique (ion 2+) (pm)     :", "_4RI_2_", Box::Line, 232, 331},
    {Page::Micro, "Rayon Ionique (ion 3+) (pm)     :", "_5RI_3_", Box::Line, 232, 353},
    {Page::Micro, "Nombres d'oxydation total             :", "_6NO_TOTAL", Box::Line, 256, 388},
    {Page::Micro, "Nombres d'Oxydation courants     :", "_7NO_COURA", Box::Line, 256, 410},
    {Page::Micro, "Nombre d'Oxydation max courant :", "_8NO_MAXC", Box::Line, 256, 432},
    {Page::Micro, "Nombre d'Oxydation min courant  :", "_9NO_MINC", Box::Line, 256, 454},
    {Page::Micro, "Nombre d'Oxydation max connu    :", "_0NO_MAX", Box::Line, 256, 475},
    {Page::Micro, "Nombre d'Oxydation min connu     :", "_1NO_MIN", Box::Line, 256, 497},
    {Page::Abondances, "Abondance Cosmique (log) :", "_5AB_COSM", Box::Line, 240, 31},
    {Page::Abondances, "Abondance Terrestre (log) :", "_6AB_TER", Box::Line, 240, 53},
    {Page::Abondances, "Abondance Solaire(log)       :", "ABSOLEIL", Box::Line, 240, 77},
    {Page::Abondances, "Abondance Croute terrestre (ppm)     :", "ABCROUTETERRE", Box::Line, 296, 157},
    {Page::Abondances, "Abondance Croute continentale(ppm) :", "ABCROUTECONT", Box::Line, 296, 181},
    {Page::Abondances, "Abondance Croute océanique(ppm)     :", "ABCROUTEOCEAN", Box::Line, 296, 205},
    {Page::Abondances, "Abondance eau de mer ( ppm)              :", "ABEAU", Box::Line, 296, 245},
    {Page::Abondances, "Abondance Atmosphère (% vol)          :", "ABATM", Box::Line, 296, 269},
    {Page::Abondances, "Abondance Bois (%)                             :", "ABBOIS", Box::Line, 296, 288},
    {Page::Abondances, "Abondance organismes vivants (%)     :", "ABVIVANT", Box::Line, 296, 309},
    {Page::Divers, "Couleur :", "_1COULEUR", Box::Line, 80, 13},
    {Page::Divers, "Toxicité :", "_4TOXICIT_", Box::Line, 368, 15},
    {Page::Divers, "Action Cancérigène :", "_5CANCER", Box::Line, 368, 37},
    {Page::Divers, "Caracteristiques :", "_2CARACT", Box::Line, 136, 67},
    {Page::Divers, "Source             :", "_8SOURCE", Box::Line, 128, 107},
    {Page::Divers, "Applications     :", "_3APPL", Box::Line, 128, 131},
    {Page::Divers, "Réaction /AIR    :", "_6R__AIR", Box::Line, 136, 177},
    {Page::Divers, "Réaction /EAU   :", "_7R__EAU", Box::Line, 136, 199},
    {Page::Divers, "Réaction /HCl    :", "_81R__HCL", Box::Line, 136, 221},
    {Page::Divers, "Réaction /HNO3:", "_9R__HNO3", Box::Line, 136, 243},
    {Page::Divers, "Réaction /NaOH:", "_0R__NAOH", Box::Line, 136, 265},
    {Page::Divers, "Dérivé binaire avec Cl:", "_2DERIV__C", Box::Line, 176, 302},
    {Page::Divers, "Dérivé binaire avec H :", "_3D_RIV__H", Box::Line, 176, 323},
    {Page::Divers, "Dérivé binaire avec O :", "_4D_RIV__O", Box::Line, 176, 345},
    {Page::Histoire, "Annee de la Découverte:", "_7DECOUVER", Box::Line, 176, 22},
    {Page::Histoire, "Découvert Par:", "DECPAR", Box::Memo, 176, 56},
    {Page::Histoire, "Lieu de la découverte:", "LIEUDEC", Box::Line, 176, 101},
    {Page::Histoire, "Origine du nom:", "ORINOM", Box::Memo, 176, 133},
    {Page::Histoire, "Nom Anglais:", "NOMUK", Box::Line, 176, 189},
    {Page::Histoire, "Nom Allemand:", "NOMGER", Box::Line, 176, 221},}};
// clang-format on

} // namespace

const std::array<Row, RowCount> &rows()
{
    return Rows;
}

} // namespace SheetLayout
