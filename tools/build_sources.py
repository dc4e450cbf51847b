#!/usr/bin/env python3
"""Writes the source table tools/data/sources.tsv into share/sources.yop, which the
program reads for its tool tips, and into the Columns section of share/SOURCES.md.

sources.tsv (UTF-8, LF, one heading line): field, Z, unit, source, year, edition,
convention.  A row with an empty Z gives a column's unit and source; a row with an
atomic number gives the source of that one cell, which differs from its column's.
Column rows stand in the order of the Columns table of SOURCES.md: a column row with
a convention opens a line of that table, one without joins the line above (same
unit).  The convention is the table's own text; the program never shows it.

sources.yop: Windows-1252, CR LF after every line, ";" between values (quoted as in
prop.yop), line 1 "CHAMP;NO_AT;UNITE;SOURCE;ANNEE;EDITION".

Exit status: 2 when the table is malformed (nothing is written), 1 with --check when
share/sources.yop or SOURCES.md differ from what the table gives, 0 otherwise.

Usage: tools/build_sources.py [--check]
"""
import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import elementcolumns as ec  # noqa: E402
from elementcolumns import fail  # noqa: E402

SOURCES_TSV = os.path.join(ec.DATA_DIR, 'sources.tsv')
SOURCES_YOP = os.path.join(ec.SHARE_DIR, 'sources.yop')
SOURCES_MD = os.path.join(ec.SHARE_DIR, 'SOURCES.md')
HEADING = ['field', 'Z', 'unit', 'source', 'year', 'edition', 'convention']
FILE_HEADING = 'CHAMP;NO_AT;UNITE;SOURCE;ANNEE;EDITION'
# Columns the program may find after the 72 of the table: their source is known before
# every copy of the table holds them.
LATER_FIELDS = ['ENPAULING']
SECTION = '## Columns\n'


def read_table(path=SOURCES_TSV):
    """[(line number, {heading: cell})] of the table; exits on a malformed line."""
    lines = ec.tsv_lines(path)
    if not lines or lines[0].split('\t') != HEADING:
        fail(f'{path}:1: the heading must be {chr(9).join(HEADING)!r}')
    rows = []
    for n, line in enumerate(lines[1:], start=2):
        cells = line.split('\t')
        if len(cells) != len(HEADING):
            fail(f'{path}:{n}: {len(cells)} cells, {len(HEADING)} expected')
        rows.append((n, dict(zip(HEADING, cells))))
    return rows


def check_rows(rows, path=SOURCES_TSV):
    """Exits on a row that cannot be used; answers (column rows, cell rows)."""
    known = ec.FIELDS + [f for f in LATER_FIELDS if f not in ec.FIELDS]
    units = {c[0]: c[4] for c in ec.COLUMNS}
    columns, cells = {}, {}
    for n, row in rows:
        where, field = f'{path}:{n}', row['field']
        if field not in known:
            fail(f'{where}: unknown field {field!r}')
        if not row['source']:
            fail(f'{where}: no source')
        if row['year'] and not re.match(r'^[12][0-9]{3}$', row['year']):
            fail(f'{where}: year {row["year"]!r}')
        for name in ('unit', 'source', 'edition'):
            try:
                row[name].encode('cp1252')
            except UnicodeEncodeError as err:
                fail(f'{where}: {row[name][err.start]!r} is not in Windows-1252')
        if row['Z'] == '':
            if field in columns:
                fail(f'{where}: {field} has a column row at line {columns[field][0]}')
            if units.get(field) and row['unit'] != units[field]:
                fail(f'{where}: unit {row["unit"]!r}, the program says {units[field]!r}')
            if not columns and not row['convention']:
                fail(f'{where}: the first column row opens a line: it needs a convention')
            columns[field] = (n, row)
            continue
        if not row['Z'].isdigit() or not 1 <= int(row['Z']) <= ec.ELEMENTS:
            fail(f'{where}: atomic number {row["Z"]!r}')
        if row['unit'] or row['convention']:
            fail(f'{where}: a cell row gives neither unit nor convention')
        key = (field, int(row['Z']))
        if key in cells:
            fail(f'{where}: cell {field} of {key[1]} also at line {cells[key][0]}')
        cells[key] = (n, row)
    missing = [f for f in known if f not in columns]
    if missing:
        fail(f'{path}: no column row for ' + ' '.join(missing))
    for (field, z), (n, _) in cells.items():
        if field not in columns:
            fail(f'{path}:{n}: cell of {field}, which has no column row')
    return [r for _, r in columns.values()], [r for _, r in cells.values()]


