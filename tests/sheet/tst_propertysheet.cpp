// The property sheet on copies of the shipped data files, on crafted section files for the
// count-line and missing-file paths, and on a section reader that fails.
#include "MessageBoxes.h"
#include "TestFiles.h"
#include "controls/Fonts.h"
#include "controls/TAOLButton.h"
#include "data/Cp1252.h"
#include "data/ElementColumns.h"
#include "data/ProgramState.h"
#include "data/SectionFile.h"
#include "data/TTextTable.h"
#include "sheet/SheetLayout.h"
#include "sheet/TForm2.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QTabWidget>
#include <QtTest>

#include <functional>
#include <memory>
#include <new>

namespace {

// A scratch data folder with the three data files; a crafted section file replaces the
// shipped one, and an empty text leaves the file out.
class SheetFixture
{
public:
    SheetFixture(int selected, const QByteArray *structure = nullptr,
                 const QByteArray *isotopes = nullptr, TForm2::SectionReader reader = {})
    {
        installFontSubstitutions();
        place(&DataFolder::propFile, nullptr);
        place(&DataFolder::structFile, structure);
        place(&DataFolder::isoFile, isotopes);
        state.selectedElement = selected;
        sheet = std::make_unique<TForm2>(state, store(), nullptr, std::move(reader));
        sheet->show();
    }
    ~SheetFixture() { sheet.reset(); }

    // A page is built when it is first shown: the user turns to the page of a box to read it.
    QWidget *lookAt(const QString &name) const
    {
        auto *pages = sheet->findChild<QTabWidget *>();
        QWidget *box = sheet->findChild<QWidget *>(name);
        for (int page = 0; !box && page < pages->count(); ++page) {
            pages->setCurrentIndex(page);
            box = sheet->findChild<QWidget *>(name);
        }
        for (int page = 0; box && page < pages->count(); ++page)
            if (pages->widget(page)->isAncestorOf(box))
                pages->setCurrentIndex(page);
        return box;
    }
    QString text(const QString &box) const
    {
        QWidget *shown = lookAt(box);
        if (auto *line = qobject_cast<QLineEdit *>(shown))
            return line->text();
        return qobject_cast<QPlainTextEdit *>(shown)->toPlainText();
    }
    void turnEveryPage() const
    {
        auto *pages = sheet->findChild<QTabWidget *>();
        for (int page = pages->count() - 1; page >= 0; --page)
            pages->setCurrentIndex(page);
    }
    void step(const char *button) const
    {
        QTest::mouseClick(sheet->findChild<TAOLButton *>(QString::fromLatin1(button)),
                          Qt::LeftButton, {}, QPoint(10, 10));
    }
    DataFolder folder() const { return m_data.folder(); }
    ElementStore &store() const { return m_data.store(); }
    QByteArray file(ScratchData::File name) const { return readFileBytes(path(name)); }
    QString path(ScratchData::File name) const { return m_data.path(name); }

    ProgramState state;
    std::unique_ptr<TForm2> sheet;

private:
    void place(ScratchData::File name, const QByteArray *crafted)
    {
        if (!crafted)
            QVERIFY(m_data.copyShipped(name));
        else if (!crafted->isEmpty())
            QVERIFY(writeFileBytes(path(name), *crafted));
    }
    ScratchData m_data;
};

// Types any text, accented letters included, key by key.
void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

using Failure = std::function<void()>;

QString notFound(const QString &path)
{
    return QStringLiteral("Le fichier « %1 » est introuvable.").arg(path);
}

QStringList boxes(const SheetFixture &f, const char *stem, int count)
{
    QStringList texts;
    for (int i = 1; i <= count; ++i)
        texts << f.text(QStringLiteral("%1%2").arg(QString::fromLatin1(stem)).arg(i));
    return texts;
}

} // namespace

class TestPropertySheet : public QObject
{
    Q_OBJECT

private slots:
    void layout();
    void everyLabelAndBoxIsThere_data();
    void everyLabelAndBoxIsThere();
    void showsTheSelectedElement_data();
    void showsTheSelectedElement();
    void steppingReloadsTheSections();
    void pageFirstShownAfterStepsShowsThatElement_data();
    void pageFirstShownAfterStepsShowsThatElement();
    void boxShowsItsValue_data();
    void boxShowsItsValue();
    void reactivationGoesBackToTheClickedElement();
    void memoEditIsWrittenBackOnce();
    void craftedSectionFillsTheBoxes_data();
    void craftedSectionFillsTheBoxes();
    void missingIsotopeFileIsReported();
    void missingStructureFileSkipsTheReload();
    void countLineThatIsNoInteger();
    void failingSectionReadIsToldOnce_data();
    void failingSectionReadIsToldOnce();
    void unshownSheetClosesItsViewWhileWhole();
    void tableDamagedSinceTheStartIsNotReadAgain();
};

