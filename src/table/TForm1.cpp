#include "table/TForm1.h"

#include "controls/Fonts.h"
#include "controls/TAboutBox.h"
#include "controls/TBevelPanel.h"
#include "controls/TEncartaButton.h"
#include "table/ColouringEntries.h"
#include "table/ElementLayout.h"
#include "table/ToolbarGlyphs.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPalette>
#include <QToolButton>

namespace {

const QColor Navy(0x00, 0x00, 0x80);
const QString SansSerif = QStringLiteral("MS Sans Serif");

// Controls that HideLegends() hides, in this order; those not built yet are skipped.
constexpr const char *HiddenByHideLegends[] = {"legende1", "legende2", "legende3", "legende4",
                                               "legende5", "Panel2",   "Panel3",   "ChemEdit1"};

struct SpeedButtonRow
{
    const char *name;
    int left;
};
constexpr SpeedButtonRow SpeedButtons[] = {
    {"RxSpeedButton1", 8}, {"RxSpeedButton2", 40}, {"RxSpeedButton3", 72}};

} // namespace

TForm1::TForm1(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Mirelon 2 par l'équipe Mirelon"));
    setFont(pixelFont(SansSerif, 11));

    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    QPalette navy = m_client->palette();
    navy.setColor(QPalette::Window, Navy);
    m_client->setPalette(navy);
    m_client->setAutoFillBackground(true);
    setCentralWidget(m_client);

    buildMenu();
    buildToolbar(m_client);
    buildLabels(m_client);
    buildElementButtons(m_client);

    move(3, 49);
    resize(StartWidth - FrameAllowance, menuBar()->sizeHint().height() + ClientHeight);
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::FormCreate()
{
    m_nextFreeRow = 1;
    m_molarMode = false;
}

void TForm1::buildMenu()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    QMenu *graphs = bar->addMenu(QStringLiteral("Graphiques"));
    graphs->setObjectName(QStringLiteral("Graphiques1"));
    m_graphXY = graphs->addAction(QStringLiteral("Graph XY"));
    m_graphLC = graphs->addAction(QStringLiteral("Graph L/C"));
    m_graph3D = graphs->addAction(QStringLiteral("Graph 3D"));
    m_ensembles = bar->addAction(QStringLiteral("Ensembles"));
    QAction *about = bar->addAction(QStringLiteral("About"));
    QAction *exit = bar->addAction(QStringLiteral("Exit"));
    m_graphXY->setObjectName(QStringLiteral("GraphXY1"));
    m_graphLC->setObjectName(QStringLiteral("GraphLC1"));
    m_graph3D->setObjectName(QStringLiteral("Graph3D1"));
    m_ensembles->setObjectName(QStringLiteral("Ensemble1"));
    about->setObjectName(QStringLiteral("About1"));
    exit->setObjectName(QStringLiteral("exit1"));
    // The chart and sets windows are not part of the program yet.
    for (QAction *pending : {m_graphXY, m_graphLC, m_graph3D, m_ensembles})
        pending->setEnabled(false);
    connect(about, &QAction::triggered, this, &TForm1::AboutClick);
    connect(exit, &QAction::triggered, this, &TForm1::exitClick);
}

