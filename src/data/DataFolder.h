#pragma once

#include <QString>

// Where the program's data files are: the element table, the crystal-structure and isotope
// section files and the sources of the values. The program reads them from its working
// directory, named without a folder, as the user gives them; a test or a tool hands the
// windows a folder of its own.
class DataFolder
{
public:
    // The working directory: the files are named without a folder.
    DataFolder() = default;
    // The files of `path`; an empty path is the working directory.
    explicit DataFolder(const QString &path) : m_path(path) {}
    // The files of `path`, copied from the tables shipped with the program in `origin`.
    DataFolder(const QString &path, const QString &origin) : m_path(path), m_origin(origin) {}

    QString propFile() const { return file(QStringLiteral("prop.yop")); }
    QString structFile() const { return file(QStringLiteral("struct.yop")); }
    QString isoFile() const { return file(QStringLiteral("iso.yop")); }
    // Where the values come from: a reference shipped with the tables, never the user's to
    // edit, so read from the shipped folder when there is one.
    QString sourcesFile() const;

    // The folder of the shipped tables the user's copy came from; empty when the program runs
    // on files of the user's own choosing, which then have no original values to go back to.
    QString originFolder() const { return m_origin; }
    bool hasOrigin() const { return !m_origin.isEmpty(); }
    // The shipped table of the same name as `file` (propFile() and so on).
    QString originFile(const QString &file) const;

private:
    QString file(const QString &name) const;

    QString m_path;
    QString m_origin;
};
