// Edits made in the property sheet's two memos: what closes the sheet posts them, what the
// file cannot hold is refused with the text kept for correction, and a memo takes no more
// than its field holds.
#include "MessageBoxes.h"
#include "TestFiles.h"
#include "controls/Fonts.h"
#include "controls/TAOLButton.h"
#include "data/ProgramState.h"
#include "data/TTextTable.h"
#include "sheet/TForm2.h"

#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QtTest>

#include <memory>

namespace {

// The shipped data files in a scratch folder, and a sheet shown on one element.
struct Sheet
{
    explicit Sheet(int z)
    {
        installFontSubstitutions();
        data.copyAllShipped();
        original = file();
        state.selectedElement = z;
        form = std::make_unique<TForm2>(state, data.store());
        form->show();
    }

    QByteArray file() const { return readFileBytes(data.path(&DataFolder::propFile)); }
    // On the page "Histoire", turned to as the user does to type in it.
    QPlainTextEdit *memo(const char *field) const
    {
        auto *pages = form->findChild<QTabWidget *>();
        pages->setCurrentIndex(pages->count() - 1);
        auto *box = form->findChild<QPlainTextEdit *>(QStringLiteral("DB") + field);
        box->setFocus();
        box->moveCursor(QTextCursor::End);
        return box;
    }
    QString symbol() const { return form->findChild<QLineEdit *>("DB_SYMBOLE")->text(); }
    void step(const char *button) const
    {
        QTest::mouseClick(form->findChild<TAOLButton *>(button), Qt::LeftButton, {},
                          QPoint(10, 10));
    }

    ScratchData data;
    QByteArray original;
    ProgramState state;
    std::unique_ptr<TForm2> form;
};

// The iron record as the file holds it (the data's own reference record): empty discoverer
// and place, "LATIN:ferrum" for the origin of the name.
const QByteArray kIronMiddle = "Amphot\xE8re;;;LATIN:ferrum;Iron";

// Cobalt's origin of its name (ORINOM) as the file holds it.
QString cobaltOriginOfName(const QByteArray &file)
{
    return QString::fromLatin1(file.split('\n').value(27).split(';').value(60));
}

} // namespace

class TestSheetEdits : public QObject
{
    Q_OBJECT

private slots:
    void closingPostsTheEdit_data();
    void closingPostsTheEdit();
    void refusedTextStaysToBeCorrected();
    void memoTakesNoMoreThanItsField_data();
    void memoTakesNoMoreThanItsField();
};

void TestSheetEdits::closingPostsTheEdit_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("Escape") << true;
    QTest::newRow("close box") << false;
}

// Typed and not posted by a move, the text is still saved when the sheet closes; Escape first
// takes the typing back, the sheet staying open, and then closes it with nothing to save.
void TestSheetEdits::closingPostsTheEdit()
{
    QFETCH(bool, escape);
    Sheet s(26);
    QVERIFY(s.original.contains(kIronMiddle));
    QTest::keyClicks(s.memo("DECPAR"), "Paracelse");
    QVERIFY(s.memo("DECPAR")->font().italic());
    if (escape) {
        QTest::keyClick(s.memo("DECPAR"), Qt::Key_Escape);
        QVERIFY(s.form->isVisible());
        QCOMPARE(s.memo("DECPAR")->toPlainText(), QString());
        QVERIFY(!s.memo("DECPAR")->font().italic());
        QTest::keyClick(s.memo("DECPAR"), Qt::Key_Escape);
    } else {
        s.form->close();
    }
    QVERIFY(!s.form->isVisible());
    QByteArray expected = s.original;
    if (!escape)
        expected.replace(kIronMiddle, "Amphot\xE8re;Paracelse;;LATIN:ferrum;Iron");
    QCOMPARE(s.file(), expected);
}

