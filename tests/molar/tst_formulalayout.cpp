// The formula layout (which characters are lowered, where each run and each middle dot
// stands), the subscript metrics of outline and bitmap fonts, the formula string's setters and
// notifications, and the formula edit's two looks and height.
#include "controls/Fonts.h"
#include "molar/TChemEdit.h"
#include "molar/TChemString.h"

#include <QHelpEvent>
#include <QImage>
#include <QPainter>
#include <QToolTip>
#include <QtTest>

#include <optional>

namespace {

// Fonts of round numbers: a font of pixel size p has a cell p + 2 high with ascent p, every
// character p/2 wide but the middle dot (p/4); as an outline font its subscripts are 6/10 of p,
// lowered by p/5, and its typographic ascent is 8/10 of p.
class RoundMetrics : public FormulaMetrics
{
public:
    bool outline = false;
    int overhang = 0;
    int subscriptXOffset = 0;
    int slopeRise = 1;
    int slopeRun = 0;

    FontFacts facts(const QFont &font) const override
    {
        const int p = font.pixelSize();
        FontFacts f;
        f.pixelSize = p;
        f.height = p + 2;
        f.ascent = p;
        f.internalLeading = 2;
        f.overhang = overhang;
        f.averageWidth = p / 2;
        f.italic = font.italic();
        f.asteriskWidth = p / 2;
        f.middleDotWidth = p / 4;
        f.outline = outline;
        f.subscriptHeight = p * 6 / 10;
        f.subscriptXOffset = subscriptXOffset;
        f.subscriptYOffset = p / 5;
        f.typoAscent = p * 8 / 10;
        f.slopeRise = slopeRise;
        f.slopeRun = slopeRun;
        return f;
    }
    int width(const QFont &font, QStringView text) const override
    {
        int w = 0;
        for (QChar c : text)
            w += c == QChar(0x00B7) ? font.pixelSize() / 4 : font.pixelSize() / 2;
        return w;
    }
};

QFont font20(bool italic = false)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(20);
    font.setItalic(italic);
    return font;
}

// "N:text@x,y" for a normal run, "S:" subscript, "D:" middle dot.
QString describe(const FormulaLine &line)
{
    QStringList parts;
    for (const FormulaRun &run : line.runs)
        parts << QStringLiteral("%1:%2@%3,%4")
                     .arg(run.dot         ? "D"
                          : run.subscript ? "S"
                                          : "N")
                     .arg(line.text.mid(run.start, run.length))
                     .arg(run.at.x())
                     .arg(run.at.y());
    return parts.join(u' ');
}

// The bounds of the non-white pixels of an image.
QRect ink(const QImage &image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

} // namespace

class TestFormulaLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void runs_data();
    void runs();
    void metrics_data();
    void metrics();
    void realFontGivesItsOwnSubscripts();
    void bitmapFaceStandInTakesTheBitmapRule_data();
    void bitmapFaceStandInTakesTheBitmapRule();
    void settersAndNotifications();
    void drawsLinesAlignedAndStopsAtTheBottom();
    void editShowsTheFormulaOnlyWithoutFocus();
    void editRedrawsEachChangeAsAFreshEditDrawsIt();
    void formulaStandsWhereThePlainTextStands_data();
    void formulaStandsWhereThePlainTextStands();
    void editHeightFollowsTheFormulaLine();
    void aFormulaWiderThanTheBoxShowsItsStart_data();
    void aFormulaWiderThanTheBoxShowsItsStart();
};

