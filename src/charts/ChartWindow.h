#pragma once

#include "charts/ChartExport.h"
#include "charts/ElementChart.h"
#include "controls/PictureSaves.h"
#include "controls/PrinterChoice.h"

#include <QDialog>

#include <vector>

class ElementStore;
class QPrinter;
class QTabWidget;
class ElementRecords;

// What the two chart windows share: the button bar along the top (labels, scale, print,
// save, copy), each button acting on the chart of the showing tab; a tab control of
// charts; the records of the element store it is given, taken once, when the window is first
// shown, by the fill of the window.
class ChartWindow : public QDialog
{
    Q_OBJECT

public:
    struct Tab
    {
        const char *caption;
        ElementChart::Kind kind;
    };

    ~ChartWindow() override;

    ElementChart *chart(int tab) const;
    ElementChart *currentChart() const;
    QTabWidget *tabs() const { return m_tabs; }
    bool filled() const { return m_filled; }

    // Where "Imprimer " prints: by default the system's default printer, or the print
    // dialog when there is none; `setPrinter` gives a printer to use as it is (not owned).
    void setPrinterChoice(const PrinterChoice &printers) { m_printers = printers; }
    void setPrinter(QPrinter *printer) { m_printers.setPrinter(printer); }
    // Where the save dialog opens and what it keeps of each save; by default the window's
    // own memory. Not owned.
    void setPictureSaves(PictureSaves *saves) { m_saves = saves ? saves : &m_ownSaves; }

    // The buttons' actions on the showing chart.
    void labelsClick();
    void scaleClick();
    void printClick();
    void saveClick();
    void copyClick();
    // Writes the showing chart under the name chosen in the save dialog with the filter
    // entry of `format`, completed by the extension rule; a file that cannot be written
    // is reported with the reason and leaves any file of that name as it was.
    void savePicture(const QString &chosenName, ChartExport::Format format);

protected:
    ChartWindow(const QString &caption, QSize outerSize, QPoint pos, const std::vector<Tab> &tabs,
                ElementChart::Style style, const ElementStore &store, QWidget *parent);

    // Fills the charts from the window's records; errors propagate to the caller, which
    // reports them.
    virtual void fill(const ElementRecords &records) = 0;

    void setVisible(bool visible) override;
    // The tab control fills the window below the button bar, whatever its size.
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildButtons();
    void FormActivate();

    QWidget *m_buttonBar = nullptr;       // owned by the window
    QTabWidget *m_tabs = nullptr;         // owned by the window
    std::vector<ElementChart *> m_charts; // owned by their tabs
    const ElementStore &m_store;
    PrinterChoice m_printers;
    PictureSaves m_ownSaves;
    PictureSaves *m_saves = &m_ownSaves;
    bool m_filled = false;
};