Q_DECLARE_METATYPE(Failure)

void TestPropertySheet::layout()
{
    SheetFixture f(26);
    QCOMPARE(f.sheet->windowTitle(), QStringLiteral("Proprietes"));
    QVERIFY(f.sheet->isModal());
    auto *pages = f.sheet->findChild<QTabWidget *>();
    QStringList titles;
    for (int i = 0; i < pages->count(); ++i)
        titles << pages->tabText(i);
    QCOMPARE(titles, QStringList({"Macro", "Micro", "Structure Cristalline", "Isotopes",
                                  "Abondances", "Divers", "Histoire"}));
    QCOMPARE(pages->currentIndex(), 0);
    f.turnEveryPage();
    auto *previous = f.sheet->findChild<TAOLButton *>(QStringLiteral("AOLButton1"));
    auto *next = f.sheet->findChild<TAOLButton *>(QStringLiteral("AOLButton2"));
    QCOMPARE(previous->Caption(), QStringLiteral("<"));
    QCOMPARE(previous->toolTip(), QStringLiteral("element precedent"));
    QCOMPARE(previous->geometry(), QRect(392, 16, 33, 41));
    QCOMPARE(next->toolTip(), QStringLiteral("element suivant"));
    QCOMPARE(next->geometry(), QRect(448, 16, 33, 41));
    QCOMPARE(next->Color(), QColor(0x80, 0x00, 0x00));
    QCOMPARE(next->RaiseColor(), QColor(0xC6, 0x00, 0x00));
    QCOMPARE(f.sheet->findChild<QWidget *>(QStringLiteral("DB_SYMBOLE"))->geometry(),
             QRect(208, 20, 73, 45));
    QCOMPARE(
        f.sheet->findChild<QLabel *>(QStringLiteral("IsotopeHeading"))->text(),
        QStringLiteral("Isotope                        Masse                      Abondance (%)"));
    // 526 x 522 outside: a four-pixel frame on each side and a 19-pixel caption around it.
    QCOMPARE(f.sheet->size(), QSize(526 - 8, 522 - 27));
    const QPoint offCentre =
        f.sheet->frameGeometry().center() - f.sheet->screen()->availableGeometry().center();
    QVERIFY(offCentre.manhattanLength() <= 2);

    // Eight structure lines, ten isotope lines; the two memos are the only data boxes that
    // take typing.
    const auto named = [&](const char *pattern) {
        return f.sheet->findChildren<QLineEdit *>(QRegularExpression(QString::fromLatin1(pattern)))
            .size();
    };
    QCOMPARE(named("^struct\\d+$"), TForm2::StructureLines);
    QCOMPARE(named("^iso\\d+$"), TForm2::IsotopeLines);
    QStringList editable;
    for (const QLineEdit *line : f.sheet->findChildren<QLineEdit *>())
        if (!line->isReadOnly())
            editable << line->objectName();
    for (const QPlainTextEdit *memo : f.sheet->findChildren<QPlainTextEdit *>())
        if (!memo->isReadOnly())
            editable << memo->objectName();
    QCOMPARE(editable, QStringList({"DBDECPAR", "DBORINOM"}));
    for (const SheetLayout::Row &row : SheetLayout::rows()) {
        const QString field = ElementColumns::field(row.column);
        QVERIFY2(f.sheet->findChild<QWidget *>(QStringLiteral("DB") + field), qPrintable(field));
    }
}

