#include "sets/TForm3.h"

#include "controls/Fonts.h"
#include "controls/TBevelPanel.h"
#include "controls/WindowCentre.h"
#include "sets/FrozenColumnsView.h"
#include "sets/SetsEntries.h"
#include "sets/SetsGridModel.h"
#include "sets/TForm4.h"

#include <QApplication>
#include <QPushButton>
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
