#include "data/ElementColumns.h"

#include "data/TTextTable.h"

namespace ElementColumns {

const QVector<ElementColumn> &all()
{
    static const QVector<ElementColumn> columns = {
        {QStringLiteral("_NO_AT"), 11, QStringLiteral("Numero Atomique")},
        {QStringLiteral("_SYMBOLE"), 13, QStringLiteral("Symbole")},
        {QStringLiteral("_NOM"), 17, QStringLiteral("nom")},
        {QStringLiteral("_M__AT"), 11, QStringLiteral("Masse Atomique ")},
        {QStringLiteral("_M__VOL"), 12, QStringLiteral("Masse Volumique")},
        {QStringLiteral("_ETAT_PHY"), 14, QStringLiteral("Etat Physique")},
        {QStringLiteral("_TF"), 12, QStringLiteral("Point de  fusion")},
        {QStringLiteral("_TEB"), 11, QStringLiteral("Point d'ébullition")},
        {QStringLiteral("_0COND_ELE"), 15, QStringLiteral("Conductivité électrique")},
        {QStringLiteral("_1COND_THE"), 15, QStringLiteral("Conductivité thermique")},
        {QStringLiteral("_2H_AT"), 11, QStringLiteral("Enthalpie d'atomisation")},
        {QStringLiteral("_3H_FUS"), 12, QStringLiteral("Enthalpie de fusion")},
        {QStringLiteral("_4H_VAP"), 12, QStringLiteral("Enthalpie de vapororisation")},
        {QStringLiteral("_5AB_COSM"), 14, QStringLiteral("Abondance cosmique")},
        {QStringLiteral("_6AB_TER"), 13, QStringLiteral("Abondance terrestre")},
        {QStringLiteral("_7DECOUVER"), 16, QStringLiteral("Année de la Découverte")},
        {QStringLiteral("_8SOURCE"), 47, QStringLiteral("Source")},
        {QStringLiteral("_9STRUCTUR"), 48, QStringLiteral("Structure")},
        {QStringLiteral("_0DURET_"), 13, QStringLiteral("Dureté")},
        {QStringLiteral("_1COULEUR"), 22, QStringLiteral("Couleur")},
        {QStringLiteral("_2CARACT"), 54, QStringLiteral("Caractéristiques")},
        {QStringLiteral("_3APPL"), 51, QStringLiteral("Applications")},
        {QStringLiteral("_4TOXICIT_"), 15, QStringLiteral("Toxicité")},
        {QStringLiteral("_5CANCER"), 13, QStringLiteral("Action Cancérigène")},
        {QStringLiteral("_6R__AIR"), 32, QStringLiteral("Réaction avec l'air")},
        {QStringLiteral("_7R__EAU"), 30, QStringLiteral("Réaction avec l'eau")},
        {QStringLiteral("_81R__HCL"), 27, QStringLiteral("Réaction avec HCl")},
        {QStringLiteral("_9R__HNO3"), 30, QStringLiteral("Réaction avec HNO3")},
        {QStringLiteral("_0R__NAOH"), 31, QStringLiteral("Réaction avec NaOH")},
        {QStringLiteral("_1ISOTOPES"), 15, QStringLiteral("Nombre d'isotopes")},
        {QStringLiteral("_2CONFIG__"), 27, QStringLiteral("Configuration electronique")},
        {QStringLiteral("_3EN"), 9, QStringLiteral("Electronégativité")},
        {QStringLiteral("_4AE"), 10, QStringLiteral("Affinité electronique")},
        {QStringLiteral("_5POLARIS"), 14, QStringLiteral("Polarisabilité")},
        {QStringLiteral("_6VOL_AT"), 13, QStringLiteral("Volume atomique")},
        {QStringLiteral("_7R_AT"), 11, QStringLiteral("Rayon atomique")},
        {QStringLiteral("_8E_1ERE_I"), 15, QStringLiteral("Energie de 1ère ionisation")},
        {QStringLiteral("_9E_2EME_I"), 15, QStringLiteral("Energie de  2ème ionisation")},
        {QStringLiteral("_0E_3EME_I"), 15, QStringLiteral("Energie de  3ème ionisation")},
        {QStringLiteral("_1RI_1_"), 12, QStringLiteral("Rayon ionique : ion 1-")},
        {QStringLiteral("_2RI_1_"), 12, QStringLiteral("Rayon ionique :  ion 1+")},
        {QStringLiteral("_4RI_2_"), 12, QStringLiteral("Rayon ionique :  ion 2+")},
        {QStringLiteral("_3RI_2_"), 12, QStringLiteral("Rayon ionique : ion 2-")},
        {QStringLiteral("_5RI_3_"), 12, QStringLiteral("Rayon ionique :  ion 3+")},
        {QStringLiteral("_6NO_TOTAL"), 36, QStringLiteral("Nombres d'oxydation total")},
        {QStringLiteral("_7NO_COURA"), 21, QStringLiteral("Nombre d'oxydation courant")},
        {QStringLiteral("_8NO_MAXC"), 14, QStringLiteral("Nombre d'oxydation Max.courant")},
        {QStringLiteral("_9NO_MINC"), 14, QStringLiteral("Nombre d'oxydation Min.courant")},
        {QStringLiteral("_0NO_MAX"), 13, QStringLiteral("Nombre d'oxydation Max. connu")},
        {QStringLiteral("_1NO_MIN"), 13, QStringLiteral("Nombre d'oxydation Min.connu")},
        {QStringLiteral("_2DERIV__C"), 29, QStringLiteral("Dérivé binaire avec Cl")},
        {QStringLiteral("_3D_RIV__H"), 26, QStringLiteral("Dérivé binaire avec H")},
        {QStringLiteral("_4D_RIV__O"), 31, QStringLiteral("Dérivé binaire avec O")},
        {QStringLiteral("LIGNE"), 10, QStringLiteral("")},
        {QStringLiteral("COLONNE"), 12, QStringLiteral("")},
        {QStringLiteral("GROUPE"), 24, QStringLiteral("Groupe")},
        {QStringLiteral("BLOC"), 9, QStringLiteral("Blocs s/p/d/f")},
        {QStringLiteral("Acidbase"), 17, QStringLiteral("Acide-Base")},
        {QStringLiteral("DECPAR"), 75, QStringLiteral("Découvert par")},
        {QStringLiteral("LIEUDEC"), 24, QStringLiteral("Lieu découverte")},
        {QStringLiteral("ORINOM"), 69, QStringLiteral("origine du nom")},
        {QStringLiteral("NOMUK"), 17, QStringLiteral("")},
        {QStringLiteral("NOMGER"), 11, QStringLiteral("")},
        {QStringLiteral("TEXTEDEC"), 13, QStringLiteral("")},
        {QStringLiteral("ABSOLEIL"), 13, QStringLiteral("Abondance solaire")},
        {QStringLiteral("ABCROUTETERRE"), 18, QStringLiteral("Abondance croute terrestre")},
        {QStringLiteral("ABCROUTECONT"), 17, QStringLiteral("Abondance croute continentale")},
        {QStringLiteral("ABCROUTEOCEAN"), 18, QStringLiteral("Abondance croute océanique")},
        {QStringLiteral("ABEAU"), 14, QStringLiteral("Abondance eau de mer")},
        {QStringLiteral("ABATM"), 13, QStringLiteral("Abondance atmosphere")},
        {QStringLiteral("ABBOIS"), 11, QStringLiteral("Abondance bois")},
        {QStringLiteral("ABVIVANT"), 13, QStringLiteral("Abondance organismes vivants")},
    };
    return columns;
}

QStringList fieldNames()
{
    QStringList names;
    for (const ElementColumn &column : all())
        names.append(column.field);
    return names;
}

int indexOf(const QString &field)
{
    const QVector<ElementColumn> &columns = all();
    for (int i = 0; i < columns.size(); ++i) {
        if (columns[i].field == field)
            return i;
    }
    return -1;
}

std::optional<ElementColumn> byField(const QString &field)
{
    const int i = indexOf(field);
    if (i < 0)
        return std::nullopt;
    return all().at(i);
}

void prepareTable(TTextTable &table)
{
    table.setDivChar(QLatin1Char(';'));
    table.setSepChar(QLatin1Char('"'));
    table.setFileName(QStringLiteral("prop.yop"));
    QVector<TTextTable::FieldDecl> fields;
    for (const ElementColumn &column : all())
        fields.append({column.field, column.size});
    table.setDeclaredFields(fields);
}

} // namespace ElementColumns