void TestPropertySheet::everyLabelAndBoxIsThere_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QPoint>("box");
    QTest::newRow("Macro, first") << 0
                                  << QStringLiteral("Masse Atomique (g/mol)                  :")
                                  << "_M__AT" << QPoint(256, 18);
    QTest::newRow("Macro, widest label")
        << 0 << QStringLiteral("Conductivité Thermique (W/(m/K)  :") << "_1COND_THE"
        << QPoint(256, 144);
    QTest::newRow("Micro, ionisation")
        << 1 << QStringLiteral("Energie de 1ere Ionisation (KJ/mol)  :") << "_8E_1ERE_I"
        << QPoint(272, 153);
    QTest::newRow("Micro, last") << 1 << QStringLiteral("Nombre d'Oxydation min connu     :")
                                 << "_1NO_MIN" << QPoint(256, 497);
    QTest::newRow("Abondances") << 4 << QStringLiteral("Abondance Croute continentale(ppm) :")
                                << "ABCROUTECONT" << QPoint(296, 181);
    QTest::newRow("Divers, second column")
        << 5 << QStringLiteral("Toxicité :") << "_4TOXICIT_" << QPoint(368, 15);
    QTest::newRow("Divers, HNO3") << 5 << QStringLiteral("Réaction /HNO3:") << "_9R__HNO3"
                                  << QPoint(136, 243);
    QTest::newRow("Histoire, memo")
        << 6 << QStringLiteral("Découvert Par:") << "DECPAR" << QPoint(176, 56);
    QTest::newRow("Histoire, last")
        << 6 << QStringLiteral("Nom Allemand:") << "NOMGER" << QPoint(176, 221);
}

void TestPropertySheet::everyLabelAndBoxIsThere()
{
    QFETCH(int, page);
    QFETCH(QString, label);
    QFETCH(QString, field);
    SheetFixture f(26);
    auto *pages = f.sheet->findChild<QTabWidget *>();
    pages->setCurrentIndex(page);
    QWidget *tab = pages->widget(page);
    QWidget *box = tab->findChild<QWidget *>(QStringLiteral("DB") + field);
    QVERIFY(box);
    QTEST(box->pos(), "box");
    // The label stands on the line of its box, to its left.
    const QList<QLabel *> labels = tab->findChildren<QLabel *>();
    const auto found = std::find_if(labels.begin(), labels.end(), [&](const QLabel *caption) {
        return caption->text() == label;
    });
    QVERIFY(found != labels.end());
    const QRect caption = (*found)->geometry();
    QVERIFY(caption.right() < box->x());
    QVERIFY(caption.center().y() >= box->y() && caption.center().y() <= box->geometry().bottom());
}

// The sheet opens on the selected element; a step past either end leaves it there.
void TestPropertySheet::showsTheSelectedElement_data()
{
    QTest::addColumn<int>("z");
    QTest::addColumn<QByteArray>("button"); // empty: no step
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<QString>("name");
    QTest::newRow("hydrogen") << 1 << QByteArray() << "H" << QStringLiteral("Hydrogène");
    QTest::newRow("iron") << 26 << QByteArray() << "Fe" << QStringLiteral("Fer");
    QTest::newRow("lawrencium") << 103 << QByteArray() << "Lr" << QStringLiteral("Lawrencium");
    QTest::newRow("< on hydrogen")
        << 1 << QByteArray("AOLButton1") << "H" << QStringLiteral("Hydrogène");
    QTest::newRow("> on oganesson")
        << 118 << QByteArray("AOLButton2") << "Og" << QStringLiteral("Oganesson");
}

void TestPropertySheet::showsTheSelectedElement()
{
    QFETCH(int, z);
    QFETCH(QByteArray, button);
    SheetFixture f(z);
    if (!button.isEmpty())
        f.step(button.constData());
    QCOMPARE(f.sheet->shown()->element(), z);
    QCOMPARE(f.text("DB_NO_AT"), QString::number(z));
    QTEST(f.text("DB_SYMBOLE"), "symbol");
    QTEST(f.text("DB_NOM"), "name");
}

void TestPropertySheet::steppingReloadsTheSections()
{
    SheetFixture f(26);
    QVERIFY(f.text("iso1").startsWith(QStringLiteral("54Fe")));
    f.step("AOLButton2");
    QCOMPARE(f.text("DB_SYMBOLE"), QStringLiteral("Co"));
    QVERIFY(f.text("iso1").startsWith(QStringLiteral("59Co")));
    QCOMPARE(f.text("iso2"), QString()); // cobalt has one natural isotope
    QVERIFY(!f.text("struct1").isEmpty());
    f.step("AOLButton1");
    f.step("AOLButton1");
    QCOMPARE(f.text("DB_SYMBOLE"), QStringLiteral("Mn"));
}

