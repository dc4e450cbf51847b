// The main window's fixed layout: element buttons, labels, toolbar, menu and widths.
#include "MainWindowFixture.h"
#include "MessageBoxes.h"
#include "TestFiles.h"
#include "controls/Fonts.h"
#include "controls/TAboutBox.h"
#include "controls/TEncartaButton.h"
#include "data/ChartProperties.h"
#include "data/ElementTable.h"
#include "data/ProgramState.h"
#include "data/TTextTable.h"
#include "sheet/TForm2.h"
#include "table/TForm1.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QSet>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void init();
    void cleanup();

    void lookupFindsButtonsAtTheirPlaces_data();
    void lookupFindsButtonsAtTheirPlaces();
    void everyButtonHasItsSymbolSizeAndLook();
    void labelsStandAboveColumnsAndBesideRows_data();
    void labelsStandAboveColumnsAndBesideRows();
    void widths();
    void toolbarAndCombo();
    void speedButtonsAndMenuShareActions_data();
    void speedButtonsAndMenuShareActions();
    void aboutBlocksUntilClosedAndExitCloses();
    void hoverAndClickTrackTheElement();
    void litButtonShowsItsWholeEdge_data();
    void litButtonShowsItsWholeEdge();
    void sheetShowsWhatTheStartRead();

private:
    QAction *menuAction(const QString &text) const;
    ProgramState m_state;
    PictureSaves m_pictures;
    TForm1 *m_form = nullptr;
    std::unique_ptr<ScratchData> m_data;
};

void TestMainWindow::init()
{
    // The windows read and write copies of the data files.
    m_data = std::make_unique<ScratchData>();
    QVERIFY(m_data->copyAllShipped());
    m_state = ProgramState{};
    m_pictures = PictureSaves{};
    m_form = new TForm1(m_state, m_data->store(), m_pictures);
    m_form->setAboutBox(new TAboutBox(m_form));
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
}

void TestMainWindow::cleanup()
{
    delete m_form;
    m_form = nullptr;
    m_data.reset();
}

// The entry whose caption, as shown without Alt held, is `text`.
QAction *TestMainWindow::menuAction(const QString &text) const
{
    const auto shows = [&text](const QAction *action) {
        return QString(action->text()).remove(QLatin1Char('&')) == text;
    };
    for (QAction *top : m_form->menuBar()->actions()) {
        if (shows(top))
            return top;
        if (top->menu())
            for (QAction *entry : top->menu()->actions())
                if (shows(entry))
                    return entry;
    }
    return nullptr;
}

void TestMainWindow::lookupFindsButtonsAtTheirPlaces_data()
{
    QTest::addColumn<int>("z");
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<QPoint>("position");
    QTest::newRow("H, group 1 period 1") << 1 << "H" << QPoint(32, 128);
    QTest::newRow("He, group 18") << 2 << "He" << QPoint(576, 128);
    QTest::newRow("B, group 13 period 2") << 5 << "B" << QPoint(416, 160);
    QTest::newRow("Fe, group 8 period 4") << 26 << "Fe" << QPoint(256, 224);
    QTest::newRow("La in group 3") << 57 << "La" << QPoint(96, 288);
    QTest::newRow("Ce starts the lanthanide row") << 58 << "Ce" << QPoint(112, 360);
    QTest::newRow("Lu ends it") << 71 << "Lu" << QPoint(528, 360);
    QTest::newRow("Hf, group 4 period 6") << 72 << "Hf" << QPoint(128, 288);
    QTest::newRow("Ac in group 3") << 89 << "Ac" << QPoint(96, 320);
    QTest::newRow("Th starts the actinide row") << 90 << "Th" << QPoint(112, 392);
    QTest::newRow("Lr ends it") << 103 << "Lr" << QPoint(528, 392);
    QTest::newRow("Rf follows Ac in group 4") << 104 << "Rf" << QPoint(128, 320);
    QTest::newRow("Cn, group 12 period 7") << 112 << "Cn" << QPoint(384, 320);
    QTest::newRow("Og ends period 7 in group 18") << 118 << "Og" << QPoint(576, 320);
}

