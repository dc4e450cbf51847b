#include "sets/TForm3.h"

#include "controls/ErrorBox.h"
#include "controls/Fonts.h"
#include "controls/TBevelPanel.h"
#include "controls/WindowCentre.h"
#include "sets/FrozenColumnsView.h"
#include "sets/SetsEntries.h"
#include "sets/SetsGridModel.h"
#include "sets/SheetExport.h"
#include "sets/TForm4.h"

#include <QApplication>
#include <QFileDialog>
#include <QHeaderView>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QVBoxLayout>

TForm3::TForm3(const ElementStore &store, QWidget *parent) : QWidget(parent)
{
    setWindowFlag(Qt::Window);
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Ensembles"));
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    resize(ClientWidth, ClientHeight);

    m_model = new SetsGridModel(store, this);
    for (const SetsColumn &column : SetsEntries::initialColumns())
        m_model->appendColumn(column);
    buildPanels();
}

void TForm3::buildPanels()
{
    const QColor face = QApplication::palette().color(QPalette::Button);
    auto *top = new TBevelPanel(this);
    top->setObjectName(QStringLiteral("Panel1"));
    top->setColor(face);
    top->setFixedHeight(TopPanelHeight);
    auto *add = new QPushButton(QStringLiteral("Ajouter une Colonne"), top);
    add->setObjectName(QStringLiteral("Button1"));
    add->setGeometry(8, 8, 129, 25);
    connect(add, &QPushButton::clicked, this, &TForm3::Button1Click);

    m_gridPanel = new TBevelPanel(this);
    m_gridPanel->setObjectName(QStringLiteral("Panel2"));
    m_gridPanel->setColor(face);
    m_gridPanel->setBevelInner(TBevelPanel::Bevel::Lowered);
    m_gridPanel->setBorderWidth(4);
    const int inset = m_gridPanel->ClientInset();
    auto *gridLayout = new QVBoxLayout(m_gridPanel);
    gridLayout->setContentsMargins(inset, inset, inset, inset);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(top);
    layout->addWidget(m_gridPanel, 1);
}

void TForm3::buildGrid()
{
    m_grid = new FrozenColumnsView(FrozenColumns, m_gridPanel);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->frozenView()->setObjectName(QStringLiteral("DBGrid1Frozen"));
    m_grid->setModel(m_model);
    m_gridPanel->layout()->addWidget(m_grid);
    for (QTableView *view : {static_cast<QTableView *>(m_grid), m_grid->frozenView()}) {
        view->horizontalHeader()->setSectionsClickable(true);
        connect(view->horizontalHeader(), &QHeaderView::sectionClicked, m_model,
                &SetsGridModel::sortByTitle);
        view->viewport()->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(view->viewport(), &QWidget::customContextMenuRequested, this,
                [this, view](QPoint at) { showGridMenu(view->viewport(), at); });
    }
}

void TForm3::showGridMenu(QWidget *viewport, QPoint at)
{
    auto *view = qobject_cast<QTableView *>(viewport->parentWidget());
    QMenu *menu = gridMenu(view ? view->columnAt(at.x()) : -1);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(viewport->mapToGlobal(at));
}

QMenu *TForm3::gridMenu(int column)
{
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("GridMenu"));
    connect(menu->addAction(QStringLiteral("Copier")), &QAction::triggered, this, [this] {
        if (m_grid)
            m_grid->copySelection();
    });
    connect(menu->addAction(QStringLiteral("Exporter…")), &QAction::triggered, this,
            [this] { guarded(this, [this] { exportWithDialog(); }); });
    QAction *remove = menu->addAction(QStringLiteral("Retirer la colonne"));
    remove->setEnabled(column >= FrozenColumns && column < m_model->columnCount());
    connect(remove, &QAction::triggered, this, [this, column] { m_model->removeColumn(column); });
    return menu;
}

bool TForm3::exportTo(const QString &path) const
{
    const SheetExport::Rows rows = SheetExport::rowsOf(*m_model);
    const QByteArray bytes = path.endsWith(QStringLiteral(".ods"), Qt::CaseInsensitive)
                                 ? SheetExport::ods(rows, windowTitle())
                                 : SheetExport::csv(rows);
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

void TForm3::exportWithDialog()
{
    const QString ods = QStringLiteral("Classeur OpenDocument (*.ods)");
    const QString csv = QStringLiteral("Texte CSV, séparé par des points-virgules (*.csv)");
    QString chosen = ods;
    QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Exporter le tableau"), QStringLiteral("ensembles.ods"),
        ods + QStringLiteral(";;") + csv, &chosen, QFileDialog::DontUseNativeDialog);
    if (path.isEmpty())
        return;
    const QString suffix = chosen == csv ? QStringLiteral(".csv") : QStringLiteral(".ods");
    if (!path.endsWith(QStringLiteral(".ods"), Qt::CaseInsensitive) &&
        !path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        path += suffix;
    if (!exportTo(path))
        QMessageBox::warning(this, QStringLiteral("Ensembles"),
                             QStringLiteral("Impossible d'écrire le fichier « %1 ».").arg(path));
}

void TForm3::setVisible(bool visible)
{
    // Built before the base class shows the children, so that they are shown with it.
    if (visible && !m_grid)
        buildGrid();
    QWidget::setVisible(visible);
}

void TForm3::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Centred on the screen the first time; after that where the user left it.
    if (!m_placed) {
        m_placed = true;
        centreOnScreen(*this);
    }
}

void TForm3::setChooser(TForm4 *chooser)
{
    m_chooser = chooser;
    connect(chooser, &TForm4::columnChosen, this, &TForm3::setPendingColumn);
}

void TForm3::Button1Click()
{
    if (m_chooser && m_chooser->exec() == QDialog::Accepted)
        appendPendingColumn();
}

void TForm3::appendPendingColumn()
{
    m_model->appendColumn({m_pending.field, m_pending.title, m_pending.width});
    if (!m_grid)
        return;
    const int row =
        m_grid->currentIndex().isValid() ? m_grid->currentIndex().row() : qMax(0, m_grid->rowAt(0));
    m_grid->scrollTo(m_model->index(row, m_model->columnCount() - 1));
}
