#pragma once

#include <QString>

#include <functional>

class QPrinter;
class QPrinterInfo;
class QWidget;

// Where a print goes: a printer given in advance, else the system's default printer, both
// printed in landscape with their orientation restored afterwards; with no printer
// installed, Qt's print dialog, landscape preset, which offers printing into a PDF file.
// The lookup of the default printer and the dialog are passed in, so that a test can
// stand for a system with or without printers and play the user in the dialog. A choice is
// held and copied where Qt's print library is not loaded: only printing needs it.
class PrinterChoice
{
public:
    // The default printer; a null info when there is none.
    using Lookup = std::function<QPrinterInfo()>;
    // Lets the user set up `printer` over `parent`; false when the user cancelled.
    using Dialog = std::function<bool(QPrinter &printer, QWidget *parent)>;
    // Draws the picture on the printer; false when the printer could not be used.
    using Draw = std::function<bool(QPrinter &printer)>;

    // The system's default printer, else Qt's print dialog.
    PrinterChoice();
    explicit PrinterChoice(Lookup defaultPrinter, Dialog dialog = askInPrintDialog);

    // A printer to print on as it is, without lookup or dialog; null goes back to the
    // lookup. Not owned.
    void setPrinter(QPrinter *printer) { m_given = printer; }

    // Prints through `draw` on the chosen printer. A cancelled dialog prints nothing and
    // says nothing; a printer that cannot be used is reported over `parent`.
    // `documentName` names the print job and the PDF file the dialog offers.
    void print(QWidget *parent, const QString &documentName, const Draw &draw) const;

    // Qt's print dialog.
    static bool askInPrintDialog(QPrinter &printer, QWidget *parent);

private:
    Lookup m_defaultPrinter;
    Dialog m_dialog;
    QPrinter *m_given = nullptr;
};