void TestFormulaLayout::runs_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("runs");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    const struct
    {
        const char *tag;
        QString line, runs;
        int width, height;
    } rows[] = {
        // Bitmap rules at 20 px, SubPercent 50, SubPosition 50: subscripts 10 px, dropped by
        // (10 - 2) / 2 + (20 - 10) = 14; four-kern 5 * 17 / 100 = 1; dot spacing (10 - 5) / 2 = 2.
        {"H2O1", "H2O1", "N:H@0,0 S:2@10,14 N:O@15,0 S:1@25,14", 30, 26},
        {"words stay full size", "formule probable : H2O1",
         "N:formule probable : H@0,0 S:2@200,14 N:O@205,0 S:1@215,14", 220, 26},
        {"leading count", "2H2O", "N:2H@0,0 S:2@20,14 N:O@25,0", 35, 26},
        {"hydrate with dot", "CuSO4*5H2O",
         QString::fromUtf8("N:CuSO@0,0 S:4@39,14 D:·@47,0 N:5H@54,0 S:2@74,14 N:O@79,0"), 89, 26},
        {"closing bracket", "Ca(OH)2", "N:Ca(OH)@0,0 S:2@60,14", 65, 26},
        {"two-digit count", "C6H12", "N:C@0,0 S:6@10,14 N:H@15,0 S:12@25,14", 35, 26},
        {"decimal count", "Fe0.95O", "N:Fe@0,0 S:0.95@20,14 N:O@40,0", 50, 26},
        {"blank keeps full size", "Fe 0.95", "N:Fe 0.95@0,0", 70, 22},
        {"dot ending the line", "H2O*", QString::fromUtf8("N:H@0,0 S:2@10,14 N:O@15,0 D:·@27,0"),
         32, 26},
        {"dot opening the line", "*H", QString::fromUtf8("D:·@0,0 N:H@7,0"), 17, 22},
        {"four-kern moves only the 4", "K4O", "N:K@0,0 S:4@9,14 N:O@15,0", 25, 26},
        {"comma after a letter", "H,2", "N:H,2@0,0", 30, 22},
        {"square bracket lowers", "[Fe]3", "N:[Fe]@0,0 S:3@40,14", 45, 26},
    };
    for (const auto &row : rows)
        QTest::newRow(row.tag) << row.line << row.runs << row.width << row.height;
}

void TestFormulaLayout::runs()
{
    QFETCH(QString, line);
    RoundMetrics metrics;
    SubscriptSettings settings{50, 50, false};
    const SubscriptMetrics sub = subscriptMetrics(metrics, font20(), settings);
    const FormulaLine laid = layOutLine(line, sub, metrics, 0, 0);
    QTEST(describe(laid), "runs");
    QTEST(laid.width, "width");
    QTEST(laid.height, "height");
}

void TestFormulaLayout::metrics_data()
{
    QTest::addColumn<bool>("outline");
    QTest::addColumn<bool>("autoSubscript");
    QTest::addColumn<int>("subPercent");
    QTest::addColumn<int>("subPosition");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<int>("slopeRun"); // over a rise of 4
    QTest::addColumn<int>("overhang");
    // Expected:
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("drop");
    QTest::addColumn<int>("shift");
    QTest::addColumn<int>("kern");
    QTest::addColumn<int>("averagedOverhang");
    QTest::addColumn<int>("percentAfter");
    QTest::addColumn<int>("positionAfter");
    // (8 - 2) ... bitmap: drop = (asc - leadings) * pos / 100 + (20 - asc)
    QTest::newRow("bitmap") << false << false << 50 << 50 << false << 0 << 0 << 10 << 14 << 0 << 1
                            << 0 << 50 << 50;
    QTest::newRow("bitmap italic")
        << false << false << 50 << 50 << true << 0 << 0 << 10 << 14 << 4 << 1 << 0 << 50 << 50;
    // Automatic on a bitmap font: 75 % lowered by half: 15 px, (15 - 2) / 2 = 6.5 -> 7, + 5.
    QTest::newRow("bitmap automatic")
        << false << true << 100 << 10 << false << 0 << 0 << 15 << 12 << 0 << 1 << 0 << 75 << 50;
    // The font's own: 20 * 12 / 22 = 10.9 -> 11 px; drop 4 + (20 - 11); SubPercent 55,
    // SubPosition 4 * 100 / 8 = 50; the italic shift is the font's x offset (-2 here).
    QTest::newRow("outline automatic")
        << true << true << 100 << 10 << false << 0 << 0 << 11 << 13 << -2 << 1 << 0 << 55 << 50;
    // 10 px, drop 8 * 40 / 100 = 3.2 -> 3, + 10; shift 13 * round(1 * 50 / 100) / 4 = 3.25 -> 3.
    QTest::newRow("outline slanted")
        << true << false << 50 << 40 << false << 1 << 0 << 10 << 13 << 3 << 0 << 0 << 50 << 40;
    QTest::newRow("position below 34 has no kern")
        << true << false << 50 << 33 << false << 0 << 0 << 10 << 13 << 0 << 0 << 0 << 50 << 33;
    QTest::newRow("size 0 raised to 1")
        << true << false << 0 << 50 << false << 0 << 0 << 1 << 19 << 0 << 0 << 0 << 0 << 50;
    QTest::newRow("overhang averaged, truncated")
        << false << false << 50 << 50 << false << 0 << 3 << 10 << 14 << 0 << 1 << 3 << 50 << 50;
}

