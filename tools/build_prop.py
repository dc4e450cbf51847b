#!/usr/bin/env python3
"""Merges the column groups of tools/data/*.tsv into share/prop.yop and
prints a check report of the rules the element table must obey.

prop.yop: Windows-1252, CR LF after every line, ";" between values, line 1 the
field names (the 72 of the first edition, then those added since), then the
records in atomic-number order.  A value that
holds ";" or starts with a double quote is written between double quotes with
its inner quotes doubled.

Exit status: 2 when the groups cannot be merged (missing or duplicated field,
missing row, line break or character outside Windows-1252 in a value; nothing
is written), 1 when the file was written but a check failed, 0 otherwise.

Usage: tools/build_prop.py [--check-only]
"""
import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import elementcolumns as ec  # noqa: E402
from elementcolumns import fail  # noqa: E402

NUMBER_RE = re.compile(r'^-?[0-9]+(,[0-9]+)?$')
INTEGER_RE = re.compile(r'^-?[0-9]+$')
OX_TOKEN_RE = re.compile(r'^(0|-[1-9]|\+[1-9])$')
EXPONENT_VALUE = '4,00E-08'
PREHISTORY = 'Préhistoire'
LAST_DISCOVERY = 2010  # tennesse, as the IUPAC/IUPAP working group credited it
VALUE_SETS = {
    '_ETAT_PHY': {'Solide', 'Liquide', 'Gaz', 'Inconnue'},
    '_4TOXICIT_': {'oui', 'non', 'faible', 'tératogène', 'Inconnue'},
    '_5CANCER': {'oui', 'non', 'suspect', 'Inconnue'},
    'GROUPE': {'Alcalin', 'Alcalino-terreux', 'Metal de transition', 'Lanthanide',
               'Actinide', 'Metal', 'Metalloide', 'Non métal', 'Halogène', 'Gaz Noble'},
    'BLOC': {'s', 'p', 'd', 'f'},
    'Acidbase': {'Acide fort', 'Acide faible', 'Amphotère', 'Base faible', 'Base forte', ''},
}
STATE_COUNTS = {'Solide': 86, 'Gaz': 11, 'Liquide': 2, 'Inconnue': 19}
GASES_298 = {'H', 'He', 'N', 'O', 'F', 'Ne', 'Cl', 'Ar', 'Kr', 'Xe', 'Rn'}
LIQUIDS_298 = {'Br', 'Hg'}
NO_MELT_OR_BOIL = set(range(97, ec.ELEMENTS + 1))  # Bk to Og
ROOM_TEMPERATURE = 298.0


def layout_cell(z):
    """(LIGNE, COLONNE) of element z in the drawn table."""
    if 58 <= z <= 71:
        return 8, z - 55
    if 90 <= z <= 103:
        return 9, z - 87
    starts = [(1, 1), (2, 3), (3, 11), (4, 19), (5, 37), (6, 55), (7, 87)]
    period, start = [p for p in starts if p[1] <= z][-1]
    offset = z - start
    if period == 1:
        return 1, 1 if z == 1 else 18
    if period in (2, 3):
        return period, offset + 1 if offset < 2 else offset + 11
    if period in (4, 5):
        return period, offset + 1
    if period == 6:
        return 6, offset + 1 if offset < 3 else z - 68
    return 7, offset + 1 if offset < 3 else z - 100


def merge():
    """{field: [one value per element]} from all group files; exits on any conflict."""
    merged = {'_NO_AT': [str(z) for z in range(1, ec.ELEMENTS + 1)]}
    owner = {}
    for path in ec.group_files():
        for field, values in ec.read_tsv(path).items():
            if field not in ec.SIZE:
                fail(f'{path}: unknown field {field}')
            if field in owner:
                fail(f'{path}: field {field} also given by {owner[field]}')
            owner[field] = path
            merged[field] = values
    missing = [f for f in ec.FIELDS if f not in merged]
    if missing:
        fail('missing fields: ' + ' '.join(missing))
    for field in ec.FIELDS:
        for z, value in enumerate(merged[field], start=1):
            where = f'{owner.get(field, "_NO_AT")}: element {z}, {field}'
            if '\r' in value or '\n' in value or '\t' in value:
                fail(f'{where}: line break or tab inside the value')
            try:
                value.encode('cp1252')
            except UnicodeEncodeError as err:
                fail(f'{where}: {value[err.start]!r} is not in Windows-1252')
    return merged


