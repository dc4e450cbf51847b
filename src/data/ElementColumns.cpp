#include "data/ElementColumns.h"

#include <QHash>

#include <iterator>

namespace {

using C = Column;
using K = ColumnKind;

struct Row
{
    Column id;
    const char *field;
    int size;
    ColumnKind kind;
    int empties;
    const char *unit;     // UTF-8
    const char *listName; // UTF-8, its blanks included
};

// One row per column, in file order: constant, field name, declared size, kind, the most gaps
// the shipped table may have, unit, list wording. The gaps are a fact of the shipped data
// rather than of the program; a measured value may fill one, nothing may open another. They
// stand here so that the data test and the data build script, which both check them, read
// them from the one table.
// clang-format off
constexpr Row Rows[] = {
    {C::NoAt,          "_NO_AT",        11, K::Number,    0,   "",        "Numero Atomique"},
    {C::Symbole,       "_SYMBOLE",      13, K::Text,      0,   "",        "Symbole"},
    {C::Nom,           "_NOM",          18, K::Text,      0,   "",        "nom"},
    {C::MasseAt,       "_M__AT",        11, K::Number,    0,   "g/mol",   "Masse Atomique "},
    {C::MasseVol,      "_M__VOL",       12, K::Number,    22,  "kg/L",    "Masse Volumique"},
    {C::EtatPhy,       "_ETAT_PHY",     14, K::Text,      0,   "",        "Etat Physique"},
    {C::Tf,            "_TF",           12, K::Number,    19,  "K",       "Point de  fusion"},
    {C::Teb,           "_TEB",          11, K::Number,    22,  "K",       "Point d'ébullition"},
    {C::CondElec,      "_0COND_ELE",    15, K::Number,    31,  "MS/m",    "Conductivité électrique"},
    {C::CondTherm,     "_1COND_THE",    15, K::Number,    29,  "W/(m·K)", "Conductivité thermique"},
    {C::HAt,           "_2H_AT",        11, K::Number,    26,  "kJ/mol",  "Enthalpie d'atomisation"},
    {C::HFus,          "_3H_FUS",       12, K::Number,    30,  "kJ/mol",  "Enthalpie de fusion"},
    {C::HVap,          "_4H_VAP",       12, K::Number,    35,  "kJ/mol",  "Enthalpie de vapororisation"},
    {C::AbCosm,        "_5AB_COSM",     14, K::Number,    35,  "log",     "Abondance cosmique"},
    {C::AbTer,         "_6AB_TER",      13, K::Number,    29,  "log",     "Abondance terrestre"},
    {C::Decouverte,    "_7DECOUVER",    16, K::Year,      0,   "",        "Année de la Découverte"},
    {C::Source,        "_8SOURCE",      47, K::Text,      0,   "",        "Source"},
    {C::Structure,     "_9STRUCTUR",    48, K::Text,      0,   "",        "Structure"},
    {C::Durete,        "_0DURET_",      13, K::Number,    81,  "Mohs",    "Dureté"},
    {C::Couleur,       "_1COULEUR",     22, K::Text,      0,   "",        "Couleur"},
    {C::Caract,        "_2CARACT",      54, K::Text,      0,   "",        "Caractéristiques"},
    {C::Appl,          "_3APPL",        51, K::Text,      0,   "",        "Applications"},
    {C::Toxicite,      "_4TOXICIT_",    15, K::Text,      0,   "",        "Toxicité"},
    {C::Cancer,        "_5CANCER",      13, K::Text,      0,   "",        "Action Cancérigène"},
    {C::ReacAir,       "_6R__AIR",      32, K::Text,      0,   "",        "Réaction avec l'air"},
    {C::ReacEau,       "_7R__EAU",      30, K::Text,      0,   "",        "Réaction avec l'eau"},
    {C::ReacHcl,       "_81R__HCL",     27, K::Text,      0,   "",        "Réaction avec HCl"},
    {C::ReacHno3,      "_9R__HNO3",     30, K::Text,      0,   "",        "Réaction avec HNO3"},
    {C::ReacNaoh,      "_0R__NAOH",     31, K::Text,      0,   "",        "Réaction avec NaOH"},
    {C::Isotopes,      "_1ISOTOPES",    15, K::Number,    0,   "",        "Nombre d'isotopes"},
    {C::Config,        "_2CONFIG__",    27, K::Text,      15,  "",        "Configuration electronique"},
    {C::En,            "_3EN",          9,  K::Number,    30,  "",        "Electronégativité"},
    {C::Ae,            "_4AE",          10, K::Number,    20,  "kJ/mol",  "Affinité electronique"},
    {C::Polaris,       "_5POLARIS",     14, K::Number,    16,  "Å³",      "Polarisabilité"},
    {C::VolAt,         "_6VOL_AT",      13, K::Number,    24,  "mL/mol",  "Volume atomique"},
    {C::RAt,           "_7R_AT",        11, K::Number,    24,  "pm",      "Rayon atomique"},
    {C::E1ereIon,      "_8E_1ERE_I",    15, K::Number,    15,  "kJ/mol",  "Energie de 1ère ionisation"},
    {C::E2emeIon,      "_9E_2EME_I",    15, K::Number,    37,  "kJ/mol",  "Energie de  2ème ionisation"},
    {C::E3emeIon,      "_0E_3EME_I",    15, K::Number,    45,  "kJ/mol",  "Energie de  3ème ionisation"},
    {C::RiAnion1,      "_1RI_1_",       12, K::Number,    114, "pm",      "Rayon ionique : ion 1-"},
    {C::RiCation1,     "_2RI_1_",       12, K::Number,    107, "pm",      "Rayon ionique :  ion 1+"},
    {C::RiCation2,     "_4RI_2_",       12, K::Number,    90,  "pm",      "Rayon ionique :  ion 2+"},
    {C::RiAnion2,      "_3RI_2_",       12, K::Number,    114, "pm",      "Rayon ionique : ion 2-"},
    {C::RiCation3,     "_5RI_3_",       12, K::Number,    67,  "pm",      "Rayon ionique :  ion 3+"},
    {C::NoTotal,       "_6NO_TOTAL",    36, K::Oxidation, 10,  "",        "Nombres d'oxydation total"},
    {C::NoCourant,     "_7NO_COURA",    21, K::Oxidation, 10,  "",        "Nombre d'oxydation courant"},
    {C::NoMaxCourant,  "_8NO_MAXC",     14, K::Number,    10,  "",        "Nombre d'oxydation Max.courant"},
    {C::NoMinCourant,  "_9NO_MINC",     14, K::Number,    10,  "",        "Nombre d'oxydation Min.courant"},
    {C::NoMax,         "_0NO_MAX",      13, K::Number,    10,  "",        "Nombre d'oxydation Max. connu"},
    {C::NoMin,         "_1NO_MIN",      13, K::Number,    10,  "",        "Nombre d'oxydation Min.connu"},
    {C::DeriveCl,      "_2DERIV__C",    29, K::Text,      0,   "",        "Dérivé binaire avec Cl"},
    {C::DeriveH,       "_3D_RIV__H",    26, K::Text,      0,   "",        "Dérivé binaire avec H"},
    {C::DeriveO,       "_4D_RIV__O",    31, K::Text,      0,   "",        "Dérivé binaire avec O"},
    {C::Ligne,         "LIGNE",         10, K::Number,    0,   "",        ""},
    {C::Colonne,       "COLONNE",       12, K::Number,    0,   "",        ""},
    {C::Groupe,        "GROUPE",        24, K::Text,      0,   "",        "Groupe"},
    {C::Bloc,          "BLOC",          9,  K::Text,      0,   "",        "Blocs s/p/d/f"},
    {C::Acidbase,      "Acidbase",      17, K::Text,      33,  "",        "Acide-Base"},
    {C::DecPar,        "DECPAR",        75, K::Text,      13,  "",        "Découvert par"},
    {C::LieuDec,       "LIEUDEC",       25, K::Text,      13,  "",        "Lieu découverte"},
    {C::OriNom,        "ORINOM",        69, K::Text,      1,   "",        "origine du nom"},
    {C::NomUk,         "NOMUK",         18, K::Text,      0,   "",        ""},
    {C::NomGer,        "NOMGER",        11, K::Text,      118, "",        ""},
    {C::TexteDec,      "TEXTEDEC",      13, K::Text,      118, "",        ""},
    {C::AbSoleil,      "ABSOLEIL",      13, K::Number,    67,  "log",     "Abondance solaire"},
    {C::AbCrouteTerre, "ABCROUTETERRE", 18, K::Number,    0,   "ppm",     "Abondance croute terrestre"},
    {C::AbCrouteCont,  "ABCROUTECONT",  17, K::Number,    0,   "ppm",     "Abondance croute continentale"},
    {C::AbCrouteOcean, "ABCROUTEOCEAN", 18, K::Number,    0,   "ppm",     "Abondance croute océanique"},
    {C::AbEau,         "ABEAU",         14, K::Number,    0,   "ppm",     "Abondance eau de mer"},
    {C::AbAtm,         "ABATM",         13, K::Number,    0,   "% vol",   "Abondance atmosphere"},
    {C::AbBois,        "ABBOIS",        11, K::Number,    0,   "%",       "Abondance bois"},
    {C::AbVivant,      "ABVIVANT",      13, K::Number,    0,   "%",       "Abondance organismes vivants"},
    {C::EnPauling,     "ENPAULING",     14, K::Number,    34,  "",        "Electronégativité (Pauling)"},
};
// clang-format on

// Row n describes the column whose constant has the value n.
constexpr bool inConstantOrder()
{
    for (std::size_t i = 0; i < std::size(Rows); ++i) {
        if (Rows[i].id != static_cast<Column>(i))
            return false;
    }
    return true;
}
static_assert(std::size(Rows) == ElementColumns::Count && inConstantOrder());

} // namespace