void TForm1::buildToolbar(QWidget *client)
{
    m_speedBar = new TBevelPanel(client);
    m_speedBar->setObjectName(QStringLiteral("SpeedBar1"));
    m_speedBar->setColor(QApplication::palette().color(QPalette::Button));
    m_speedBar->setGeometry(0, 0, StartWidth - FrameAllowance, 33);

    const QPixmap glyphs[] = {ToolbarGlyphs::graphXY(), ToolbarGlyphs::graphLC(),
                              ToolbarGlyphs::graph3D()};
    QAction *actions[] = {m_graphXY, m_graphLC, m_graph3D};
    for (int i = 0; i < 3; ++i) {
        auto *button = new QToolButton(m_speedBar);
        button->setObjectName(QString::fromLatin1(SpeedButtons[i].name));
        actions[i]->setIcon(QIcon(glyphs[i]));
        button->setDefaultAction(actions[i]);
        button->setIconSize(QSize(20, 20));
        button->setAutoRaise(true);
        button->setGeometry(SpeedButtons[i].left, 4, 25, 25);
    }

    auto *molar = new TEncartaButton(m_speedBar);
    molar->setObjectName(QStringLiteral("EncartaButton1"));
    molar->setGeometry(104, 6, 105, 22);
    molar->setCaption(QStringLiteral("Mode M / %"));
    molar->setFont(pixelFont(QStringLiteral("Arial"), 11, true));
    molar->setColor(QColor(0xF9, 0xB0, 0x68));
    molar->setColorOver(QColor(0x1E, 0xD7, 0xBB));
    molar->setColorDown(QColor(0xD8, 0xBE, 0x0A));
    molar->setColorBorder(Qt::black);
    molar->setToolTip(QStringLiteral("Cliquez ici  pour calculer la masse molaire d\"un composé "
                                     "et son pourcentage massique."));
    // The molar-mass mode is not part of the program yet: the button stays dark.
    molar->setButtonEnabled(false);

    m_combo = new QComboBox(m_speedBar);
    m_combo->setObjectName(QStringLiteral("combobox1"));
    m_combo->setGeometry(224, 6, 169, 21);
    m_combo->setEditable(true);
    m_combo->setInsertPolicy(QComboBox::NoInsert);
    m_combo->setMaxVisibleItems(15);
    for (int i = 0; i < ColouringEntries::Count; ++i)
        m_combo->addItem(ColouringEntries::text(i));
    m_combo->setCurrentIndex(-1);
    m_combo->setEditText(QStringLiteral("Propriétés"));

    // Reserved for the formula edit of the molar-mass mode.
    auto *chemEdit = new QLineEdit(m_speedBar);
    chemEdit->setObjectName(QStringLiteral("ChemEdit1"));
    chemEdit->setGeometry(592, 4, 185, 26);
    chemEdit->hide();
}

void TForm1::buildLabels(QWidget *client)
{
    const QFont font = pixelFont(SansSerif, 13, true);
    const QFontMetrics metrics(font);
    for (const ElementLayout::Label &row : ElementLayout::labels()) {
        const QString caption = QString::fromLatin1(row.caption);
        auto *label = new QLabel(caption, client);
        label->setObjectName(QStringLiteral("Label_") + QString::fromLatin1(row.caption));
        label->setFont(font);
        QPalette white = label->palette();
        white.setColor(QPalette::WindowText, Qt::white);
        label->setPalette(white);
        // Sized from the font directly: the labels are single words.
        label->setGeometry(row.left, row.top, metrics.horizontalAdvance(caption) + 1,
                           metrics.height());
    }
}

void TForm1::buildElementButtons(QWidget *client)
{
    const QFont font = pixelFont(QStringLiteral("Arial"), 15, true);
    const QColor face = QApplication::palette().color(QPalette::Button);
    for (int z = 1; z <= ElementLayout::ElementCount; ++z) {
        auto *button = new TEncartaButton(client);
        button->setObjectName(QStringLiteral("E") + QString::number(z));
        button->setGeometry(QRect(ElementLayout::buttonPosition(z),
                                  QSize(ElementLayout::ButtonSize, ElementLayout::ButtonSize)));
        button->setCaption(ElementLayout::symbol(z));
        button->setFont(font);
        button->setColor(face);
        button->setColorBorder(QColor(0x99, 0x8F, 0x82));
        button->setColorOver(QColor(0xD8, 0xBE, 0x0A));
        button->setColorDown(QColor(0xD8, 0xBE, 0x0A));
        button->setColorOverCaption(Qt::black);
        button->setCursor(Qt::PointingHandCursor);
        connect(button, &TEncartaButton::clicked, this, [this, z] { elementClick(z); });
        connect(button, &TEncartaButton::mouseMoved, this, [this, z] { elementMouseMove(z); });
    }
}

TEncartaButton *TForm1::elementButton(int z) const
{
    return m_client->findChild<TEncartaButton *>(QStringLiteral("E") + QString::number(z),
                                                 Qt::FindDirectChildrenOnly);
}

int TForm1::layoutWidth() const
{
    return width() + FrameAllowance;
}

void TForm1::setLayoutWidth(int outerWidth)
{
    resize(outerWidth - FrameAllowance, height());
}

void TForm1::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    // The toolbar spans the client area, whatever its width.
    m_speedBar->resize(m_client->width(), m_speedBar->height());
}

void TForm1::HideLegends()
{
    for (const char *name : HiddenByHideLegends) {
        if (QWidget *widget = findChild<QWidget *>(QString::fromLatin1(name)))
            widget->hide();
    }
    setLayoutWidth(DefaultWidth);
}

void TForm1::elementMouseMove(int z)
{
    m_hoveredElement = z;
}

void TForm1::elementClick(int z)
{
    m_selectedElement = z;
}

void TForm1::AboutClick()
{
    if (m_about)
        m_about->exec();
}

void TForm1::exitClick()
{
    close();
}
