"""The columns of the element table prop.yop (the 72 of the first edition, then
those added since) and helpers shared by the maintainer scripts (build_prop.py,
compare_bodr.py).

The columns are the program's own table, written to tools/data/columns.tsv by
its mirelon_columns tool (a test keeps the file up to date): field name,
declared size (longest text, field name included, plus 5), kind, the most
records that may hold no value, unit and list wording.
"""
import os
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DATA_DIR = os.path.join(ROOT, 'tools', 'data')
SHARE_DIR = os.path.join(ROOT, 'share')
ELEMENTS = 118

COLUMNS_FILE = os.path.join(DATA_DIR, 'columns.tsv')

# Kinds of value, as the column file names them.
NUM = 'number'      # decimal comma, optional leading "-"
YEAR = 'year'       # signed integer or the word "Préhistoire"
OX = 'oxidation'    # ascending signed integers: "-2 0 +1 +3"
TXT = 'text'
COLUMN_HEADING = ['field', 'size', 'kind', 'empties', 'unit', 'list']


def fail(message):
    """Stops a maintainer script on input it cannot use (exit status 2)."""
    print('error: ' + message, file=sys.stderr)
    sys.exit(2)


def read_columns(path=COLUMNS_FILE):
    """The program's column table, written by its mirelon_columns tool:
    [(field, size, kind, empties, unit, list wording)] in file order."""
    if not os.path.exists(path):
        fail(f'{path} is missing; write it with build/src/data/mirelon_columns > {path}')
    with open(path, encoding='utf-8', newline='') as f:
        lines = f.read().split('\n')
    if lines[-1] == '':
        lines.pop()
    heading = '\t'.join(COLUMN_HEADING)
    if not lines or lines[0] != heading:
        fail(f'{path}:1: the heading must be {heading!r}')
    columns = []
    for n, line in enumerate(lines[1:], start=2):
        cells = line.split('\t')
        if len(cells) != len(COLUMN_HEADING) or cells[2] not in (NUM, YEAR, OX, TXT) \
                or not cells[1].isdigit() or not cells[3].isdigit():
            fail(f'{path}:{n}: malformed column {line!r}')
        columns.append((cells[0], int(cells[1]), cells[2], int(cells[3]), cells[4], cells[5]))
    return columns


COLUMNS = read_columns()
FIELDS = [c[0] for c in COLUMNS]
SIZE = {c[0]: c[1] for c in COLUMNS}
KIND = {c[0]: c[2] for c in COLUMNS}
EMPTY = {c[0]: c[3] for c in COLUMNS}

# The carbon and iron records and, below, the names line exactly as the file must
# hold them: references the written file is checked against.
REFERENCE_LINES = {
    6: '6;C;Carbone;12,01;2,27;Solide;3820;5100,2;0,07;1,59;717;;;7,1;2,3;Préhistoire;charbon, pétrole, gaz naturel, graphite;Hexagonal graphite;0,8;noir;diamagnétique, allotropie(6), bioélément;chimie organique, lubrifiants, carbon black;non;non;viol. -> CO2;aucune;aucune;douce a.ch. -> C6(COOH)6;aucune;3;[He] 2s2 2p2;2,5;121,9;1,8;5,3;77,2;1086,4;2352,6;4620,4;;;;;;-4 -3 -2 -1 0 +1 +2 +3 +4;-4 0 +4;4;-4;4;-4;CCl4;CH4, carbures CxHy;CO CO2;2;14;Non métal;p;Acide faible;;;LATIN: carbo(charbon);Carbon;;;7;250;0;0;28;0,01;49,65;20;2,55',
    26: '26;Fe;Fer;55,85;7,87;Solide;1810;3020;10,3;72,8;418;14,9;351;6;4,8;-2500;Hématite Fe2O3, Magnétite Fe3O4;Cubique centré;4,5;gris;ductile, ferromagnétique, bioélément;métal de base, fer doux, fontes, aciers;non;Inconnue;douce -> Fe3O4;aucune;douce -> H2, FeCl2;passivation;Inconnue;4;[Ar] 3d6 4s2;1,6;14,6;8,4;7,1;124,1;759,3;1561,1;2957,3;;;78;;65;-2 -1 0 +1 +2 +3 +4 +5 +6;0 +2 +3;3;0;6;-2;FeCl2 FeCl3;aucun;FeO Fe3O4 Fe2O3;4;8;Metal de transition;d;Amphotère;;;LATIN:ferrum;Iron;;;5,3;50000;70700;81600;0,004;0;0;0;1,83',
}
HEADER_LINE = '_NO_AT;_SYMBOLE;_NOM;_M__AT;_M__VOL;_ETAT_PHY;_TF;_TEB;_0COND_ELE;_1COND_THE;_2H_AT;_3H_FUS;_4H_VAP;_5AB_COSM;_6AB_TER;_7DECOUVER;_8SOURCE;_9STRUCTUR;_0DURET_;_1COULEUR;_2CARACT;_3APPL;_4TOXICIT_;_5CANCER;_6R__AIR;_7R__EAU;_81R__HCL;_9R__HNO3;_0R__NAOH;_1ISOTOPES;_2CONFIG__;_3EN;_4AE;_5POLARIS;_6VOL_AT;_7R_AT;_8E_1ERE_I;_9E_2EME_I;_0E_3EME_I;_1RI_1_;_2RI_1_;_4RI_2_;_3RI_2_;_5RI_3_;_6NO_TOTAL;_7NO_COURA;_8NO_MAXC;_9NO_MINC;_0NO_MAX;_1NO_MIN;_2DERIV__C;_3D_RIV__H;_4D_RIV__O;LIGNE;COLONNE;GROUPE;BLOC;Acidbase;DECPAR;LIEUDEC;ORINOM;NOMUK;NOMGER;TEXTEDEC;ABSOLEIL;ABCROUTETERRE;ABCROUTECONT;ABCROUTEOCEAN;ABEAU;ABATM;ABBOIS;ABVIVANT;ENPAULING'


def tsv_lines(path):
    """The lines of a UTF-8 file of tools/data, without the last line end; exits on CR."""
    with open(path, encoding='utf-8', newline='') as f:
        text = f.read()
    if '\r' in text:
        fail(f'{path}: CR found, the file must use LF line ends')
    lines = text.split('\n')
    if lines and lines[-1] == '':
        lines.pop()
    return lines


def read_tsv(path):
    """Reads one group file: {field: [ELEMENTS values]}; exits on a malformed file."""
    lines = tsv_lines(path)
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
                  if f.endswith('.tsv') and f not in ('struct.tsv', 'columns.tsv', 'sources.tsv'))


def read_prop(path=None):
    """Reads prop.yop back: (header fields, list of the records as lists)."""
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