void TestFormulaLayout::metrics()
{
    QFETCH(bool, outline);
    QFETCH(bool, autoSubscript);
    QFETCH(int, subPercent);
    QFETCH(int, subPosition);
    QFETCH(bool, italic);
    QFETCH(int, slopeRun);
    QFETCH(int, overhang);
    RoundMetrics metrics;
    metrics.outline = outline;
    metrics.overhang = overhang;
    metrics.slopeRise = 4;
    metrics.slopeRun = slopeRun;
    metrics.subscriptXOffset = autoSubscript && outline ? -2 : 0;
    SubscriptSettings settings{subPercent, subPosition, autoSubscript};
    const SubscriptMetrics sub = subscriptMetrics(metrics, font20(italic), settings);
    QTEST(sub.subFont.pixelSize(), "size");
    QTEST(sub.drop, "drop");
    QTEST(sub.italicShift, "shift");
    QTEST(sub.fourKern, "kern");
    QTEST(sub.overhang, "averagedOverhang");
    QTEST(settings.subPercent, "percentAfter");
    QTEST(settings.subPosition, "positionAfter");
}

void TestFormulaLayout::realFontGivesItsOwnSubscripts()
{
    const FontFacts upright = QtFormulaMetrics::instance().facts(font20());
    QVERIFY(upright.outline);
    // Liberation Sans, like Arial, makes subscripts about two thirds of the size, a little
    // below the base line.
    QVERIFY2(upright.subscriptHeight >= 12 && upright.subscriptHeight <= 15,
             qPrintable(QString::number(upright.subscriptHeight)));
    QVERIFY(upright.subscriptYOffset > 0 && upright.subscriptYOffset < 6);
    QVERIFY(upright.typoAscent >= 13 && upright.typoAscent <= 20);
    QCOMPARE(upright.slopeRun, 0);
    const FontFacts slanted = QtFormulaMetrics::instance().facts(font20(true));
    QVERIFY(slanted.slopeRun != 0 && slanted.slopeRise > 0);
    // Arial is an outline face: the font that stands in for it keeps the outline rule.
    QVERIFY(QtFormulaMetrics::instance().facts(pixelFont(QStringLiteral("Arial"), 12)).outline);
}

void TestFormulaLayout::bitmapFaceStandInTakesTheBitmapRule_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<int>("subscriptSize"); // 75 % of the size
    QTest::newRow("the formula edit's MS Sans Serif 12") << "MS Sans Serif" << 12 << 9;
    QTest::newRow("MS Sans Serif 8") << "MS Sans Serif" << 8 << 6;
    QTest::newRow("MS Serif 10, rounded up") << "MS Serif" << 10 << 8;
}

void TestFormulaLayout::bitmapFaceStandInTakesTheBitmapRule()
{
    // The bitmap face is not installed; whatever outline font stands in for it, subscripts
    // take the size and place the layout meant for the bitmap face.
    QFETCH(QString, family);
    QFETCH(int, pixelSize);
    const QFont font = pixelFont(family, pixelSize, true);
    QVERIFY(!QtFormulaMetrics::instance().facts(font).outline);
    SubscriptSettings settings{100, 10, true};
    const SubscriptMetrics sub = subscriptMetrics(QtFormulaMetrics::instance(), font, settings);
    QTEST(sub.subFont.pixelSize(), "subscriptSize");
    QCOMPARE(settings.subPercent, 75);
    QCOMPARE(settings.subPosition, 50);
}

