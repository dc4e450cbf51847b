#pragma once

// A crafted element table in a scratch data folder, for the chart tests. Seven
// elements: He lacks the electronegativity, the fifth element's symbol is too long and it
// has no row, N has no column, Li, B and C have a hardness, B and C the same boiling point.
#include "TestFiles.h"
#include "controls/Fonts.h"

#include <QTemporaryDir>
#include <QtTest>
#include <memory>

class ChartFixture
{
public:
    explicit ChartFixture(const QByteArray &table = crafted())
    {
        installFontSubstitutions();
        writeFileBytes(folder().propFile(), table);
    }

    // The folder of the crafted element table.
    DataFolder folder() const { return DataFolder(m_dir.path()); }
    // The store the chart windows show, on the crafted table as it stands; opened at the
    // first call.
    ElementStore &store() const
    {
        if (!m_store) {
            m_store = std::make_unique<ElementStore>(folder());
            m_store->open(ElementStore::Opening::AsItStands);
        }
        return *m_store;
    }
    QString folderPath() const { return m_dir.path(); }
    // A scratch file beside it, for the pictures and prints.
    QString path(const QString &file) const { return m_dir.filePath(file); }

    static QByteArray crafted()
    {
        return QByteArray("_NO_AT;_SYMBOLE;_TEB;_3EN;LIGNE;COLONNE;_0DURET_\r\n"
                          "1;H;20,28;2,2;1;1;\r\n"
                          "2;He;4,22;;1;18;\r\n"
                          "3;Li;1615;1;2;1;0,6\r\n"
                          "4;Be;2744;1,57;2;2;\r\n"
                          "5;Bxxxxxx;4273;2,04;;13;9,3\r\n"
                          "6;C;4273;2,55;2;14;1,0E+01\r\n"
                          "7;N;77,36;3,04;2;;\r\n");
    }

private:
    QTemporaryDir m_dir;
    mutable std::unique_ptr<ElementStore> m_store;
};