def quote(value):
    if ';' in value or value.startswith('"'):
        return '"' + value.replace('"', '""') + '"'
    return value


def record_line(merged, z):
    return ';'.join(quote(merged[f][z - 1]) for f in ec.FIELDS)


def write(merged, path):
    lines = [';'.join(ec.FIELDS)] + [record_line(merged, z) for z in range(1, ec.ELEMENTS + 1)]
    with open(path, 'wb') as f:
        f.write(''.join(line + '\r\n' for line in lines).encode('cp1252'))


class Report:
    def __init__(self):
        self.failures = 0

    def check(self, name, problems):
        problems = list(problems)
        status = 'ok  ' if not problems else 'FAIL'
        self.failures += bool(problems)
        print(f'{status} {name}' + ('' if not problems else ': ' + '; '.join(map(str, problems[:12]))
                                    + (f' ... ({len(problems)} in all)' if len(problems) > 12 else '')))

    def note(self, name, items):
        items = list(items)
        if items:
            print(f'note {name}: ' + '; '.join(map(str, items)))


def form_problems(field, values):
    kind = ec.KIND[field]
    for z, v in enumerate(values, start=1):
        if v == '':
            continue
        if kind == ec.NUM and not NUMBER_RE.match(v) and not (field == 'ABEAU' and v == EXPONENT_VALUE):
            yield f'{z}:{v!r}'
        elif kind == ec.YEAR and not (INTEGER_RE.match(v) and -5000 <= int(v) <= LAST_DISCOVERY) \
                and not (v == PREHISTORY and z in (6, 16)):
            yield f'{z}:{v!r}'
        elif kind == ec.OX:
            tokens = v.split(' ')
            numbers = [int(t) for t in tokens if OX_TOKEN_RE.match(t)]
            if len(numbers) != len(tokens) or numbers != sorted(set(numbers)):
                yield f'{z}:{v!r}'


def check_columns(rep, m):
    # A measured value may fill a gap, never the other way round: the counts are upper bounds.
    rep.check('empty counts', (f'{f}: {sum(v == "" for v in m[f])} empty, at most {ec.EMPTY[f]}'
                               for f in ec.FIELDS if sum(v == '' for v in m[f]) > ec.EMPTY[f]))
    rep.check('value forms', (f'{f} {p}' for f in ec.FIELDS for p in form_problems(f, m[f])))
    rep.check('value sets', (f'{f} {z}:{v!r}' for f, allowed in VALUE_SETS.items()
                             for z, v in enumerate(m[f], start=1) if v not in allowed))
    rep.check('GROUPE uses all ten families', VALUE_SETS['GROUPE'] - set(m['GROUPE']))
    rep.check('lengths within size - 5', (f'{f} {z}: {len(v)} > {ec.SIZE[f] - 5}'
                                          for f in ec.FIELDS for z, v in enumerate(m[f], start=1)
                                          if len(v) > ec.SIZE[f] - 5))
    computed = {f: max([len(f)] + [len(v) for v in m[f]]) + 5 for f in ec.FIELDS}
    rep.check('text column sizes computed = declared',
              (f'{f}: {computed[f]} vs {ec.SIZE[f]}' for f in ec.FIELDS
               if ec.KIND[f] != ec.NUM and computed[f] != ec.SIZE[f]))
    rep.note('numeric columns narrower than declared',
             (f'{f}: {computed[f]} vs {ec.SIZE[f]}' for f in ec.FIELDS
              if ec.KIND[f] == ec.NUM and computed[f] != ec.SIZE[f]))
    rep.check('ABEAU exponent value exactly once', [] if m['ABEAU'].count(EXPONENT_VALUE) == 1
              else [f'{m["ABEAU"].count(EXPONENT_VALUE)} times'])
    rep.check('_1ISOTOPES from 0 to 10', (f'{z}:{v}' for z, v in enumerate(m['_1ISOTOPES'], 1)
                                         if not (INTEGER_RE.match(v) and 0 <= int(v) <= 10)))
    rep.check('LIGNE/COLONNE layout', (f'{z}: ({m["LIGNE"][z - 1]},{m["COLONNE"][z - 1]}) vs {layout_cell(z)}'
                                      for z in range(1, ec.ELEMENTS + 1)
                                      if (m['LIGNE'][z - 1], m['COLONNE'][z - 1]) !=
                                      tuple(map(str, layout_cell(z)))))