void TestFormulaLayout::settersAndNotifications()
{
    TChemString chem;
    int metricsCalls = 0;
    int changedCalls = 0;
    chem.onMetricsChanged = [&] { ++metricsCalls; };
    chem.onChanged = [&] { ++changedCalls; };
    QCOMPARE(chem.text(), QStringLiteral("H2"));
    QCOMPARE(chem.status(), 2);

    chem.setAutoSubscript(true);
    chem.setAutoSubscript(true);
    QCOMPARE(metricsCalls, 1);
    QCOMPARE(changedCalls, 1);
    // A share switches the font's own subscripts off, then stores itself: two changes.
    chem.setSubPercent(75);
    QVERIFY(!chem.AutoSubscript());
    QCOMPARE(metricsCalls, 3);
    chem.setSubPercent(75);
    chem.setSubPosition(-5);
    QCOMPARE(chem.SubPosition(), 0);
    QCOMPARE(metricsCalls, 4);
    QCOMPARE(changedCalls, 4);

    chem.setTryCorrect(TChemTryCorrect::tchCareful);
    chem.setText(QStringLiteral("NACL"));
    QCOMPARE(chem.text(), QStringLiteral("NaCl"));
    QCOMPARE(chem.status(), 2);
    QCOMPARE(changedCalls, 5);
    // Set again as typed: the correction gives back the stored text, so nothing changed.
    chem.setText(QStringLiteral("NaCL"));
    QCOMPARE(changedCalls, 5);
    chem.setTryCorrect(TChemTryCorrect::tchNone);
    chem.setText(QStringLiteral("co"));
    QCOMPARE(chem.status(), 1);
    QCOMPARE(chem.text(), QStringLiteral("co"));
    chem.setTryCorrect(TChemTryCorrect::tchCareful);
    QCOMPARE(chem.text(), QStringLiteral("Co"));
    QCOMPARE(changedCalls, 7);

    // Automatic subscripts on a bitmap font read 75 / 50 after a paint.
    RoundMetrics bitmap;
    TChemString onBitmap(&bitmap);
    onBitmap.setSubPercent(30);
    onBitmap.setAutoSubscript(true);
    QImage image(100, 40, QImage::Format_RGB32);
    QPainter painter(&image);
    onBitmap.draw(painter, image.rect(), font20());
    QCOMPARE(onBitmap.SubPercent(), 75);
    QCOMPARE(onBitmap.SubPosition(), 50);
}

void TestFormulaLayout::drawsLinesAlignedAndStopsAtTheBottom()
{
    TChemString chem;
    chem.setText(QStringLiteral("H2\r\nH2"));
    chem.setAlignment(TChemString::Alignment::Center);
    const QFont font = pixelFont(QStringLiteral("Arial"), 20);
    const int lineHeight = chem.lineHeight(font);
    const auto drawn = [&](int height) {
        QImage image(200, height, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setPen(Qt::black);
        chem.draw(painter, image.rect(), font);
        return ink(image);
    };
    const QRect two = drawn(3 * lineHeight);
    QVERIFY(qAbs(two.center().x() - 100) <= 2);
    // The second line is the first one line height lower.
    const QRect one = drawn(lineHeight);
    QCOMPARE(two.height(), one.height() + lineHeight);
    chem.setText(QString());
    QVERIFY(drawn(lineHeight).isNull());
}

void TestFormulaLayout::editRedrawsEachChangeAsAFreshEditDrawsIt()
{
    // The edit keeps its formula laid out between paints: after a change of text, font or
    // subscript share it draws what an edit given the new state at once draws.
    QWidget window;
    const auto setUp = [&window](const QString &text, int pixels, std::optional<int> share) {
        auto *edit = new TChemEdit(&window);
        edit->setGeometry(0, 0, 185, 30);
        edit->setFont(pixelFont(QStringLiteral("MS Sans Serif"), pixels, true));
        edit->setText(text);
        if (share)
            edit->setSubPercent(*share);
        return edit;
    };
    const auto freshImage = [&](const QString &text, int pixels, std::optional<int> share) {
        return setUp(text, pixels, share)->grab().toImage();
    };
    TChemEdit *edit = setUp(QStringLiteral("H2SO4"), 12, std::nullopt);
    const QImage first = edit->grab().toImage();
    edit->setText(QStringLiteral("C6H12O6"));
    const QImage text = edit->grab().toImage();
    QVERIFY(text != first);
    QCOMPARE(text, freshImage(QStringLiteral("C6H12O6"), 12, std::nullopt));
    edit->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 16, true));
    QCOMPARE(edit->grab().toImage(), freshImage(QStringLiteral("C6H12O6"), 16, std::nullopt));
    edit->setSubPercent(40);
    QCOMPARE(edit->grab().toImage(), freshImage(QStringLiteral("C6H12O6"), 16, 40));
}

