#!/usr/bin/env python3
"""Builds share/iso.yop, share/struct.yop and tools/data/isotopes.tsv.

Isotopic masses and abundances, and the lattice parameters, come from the
Blue Obelisk Data Repository (Debian package bodr); the French structure
descriptions are curated in tools/data/struct.tsv.

Which isotopes count as naturally occurring:
  * every isotope that bodr gives a natural abundance (stable and
    primordial radioactive isotopes, the representative composition);
  * plus the two cosmogenic isotopes that are present in all natural
    hydrogen and carbon and are used for dating: tritium 3H and 14C;
  * an element without any primordial isotope gets the isotopes that occur
    in nature as traces: members of the three natural decay series (238U,
    235U, 232Th) and products of fission or neutron capture in uranium ores.
    Decay-series traces of elements that do own primordial isotopes (Th, Pb,
    Bi, Tl) are not counted.  Protactinium has no primordial isotope, but
    bodr gives 231Pa (of the 235U series) a natural abundance of 100 %: the
    isotopic composition of natural protactinium, shown as it is.
Trace isotopes are listed with the abundance "traces".

Usage: tools/build_sections.py [--bodr DIR]
"""
import argparse
import os
import sys
import xml.etree.ElementTree as ET

CML = '{http://www.xml-cml.org/schema}'
ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ELEMENTS = 118
HEADING = 'Isotope                        Masse                      Abondance (%)'
TRACE_WORD = 'traces'
MAX_ISOTOPE_LINES = 10
MAX_STRUCT_LINES = 8

# Natural trace isotopes counted (see the module comment).
TRACES = {
    1: [3], 6: [14],
    43: [99], 61: [147],
    84: [210, 211, 212, 214, 215, 216, 218],
    85: [215, 218, 219],
    86: [219, 220, 222],
    87: [223],
    88: [223, 224, 226, 228],
    89: [227, 228],
    93: [237, 239],
    94: [239, 244],
}

# Hermann-Mauguin symbols of the space groups used by the elements.
SPACE_GROUPS = {
    2: 'P-1', 11: 'P21/m', 12: 'C2/m', 14: 'P21/c', 15: 'C2/c', 62: 'Pnma',
    63: 'Cmcm', 64: 'Cmce', 70: 'Fddd', 139: 'I4/mmm', 141: 'I41/amd',
    152: 'P3121', 166: 'R-3m', 194: 'P63/mmc', 217: 'I-43m', 221: 'Pm-3m',
    225: 'Fm-3m', 227: 'Fd-3m', 229: 'Im-3m',
}


def fail(msg):
    sys.exit('build_sections: ' + msg)


def comma(text):
    return text.replace('.', ',')


def scalars(node):
    return {s.get('dictRef'): (s.text or '').strip() for s in node.iter(CML + 'scalar')}


def read_symbols(bodr):
    symbols = {}
    for atom in ET.parse(os.path.join(bodr, 'elements.xml')).getroot().iter(CML + 'atom'):
        z = int(scalars(atom).get('bo:atomicNumber', 0))
        for label in atom.iter(CML + 'label'):
            if label.get('dictRef') == 'bo:symbol':
                symbols[z] = label.get('value')
    return symbols


def read_isotopes(bodr):
    """Returns {Z: {mass number: (exact mass text, abundance text or None)}}."""
    result = {}
    root = ET.parse(os.path.join(bodr, 'isotopes.xml')).getroot()
    for iso in root.iter(CML + 'isotope'):
        d = scalars(iso)
        if 'bo:atomicNumber' not in d or 'bo:exactMass' not in d:
            continue
        z = int(d['bo:atomicNumber'])
        result.setdefault(z, {})[int(iso.get('number'))] = (
            d['bo:exactMass'], d.get('bo:relativeAbundance'))
    return result


def natural_isotopes(z, isotopes):
    """List of (mass number, exact mass, abundance text) in mass order."""
    known = isotopes.get(z, {})
    chosen = {a: ab for a, (_, ab) in known.items() if ab is not None}
    for a in TRACES.get(z, []):
        if a not in known:
            fail(f'element {z}: no mass for trace isotope {a}')
        chosen.setdefault(a, None)
    return [(a, float(known[a][0]), chosen[a]) for a in sorted(chosen)]


def iso_line(symbol, a, mass, abundance):
    mass_col = HEADING.index('Masse')
    ab_col = HEADING.index('Abondance')
    left = f'{a}{symbol}'.ljust(mass_col)
    middle = comma(f'{mass:.6f}').ljust(ab_col - mass_col)
    return left + middle + (TRACE_WORD if abundance is None else comma(abundance))


def fmt_pm(text):
    value = float(text)
    s = f'{value:.2f}'.rstrip('0').rstrip('.')
    return comma(s)


