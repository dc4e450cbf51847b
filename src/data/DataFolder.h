#pragma once

#include <QString>

// Where the program's three data files are: the element table and the crystal-structure and
// isotope section files. The program reads them from its working directory, named without a
// folder, as the user gives them; a test or a tool hands the windows a folder of its own.
class DataFolder
{
public:
    // The working directory: the files are named without a folder.
    DataFolder() = default;
    // The files of `path`; an empty path is the working directory.
    explicit DataFolder(const QString &path) : m_path(path) {}

    QString propFile() const { return file(QStringLiteral("prop.yop")); }
    QString structFile() const { return file(QStringLiteral("struct.yop")); }
    QString isoFile() const { return file(QStringLiteral("iso.yop")); }

private:
    QString file(const QString &name) const;

    QString m_path;
};
