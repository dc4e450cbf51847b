#include "table/TForm1.h"

#include "calculs/CalculsWindow.h"
#include "controls/CaptionLabel.h"
#include "controls/ErrorBox.h"
#include "controls/Fonts.h"
#include "controls/MnemonicStyle.h"
#include "controls/TAboutBox.h"
#include "controls/TBevelPanel.h"
#include "controls/TDBEdit.h"
#include "controls/TEncartaButton.h"
#include "controls/TableWriteQuestions.h"
#include "data/ElementColumns.h"
#include "data/ElementStore.h"
#include "data/ProgramState.h"
#include "data/ShownElement.h"
#include "modules/OnDemandGraphics.h"
#include "molar/MolarMode.h"
#include "molar/TChemEdit.h"
#include "sets/TForm3.h"
#include "sheet/TForm2.h"
#include "table/ColouringModes.h"
#include "table/ElementDescriptions.h"
#include "table/ElementLayout.h"
#include "table/HoverPanel.h"
#include "table/LegendEdits.h"
#include "table/Legends.h"
#include "table/MainWindowKeys.h"
#include "table/MirelonApplication.h"
#include "table/TableColourist.h"
#include "table/TableSearch.h"
#include "table/Toolbar.h"
#include "tablepicture/TablePictureMenu.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPalette>
#include <QSpinBox>
#include <QToolButton>

namespace {

const QColor Navy(0x00, 0x00, 0x80);
const QString SansSerif = QStringLiteral("MS Sans Serif");

} // namespace

TForm1::TForm1(ProgramState &state, ElementStore &store, PictureSaves &pictures, QWidget *parent)
    : QMainWindow(parent), m_state(state), m_store(store), m_folder(store.folder()),
      m_pictures(pictures),
      m_graphics(std::make_unique<OnDemandGraphics>(GraphicsContext{state, store, pictures, this}))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Mirelon 2 par l'équipe Mirelon"));
    setFont(installedPixelFont(SansSerif, 11));

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
    m_molar = new MolarMode(m_state, records(),
                            {m_client, m_speedBar, m_modeButton, m_combo, m_buttons}, this);
    connect(m_molar, &MolarMode::hideLegendsRequested, this, &TForm1::HideLegends);
    connect(m_molar, &MolarMode::layoutWidthRequested, this, &TForm1::setLayoutWidth);
    connect(m_modeButton, &TEncartaButton::clicked, m_molar, &MolarMode::EncartaButton1Click);
    // Mouse moves over the bare window hide the hover panel, and so does the pointer going
    // over the tool bar or out of the window.
    m_client->setMouseTracking(true);
    m_client->installEventFilter(this);
    m_speedBar->installEventFilter(this);
    openView();
    connectColouringList();
    buildKeyboard();
    m_pictureMenu =
        new TablePictureMenu(this, m_client, *m_graphics, [this] { return tablePicture(); });
    connectRestoring();

    move(3, 49);
    resize(StartWidth - FrameAllowance, menuBar()->sizeHint().height() + ClientHeight);
    FormCreate();
}

TForm1::~TForm1()
{
    // An edited value is written back while the window is still whole, the legend's value
    // too when no move has posted it yet.
    if (const std::optional<QString> refusal = m_hovered->tryPost())
        MirelonApplication::showError(*refusal + QStringLiteral(" La valeur n'a pas été "
                                                                "enregistrée."));
    m_store.save();
}

void TForm1::openView()
{
    connect(&m_store, &ElementStore::writeFailed, this, &MirelonApplication::showError);
    TableWriteQuestions::attach(m_store, this);
    // An incomplete table stops the start, before any edit could make it permanent.
    m_store.open();
    // A table of the first edition stops at lawrencium: the later elements have no record to
    // show, and no button.
    for (int z = records().count() + 1; z <= int(m_buttons.size()); ++z)
        m_buttons[static_cast<std::size_t>(z - 1)]->hide();
    nameElementButtons();
    // The legend's value box edits the hovered element's record: the panel shows the text
    // being typed, as it will be posted, and the record's again when it is taken back.
    m_hovered = new ShownElement(m_store, this);
    connect(m_hovered, &ShownElement::fieldChanged, this, [this](const QString &field) {
        if (m_panel1)
            m_panel1->showField(field, m_hovered->text(field));
    });
    m_hovered->show(1);
}