void TestPropertySheet::pageFirstShownAfterStepsShowsThatElement_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("start");
    QTest::newRow("Micro") << QStringLiteral("DB_2CONFIG__") << "[Ar] 3d8 4s2";
    QTest::newRow("Structure Cristalline")
        << QStringLiteral("DB_9STRUCTUR") << "Cubique à faces centrées";
    QTest::newRow("structure line") << QStringLiteral("struct1") << "Cubique";
    QTest::newRow("Isotopes") << QStringLiteral("iso1") << "58Ni";
    QTest::newRow("Abondances") << QStringLiteral("DB_5AB_COSM") << "4,7";
    QTest::newRow("Divers") << QStringLiteral("DB_1COULEUR") << "blanc argenté";
    QTest::newRow("Histoire") << QStringLiteral("DB_7DECOUVER") << "1751";
}

// A page is made when it is first shown: then it shows the element stepped to, nickel.
void TestPropertySheet::pageFirstShownAfterStepsShowsThatElement()
{
    QFETCH(QString, box);
    SheetFixture f(26);
    f.step("AOLButton2");
    f.step("AOLButton2");
    QCOMPARE(f.text("DB_SYMBOLE"), QStringLiteral("Ni"));
    const QString shown = f.text(box);
    QFETCH(QString, start);
    QVERIFY2(shown.startsWith(start), qPrintable(shown));
}

void TestPropertySheet::boxShowsItsValue_data()
{
    QTest::addColumn<int>("z");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("visible");
    // Astatine has no density and no hardness, but a mass.
    QTest::newRow("no density") << 85 << "DB_M__VOL" << QString() << true;
    QTest::newRow("no hardness") << 85 << "DB_0DURET_" << QString() << true;
    QTest::newRow("mass beside them") << 85 << "DB_M__AT" << QStringLiteral("210") << true;
    // Iron's place in the table is read but never shown.
    QTest::newRow("hidden row") << 26 << "DBLIGNE" << QStringLiteral("4") << false;
    QTest::newRow("hidden column") << 26 << "DBCOLONNE" << QStringLiteral("8") << false;
}

void TestPropertySheet::boxShowsItsValue()
{
    QFETCH(int, z);
    QFETCH(QString, box);
    SheetFixture f(z);
    QCOMPARE(f.text("DB_NO_AT"), QString::number(z));
    // Turned to its own page: a hidden box stays hidden even there.
    QWidget *shown = f.lookAt(box);
    QVERIFY(shown);
    QTEST(shown->isVisible(), "visible");
    QTEST(f.text(box), "text");
}

void TestPropertySheet::reactivationGoesBackToTheClickedElement()
{
    SheetFixture f(26);
    f.step("AOLButton2");
    f.step("AOLButton2");
    QCOMPARE(f.text("DB_SYMBOLE"), QStringLiteral("Ni"));
    f.sheet->FormDeactivate();
    QCOMPARE(f.sheet->shown()->element(), 0);
    QCOMPARE(f.text("DB_NO_AT"), QString()); // the closed view shows nothing
    QCOMPARE(f.text("iso1"), QString());
    f.sheet->FormActivate();
    QCOMPARE(f.text("DB_SYMBOLE"), QStringLiteral("Fe"));
    QVERIFY(f.text("iso1").startsWith(QStringLiteral("54Fe")));
}

void TestPropertySheet::memoEditIsWrittenBackOnce()
{
    const QString typed = QStringLiteral("Inconnu; à vérifier");
    SheetFixture f(26);
    const QByteArray before = f.file(&DataFolder::propFile);
    auto *memo = qobject_cast<QPlainTextEdit *>(f.lookAt(QStringLiteral("DBDECPAR")));
    QCOMPARE(memo->toPlainText(), QString());
    memo->setFocus();
    typeText(memo, typed);
    f.step("AOLButton2"); // the move posts the edit
    QCOMPARE(f.text("DB_SYMBOLE"), QStringLiteral("Co"));
    f.sheet->FormDeactivate(); // and the closing view writes it
    const QByteArray after = f.file(&DataFolder::propFile);
    const QByteArray encoded = *Cp1252::encode(typed, nullptr);
    QCOMPARE(after.count(encoded), 1);
    const QList<QByteArray> oldLines = before.split('\n');
    const QList<QByteArray> newLines = after.split('\n');
    QCOMPARE(newLines.size(), oldLines.size());
    for (int i = 0; i < oldLines.size(); ++i)
        if (i != 26)
            QCOMPARE(newLines[i], oldLines[i]);
    QVERIFY(newLines[26].contains(";\"" + encoded + "\";"));
    // The value with its semicolon comes back as typed.
    f.sheet->FormActivate();
    QCOMPARE(f.text("DBDECPAR"), typed);
}

