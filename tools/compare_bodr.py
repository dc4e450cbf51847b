#!/usr/bin/env python3
"""Prints the differences of share/prop.yop and share/iso.yop against the
Blue Obelisk Data Repository (Debian package bodr) beyond fixed tolerances,
one line per difference, so that a later correction is easy.

Tolerances (the same as the data test):
  atomic mass        0,5 % (2,5 % where bodr gives only the mass number of
                     the longest-lived isotope of a radioactive element)
  melting / boiling  3 % or 2 K, whichever is larger; not compared where
                     bodr or prop.yop only holds estimates (At, Fr, Z > 99)
  1st ionisation     2 % (bodr's eV converted at 96,485 kJ/mol per eV)
  isotopes           abundance 0,01 percentage point + 1 %, mass 0,00001 u

Usage: tools/compare_bodr.py [--bodr DIR] [--all]   (--all: every compared value)
"""
import argparse
import os
import sys
import xml.etree.ElementTree as ET

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import elementcolumns as ec  # noqa: E402

CML = '{http://www.xml-cml.org/schema}'
KJ_PER_EV = 96.485
ESTIMATED_TEMPERATURES = {85, 87} | set(range(100, ec.ELEMENTS + 1))
# Boiling points (K) where bodr keeps an outdated value: the CRC Handbook's is
# compared instead and the row is labelled "(CRC)".
HANDBOOK_BOILING_POINTS = {4: 2742, 14: 3538, 25: 2334, 28: 3186, 56: 2170, 88: 2010, 95: 2284}


def bodr_elements(bodr):
    result = {}
    for atom in ET.parse(os.path.join(bodr, 'elements.xml')).getroot().iter(CML + 'atom'):
        d = {s.get('dictRef'): (s.text or '').strip() for s in atom.iter(CML + 'scalar')}
        z = int(d.get('bo:atomicNumber', 0))
        if 1 <= z <= ec.ELEMENTS:
            result[z] = d
    return result


def bodr_isotopes(bodr):
    result = {}
    for iso in ET.parse(os.path.join(bodr, 'isotopes.xml')).getroot().iter(CML + 'isotope'):
        d = {s.get('dictRef'): (s.text or '').strip() for s in iso.iter(CML + 'scalar')}
        if 'bo:atomicNumber' in d:
            result[(int(d['bo:atomicNumber']), int(iso.get('number')))] = d
    return result


def tolerance(prop, z, ours):
    """Allowed absolute difference for one property, or None: not compared."""
    if prop == 'mass':
        return ours * (0.025 if ours.is_integer() else 0.005)
    if prop.startswith(('melting', 'boiling')):
        return None if z in ESTIMATED_TEMPERATURES else max(0.03 * ours, 2.0)
    return 0.02 * ours


def element_rows(prop_records, fields, elements):
    col = {f: fields.index(f) for f in fields}
    compared = [('mass', '_M__AT', 'bo:mass', 1.0), ('melting', '_TF', 'bo:meltingpoint', 1.0),
             ('boiling', '_TEB', 'bo:boilingpoint', 1.0),
             ('ionisation', '_8E_1ERE_I', 'bo:ionization', KJ_PER_EV)]
    for z, rec in enumerate(prop_records, start=1):
        for prop, field, ref, factor in compared:
            ours = ec.number(rec[col[field]])
            theirs = ec.number(elements.get(z, {}).get(ref, ''))
            if ours is None or theirs is None or theirs <= 0:
                continue
            theirs *= factor
            if prop == 'boiling' and z in HANDBOOK_BOILING_POINTS:
                theirs = HANDBOOK_BOILING_POINTS[z]
                prop = 'boiling (CRC)'
            tol = tolerance(prop, z, theirs)
            if tol is not None:
                yield z, rec[col['_SYMBOLE']], prop, rec[col[field]], theirs, abs(ours - theirs) <= tol


def isotope_rows(isotopes):
    """Compares every line of iso.yop with bodr's mass and abundance."""
    path = os.path.join(ec.SHARE_DIR, 'iso.yop')
    with open(path, 'rb') as f:
        lines = f.read().decode('cp1252').split('\r\n')
    z = 0
    for line in lines:
        if line.startswith('#'):
            z = int(line[1:])
            continue
        parts = line.split()
        if len(parts) != 3:
            continue
        name, mass, abundance = parts
        a = int(''.join(ch for ch in name if ch.isdigit()))
        ref = isotopes.get((z, a), {})
        theirs = ec.number(ref.get('bo:exactMass', ''))
        if theirs is not None:
            yield z, name, 'isotope mass', mass, theirs, abs(ec.number(mass) - theirs) <= 1e-5
        ours, theirs = ec.number(abundance), ec.number(ref.get('bo:relativeAbundance', ''))
        if ours is not None or theirs is not None:
            same = ours is not None and theirs is not None and abs(ours - theirs) <= 0.01 + 0.01 * theirs
            yield z, name, 'abundance %', abundance, theirs, same


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    parser.add_argument('--bodr', default='/usr/share/bodr')
    parser.add_argument('--all', action='store_true')
    args = parser.parse_args()
    fields, records = ec.read_prop()
    rows = list(element_rows(records, fields, bodr_elements(args.bodr)))
    rows += list(isotope_rows(bodr_isotopes(args.bodr)))
    print(f'{"Z":>3}  {"element":<8} {"property":<13} {"prop.yop":>12} {"bodr":>12}  {"diff %":>7}')
    differences = 0
    for z, name, prop, ours, theirs, same in rows:
        if same and not args.all:
            continue
        differences += not same
        value = ec.number(ours)
        diff = '' if value is None or theirs in (None, 0) else f'{100 * (value - theirs) / theirs:+.2f}'
        shown = '' if theirs is None else f'{theirs:.6g}'.replace('.', ',')
        print(f'{z:>3}  {name:<8} {prop:<13} {ours:>12} {shown:>12}  {diff:>7}' + ('' if same else '  <-'))
    print(f'{differences} difference(s) beyond tolerance in {len(rows)} compared values')


if __name__ == '__main__':
    main()
