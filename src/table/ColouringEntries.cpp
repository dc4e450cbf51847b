#include "table/ColouringEntries.h"

namespace ColouringEntries {

namespace {

// The two separator lines: 75 and 78 hyphens.
constexpr const char *Separator75 =
    "---------------------------------------------------------------------------";
constexpr const char *Separator78 =
    "------------------------------------------------------------------------------";

// clang-format off
const std::array<Entry, Count> Entries = {{
    {"Defaut", nullptr, nullptr},
    {Separator75, nullptr, nullptr},
    {"Groupe", nullptr, nullptr},
    {"Blocs s/p/d/f", nullptr, nullptr},
    {"Acide-Base", nullptr, nullptr},
    {"Etat Physique", nullptr, nullptr},
    {"Decouverte", nullptr, nullptr},
    {Separator78, nullptr, nullptr},
    {"Numero Atomique", "_NO_AT", "N° At"},
    {"Masse Atomique ", "_M__AT", "M. At.(g/mol)"},
    {"Masse Volumique", "_M__VOL", "M. Vol.(g/mL)"},
    {"Point de  fusion", "_TF", "T fus (K)"},
    {"Point d'ébullition", "_TEB", "T eb (K)"},
    {"Enthalpie d'atomisation", "_2H_AT", "H At.(KJ/mol)"},
    {"Enthalpie de fusion", "_3H_FUS", "H fus. (KJ/mol)"},
    {"Enthalpie de vapororisation", "_4H_VAP", "H vap. (KJ/mol)"},
    {"Conductivité électrique", "_0COND_ELE", "Cond. elec. (MS/m)"},
    {"Conductivité thermique", "_1COND_THE", "Cond. therm.(W/(m/K))"},
    {"Dureté", "_0DURET_", "Dureté"},
    {"Nombre d'isotopes", "_1ISOTOPES", "nb Isotopes"},
    {"Energie de 1ère ionisation", "_8E_1ERE_I", "E 1ere ionisation(KJ/mol)"},
    {"Energie de  2ème ionisation", "_9E_2EME_I", "E 2eme ionisation(KJ/mol)"},
    {"Energie de  3ème ionisation", "_0E_3EME_I", "E 3eme ionisation(KJ/mol)"},
    {"Electronégativité", "_3EN", "E.N."},
    {"Affinité electronique", "_4AE", "A.E.(KJ/mol)"},
    {"Polarisabilité", "_5POLARIS", "Polarisabilité(a**3)"},
    {"Volume atomique", "_6VOL_AT", "Vol. at.(mL/mol)"},
    {"Rayon atomique", "_7R_AT", "R. at.(pm)"},
    {"Rayon ionique : ion 2-", "_3RI_2_", "RI (ion 2-)(pm)"},
    {"Rayon ionique : ion 1-", "_1RI_1_", "RI (ion 1-)(pm)"},
    {"Rayon ionique :  ion 1+", "_2RI_1_", "RI (ion 1+)(pm)"},
    {"Rayon ionique :  ion 2+", "_4RI_2_", "RI (ion 2+)(pm)"},
    {"Rayon ionique :  ion 3+", "_5RI_3_", "RI (ion3+)(pm)"},
    {"Abondance cosmique", "_5AB_COSM", "Ab. cosm. (log)"},
    {"Abondance terrestre", "_6AB_TER", "Ab. terr. (log)"},
    {"Abondance solaire", "ABSOLEIL", "Ab. soleil (log)"},
    {"Abondance croute terrestre", "ABCROUTETERRE", "Ab. croute terrestre (ppm)"},
    {"Abondance croute continentale", "ABCROUTECONT", "Ab. croute continentale (ppm)"},
    {"Abondance croute océanique", "ABCROUTEOCEAN", "Ab. croute océanique (ppm)"},
    {"Abondance eau de mer", "ABEAU", "Ab. eau de mer (ppm)"},
    {"Abondance atmosphere", "ABATM", "Ab. atmosphère (% vol)"},
    {"Abondance bois", "ABBOIS", "Ab. bois (%)"},
    {"Abondance organismes vivants", "ABVIVANT", "Ab. organismes vivants (%)"},
}};
// clang-format on

} // namespace

const std::array<Entry, Count> &entries()
{
    return Entries;
}

QString text(int index)
{
    if (index < 0 || index >= Count)
        return {};
    return QString::fromUtf8(Entries[index].text);
}

} // namespace ColouringEntries