// A crafted section file: what iron's boxes show, and the neighbour's first line after a
// step, which shows the reading went on past iron's section.
void TestPropertySheet::craftedSectionFillsTheBoxes_data()
{
    QTest::addColumn<QString>("stem"); // the boxes, and so the file: struct or iso
    QTest::addColumn<QByteArray>("crafted");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<QString>("next");
    QTest::newRow("count of zero stays visible")
        << "struct" << QByteArray("#25\r\n1\r\nmanganese\r\n#26\r\n0\r\n#27\r\n1\r\ncobalt\r\n")
        << QStringList({"0", "", "", "", "", "", "", ""}) << QByteArray("AOLButton2") << "cobalt";
    QTest::newRow("missing section leaves boxes empty")
        << "struct" << QByteArray("#25\r\n1\r\nmanganese\r\n") << QStringList(8, QString())
        << QByteArray("AOLButton1") << "manganese";
    QByteArray twelve = "heading line\r\n#26\r\n12\r\n";
    for (int i = 1; i <= 12; ++i)
        twelve += "line " + QByteArray::number(i) + "\r\n";
    QStringList ten;
    for (int i = 1; i <= 10; ++i)
        ten << QStringLiteral("line %1").arg(i);
    QTest::newRow("twelve isotope lines show ten") << "iso" << twelve + "#27\r\n1\r\n59Co\r\n"
                                                   << ten << QByteArray("AOLButton2") << "59Co";
}

void TestPropertySheet::craftedSectionFillsTheBoxes()
{
    QFETCH(QString, stem);
    QFETCH(QByteArray, crafted);
    QFETCH(QStringList, lines);
    QFETCH(QByteArray, button);
    const bool isotopes = stem == "iso";
    SheetFixture f(26, isotopes ? nullptr : &crafted, isotopes ? &crafted : nullptr);
    QCOMPARE(boxes(f, qPrintable(stem), int(lines.size())), lines);
    f.step(button.constData());
    QTEST(f.text(stem + QLatin1Char('1')), "next");
}

void TestPropertySheet::missingIsotopeFileIsReported()
{
    const QByteArray none;
    SheetFixture f(26, nullptr, &none);
    QCOMPARE(takeMessageBox(), notFound(f.path(&DataFolder::isoFile)));
    QTRY_COMPARE(f.text("DB_SYMBOLE"), QStringLiteral("Fe"));
    // Each reload fails again, and the box that took the focus deactivated the sheet:
    // the failure is still told once.
    QCOMPARE(messageBoxesDuring([&] {
                 f.step("AOLButton2");
                 f.step("AOLButton1");
             }),
             QStringList());
    // The isotope boxes keep their layout texts; the rest of the sheet works.
    QCOMPARE(f.text("iso1"), QStringLiteral("iso1"));
    QCOMPARE(f.text("iso10"), QStringLiteral("iso10"));
    QVERIFY(!f.text("struct1").isEmpty());
    QCOMPARE(f.text("DB_M__AT"), QStringLiteral("55,85"));
}

void TestPropertySheet::missingStructureFileSkipsTheReload()
{
    SheetFixture f(26);
    const QStringList structure = boxes(f, "struct", 8);
    const QStringList isotopes = boxes(f, "iso", 10);
    QVERIFY(!structure.first().isEmpty() && isotopes.first().startsWith(QStringLiteral("54Fe")));
    QVERIFY(QFile::remove(f.path(&DataFolder::structFile)));
    f.step("AOLButton2");
    QCOMPARE(takeMessageBox(), notFound(f.path(&DataFolder::structFile)));
    QCOMPARE(f.text("DB_SYMBOLE"), QStringLiteral("Co"));
    // The boxes keep iron's lines: the isotopes were not read either.
    QCOMPARE(boxes(f, "struct", 8), structure);
    QCOMPARE(boxes(f, "iso", 10), isotopes);
}

void TestPropertySheet::countLineThatIsNoInteger()
{
    const QByteArray structure = "#26\r\nabc\r\nline\r\n";
    SheetFixture f(26, &structure);
    QCOMPARE(takeMessageBox(), QStringLiteral("Fichier « %1 », ligne 2 : le nombre de lignes de la "
                                              "section « #26 » : « abc » n'est pas un nombre "
                                              "entier valide.")
                                   .arg(f.path(&DataFolder::structFile)));
    QCOMPARE(f.text("struct1"), QString());
}