def quote(value):
    if ';' in value or value.startswith('"'):
        return '"' + value.replace('"', '""') + '"'
    return value


def file_bytes(column_rows, cell_rows):
    lines = [FILE_HEADING] + [';'.join(quote(r[k]) for k in ('field', 'Z', 'unit', 'source', 'year',
                                                             'edition'))
                              for r in column_rows + cell_rows]
    return ''.join(line + '\r\n' for line in lines).encode('cp1252')


def source_text(row):
    return row['source'] + (f', {row["edition"]}' if row['edition'] else '')


def table_lines(column_rows):
    """The lines of the Columns table: the columns that share a convention together."""
    groups = []
    for row in column_rows:
        if row['convention']:
            groups.append([row])
        elif row['unit'] != groups[-1][0]['unit']:
            fail(f'{SOURCES_TSV}: {row["field"]} joins a line of unit {groups[-1][0]["unit"]!r}')
        else:
            groups[-1].append(row)
    lines = ['| Columns | Unit / scale | Source (as the program shows it) | Convention |',
             '|---|---|---|---|']
    for group in groups:
        names = ', '.join(f'`{r["field"]}`' for r in group)
        by_source = {}
        for r in group:
            by_source.setdefault(source_text(r), []).append(f'`{r["field"]}`')
        if len(by_source) == 1:
            sources = next(iter(by_source))
        else:
            sources = '; '.join(f'{", ".join(f)}: {s}' for s, f in by_source.items())
        unit = group[0]['unit'] or '—'
        lines.append(f'| {names} | {unit} | {sources} | {group[0]["convention"]} |')
    return lines


def cell_lines(cell_rows):
    symbols = ec.read_tsv(os.path.join(ec.DATA_DIR, 'identity.tsv'))['_SYMBOLE']
    lines = ['### Values with a source of their own', '',
             'The program names these sources in the tool tip of the value, after the column\'s.', '',
             '| Column | Element | Source (as the program shows it) |', '|---|---|---|']
    for r in cell_rows:
        z = int(r['Z'])
        lines.append(f'| `{r["field"]}` | {z} {symbols[z - 1]} | {source_text(r)} |')
    return lines


def document(column_rows, cell_rows, path=SOURCES_MD):
    """SOURCES.md with its Columns section made from the table."""
    with open(path, encoding='utf-8', newline='') as f:
        text = f.read()
    start = text.find(SECTION)
    if start < 0:
        fail(f'{path}: no {SECTION.strip()!r} section')
    end = text.find('\n## ', start + len(SECTION))
    end = len(text) if end < 0 else end + 1
    intro = ('Generated from `tools/data/sources.tsv` by `tools/build_sources.py`, which also '
             'writes\n`sources.yop`, the table the program reads for the tool tips of its '
             'values; edit the\ntable, not this section.')
    body = [intro, ''] + table_lines(column_rows) + [''] + cell_lines(cell_rows)
    return text[:start] + SECTION + '\n' + '\n'.join(body) + '\n\n' + text[end:]


def main():
    column_rows, cell_rows = check_rows(read_table())
    wanted = {SOURCES_YOP: file_bytes(column_rows, cell_rows),
              SOURCES_MD: document(column_rows, cell_rows).encode('utf-8')}
    if '--check' in sys.argv:
        stale = []
        for path, data in wanted.items():
            try:
                with open(path, 'rb') as f:
                    if f.read() == data:
                        continue
            except OSError:
                pass
            stale.append(path)
        for path in stale:
            print(f'{path} differs from {SOURCES_TSV}: run tools/build_sources.py', file=sys.stderr)
        return 1 if stale else 0
    for path, data in wanted.items():
        with open(path, 'wb') as f:
            f.write(data)
        print(f'written {path}')
    return 0


if __name__ == '__main__':
    sys.exit(main())