void TestMainWindow::lookupFindsButtonsAtTheirPlaces()
{
    QFETCH(int, z);
    TEncartaButton *button = m_form->elementButton(z);
    QVERIFY(button);
    QCOMPARE(button->objectName(), QStringLiteral("E%1").arg(z));
    QTEST(button->Caption(), "symbol");
    QTEST(button->pos(), "position");
}

// Every button its own symbol and its own cell on a 32-pixel pitch, where neighbours share one
// line, in the one look of the table; no button outside 1 to ElementCount.
void TestMainWindow::everyButtonHasItsSymbolSizeAndLook()
{
    const QColor face = QApplication::palette().color(QPalette::Button);
    QSet<QPair<int, int>> cells;
    QSet<QString> captions;
    for (int z = 1; z <= ElementTable::ElementCount; ++z) {
        TEncartaButton *button = m_form->elementButton(z);
        QVERIFY2(button, qPrintable(QString::number(z)));
        QCOMPARE(button->size(), QSize(33, 33));
        QVERIFY(!button->Caption().isEmpty() && button->Caption().size() <= 2);
        QVERIFY(button->Caption().at(0).isUpper());
        QCOMPARE(button->Color(), face);
        QCOMPARE(button->ColorBorder(), QColor(0x99, 0x8F, 0x82));
        QCOMPARE(button->ColorOver(), QColor(0xD8, 0xBE, 0x0A));
        QCOMPARE(button->ColorDown(), QColor(0xD8, 0xBE, 0x0A));
        QCOMPARE(button->font().pixelSize(), 15);
        QVERIFY(button->font().bold());
        QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
        cells.insert({button->x(), button->y()});
        captions.insert(button->Caption());
    }
    QCOMPARE(cells.size(), ElementTable::ElementCount);
    QCOMPARE(captions.size(), ElementTable::ElementCount);
    QCOMPARE(m_form->elementButton(27)->x() - m_form->elementButton(26)->x(), 32);
    QVERIFY(!m_form->elementButton(0));
    QVERIFY(!m_form->elementButton(ElementTable::ElementCount + 1));
}

void TestMainWindow::labelsStandAboveColumnsAndBesideRows_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QPoint>("position");
    QTest::newRow("group 1") << "1" << QPoint(44, 104);
    QTest::newRow("group 3") << "3" << QPoint(108, 200);
    QTest::newRow("group 18") << "18" << QPoint(584, 104);
    QTest::newRow("period I") << "I" << QPoint(12, 136);
    QTest::newRow("lanthanides VIII") << "VIII" << QPoint(84, 367);
    QTest::newRow("actinides IX") << "IX" << QPoint(92, 399);
}

void TestMainWindow::labelsStandAboveColumnsAndBesideRows()
{
    QFETCH(QString, caption);
    const QList<QLabel *> labels = m_form->findChildren<QLabel *>();
    auto found = std::find_if(labels.begin(), labels.end(),
                              [&](QLabel *label) { return label->text() == caption; });
    QVERIFY(found != labels.end());
    QTEST((*found)->pos(), "position");
    QCOMPARE((*found)->palette().color(QPalette::WindowText), QColor(Qt::white));
    QCOMPARE((*found)->font().pixelSize(), 13);
    QVERIFY((*found)->font().bold());
}

void TestMainWindow::widths()
{
    // Outer widths of 652, 791 and 643 pixels, less a four-pixel frame on each side.
    QCOMPARE(m_form->centralWidget()->width(), 644);
    QCOMPARE(m_form->centralWidget()->height(), 453);
    auto *list = m_form->findChild<QComboBox *>(QStringLiteral("combobox1"));
    chooseInList(*list, list->findText(QStringLiteral("Groupe")));
    QCOMPARE(m_form->centralWidget()->width(), 783);
    QCOMPARE(m_form->findChild<QWidget *>(QStringLiteral("SpeedBar1"))->width(), 783);
    chooseInList(*list, list->findText(QStringLiteral("Defaut")));
    QCOMPARE(m_form->centralWidget()->width(), 635);
    QCOMPARE(m_form->findChild<QWidget *>(QStringLiteral("SpeedBar1"))->width(), 635);
    QVERIFY(!m_form->findChild<QWidget *>(QStringLiteral("legende1"))->isVisible());
}

