#pragma once

#include "data/DataFolder.h"
#include "data/SectionFile.h"
#include "data/ShownElement.h"
#include "sheet/SheetPages.h"

#include <QDialog>
#include <QSet>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QTabWidget;
class ElementStore;
struct ProgramState;

// The property sheet: every property of one element on seven pages, with "<" and ">" to
// step through the elements. Made anew for each element click and shown modally; it
// shows the element store's records while the sheet is active, and reads the
// crystal-structure and isotope lines of the element shown from the two section files.
class TForm2 : public QDialog
{
    Q_OBJECT

public:
    static constexpr int StructureLines = SheetPages::StructureLines;
    static constexpr int IsotopeLines = SheetPages::IsotopeLines;

    // Reads the section of an atomic number from a section file (SectionFile::readFile).
    using SectionReader =
        std::function<SectionFile::Section(const QString &fileName, const QString &atomicNumber)>;

    // `state` gives the element to show at each activation; it outlives the sheet. The data
    // records are the store's, the section files those of its folder; without a reader, they
    // are read as they are. Both outlive the sheet.
    TForm2(const ProgramState &state, ElementStore &store, QWidget *parent = nullptr,
           SectionReader readSection = {});
    ~TForm2() override;

    // The element the sheet shows; none while its view is closed.
    ShownElement *shown() const { return m_shown.get(); }

    // Opens the view and shows the selected element; closes the view again, writing the
    // element table back after a posted change.
    void FormActivate();
    void FormDeactivate();

    // Closing (Escape, the close box) posts a pending memo edit first.
    void done(int result) override;

protected:
    // Escape on a memo edit that the file cannot hold gives back the old text.
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void buildHeader();
    void addKeys(QTabWidget *pages);
    // "<" (-1) and ">" (+1).
    void stepBy(int distance);
    void elementShown();
    void reloadSections(const QString &atomicNumber);
    void reloadSection(const QString &file, const QString &number, SheetPages::Lines lines);
    void reportOnce(const QString &message);
    bool ownsActiveWindow() const;
    // Posts a pending memo edit, or shows its refusal and answers false.
    bool postOrReport();
    void dropRefused(const QString &refusal);
    void closeView();

    const ProgramState &m_state;
    ElementStore &m_store;
    const DataFolder m_folder;
    SectionReader m_readSection;
    SheetPages *m_pages = nullptr; // owned by the sheet
    bool m_activated = false;
    QSet<QString> m_reported; // section-file failures already shown
    QString m_sectionsOf;     // the atomic number whose lines the section pages show
    // While the view is being placed on its element, the records it passes are not read.
    bool m_placing = false;
    // Declared last, so that it goes first, also when the constructor fails after opening
    // it: closing the view empties the boxes bound to it and so reloads the section pages,
    // which needs every other member still there.
    std::unique_ptr<ShownElement> m_shown;
};