HoverPanel *TForm1::hoverPanel()
{
    if (!m_panel1) {
        m_panel1 = new HoverPanel(m_store, m_client);
        // Hidden, the panel holds the element the legend's value box shows until a move shows
        // another.
        m_panel1->showElement(records(), m_hovered->element());
    }
    return m_panel1;
}

TableColourist *TForm1::colourist()
{
    if (!m_colourist)
        makeColourist();
    return m_colourist;
}

void TForm1::connectRestoring()
{
    QAction *restore = m_pictureMenu->restoreOriginals();
    restore->setEnabled(m_folder.hasOrigin());
    if (!m_folder.hasOrigin())
        restore->setToolTip(QStringLiteral("Ces données n'ont pas été copiées des tables "
                                           "fournies avec le programme."));
    connect(m_pictureMenu, &TablePictureMenu::restoreOriginalsRequested, this,
            [this] { guarded(this, [this] { restoreAllOriginals(); }); });
}

void TForm1::restoreAllOriginals()
{
    colourist(); // the value box's edits, made with the legends, put the values back
    if (!m_legendEdits->restoreAll())
        return;
    if (m_panel1 && m_panel1->isVisible())
        m_panel1->showElement(records(), m_hovered->element());
    // A colouring in view shows the values now held.
    if (shownColouring().legend)
        combobox1Change();
}

void TForm1::nameElementButtons()
{
    // A screen reader names each element button by the element it stands for, as the table
    // names it when the name is read.
    for (int z = 1; z <= int(m_buttons.size()); ++z)
        m_buttons[static_cast<std::size_t>(z - 1)]->setAccessibleNameSource([this, z] {
            return ElementDescriptions::name(records().view(z, Column::Nom),
                                             records().view(z, Column::Symbole), z);
        });
}

void TForm1::connectColouringList()
{
    // A choice in the list applies its mode even when that entry is already showing; a
    // typed text applies as it changes. A column that does not convert stops the mode.
    const auto applyMode = [this] { guarded(this, [this] { combobox1Change(); }); };
    connect(m_combo, &QComboBox::activated, this, applyMode);
    connect(m_combo->lineEdit(), &QLineEdit::textEdited, this, applyMode);
}

void TForm1::makeColourist()
{
    m_legends = Legends::build(m_client, ColouringModes::shipped());
    m_legends.dbEdit3->setDataSource(m_hovered);
    m_legendEdits = new LegendEdits(*m_hovered, *m_legends.dbEdit3, this);
    const auto applyMode = [this] { guarded(this, [this] { combobox1Change(); }); };
    for (QSpinBox *spin : m_legends.parameters)
        connect(spin, &QSpinBox::textChanged, this, applyMode);
    placeLegendsInTabChain();
    m_colourist = new TableColourist(m_buttons, m_legends, ColouringModes::shipped(), this);
    connect(m_colourist, &TableColourist::panelsHideRequested, this, &TForm1::hidePanels);
    connect(m_colourist, &TableColourist::layoutWidthRequested, this, &TForm1::setLayoutWidth);
}

void TForm1::placeLegendsInTabChain()
{
    // The spin edits and the value box follow the tool bar, before the table; the legends'
    // read-only boxes come after the table, before whatever else was made since.
    QList<QWidget *> before{m_molar->chemEdit()};
    for (QSpinBox *spin : m_legends.parameters)
        before << spin;
    before << m_legends.dbEdit3 << m_buttons.front();
    for (qsizetype i = 1; i < before.size(); ++i)
        QWidget::setTabOrder(before[i - 1], before[i]);
    placeAfterTable();
}

