#include "charts/ChartWindow.h"

#include "charts/WindowFrame.h"
#include "controls/ErrorBox.h"
#include "controls/Fonts.h"
#include "controls/PictureSaveDialog.h"
#include "data/ElementStore.h"

#include <QPushButton>
#include <QTabWidget>

#include <exception>

namespace {

constexpr int ButtonBarHeight = 41;

struct ButtonRow
{
    const char *name;
    const char *caption;
    int left;
    int width;
    void (ChartWindow::*action)();
};

// clang-format off
const ButtonRow Buttons[] = {
    {"Button1", "Labels On/Off", 8, 81, &ChartWindow::labelsClick},
    {"Button2", "Echelle 100%", 96, 81, &ChartWindow::scaleClick},
    {"Button3", "Imprimer ", 184, 75, &ChartWindow::printClick},
    {"Button4", "sauver ...", 264, 81, &ChartWindow::saveClick},
    {"Button5", "Copier dans le Presse Papier", 360, 169, &ChartWindow::copyClick},
};
// clang-format on

// The entries of the save dialog, in the order of the picture types.
const QVector<PictureSaveDialog::Type> SaveTypes = {
    {"Bitmap (*.bmp)", "*.bmp"},
    {"Windows Metafile (*.wmf)", "*.wmf"},
    {"Enchanced Metafile (*emf)", "*.emf"},
    {"Image PNG (*.png)", "*.png"},
    {"Image vectorielle SVG (*.svg)", "*.svg"},
    {"Document PDF (*.pdf)", "*.pdf"},
};

} // namespace

ChartWindow::ChartWindow(const QString &caption, QSize outerSize, QPoint pos,
                         const std::vector<Tab> &tabs, ElementChart::Style style,
                         const ElementStore &store, QWidget *parent)
    : QDialog(parent), m_store(store)
{
    setWindowTitle(caption);
    setModal(true);
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    move(pos);
    resize(WindowFrame::clientSize(outerSize));

    buildButtons();
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("PageControl1"));
    m_tabs->setAccessibleName(QStringLiteral("Graphiques"));
    m_tabs->setGeometry(0, ButtonBarHeight, width(), height() - ButtonBarHeight);
    for (std::size_t i = 0; i < tabs.size(); ++i) {
        auto *chart = new ElementChart(tabs[i].kind, style);
        chart->setObjectName(QStringLiteral("DBChart%1").arg(i + 1));
        m_tabs->addTab(chart, QString::fromUtf8(tabs[i].caption));
        chart->setAccessibleName(m_tabs->tabText(int(i)));
        m_charts.push_back(chart);
    }
    m_tabs->setCurrentIndex(0);
}

ChartWindow::~ChartWindow() = default;

void ChartWindow::buildButtons()
{
    auto *bar = m_buttonBar = new QWidget(this);
    bar->setObjectName(QStringLiteral("Panel1"));
    bar->setGeometry(0, 0, width(), ButtonBarHeight);
    for (const ButtonRow &row : Buttons) {
        auto *button = new QPushButton(QString::fromUtf8(row.caption), bar);
        button->setObjectName(QString::fromLatin1(row.name));
        button->setGeometry(row.left, 6, row.width, 25);
        button->setAutoDefault(false);
        // The save and copy write whole pictures; a failure is told, not thrown.
        connect(button, &QPushButton::clicked, this, [this, action = row.action] {
            guarded(this, [this, action] { (this->*action)(); });
        });
    }
}

ElementChart *ChartWindow::chart(int tab) const
{
    return tab >= 0 && tab < int(m_charts.size()) ? m_charts[std::size_t(tab)] : nullptr;
}

ElementChart *ChartWindow::currentChart() const
{
    return chart(m_tabs->currentIndex());
}

void ChartWindow::setVisible(bool visible)
{
    QDialog::setVisible(visible);
    if (visible && !m_filled)
        FormActivate();
}

void ChartWindow::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    if (m_buttonBar)
        m_buttonBar->resize(width(), ButtonBarHeight);
    if (m_tabs)
        m_tabs->setGeometry(0, ButtonBarHeight, width(), height() - ButtonBarHeight);
}

void ChartWindow::FormActivate()
{
    m_filled = true;
    try {
        // Filled once, as the window is first shown.
        fill(m_store.records());
    } catch (const std::exception &error) {
        // Nothing is plotted; the charts keep their titles.
        for (ElementChart *chart : m_charts)
            chart->setPoints({});
        showErrorBox(QString::fromUtf8(error.what()), this);
    }
}

void ChartWindow::labelsClick()
{
    currentChart()->toggleLabels();
}

void ChartWindow::scaleClick()
{
    currentChart()->undoZoom();
}

void ChartWindow::printClick()
{
    m_printers.print(this, QStringLiteral("Graphique1"), [this](QPrinter &printer) {
        return ChartExport::print(*currentChart(), printer);
    });
}

void ChartWindow::saveClick()
{
    PictureSaveDialog dialog(this, SaveTypes, [](const QString &typed, int type) {
        return ChartExport::withExtension(typed, ChartExport::Format(type));
    });
    dialog.hideReadOnlyFiles();
    dialog.protectFiles(m_saves->dataFiles);
    dialog.selectFile(QStringLiteral("Graphique1"));
    const std::optional<QString> name = dialog.choose(m_saves->folder, m_saves->chartType);
    if (name)
        savePicture(*name, ChartExport::Format(m_saves->chartType));
}

void ChartWindow::savePicture(const QString &chosenName, ChartExport::Format format)
{
    const QString name = ChartExport::withExtension(chosenName, format);
    PictureSaveDialog::write(this, name, ChartExport::pictureFile(*currentChart(), format));
}

void ChartWindow::copyClick()
{
    ChartExport::copyToClipboard(*currentChart());
}