namespace ElementColumns {

const QVector<ElementColumn> &all()
{
    static const QVector<ElementColumn> columns = [] {
        QVector<ElementColumn> built;
        for (const Row &row : Rows)
            built.append({row.id, QString::fromLatin1(row.field), row.size, row.kind,
                          QString::fromUtf8(row.unit), QString::fromUtf8(row.listName),
                          row.empties});
        return built;
    }();
    return columns;
}

const ElementColumn &column(Column id)
{
    return all()[static_cast<int>(id)];
}

QString field(Column id)
{
    return column(id).field;
}

QStringList fieldNames()
{
    QStringList names;
    for (const ElementColumn &column : all())
        names.append(column.field);
    return names;
}

bool isNumeric(Column id)
{
    return column(id).kind == ColumnKind::Number;
}

bool addedLater(Column id)
{
    return static_cast<int>(id) >= FirstEditionCount;
}

QString scale(Column id)
{
    // The two electronegativities have no unit: only their scale tells them apart.
    switch (id) {
    case Column::En:
        return QStringLiteral("échelle d'Allred-Rochow");
    case Column::EnPauling:
        return QStringLiteral("échelle de Pauling");
    default:
        return {};
    }
}

int indexOf(const QString &field)
{
    static const QHash<QString, int> positions = [] {
        QHash<QString, int> built;
        for (const ElementColumn &column : all())
            built.insert(column.field, static_cast<int>(column.id));
        return built;
    }();
    return positions.value(field, -1);
}

std::optional<ElementColumn> byField(const QString &field)
{
    const int i = indexOf(field);
    if (i < 0)
        return std::nullopt;
    return all().at(i);
}

QString kindName(ColumnKind kind)
{
    switch (kind) {
    case ColumnKind::Number:
        return QStringLiteral("number");
    case ColumnKind::Year:
        return QStringLiteral("year");
    case ColumnKind::Oxidation:
        return QStringLiteral("oxidation");
    case ColumnKind::Text:
        break;
    }
    return QStringLiteral("text");
}

QByteArray toTsv()
{
    QStringList lines = {QStringLiteral("field\tsize\tkind\tempties\tunit\tlist")};
    for (const ElementColumn &column : all())
        lines.append(QStringList{column.field, QString::number(column.size), kindName(column.kind),
                                 QString::number(column.empties), column.unit, column.listName}
                         .join(u'\t'));
    return (lines.join(u'\n') + u'\n').toUtf8();
}

} // namespace ElementColumns
