"""The 72 columns of the element table prop.yop and helpers shared by the
maintainer scripts (build_prop.py, compare_bodr.py).

Each column: field name, declared size (longest text, field name included,
plus 5), kind, and the exact number of records that hold no value.
"""
import os
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DATA_DIR = os.path.join(ROOT, 'tools', 'data')
SHARE_DIR = os.path.join(ROOT, 'share')
ELEMENTS = 103

NUM = 'number'      # decimal comma, optional leading "-"
YEAR = 'year'       # signed integer or the word "Préhistoire"
OX = 'oxidation'    # ascending signed integers: "-2 0 +1 +3"
TXT = 'text'

COLUMNS = [
    ('_NO_AT', 11, NUM, 0),
    ('_SYMBOLE', 13, TXT, 0),
    ('_NOM', 17, TXT, 0),
    ('_M__AT', 11, NUM, 0),
    ('_M__VOL', 12, NUM, 9),
    ('_ETAT_PHY', 14, TXT, 0),
    ('_TF', 12, NUM, 4),
    ('_TEB', 11, NUM, 8),
    ('_0COND_ELE', 15, NUM, 16),
    ('_1COND_THE', 15, NUM, 14),
    ('_2H_AT', 11, NUM, 11),
    ('_3H_FUS', 12, NUM, 15),
    ('_4H_VAP', 12, NUM, 20),
    ('_5AB_COSM', 14, NUM, 20),
    ('_6AB_TER', 13, NUM, 14),
    ('_7DECOUVER', 16, YEAR, 0),
    ('_8SOURCE', 47, TXT, 0),
    ('_9STRUCTUR', 48, TXT, 0),
    ('_0DURET_', 13, NUM, 66),
    ('_1COULEUR', 22, TXT, 0),
    ('_2CARACT', 54, TXT, 0),
    ('_3APPL', 51, TXT, 0),
    ('_4TOXICIT_', 15, TXT, 0),
    ('_5CANCER', 13, TXT, 0),
    ('_6R__AIR', 32, TXT, 0),
    ('_7R__EAU', 30, TXT, 0),
    ('_81R__HCL', 27, TXT, 0),
    ('_9R__HNO3', 30, TXT, 0),
    ('_0R__NAOH', 31, TXT, 0),
    ('_1ISOTOPES', 15, NUM, 0),
    ('_2CONFIG__', 27, TXT, 0),
    ('_3EN', 9, NUM, 15),
    ('_4AE', 10, NUM, 5),
    ('_5POLARIS', 14, NUM, 1),
    ('_6VOL_AT', 13, NUM, 9),
    ('_7R_AT', 11, NUM, 9),
    ('_8E_1ERE_I', 15, NUM, 1),
    ('_9E_2EME_I', 15, NUM, 23),
    ('_0E_3EME_I', 15, NUM, 30),
    ('_1RI_1_', 12, NUM, 99),
    ('_2RI_1_', 12, NUM, 92),
    ('_4RI_2_', 12, NUM, 75),
    ('_3RI_2_', 12, NUM, 99),
    ('_5RI_3_', 12, NUM, 52),
    ('_6NO_TOTAL', 36, OX, 0),
    ('_7NO_COURA', 21, OX, 0),
    ('_8NO_MAXC', 14, NUM, 0),
    ('_9NO_MINC', 14, NUM, 0),
    ('_0NO_MAX', 13, NUM, 0),
    ('_1NO_MIN', 13, NUM, 0),
    ('_2DERIV__C', 29, TXT, 0),
    ('_3D_RIV__H', 26, TXT, 0),
    ('_4D_RIV__O', 31, TXT, 0),
    ('LIGNE', 10, NUM, 0),
    ('COLONNE', 12, NUM, 0),
    ('GROUPE', 24, TXT, 0),
    ('BLOC', 9, TXT, 0),
    ('Acidbase', 17, TXT, 18),
    ('DECPAR', 75, TXT, 13),
    ('LIEUDEC', 24, TXT, 13),
    ('ORINOM', 69, TXT, 1),
    ('NOMUK', 17, TXT, 0),
    ('NOMGER', 11, TXT, 103),
    ('TEXTEDEC', 13, TXT, 103),
    ('ABSOLEIL', 13, NUM, 52),
    ('ABCROUTETERRE', 18, NUM, 0),
    ('ABCROUTECONT', 17, NUM, 0),
    ('ABCROUTEOCEAN', 18, NUM, 0),
    ('ABEAU', 14, NUM, 0),
    ('ABATM', 13, NUM, 0),
    ('ABBOIS', 11, NUM, 0),
    ('ABVIVANT', 13, NUM, 0),
]
FIELDS = [c[0] for c in COLUMNS]
SIZE = {c[0]: c[1] for c in COLUMNS}
KIND = {c[0]: c[2] for c in COLUMNS}
EMPTY = {c[0]: c[3] for c in COLUMNS}

