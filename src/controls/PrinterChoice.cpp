#include "controls/PrinterChoice.h"

#include "controls/ErrorBox.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <memory>

namespace {

// Prints in landscape on a printer that the user did not set up for this print, and
// leaves it as it was found.
bool printLandscape(QPrinter &printer, const PrinterChoice::Draw &draw)
{
    const QPageLayout::Orientation previous = printer.pageLayout().orientation();
    printer.setPageOrientation(QPageLayout::Landscape);
    const bool printed = draw(printer);
    printer.setPageOrientation(previous);
    return printed;
}

} // namespace

PrinterChoice::PrinterChoice() : PrinterChoice(QPrinterInfo::defaultPrinter) {}

PrinterChoice::PrinterChoice(Lookup defaultPrinter, Dialog dialog)
    : m_defaultPrinter(std::move(defaultPrinter)), m_dialog(std::move(dialog))
{}

void PrinterChoice::print(QWidget *parent, const QString &documentName, const Draw &draw) const
{
    bool printed = false;
    if (m_given) {
        printed = printLandscape(*m_given, draw);
    } else if (const QPrinterInfo info = m_defaultPrinter(); !info.isNull()) {
        QPrinter printer(info, QPrinter::HighResolution);
        printer.setDocName(documentName);
        printed = printLandscape(printer, draw);
    } else {
        // What the user sets in the dialog, the orientation included, is what prints.
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageOrientation(QPageLayout::Landscape);
        printer.setDocName(documentName);
        if (!m_dialog(printer, parent))
            return;
        printed = draw(printer);
    }
    if (!printed)
        showErrorBox(QStringLiteral("L'impression a échoué : l'imprimante n'est pas disponible."),
                     parent);
}

bool PrinterChoice::askInPrintDialog(QPrinter &printer, QWidget *parent)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}
