#include "sets/SetsEntries.h"

#include "data/ElementColumns.h"

#include <iterator>

namespace {

struct Row
{
    const char *field;
    const char *title; // UTF-8
    int width;
};

// The chooser's entries in list order; each is offered under its column's list wording.
constexpr Row Rows[] = {
    {"_NO_AT", "N° At", 35},
    {"_SYMBOLE", "symb.", 40},
    {"_NOM", "nom", 65},
    {"_M__AT", "M. At.|(g/mol)", 45},
    {"_M__VOL", "M. Vol.|(g/mL)", 45},
    {"_ETAT_PHY", "Etat ", 50},
    {"_TF", "T fus |(K)", 45},
    {"_TEB", "T eb |(K)", 45},
    {"_2H_AT", "H At. |(KJ/mol)", 45},
    {"_3H_FUS", "H fus. |(KJ/mol)", 45},
    {"_4H_VAP", "H vap. |(KJ/mol)", 45},
    {"_0COND_ELE", "Cond. elec. |(MS/m)", 50},
    {"_1COND_THE", "Cond. therm. |(W/(m/K))", 55},
    {"_7DECOUVER", "Decouverte", 66},
    {"DECPAR", "Découvert par", 100},
    {"ORINOM", "origine du nom", 100},
    {"LIEUDEC", "Lieu de la découverte", 100},
    {"_9STRUCTUR", "Structure", 220},
    {"_0DURET_", "Dureté", 50},
    {"_1COULEUR", "Couleur", 80},
    {"_2CARACT", "Caracteristiques", 259},
    {"_3APPL", "Applications", 260},
    {"_4TOXICIT_", "toxic", 60},
    {"_5CANCER", "cancer.", 50},
    {"_6R__AIR", "Réaction/air", 160},
    {"_7R__EAU", "Réaction/eau", 150},
    {"_81R__HCL", "Réaction/HCl", 150},
    {"_9R__HNO3", "Réaction/HNO3", 150},
    {"_0R__NAOH", "Réaction/NaOH", 150},
    {"_1ISOTOPES", "Isotopes", 55},
    {"_2CONFIG__", "Config", 120},
    {"_8E_1ERE_I", "E 1ere ion|(KJ/mol)", 60},
    {"_9E_2EME_I", "E 2eme ion|(KJ/mol)", 60},
    {"_0E_3EME_I", "E 3eme ion|(KJ/mol)", 60},
    {"_3EN", "E.N.", 45},
    {"_4AE", "A.E.|(KJ/mol)", 45},
    {"_5POLARIS", "Polaris.|(a**3)", 45},
    {"_6VOL_AT", "Vol. at.|(mL/mol)", 45},
    {"_7R_AT", "R. at.|(pm)", 45},
    {"_3RI_2_", "RI (2-)|(pm)", 45},
    {"_1RI_1_", "RI (1-)|(pm)", 45},
    {"_2RI_1_", "RI (1+)|(pm)", 45},
    {"_4RI_2_", "RI (2+)|(pm)", 45},
    {"_5RI_3_", "RI (3+)|(pm)", 45},
    {"_6NO_TOTAL", "NO total", 150},
    {"_7NO_COURA", "NO courant", 90},
    {"_8NO_MAXC", "NO max|courant", 45},
    {"_9NO_MINC", "NO min|courant", 45},
    {"_0NO_MAX", "NO max|connu", 45},
    {"_1NO_MIN", "NO min|connu", 45},
    {"_3D_RIV__H", "dérivé|avec H", 150},
    {"_4D_RIV__O", "dérivé|avec O", 190},
    {"_2DERIV__C", "dérivé|avec Cl", 170},
    {"_8SOURCE", "Source", 256},
    {"_5AB_COSM", "Ab. cosm. |(log)", 50},
    {"_6AB_TER", "Ab. terr. |(log)", 50},
    {"ABSOLEIL", "Ab. Soleil |(log)", 50},
    {"ABCROUTETERRE", "Ab.croute terrestre |(ppm)", 120},
    {"ABCROUTECONT", "Ab.croute continentale |(ppm)", 120},
    {"ABCROUTEOCEAN", "Ab.croute oceanique |(ppm)", 120},
    {"ABEAU", "Ab.eau de mer |(ppm)", 120},
    {"ABATM", "Ab.atmosphère |(% vol)", 120},
    {"ABBOIS", "Ab.bois |(%)", 120},
    {"ABVIVANT", "Ab.vivant |(%)", 120},
};
static_assert(std::size(Rows) == SetsEntries::Count);

} // namespace

namespace SetsEntries {

SetsColumn column(int entry)
{
    if (entry < 0 || entry >= Count)
        return {};
    const Row &row = Rows[entry];
    return {QString::fromLatin1(row.field), QString::fromUtf8(row.title), row.width};
}

QString text(int entry)
{
    if (entry < 0 || entry >= Count)
        return {};
    const auto column = ElementColumns::byField(QString::fromLatin1(Rows[entry].field));
    return column ? column->listName : QString();
}

const QVector<SetsColumn> &initialColumns()
{
    static const QVector<SetsColumn> columns = {
        {QStringLiteral("_NO_AT"), QStringLiteral("N° At."), 36, SetsColumn::Look::Key},
        {QStringLiteral("_SYMBOLE"), QStringLiteral("Symb."), 33, SetsColumn::Look::Key},
        {QStringLiteral("_NOM"), QStringLiteral("Nom"), 74, SetsColumn::Look::Centred},
    };
    return columns;
}

} // namespace SetsEntries