def oxidation_problems(m):
    for z in range(1, ec.ELEMENTS + 1):
        total, common = m['_6NO_TOTAL'][z - 1], m['_7NO_COURA'][z - 1]
        try:
            t = [int(x) for x in total.split(' ')]
            c = [int(x) for x in common.split(' ')]
            pairs = (('_8NO_MAXC', max(c)), ('_9NO_MINC', min(c)), ('_0NO_MAX', max(t)), ('_1NO_MIN', min(t)))
        except ValueError:
            continue
        if not set(c) <= set(t):
            yield f'{z}: common {common!r} not within total'
        for field, expected in pairs:
            if m[field][z - 1] != str(expected):
                yield f'{z}: {field} {m[field][z - 1]!r}, {expected} from the lists'


def state_at(tf, teb, t):
    a, b = ec.number(tf), ec.number(teb)
    if a is None or b is None:
        return None
    return 'Solide' if t < a else 'Liquide' if t < b else 'Gaz'


def check_facts(rep, m):
    sym = m['_SYMBOLE']
    states = {sym[z]: state_at(m['_TF'][z], m['_TEB'][z], ROOM_TEMPERATURE) for z in range(ec.ELEMENTS)}
    rep.check('liquids at 298 K are Br and Hg',
              [f'{sorted(s for s, v in states.items() if v == "Liquide")}']
              if {s for s, v in states.items() if v == 'Liquide'} != LIQUIDS_298 else [])
    rep.check('gases at 298 K are the eleven',
              [f'{sorted(s for s, v in states.items() if v == "Gaz")}']
              if {s for s, v in states.items() if v == 'Gaz'} != GASES_298 else [])
    lacking = {z for z in range(1, ec.ELEMENTS + 1) if m['_TF'][z - 1] == '' or m['_TEB'][z - 1] == ''}
    rep.check('exactly Bk to Og lack a melting or boiling point',
              [] if lacking == NO_MELT_OR_BOIL else [sorted(lacking ^ NO_MELT_OR_BOIL)])
    rep.check('_ETAT_PHY counts', (f'{k}: {m["_ETAT_PHY"].count(k)} vs {n}'
                                   for k, n in STATE_COUNTS.items() if m['_ETAT_PHY'].count(k) != n))
    rep.check('_ETAT_PHY agrees with the 298 K state',
              (f'{sym[z]}: {m["_ETAT_PHY"][z]} vs {states[sym[z]]}' for z in range(ec.ELEMENTS)
               if states[sym[z]] and m['_ETAT_PHY'][z] != states[sym[z]]))
    facts = [(31, '_TF', '302,98'), (26, '_TF', '1810'), (15, '_7DECOUVER', '1669'),
             (8, 'ABCROUTETERRE', '466000'), (9, '_3EN', '4,1'), (6, '_3EN', '2,5'), (26, '_3EN', '1,6'),
             (9, 'ENPAULING', '3,98'), (8, 'ENPAULING', '3,44'), (26, 'ENPAULING', '1,83'), (1, 'ENPAULING', '2,20')]
    rep.check('single facts', (f'{z} {f}: {m[f][z - 1]!r} vs {v!r}' for z, f, v in facts if m[f][z - 1] != v))
    crust = [ec.number(v) or 0 for v in m['ABCROUTETERRE']]
    rep.check('O has the largest ABCROUTETERRE', [] if crust.index(max(crust)) == 7 else [crust.index(max(crust)) + 1])
    semis = [z for z, v in enumerate(m['DECPAR'], 1) if ';' in v]
    rep.check('one DECPAR holds ";"', [] if len(semis) == 1 else [f'elements {semis}'])
    rep.check('_NO_AT and _SYMBOLE', (z for z in range(1, ec.ELEMENTS + 1) if m['_NO_AT'][z - 1] != str(z)
                                      or not re.match(r'^[A-Z][a-z]?$', m['_SYMBOLE'][z - 1])))
    rep.check('LIEUDEC as "(Pays)"', (f'{z}:{v!r}' for z, v in enumerate(m['LIEUDEC'], 1)
                                      if v and not re.match(r'^\([^()]+\)$', v)))
    rep.check('oxidation numbers consistent', oxidation_problems(m))