# The carbon and iron records exactly as the file must hold them.
REFERENCE_LINES = {
    6: '6;C;Carbone;12,01;2,27;Solide;3820;5100,2;0,07;1,59;717;;;7,1;2,3;Préhistoire;charbon, pétrole, gaz naturel, graphite;Hexagonal graphite;0,8;noir;diamagnétique, allotropie(6), bioélément;chimie organique, lubrifiants, carbon black;non;non;viol. -> CO2;aucune;aucune;douce a.ch. -> C6(COOH)6;aucune;3;[He] 2s2 2p2;2,5;121,9;1,8;5,3;77,2;1086,4;2352,6;4620,4;;;;;;-4 -3 -2 -1 0 +1 +2 +3 +4;-4 0 +4;4;-4;4;-4;CCl4;CH4, carbures CxHy;CO CO2;2;14;Non métal;p;Acide faible;;;LATIN: carbo(charbon);Carbon;;;7;250;0;0;28;0,01;49,65;20',
    26: '26;Fe;Fer;55,85;7,87;Solide;1810;3020;10,3;72,8;418;14,9;351;6;4,8;-2500;Hématite Fe2O3, Magnétite Fe3O4;Cubique centré;4,5;gris;ductile, ferromagnétique, bioélément;métal de base, fer doux, fontes, aciers;non;Inconnue;douce -> Fe3O4;aucune;douce -> H2, FeCl2;passivation;Inconnue;4;[Ar] 3d6 4s2;1,6;14,6;8,4;7,1;124,1;759,3;1561,1;2957,3;;;78;;65;-2 -1 0 +1 +2 +3 +4 +5 +6;0 +2 +3;3;0;6;-2;FeCl2 FeCl3;aucun;FeO Fe3O4 Fe2O3;4;8;Metal de transition;d;Amphotère;;;LATIN:ferrum;Iron;;;5,3;50000;70700;81600;0,004;0;0;0',
}
HEADER_LINE = '_NO_AT;_SYMBOLE;_NOM;_M__AT;_M__VOL;_ETAT_PHY;_TF;_TEB;_0COND_ELE;_1COND_THE;_2H_AT;_3H_FUS;_4H_VAP;_5AB_COSM;_6AB_TER;_7DECOUVER;_8SOURCE;_9STRUCTUR;_0DURET_;_1COULEUR;_2CARACT;_3APPL;_4TOXICIT_;_5CANCER;_6R__AIR;_7R__EAU;_81R__HCL;_9R__HNO3;_0R__NAOH;_1ISOTOPES;_2CONFIG__;_3EN;_4AE;_5POLARIS;_6VOL_AT;_7R_AT;_8E_1ERE_I;_9E_2EME_I;_0E_3EME_I;_1RI_1_;_2RI_1_;_4RI_2_;_3RI_2_;_5RI_3_;_6NO_TOTAL;_7NO_COURA;_8NO_MAXC;_9NO_MINC;_0NO_MAX;_1NO_MIN;_2DERIV__C;_3D_RIV__H;_4D_RIV__O;LIGNE;COLONNE;GROUPE;BLOC;Acidbase;DECPAR;LIEUDEC;ORINOM;NOMUK;NOMGER;TEXTEDEC;ABSOLEIL;ABCROUTETERRE;ABCROUTECONT;ABCROUTEOCEAN;ABEAU;ABATM;ABBOIS;ABVIVANT'


def fail(message):
    """Stops a maintainer script on input it cannot use (exit status 2)."""
    print('error: ' + message, file=sys.stderr)
    sys.exit(2)


def read_tsv(path):
    """Reads one group file: {field: [103 values]}; exits on a malformed file."""
    with open(path, encoding='utf-8', newline='') as f:
        text = f.read()
    if '\r' in text:
        fail(f'{path}: CR found, the file must use LF line ends')
    lines = text.split('\n')
    if lines and lines[-1] == '':
        lines.pop()
    header = lines[0].split('\t')
    if header[0] != '_NO_AT':
        fail(f'{path}:1: the first field must be _NO_AT')
    if len(lines) != ELEMENTS + 1:
        fail(f'{path}: {len(lines) - 1} records, {ELEMENTS} expected')
    columns = {name: [] for name in header[1:]}
    for n, line in enumerate(lines[1:], start=1):
        cells = line.split('\t')
        if len(cells) != len(header):
            fail(f'{path}:{n + 1}: {len(cells)} fields, {len(header)} expected')
        if cells[0] != str(n):
            fail(f'{path}:{n + 1}: atomic number {cells[0]!r}, {n} expected')
        for name, value in zip(header[1:], cells[1:]):
            columns[name].append(value)
    return columns


def group_files():
    return sorted(os.path.join(DATA_DIR, f) for f in os.listdir(DATA_DIR)
                  if f.endswith('.tsv') and f != 'struct.tsv')


def read_prop(path=None):
    """Reads prop.yop back: (header fields, list of 103 records as lists)."""
    path = path or os.path.join(SHARE_DIR, 'prop.yop')
    with open(path, 'rb') as f:
        text = f.read().decode('cp1252')
    lines = text.split('\r\n')
    if lines[-1] == '':
        lines.pop()
    return lines[0].split(';'), [split_record(line) for line in lines[1:]]


def split_record(line):
    """Splits one record line on ";" honouring double-quote quoting."""
    values, cur, quoted, i = [], '', False, 0
    while i < len(line):
        ch = line[i]
        if quoted:
            if ch == '"' and line[i + 1:i + 2] == '"':
                cur += '"'
                i += 1
            elif ch == '"':
                quoted = False
            else:
                cur += ch
        elif ch == '"' and cur == '':
            quoted = True
        elif ch == ';':
            values.append(cur)
            cur = ''
        else:
            cur += ch
        i += 1
    values.append(cur)
    return values


def number(text):
    """The value of a numeric text with a decimal comma, or None."""
    try:
        return float(text.replace(',', '.'))
    except ValueError:
        return None
