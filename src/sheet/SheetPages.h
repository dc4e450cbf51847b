#pragma once

#include "data/SectionFile.h"

#include <QList>
#include <QObject>
#include <QStringList>

#include <array>

class QLineEdit;
class QRect;
class QTabWidget;
class QWidget;
class ShownElement;

// The seven pages of the property sheet in their page control. The first page is built with
// the sheet and each other one when it is first shown, so that opening a sheet costs only
// what it shows. The crystal-structure and isotope lines are kept as texts, which their boxes
// take when their page is built and follow from then on.
class SheetPages : public QObject
{
    Q_OBJECT

public:
    static constexpr int PageCount = 7;
    static constexpr int StructureLines = 8;
    static constexpr int IsotopeLines = 10;
    enum class Lines { Structure, Isotopes };

    // Makes the page control on `sheet` at `place`, its data boxes showing the element
    // `shown`, which outlives the pages.
    SheetPages(QWidget *sheet, const QRect &place, ShownElement *shown);

    QTabWidget *tabs() const { return m_tabs; }

    // The lines of a section read from its file: the count line in the first box, replaced
    // by the first content line when there is one; lines past the last box are not shown. A
    // section not found leaves the boxes empty.
    void showSection(Lines which, const SectionFile::Section &section);

private:
    void build(int index);
    QWidget *microContent() const;
    void fillStructurePage(QWidget *page);
    void fillIsotopePage(QWidget *page);
    void showLines(Lines which);
    // Takes the data boxes of a page just built into the boxes whose descriptions follow the
    // element shown.
    void describeBoxes(QWidget *page);
    // Each data box's tool tip and spoken description: its value, unit and source.
    void updateDescriptions();

    QTabWidget *m_tabs;
    ShownElement *m_shown;
    std::array<bool, PageCount> m_built{};
    QStringList m_structure; // what the structure boxes show, once they are built
    QStringList m_isotopes;
    QList<QLineEdit *> m_structureBoxes;
    QList<QLineEdit *> m_isotopeBoxes;
    // The data boxes of the pages built, named "DB<field>", with the property they show; a
    // box whose description is the same for every element is described once.
    struct DataBox
    {
        QWidget *box = nullptr;
        QString field;
        QString property;
        bool fixed = false; // described, and the same for every element
    };
    QList<DataBox> m_dataBoxes;
};