void TestMainWindow::toolbarAndCombo()
{
    auto *bar = m_form->findChild<QWidget *>(QStringLiteral("SpeedBar1"));
    QCOMPARE(bar->geometry(), QRect(0, 0, 644, 33));
    auto *combo = m_form->findChild<QComboBox *>(QStringLiteral("combobox1"));
    QVERIFY(combo && combo->isEditable());
    QCOMPARE(combo->geometry(), QRect(224, 6, 169, 21));
    QCOMPARE(combo->count(), 44);
    QCOMPARE(combo->maxVisibleItems(), 15);
    QCOMPARE(combo->currentText(), QStringLiteral("Propriétés"));
    const QStringList categories = {"Defaut",     QString(75, QLatin1Char('-')),
                                    "Groupe",     "Blocs s/p/d/f",
                                    "Acide-Base", "Etat Physique",
                                    "Decouverte", QString(78, QLatin1Char('-'))};
    for (int i = 0; i < categories.size(); ++i)
        QCOMPARE(combo->itemText(i), categories[i]);
    // The numeric entries are the chart chooser's list, in its order and wording.
    for (int i = 0; i < ChartProperties::Count; ++i)
        QCOMPARE(combo->itemText(8 + i), ChartProperties::all()[i].text());
    QCOMPARE(combo->itemText(9), QStringLiteral("Masse Atomique "));
    auto *molar = m_form->findChild<TEncartaButton *>(QStringLiteral("EncartaButton1"));
    QCOMPARE(molar->geometry(), QRect(104, 6, 105, 22));
    QCOMPARE(molar->Caption(), QStringLiteral("Mode M / %"));
    QCOMPARE(molar->Color(), QColor(0xF9, 0xB0, 0x68));
    QCOMPARE(molar->ColorOver(), QColor(0x1E, 0xD7, 0xBB));
    QCOMPARE(molar->toolTip(), QStringLiteral("Cliquez ici  pour calculer la masse molaire "
                                              "d\"un composé et son pourcentage massique."));
    auto *chemEdit = m_form->findChild<QWidget *>(QStringLiteral("ChemEdit1"));
    QCOMPARE(chemEdit->geometry(), QRect(592, 4, 185, 26));
    QVERIFY(!chemEdit->isVisible());
}

void TestMainWindow::speedButtonsAndMenuShareActions_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("left");
    QTest::newRow("Graph XY") << "RxSpeedButton1"
                              << "Graph XY" << 8;
    QTest::newRow("Graph L/C") << "RxSpeedButton2"
                               << "Graph L/C" << 40;
    QTest::newRow("Graph 3D") << "RxSpeedButton3"
                              << "Graph 3D" << 72;
}

void TestMainWindow::speedButtonsAndMenuShareActions()
{
    QFETCH(QString, button);
    QFETCH(QString, entry);
    auto *speed = m_form->findChild<QToolButton *>(button);
    QVERIFY(speed);
    QFETCH(int, left);
    QCOMPARE(speed->geometry(), QRect(left, 4, 25, 25));
    QCOMPARE(speed->iconSize(), QSize(20, 20));
    QAction *action = menuAction(entry);
    QVERIFY(action);
    QCOMPARE(speed->defaultAction(), action);
    QVERIFY(action->isEnabled());
    QVERIFY(speed->isEnabled());
    // The menu entry shows its text alone, as the other menu entries do.
    QVERIFY(!action->isIconVisibleInMenu());
}

void TestMainWindow::aboutBlocksUntilClosedAndExitCloses()
{
    QAction *about = menuAction(QStringLiteral("About"));
    QVERIFY(about && about->isEnabled());
    bool sawModal = false;
    QTimer::singleShot(0, m_form, [&] {
        QTRY_VERIFY(QApplication::activeModalWidget());
        sawModal = QApplication::activeModalWidget()->windowTitle() == QStringLiteral("About");
        QApplication::activeModalWidget()->close();
    });
    about->trigger(); // returns only when the box is closed
    QVERIFY(sawModal);
    QVERIFY(!QApplication::activeModalWidget());

    QAction *exit = menuAction(QStringLiteral("Exit"));
    QVERIFY(exit);
    exit->trigger();
    QTRY_VERIFY(!m_form->isVisible());
}