def read_sections(path):
    """{Z: [lines]} of a section file, with its format problems."""
    problems, sections = [], {}
    with open(path, 'rb') as f:
        data = f.read()
    if data.replace(b'\r\n', b'').count(b'\n') or data.replace(b'\r\n', b'').count(b'\r') \
            or not data.endswith(b'\r\n'):
        problems.append('line ends are not CR LF')
    lines = data.decode('cp1252').split('\r\n')[:-1]
    i = 0
    for z in range(1, ec.ELEMENTS + 1):
        if i + 1 >= len(lines) or lines[i] != f'#{z}' or not lines[i + 1].isdigit():
            problems.append(f'section #{z} malformed at line {i + 1}')
            break
        n = int(lines[i + 1])
        sections[z] = lines[i + 2:i + 2 + n]
        i += 2 + n
    if i != len(lines):
        problems.append(f'{len(lines) - i} lines after the last section')
    return sections, problems


def check_sections(rep, m):
    iso, p1 = read_sections(os.path.join(ec.SHARE_DIR, 'iso.yop'))
    struct, p2 = read_sections(os.path.join(ec.SHARE_DIR, 'struct.yop'))
    rep.check('iso.yop format', p1)
    rep.check('struct.yop format', p2 + [f'#{z}: {len(v)} lines' for z, v in struct.items() if len(v) > 8])
    rep.check('iso.yop counts = _1ISOTOPES', (f'{z}: {len(iso.get(z, []))} vs {m["_1ISOTOPES"][z - 1]}'
                                             for z in range(1, ec.ELEMENTS + 1)
                                             if str(len(iso.get(z, []))) != m['_1ISOTOPES'][z - 1]))


def check_file(rep, merged, path):
    with open(path, 'rb') as f:
        data = f.read()
    lines = data.split(b'\r\n')
    rep.check(f'prop.yop: {ec.ELEMENTS + 1} CR LF lines, no bare LF', [] if len(lines) == ec.ELEMENTS + 2 and lines[-1] == b''
              and b'\n' not in data.replace(b'\r\n', b'') else ['line structure'])
    rep.check('prop.yop header', [] if lines[0] == ec.HEADER_LINE.encode('cp1252') else ['differs'])
    rep.check('carbon and iron records byte for byte',
              (z for z, ref in ec.REFERENCE_LINES.items() if lines[z] != ref.encode('cp1252')))
    header, records = ec.read_prop(path)
    rep.check('prop.yop reads back', (z for z, r in enumerate(records, 1)
                                      if r != [merged[f][z - 1] for f in ec.FIELDS]))


def main():
    merged = merge()
    path = os.path.join(ec.SHARE_DIR, 'prop.yop')
    if '--check-only' not in sys.argv:
        write(merged, path)
        print(f'written {path}')
    rep = Report()
    check_file(rep, merged, path)
    check_columns(rep, merged)
    check_facts(rep, merged)
    check_sections(rep, merged)
    print(f'{rep.failures} check(s) failed')
    return 1 if rep.failures else 0


if __name__ == '__main__':
    sys.exit(main())
