#include "data/ChartProperties.h"

namespace ChartProperties {

namespace {

// clang-format off
const std::array<Property, Count> Properties = {{
    {"Numero Atomique", "N° At", "_NO_AT"},
    {"Masse Atomique ", "M. At.(g/mol)", "_M__AT"},
    {"Masse Volumique", "M. Vol.(g/mL)", "_M__VOL"},
    {"Point de  fusion", "T fus (K)", "_TF"},
    {"Point d'ébullition", "T eb (K)", "_TEB"},
    {"Enthalpie d'atomisation", "H At.(KJ/mol)", "_2H_AT"},
    {"Enthalpie de fusion", "H fus. (KJ/mol)", "_3H_FUS"},
    {"Enthalpie de vapororisation", "H vap. (KJ/mol)", "_4H_VAP"},
    {"Conductivité électrique", "Cond. elec. (MS/m)", "_0COND_ELE"},
    {"Conductivité thermique", "Cond. therm.(W/(m/K))", "_1COND_THE"},
    {"Dureté", "Dureté", "_0DURET_"},
    {"Nombre d'isotopes", "nb Isotopes", "_1ISOTOPES"},
    {"Energie de 1ère ionisation", "E 1ere ionisation(KJ/mol)", "_8E_1ERE_I"},
    {"Energie de  2ème ionisation", "E 2eme ionisation(KJ/mol)", "_9E_2EME_I"},
    {"Energie de  3ème ionisation", "E 3eme ionisation(KJ/mol)", "_0E_3EME_I"},
    {"Electronégativité", "E.N.", "_3EN"},
    {"Affinité electronique", "A.E.(KJ/mol)", "_4AE"},
    {"Polarisabilité", "Polarisabilité(a**3)", "_5POLARIS"},
    {"Volume atomique", "Vol. at.(mL/mol)", "_6VOL_AT"},
    {"Rayon atomique", "R. at.(pm)", "_7R_AT"},
    {"Rayon ionique : ion 2-", "RI (ion 2-)(pm)", "_3RI_2_"},
    {"Rayon ionique : ion 1-", "RI (ion 1-)(pm)", "_1RI_1_"},
    {"Rayon ionique :  ion 1+", "RI (ion 1+)(pm)", "_2RI_1_"},
    {"Rayon ionique :  ion 2+", "RI (ion 2+)(pm)", "_4RI_2_"},
    {"Rayon ionique :  ion 3+", "RI (ion3+)(pm)", "_5RI_3_"},
    {"Abondance cosmique", "Ab. cosm. (log)", "_5AB_COSM"},
    {"Abondance terrestre", "Ab. terr. (log)", "_6AB_TER"},
    {"Abondance solaire", "Ab. soleil (log)", "ABSOLEIL"},
    {"Abondance croute terrestre", "Ab. croute terrestre (ppm)", "ABCROUTETERRE"},
    {"Abondance croute continentale", "Ab. croute continentale (ppm)", "ABCROUTECONT"},
    {"Abondance croute océanique", "Ab. croute océanique (ppm)", "ABCROUTEOCEAN"},
    {"Abondance eau de mer", "Ab. eau de mer (ppm)", "ABEAU"},
    {"Abondance atmosphere", "Ab. atmosphère (% vol)", "ABATM"},
    {"Abondance bois", "Ab. bois (%)", "ABBOIS"},
    {"Abondance organismes vivants", "Ab. organismes vivants (%)", "ABVIVANT"},
}};
// clang-format on

} // namespace

const std::array<Property, Count> &all()
{
    return Properties;
}

} // namespace ChartProperties