void TForm1::placeAfterTable()
{
    // After the table come the legends' read-only boxes, then the search field, before
    // whatever else was made since (the molar-mass panel), as when all were made at start.
    TEncartaButton *last = m_buttons.back();
    QList<QWidget *> chain{last};
    for (const LegendPanel &legend : m_legends.panels)
        for (QLineEdit *readout : legend.readouts)
            chain << readout;
    if (QWidget *field = m_keys ? m_keys->search()->field() : nullptr)
        chain << field;
    // Only the focused element button takes the focus, and Qt orders only widgets that do:
    // the last button takes it for the moment of the move.
    const Qt::FocusPolicy policy = last->focusPolicy();
    last->setFocusPolicy(Qt::TabFocus);
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    last->setFocusPolicy(policy);
}

void TForm1::FormCreate()
{
    m_state.nextFreeRow = 1;
    m_state.molarMode = false;
}

void TForm1::buildMenu()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    // Alt with the underlined letter opens an entry; the letters show only while Alt is held.
    auto *mnemonics = new MnemonicStyle;
    mnemonics->setParent(this);
    mnemonics->apply(bar);
    QMenu *graphs = bar->addMenu(QStringLiteral("&Graphiques"));
    mnemonics->apply(graphs);
    graphs->setObjectName(QStringLiteral("Graphiques1"));
    m_graphXY = graphs->addAction(QStringLiteral("Graph &XY"));
    m_graphLC = graphs->addAction(QStringLiteral("Graph &L/C"));
    m_graph3D = graphs->addAction(QStringLiteral("Graph &3D"));
    m_ensembles = bar->addAction(QStringLiteral("&Ensembles"));
    QAction *about = bar->addAction(QStringLiteral("&About"));
    QAction *exit = bar->addAction(QStringLiteral("E&xit"));
    about->setShortcut(QKeySequence(Qt::Key_F1));
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    m_graphXY->setObjectName(QStringLiteral("GraphXY1"));
    m_graphLC->setObjectName(QStringLiteral("GraphLC1"));
    m_graph3D->setObjectName(QStringLiteral("Graph3D1"));
    m_ensembles->setObjectName(QStringLiteral("Ensemble1"));
    about->setObjectName(QStringLiteral("About1"));
    exit->setObjectName(QStringLiteral("exit1"));
    // The sets window is not part of the program yet.
    m_ensembles->setEnabled(false);
    connect(m_graphXY, &QAction::triggered, this, [this] {
        if (Graphics *graphics = m_graphics->get())
            graphics->graphXY();
    });
    connect(m_graphLC, &QAction::triggered, this, [this] {
        if (Graphics *graphics = m_graphics->get())
            graphics->graphLC();
    });
    connect(m_graph3D, &QAction::triggered, this,
            [this] { guarded(this, [this] { Graph3D1Click(); }); });
    connect(about, &QAction::triggered, this, &TForm1::AboutClick);
    connect(exit, &QAction::triggered, this, &TForm1::exitClick);
    buildToolsMenu(bar, mnemonics);
}

void TForm1::buildToolsMenu(QMenuBar *bar, MnemonicStyle *mnemonics)
{
    QMenu *tools = bar->addMenu(QStringLiteral("&Outils"));
    mnemonics->apply(tools);
    tools->setObjectName(QStringLiteral("Outils1"));
    QAction *calculs = tools->addAction(QStringLiteral("&Calculs…"));
    calculs->setObjectName(QStringLiteral("Calculs1"));
    calculs->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    // One window, made when first asked for, raised when asked for again.
    connect(calculs, &QAction::triggered, this, [this] {
        guarded(this, [this] {
            if (!m_calculs)
                m_calculs = new CalculsWindow(m_store, this);
            m_calculs->show();
            m_calculs->raise();
            m_calculs->activateWindow();
        });
    });
}