void TestMainWindow::hoverAndClickTrackTheElement()
{
    QCOMPARE(m_form->hoveredElement(), 0);
    QCOMPARE(m_state.selectedElement, 0);
    QVERIFY(!m_state.molarMode);
    QCOMPARE(m_state.nextFreeRow, 1);
    TEncartaButton *iron = m_form->elementButton(26);
    QTest::mouseMove(iron, QPoint(10, 10));
    QCOMPARE(m_form->hoveredElement(), 26);
    QCOMPARE(iron->currentLook(), HoverButton::Look::Hover);
    // A click opens the element's property sheet, modally: the click returns when the
    // sheet is closed. Each click makes a new sheet.
    QStringList shown;
    QList<QPointer<TForm2>> sheets;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&] {
        if (auto *sheet = qobject_cast<TForm2 *>(QApplication::activeModalWidget())) {
            shown << sheet->shown()->text(QStringLiteral("_SYMBOLE"));
            sheets << sheet;
            sheet->close();
        }
    });
    closer.start(20);
    QTest::mouseClick(iron, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(m_state.selectedElement, 26);
    QTest::mouseClick(m_form->elementButton(103), Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(m_state.selectedElement, 103);
    QCOMPARE(shown, QStringList({"Fe", "Lr"}));
    // Neither sheet outlives its click: the next click cannot have reused it.
    QCOMPARE(sheets.size(), 2);
    QVERIFY(!sheets[0] && !sheets[1]);
}

void TestMainWindow::litButtonShowsItsWholeEdge_data()
{
    QTest::addColumn<bool>("pressed");
    QTest::addColumn<QColor>("rightAndBottom");
    QTest::addColumn<QColor>("leftAndTop");
    const QColor light(0xF8, 0xF4, 0xED);
    const QColor dark(0x4F, 0x4F, 0x4F);
    QTest::newRow("hovered, raised") << false << dark << light;
    QTest::newRow("pressed, sunken") << true << light << dark;
}

void TestMainWindow::litButtonShowsItsWholeEdge()
{
    // Iron shares its right edge with cobalt's frame and its bottom edge with ruthenium's;
    // lit, its own edge is drawn over theirs.
    QFETCH(bool, pressed);
    QFETCH(QColor, rightAndBottom);
    QFETCH(QColor, leftAndTop);
    TEncartaButton *iron = m_form->elementButton(26);
    QCOMPARE(m_form->elementButton(27)->x(), iron->x() + 32);
    QCOMPARE(m_form->elementButton(44)->y(), iron->y() + 32);
    QTest::mouseMove(iron, QPoint(10, 10));
    if (pressed)
        QTest::mousePress(iron, Qt::LeftButton, {}, QPoint(10, 10));
    const QImage shot = iron->parentWidget()->grab(iron->geometry()).toImage();
    const int last = 32;
    for (int along = 0; along <= last; ++along) {
        QCOMPARE(shot.pixelColor(last, along), rightAndBottom);
        QCOMPARE(shot.pixelColor(along, last), rightAndBottom);
    }
    for (int along = 1; along < last; ++along) {
        QCOMPARE(shot.pixelColor(0, along), leftAndTop);
        QCOMPARE(shot.pixelColor(along, 0), leftAndTop);
    }
    // Let go away from the button: no click, no property sheet.
    if (pressed)
        QTest::mouseRelease(iron, Qt::LeftButton, {}, QPoint(-40, -40));
}

void TestMainWindow::sheetShowsWhatTheStartRead()
{
    // The element table is read once, at the start: a file damaged since does not stop a
    // click from showing the element's sheet.
    const QString prop = m_data->path(&DataFolder::propFile);
    QVERIFY(writeFileBytes(prop, "COLONNE\r\n"));
    TEncartaButton *iron = m_form->elementButton(26);
    QString symbol;
    QTimer::singleShot(0, m_form, [&] {
        QTRY_VERIFY(qobject_cast<TForm2 *>(QApplication::activeModalWidget()));
        auto *sheet = qobject_cast<TForm2 *>(QApplication::activeModalWidget());
        symbol = sheet->shown()->text(QStringLiteral("_SYMBOLE"));
        sheet->close();
    });
    QTest::mouseClick(iron, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(symbol, QStringLiteral("Fe"));
    QCOMPARE(readFileBytes(prop), QByteArray("COLONNE\r\n")); // nothing posted, nothing written
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