void TestPropertySheet::failingSectionReadIsToldOnce_data()
{
    QTest::addColumn<Failure>("failure");
    QTest::addColumn<QString>("message");
    // An endless file exhausts the memory of the read that takes it whole.
    QTest::newRow("memory ran out")
        << Failure([] { throw std::bad_alloc(); })
        << "Le fichier iso.yop n'a pas pu être lu. Mémoire insuffisante.";
    QTest::newRow("no exception class")
        << Failure([] { throw 7; }) << "Le fichier iso.yop n'a pas pu être lu. Erreur inconnue";
}

void TestPropertySheet::failingSectionReadIsToldOnce()
{
    QFETCH(Failure, failure);
    int isotopeReads = 0;
    // The first read comes as the sheet is shown on its element.
    SheetFixture f(26, nullptr, nullptr, [&](const QString &file, const QString &number) {
        if (file.endsWith(QLatin1String("/iso.yop"))) {
            ++isotopeReads;
            failure();
        }
        return SectionFile::readFile(file, number);
    });
    QTEST(takeMessageBox(), "message");
    QCOMPARE(f.text("DB_SYMBOLE"), QStringLiteral("Fe"));
    QVERIFY(f.text("struct1").startsWith(QStringLiteral("Fer alpha")));
    // Emptied, neither another element's lines nor the layout texts.
    QCOMPARE(boxes(f, "iso", 10), QStringList(10, QString()));
    QCOMPARE(messageBoxesDuring([&] { f.step("AOLButton2"); }), QStringList());
    QCOMPARE(f.text("DB_SYMBOLE"), QStringLiteral("Co"));
    QVERIFY(f.text("struct1").startsWith(QStringLiteral("Hexagonal compact")));
    // Iron's and cobalt's reads both failed, told once.
    const int readsWhileShown = isotopeReads;
    QVERIFY(readsWhileShown >= 2);
    // Closing the view empties the header, which reloads the pages once more.
    f.sheet.reset();
    QCOMPARE(isotopeReads, readsWhileShown + 1);
}

void TestPropertySheet::unshownSheetClosesItsViewWhileWhole()
{
    // A sheet made and never shown still has the view it opened; closing that view as the
    // sheet goes empties the header, which must find the sheet whole.
    // Declared before the fixture: a sheet that goes when a check fails still reads into it.
    QStringList numbersRead;
    const TForm2::SectionReader counting = [&](const QString &file, const QString &number) {
        numbersRead << number;
        return SectionFile::readFile(file, number);
    };
    SheetFixture f(26);
    f.sheet.reset();
    f.sheet = std::make_unique<TForm2>(f.state, f.store(), nullptr, counting);
    QVERIFY(f.sheet->shown()->element() != 0);
    // Made on the first record, whose lines nobody sees: nothing is read yet, nor as it goes.
    QCOMPARE(numbersRead, QStringList());
    f.sheet.reset();
    QCOMPARE(numbersRead, QStringList());
    // Shown, it reads the selected element's lines, not those of the records passed.
    f.sheet = std::make_unique<TForm2>(f.state, f.store(), nullptr, counting);
    f.sheet->show();
    QCOMPARE(numbersRead, QStringList({"26", "26"}));
    QVERIFY(f.text("struct1").startsWith(QStringLiteral("Fer alpha")));
    f.sheet.reset();
    QCOMPARE(numbersRead, QStringList({"26", "26", "", ""}));
}

void TestPropertySheet::tableDamagedSinceTheStartIsNotReadAgain()
{
    SheetFixture f(26);
    f.sheet->hide(); // the view closes
    QCOMPARE(f.sheet->shown()->element(), 0);
    // Damaged meanwhile: the sheet shown again shows the records the store read, quietly.
    QVERIFY(writeFileBytes(f.path(&DataFolder::propFile), "COLONNE\r\n"));
    QVERIFY(messageBoxesDuring([&] { f.sheet->show(); }).isEmpty());
    QCOMPARE(f.text("DB_SYMBOLE"), QStringLiteral("Fe"));
}

QTEST_MAIN(TestPropertySheet)
#include "tst_propertysheet.moc"