void TForm1::buildToolbar(QWidget *client)
{
    const ToolbarControls toolbar =
        Toolbar::build(client, StartWidth - FrameAllowance, {m_graphXY, m_graphLC, m_graph3D});
    m_speedBar = toolbar.speedBar;
    m_imageButtons = toolbar.imageButtons;
    m_modeButton = toolbar.modeButton;
    m_combo = toolbar.colouringList;
}

void TForm1::buildLabels(QWidget *client)
{
    const QFont font = installedPixelFont(SansSerif, 13, true);
    for (const ElementLayout::Label &row : ElementLayout::labels()) {
        const QString caption = QString::fromLatin1(row.caption);
        auto *label = new CaptionLabel(caption, client);
        label->setObjectName(QStringLiteral("Label_") + QString::fromLatin1(row.caption));
        label->setFont(font);
        QPalette white = label->palette();
        white.setColor(QPalette::WindowText, Qt::white);
        label->setPalette(white);
        label->move(row.left, row.top);
        sizeToText(label);
    }
}

void TForm1::buildElementButtons(QWidget *client)
{
    const QFont font = pixelFont(QStringLiteral("Arial"), 15, true);
    const QColor face = QApplication::palette().color(QPalette::Button);
    for (int z = 1; z <= ElementLayout::ElementCount; ++z) {
        auto *button = m_buttons[static_cast<std::size_t>(z - 1)] =
            new TEncartaButton(client, font);
        button->setObjectName(QStringLiteral("E") + QString::number(z));
        button->setGeometry(QRect(ElementLayout::buttonPosition(z),
                                  QSize(ElementLayout::ButtonSize, ElementLayout::ButtonSize)));
        button->setCaption(ElementLayout::symbol(z));
        button->setColor(face);
        button->setColorBorder(QColor(0x99, 0x8F, 0x82));
        button->setColorOver(QColor(0xD8, 0xBE, 0x0A));
        button->setColorDown(QColor(0xD8, 0xBE, 0x0A));
        button->setColorOverCaption(Qt::black);
        button->setCursor(Qt::PointingHandCursor);
        // Painted over the table's navy, so that repainting the table repaints the buttons
        // on it (TableColourist); every pixel of the button is its own.
        button->setAttribute(Qt::WA_OpaquePaintEvent, false);
        // Both read the element table, which may no longer open.
        connect(button, &TEncartaButton::clicked, this,
                [this, z] { guarded(this, [this, z] { elementClick(z); }); });
        connect(button, &TEncartaButton::mouseMoved, this,
                [this, z] { guarded(this, [this, z] { elementMouseMove(z); }); });
    }
}

void TForm1::buildKeyboard()
{
    QList<QWidget *> toolbar;
    for (QToolButton *image : m_imageButtons)
        toolbar.append(image);
    // The legends' boxes join the chain when the legends are made.
    toolbar << m_modeButton << m_combo << m_molar->chemEdit();
    m_keys = new MainWindowKeys(
        records(), m_state,
        {this, m_client, toolbar, m_buttons, [this](QWidget *) { placeAfterTable(); }}, this);
    connect(m_keys, &MainWindowKeys::elementHovered, this,
            [this](int z) { guarded(this, [this, z] { elementMouseMove(z); }); });
    connect(m_keys, &MainWindowKeys::elementActivated, this,
            [this](int z) { guarded(this, [this, z] { elementClick(z); }); });
}

TEncartaButton *TForm1::elementButton(int z) const
{
    return z >= 1 && z <= int(m_buttons.size()) ? m_buttons[static_cast<std::size_t>(z - 1)]
                                                : nullptr;
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
    hidePanels(nullptr);
    setLayoutWidth(DefaultWidth);
}

void TForm1::hidePanels(const QWidget *kept)
{
    for (const LegendPanel &legend : m_legends.panels) {
        if (legend.panel != kept)
            legend.panel->hide();
    }
    if (m_molar)
        m_molar->hidePanel();
}

void TForm1::elementMouseMove(int z)
{
    m_hoveredElement = z;
    ShowHoverPanel();
}