// A text that the file cannot hold stops the move and the closing with a message naming the
// element and the field; the memo keeps it, and the edits posted before are saved.
void TestSheetEdits::refusedTextStaysToBeCorrected()
{
    Sheet s(26);
    QTest::keyClicks(s.memo("DECPAR"), "Paracelse");
    s.step("AOLButton2");
    QCOMPARE(s.symbol(), QStringLiteral("Co"));
    QPlainTextEdit *orinom = s.memo("ORINOM");
    orinom->selectAll();
    QTest::keyClicks(orinom, QStringLiteral("Dupont\"; Durand"));
    const QString typed = orinom->toPlainText();
    QCOMPARE(typed, QStringLiteral("Dupont\"; Durand"));
    for (const std::function<void()> &leave : {std::function<void()>([&] { s.step("AOLButton2"); }),
                                               std::function<void()>([&] { s.form->close(); })}) {
        const QStringList boxes = messageBoxesDuring(leave);
        QCOMPARE(boxes.size(), 1);
        for (const QString &part :
             {QStringLiteral("Cobalt"), QStringLiteral("ORINOM"), QStringLiteral("Échap")})
            QVERIFY2(boxes.first().contains(part), qPrintable(boxes.first()));
        QVERIFY(s.form->isVisible());
        QCOMPARE(s.symbol(), QStringLiteral("Co"));
        QCOMPARE(orinom->toPlainText(), typed);
    }
    // Losing the focus to another program keeps the view open on it, without a word.
    QVERIFY(messageBoxesDuring([&] { s.form->FormDeactivate(); }).isEmpty());
    QVERIFY(s.form->shown()->element() != 0);
    QCOMPARE(orinom->toPlainText(), typed);
    // Escape gives back the old text, without a word and without closing the sheet; typed
    // again and corrected, it goes with the closing sheet.
    const QString old = cobaltOriginOfName(s.original);
    QVERIFY(!old.isEmpty() && old != typed);
    QVERIFY(
        messageBoxesDuring([&] { QTest::keyClick(s.memo("ORINOM"), Qt::Key_Escape); }).isEmpty());
    QVERIFY(s.form->isVisible());
    QCOMPARE(orinom->toPlainText(), old);
    orinom->selectAll();
    QTest::keyClicks(orinom, QStringLiteral("Dupont\" ; Durand"));
    QCOMPARE(messageBoxesDuring([&] { s.form->close(); }), QStringList());
    QVERIFY(!s.form->isVisible());
    QByteArray iron = s.original;
    iron.replace(kIronMiddle, "Amphot\xE8re;Paracelse;;LATIN:ferrum;Iron");
    QList<QByteArray> lines = iron.split('\n');
    QList<QByteArray> cobalt = lines[27].split(';'); // no quoted value before ORINOM
    cobalt[60] = "\"Dupont\"\" ; Durand\"";
    lines[27] = cobalt.join(';');
    QCOMPARE(s.file(), lines.join('\n'));
}

void TestSheetEdits::memoTakesNoMoreThanItsField_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<int>("size");
    QTest::newRow("DECPAR") << QByteArray("DECPAR") << 75;
    QTest::newRow("ORINOM") << QByteArray("ORINOM") << 69;
}

// Pasted or typed, the memo stops at the field's size: what it shows is what is stored.
void TestSheetEdits::memoTakesNoMoreThanItsField()
{
    QFETCH(QByteArray, field);
    QFETCH(int, size);
    Sheet s(26);
    QPlainTextEdit *memo = s.memo(field.constData());
    QString pasted;
    for (int i = 0; pasted.size() < 100; ++i)
        pasted += QStringLiteral("mot%1 ").arg(i);
    QApplication::clipboard()->setText(pasted);
    memo->selectAll();
    memo->paste();
    QCOMPARE(memo->toPlainText(), pasted.left(size));
    QTest::keyClicks(s.memo(field.constData()), "xyz");
    QCOMPARE(memo->toPlainText(), pasted.left(size));
    s.step("AOLButton2");
    s.step("AOLButton1");
    QCOMPARE(s.memo(field.constData())->toPlainText(), pasted.left(size));
}

QTEST_MAIN(TestSheetEdits)
#include "tst_sheetedits.moc"