def lattice_text(cr, system):
    a, b, c = fmt_pm(cr['a']), fmt_pm(cr['b']), fmt_pm(cr['c'])
    if system == 'cubique':
        return f'a = {a} pm'
    # Trigonal lattices come either in the hexagonal setting (gamma = 120°)
    # or in the rhombohedral one (a = b = c, one angle alpha).
    if system in ('hexagonal', 'tétragonal') or float(cr['gamma']) == 120.0:
        return f'a = {a} pm, c = {c} pm'
    if system == 'trigonal':
        return f'a = {a} pm, alpha = {fmt_pm(cr["alpha"])}°'
    text = f'a = {a} pm, b = {b} pm, c = {c} pm'
    if system == 'monoclinique':
        text += f', bêta = {fmt_pm(cr["beta"])}°'
    return text


def crystal_system(group):
    for limit, name in ((2, 'triclinique'), (15, 'monoclinique'), (74, 'orthorhombique'),
                        (142, 'tétragonal'), (167, 'trigonal'), (194, 'hexagonal'),
                        (230, 'cubique')):
        if group <= limit:
            return name
    fail(f'space group {group} out of range')


def read_crystals(bodr):
    crystals = {}
    root = ET.parse(os.path.join(bodr, 'crystalstructures.xml')).getroot()
    for mol in root.iter(CML + 'molecule'):
        cr = mol.find(CML + 'crystal')
        atom = mol.find(CML + 'atomArray').find(CML + 'atom')
        values = {s.get('title'): s.text.strip() for s in cr.iter(CML + 'scalar')}
        values['group'] = int(cr.find(CML + 'symmetry').get('spaceGroup'))
        crystals[atom.get('elementType')] = values
    return crystals


def read_tsv(path):
    with open(path, encoding='utf-8') as f:
        lines = f.read().split('\n')
    header = lines[0].split('\t')
    rows = [dict(zip(header, line.split('\t'))) for line in lines[1:] if line]
    if [int(r['_NO_AT']) for r in rows] != list(range(1, ELEMENTS + 1)):
        fail(f'{path}: rows must be atomic numbers 1 to {ELEMENTS}')
    return rows


def struct_lines(row, symbol, crystals):
    """French lines of one element; [] when its structure is unknown."""
    if not row['forme']:
        return []
    group = int(row['groupe'])
    system = crystal_system(group)
    lines = [row['forme'], f'Système cristallin : {system}']
    if row['maille'] and row['maille'] != '-':
        lines.append('Maille : ' + row['maille'])
    elif not row['maille']:
        if symbol not in crystals:
            fail(f'{symbol}: no lattice in bodr and none curated')
        lines.append('Maille : ' + lattice_text(crystals[symbol], system))
    lines.append(f"Groupe d'espace : {SPACE_GROUPS[group]} (n° {group})")
    if row['coordinence']:
        lines.append('Coordinence : ' + row['coordinence'])
    lines += [x for x in row['autres'].split('|') if x]
    if len(lines) > MAX_STRUCT_LINES:
        fail(f'{symbol}: {len(lines)} structure lines, at most {MAX_STRUCT_LINES}')
    return lines


def write_sections(path, sections):
    out = []
    for z, lines in enumerate(sections, start=1):
        out += [f'#{z}', str(len(lines))] + lines
    data = ''.join(line + '\r\n' for line in out)
    for line in out:
        if '\r' in line or '\n' in line:
            fail(f'{path}: line break inside "{line}"')
    with open(path, 'wb') as f:
        f.write(data.encode('cp1252'))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    parser.add_argument('--bodr', default='/usr/share/bodr')
    args = parser.parse_args()
    symbols = read_symbols(args.bodr)
    isotopes = read_isotopes(args.bodr)
    crystals = read_crystals(args.bodr)
    struct_rows = read_tsv(os.path.join(ROOT, 'tools', 'data', 'struct.tsv'))

    iso_sections, struct_sections = [], []
    for z in range(1, ELEMENTS + 1):
        isos = natural_isotopes(z, isotopes)
        if len(isos) > MAX_ISOTOPE_LINES:
            fail(f'element {z}: {len(isos)} isotopes, at most {MAX_ISOTOPE_LINES}')
        iso_sections.append([iso_line(symbols[z], a, m, ab) for a, m, ab in isos])
        struct_sections.append(struct_lines(struct_rows[z - 1], symbols[z], crystals))

    write_sections(os.path.join(ROOT, 'share', 'iso.yop'), iso_sections)
    write_sections(os.path.join(ROOT, 'share', 'struct.yop'), struct_sections)
    with open(os.path.join(ROOT, 'tools', 'data', 'isotopes.tsv'), 'w',
              encoding='utf-8', newline='\n') as f:
        f.write('_NO_AT\t_1ISOTOPES\n')
        for z, lines in enumerate(iso_sections, start=1):
            f.write(f'{z}\t{len(lines)}\n')
    print('iso.yop, struct.yop and isotopes.tsv written')


if __name__ == '__main__':
    main()
