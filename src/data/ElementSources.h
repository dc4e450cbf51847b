#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QSet>
#include <QString>

class ElementRecords;

// Where the values of the element table come from, as the sources file shipped with the
// tables lists them: one unit and source per column, and the cells whose source differs from
// their column's. A file that is missing or has a damaged line gives no source at all, and
// says why: a source is never taken from a file that is partly wrong.
class ElementSources
{
public:
    struct Source
    {
        QString unit; // "" for none; the scale for a column without a unit
        QString text; // as the user reads it: "NIST Atomic Spectra Database, 2023"
        QString year;
        QString edition;
    };

    // The file's first line, naming its six fields.
    static QString heading();

    // No source, as if the file had not been read.
    ElementSources() = default;
    // The sources file at `path`; never throws: a file that cannot be read is a problem().
    static ElementSources read(const QString &path);
    // The bytes of a sources file (Windows-1252, ";" between the values); `path` names it in
    // the problem.
    static ElementSources parse(QByteArrayView bytes, const QString &path);

    // Why no source is known, in French: the missing file, or the damaged line and what is
    // wrong with it. Empty when the file was read.
    const QString &problem() const { return m_problem; }
    // The source of a column, or of one element's cell where it has its own (fields by name,
    // without regard to case); nullptr where the file gives none.
    const Source *column(const QString &field) const;
    const Source *cell(const QString &field, int z) const;

    // What a box showing element z's value of `field` tells of it, `property` naming the
    // value: "Energie de 2ème ionisation, kJ/mol — NIST Atomic Spectra Database, 2023", then
    // " ; valeur de Lr : …" for a cell with its own source. The electronegativity adds the
    // element's Pauling value where `records` hold one. The unit is the program's own where
    // the file gives none, so that a box still names it when the file is missing.
    QString describe(const QString &property, const QString &field, int z,
                     const ElementRecords &records) const;
    // Whether what describe() says of `field` changes from one element to another: a column
    // with cells of their own sources, or the electronegativity with its Pauling value. The
    // other boxes need describing once.
    bool dependsOnElement(const QString &field) const;
    // The same words as a tool tip: one line for the property, one per source, so that a
    // long one does not run off the screen.
    static QString toolTip(const QString &description);

private:
    static QString cellKey(const QString &field, int z);

    QString m_problem;
    QHash<QString, Source> m_columns; // lower-case field -> source
    QHash<QString, Source> m_cells;   // cellKey -> source
    QSet<QString> m_fieldsWithCells;  // lower-case fields of the cells in m_cells
};