void TestFormulaLayout::editShowsTheFormulaOnlyWithoutFocus()
{
    QWidget window;
    window.resize(300, 100);
    auto *edit = new TChemEdit(&window);
    auto *plain = new QLineEdit(&window);
    auto *focus = new QLineEdit(&window);
    for (QLineEdit *box : {static_cast<QLineEdit *>(edit), plain}) {
        box->setGeometry(0, 0, 185, 26);
        box->setText(QStringLiteral("H2O1"));
    }
    plain->move(0, 40);
    focus->move(0, 70);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    focus->setFocus();
    QTRY_VERIFY(focus->hasFocus());
    QVERIFY(edit->grab().toImage() != plain->grab().toImage());
    edit->setHideSelection(false);
    QCOMPARE(edit->grab().toImage(), plain->grab().toImage());
    edit->setHideSelection(true);
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    plain->setFocus();
    QTRY_VERIFY(plain->hasFocus());
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    // Entered from the keyboard, the whole text is selected.
    QCOMPARE(edit->selectedText(), QStringLiteral("H2O1"));

    // A formula of 10 000 characters is checked and painted without a hang; the part that
    // fits is drawn.
    edit->setText(QString("H2O").repeated(3334));
    focus->setFocus();
    QTRY_VERIFY(focus->hasFocus());
    QCOMPARE(edit->chemString().text().size(), 10002);
    QVERIFY(!ink(edit->grab().toImage().copy(edit->formulaRect())).isNull());
}

void TestFormulaLayout::formulaStandsWhereThePlainTextStands_data()
{
    QTest::addColumn<int>("alignment");
    QTest::addColumn<bool>("autoSize");
    const int left = int(TChemString::Alignment::Left);
    const int right = int(TChemString::Alignment::Right);
    const int centre = int(TChemString::Alignment::Center);
    QTest::newRow("left, 185 x 26") << left << false;
    QTest::newRow("centred, 185 x 26") << centre << false;
    QTest::newRow("right, 185 x 26") << right << false;
    QTest::newRow("left, auto height") << left << true;
    QTest::newRow("centred, auto height") << centre << true;
}

void TestFormulaLayout::formulaStandsWhereThePlainTextStands()
{
    // Switching between the two looks does not move a formula without subscripts, and the
    // subscripts of another stay inside the box.
    QFETCH(int, alignment);
    QFETCH(bool, autoSize);
    QWidget window;
    window.resize(300, 120);
    auto *edit = new TChemEdit(&window);
    auto *plain = new QLineEdit(&window);
    auto *focus = new QLineEdit(&window);
    edit->setAutoSize(autoSize);
    edit->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 12, true));
    edit->setFormulaAlignment(TChemString::Alignment(alignment));
    edit->setSubPercent(75);
    edit->setAutoSubscript(true);
    if (!autoSize)
        edit->setGeometry(0, 0, 185, 26);
    plain->setGeometry(0, 40, edit->width(), edit->height());
    plain->setFont(edit->font());
    plain->setAlignment(edit->alignment());
    focus->move(0, 90);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    focus->setFocus();
    QTRY_VERIFY(focus->hasFocus());
    const auto inner = [](QWidget *box) {
        return ink(box->grab().toImage().copy(box->rect().adjusted(3, 3, -3, -3)));
    };
    for (QLineEdit *box : {static_cast<QLineEdit *>(edit), plain})
        box->setText(QStringLiteral("HO"));
    const QRect formula = inner(edit);
    const QRect text = inner(plain);
    QVERIFY(!text.isNull());
    QCOMPARE(formula.top(), text.top());
    QCOMPARE(formula.bottom(), text.bottom());
    QVERIFY2(qAbs(formula.left() - text.left()) <= 1,
             qPrintable(QStringLiteral("%1 / %2").arg(formula.left()).arg(text.left())));

    edit->setText(QStringLiteral("H2O1"));
    const QRect lowered = inner(edit);
    QCOMPARE(lowered.top(), text.top());
    QVERIFY(lowered.bottom() > text.bottom());
    QVERIFY(lowered.bottom() < edit->height() - 6);
}