void TForm1::elementClick(int z)
{
    m_state.selectedElement = z;
    ElementClicked();
}

void TForm1::ShowHoverPanel()
{
    // A value typed into the legend is posted and written by the move; one the table refuses
    // is dropped, or every later move would refuse it again.
    HoverPanel *panel = hoverPanel();
    if (m_legendEdits && !m_legendEdits->post())
        panel->showElement(records(), m_hovered->element()); // the kept value
    panel->showElement(records(), m_hoveredElement);
    panel->show();
    // The legend's value box shows and edits the element's record.
    m_hovered->show(m_hoveredElement);
}

TablePicture TForm1::tablePicture() const
{
    return ColouringPicture::picture(ColouringModes::shipped(), shownColouring(), buttonLooks());
}

ColouringPicture::Looks TForm1::buttonLooks() const
{
    ColouringPicture::Looks looks;
    for (int z = 1; z <= ElementLayout::ElementCount; ++z) {
        const TEncartaButton *button = elementButton(z);
        looks[std::size_t(z - 1)] = {button->Color(), button->FontColor()};
    }
    return looks;
}

ColouringPicture::Shown TForm1::shownColouring() const
{
    return Legends::shown(m_legends, m_combo->currentText());
}

void TForm1::setMolarDialogs(TForm7 *data, TForm8 *molarMass)
{
    m_molar->setDialogs(data, molarMass);
}

TForm1::ElementTexts TForm1::hoveredElementTexts() const
{
    // The element the hover panel shows: the mouse move that came before the click has
    // shown it.
    const int z = m_hovered->element();
    return {records().text(z, Column::Symbole), records().text(z, Column::MasseAt)};
}

void TForm1::ElementClicked()
{
    // In the molar-mass mode the element is the one the hover panel shows.
    if (m_state.molarMode) {
        const ElementTexts element = hoveredElementTexts();
        m_molar->addElement(element.symbol, element.atomicMass);
        return;
    }
    // A sheet made anew and shown modally; the click returns when it is closed.
    TForm2 sheet(m_state, m_store, this);
    sheet.exec();
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    // A window opened over the table (an element's sheet, a list's popup) takes the pointer
    // without it having left: the panel still shows the element the pointer was on.
    const bool pointerLeft = type == QEvent::Leave && !QApplication::activeModalWidget() &&
                             !QApplication::activePopupWidget();
    if ((watched == m_client && (type == QEvent::MouseMove || pointerLeft)) ||
        (watched == m_speedBar && type == QEvent::Enter)) {
        if (m_panel1)
            m_panel1->hide();
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::Graph3D1Click()
{
    if (Graphics *graphics = m_graphics->get())
        graphics->graph3D(records());
}

void TForm1::AboutClick()
{
    if (TAboutBox *about = m_about.get())
        about->exec();
}

void TForm1::setSetsWindow(TForm3 *sets)
{
    m_sets.set(sets);
    enableEnsembles();
}

void TForm1::setSetsWindowMaker(std::function<TForm3 *()> make)
{
    m_sets.setMaker(std::move(make));
    enableEnsembles();
}

void TForm1::enableEnsembles()
{
    connect(m_ensembles, &QAction::triggered, this, &TForm1::Ensemble1Click, Qt::UniqueConnection);
    m_ensembles->setEnabled(m_sets.available());
}

void TForm1::Ensemble1Click()
{
    // Modeless: the main window goes on answering while the sets window is open.
    TForm3 *sets = m_sets.get();
    if (!sets)
        return;
    sets->setWindowState(sets->windowState() & ~Qt::WindowMinimized);
    sets->show();
    sets->raise();
    sets->activateWindow();
}

void TForm1::exitClick()
{
    close();
}

void TForm1::combobox1Change()
{
    const QString text = m_combo->currentText();
    colourist()->apply(records(), text);
}

const ElementRecords &TForm1::records() const
{
    return m_store.records();
}