void TestFormulaLayout::editHeightFollowsTheFormulaLine()
{
    TChemEdit edit;
    QCOMPARE(edit.width(), 121);
    const int line = edit.chemString().lineHeight(edit.font());
    QCOMPARE(edit.height(), line + 8);
    edit.setCtl3D(false);
    QCOMPARE(edit.height(), line + 6);
    edit.setCtl3D(true);
    edit.setFont(pixelFont(QStringLiteral("Arial"), 30));
    QCOMPARE(edit.height(), edit.chemString().lineHeight(edit.font()) + 8);
    edit.setSubPercent(100);
    QCOMPARE(edit.height(), edit.chemString().lineHeight(edit.font()) + 8);
    // Without a border the height is free.
    edit.setBorderStyle(TChemEdit::BorderStyle::None);
    edit.resize(121, 50);
    edit.setSubPercent(50);
    QCOMPARE(edit.height(), 50);
}

void TestFormulaLayout::aFormulaWiderThanTheBoxShowsItsStart_data()
{
    QTest::addColumn<int>("alignment");
    QTest::newRow("centred") << int(TChemString::Alignment::Center);
    QTest::newRow("right") << int(TChemString::Alignment::Right);
}

void TestFormulaLayout::aFormulaWiderThanTheBoxShowsItsStart()
{
    // The box of the molar-mass mode, and a box wide enough for the whole formula.
    QFETCH(int, alignment);
    QWidget window;
    window.resize(800, 100);
    auto *edit = new TChemEdit(&window);
    auto *wide = new TChemEdit(&window);
    auto *focus = new QLineEdit(&window);
    for (TChemEdit *box : {edit, wide}) {
        box->setAutoSize(false);
        box->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 12, true));
        box->setSubPercent(75);
        box->setAutoSubscript(true);
        box->setText(QStringLiteral("C6H12O6N2S1P1Cl3Br2Fe1Co1Ni1Cu1Zn1"));
    }
    edit->setGeometry(0, 0, 185, 26);
    edit->setFormulaAlignment(TChemString::Alignment(alignment));
    wide->setGeometry(0, 30, 780, 26);
    focus->move(0, 70);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    focus->setFocus();
    QTRY_VERIFY(focus->hasFocus());
    QVERIFY(wide->chemString().width(wide->font()) > edit->width());
    // The box shows the formula's start as the wide box does; its end is cut.
    const QRect start(0, 0, edit->width() - 4, edit->height());
    QCOMPARE(edit->grab(start).toImage(), wide->grab(start).toImage());
    // Only the cut formula shows whole in a tool tip.
    const auto tipOf = [](QWidget *box) {
        QToolTip::hideText();
        if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }))
            return QStringLiteral("(a tool tip stays up)");
        QHelpEvent help(QEvent::ToolTip, QPoint(10, 10), box->mapToGlobal(QPoint(10, 10)));
        QApplication::sendEvent(box, &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    QCOMPARE(tipOf(edit), edit->text());
    QCOMPARE(tipOf(wide), QString());
}

QTEST_MAIN(TestFormulaLayout)
#include "tst_formulalayout.moc"
