// A label sized to its text takes the size its own hint gives (widened to the ink where the
// ink runs past the advance), whatever the text, font, alignment and margins. A font that
// stands in for the default one while a box is built is given back, and the default font
// still follows the desktop's.
#include "controls/CaptionLabel.h"
#include "controls/Fonts.h"
#include "controls/SharedFace.h"

#include <QFontDatabase>
#include <QLabel>
#include <QWindow>
#include <QtTest>

#include <stdexcept>

class TestFonts : public QObject
{
    Q_OBJECT
private slots:
    void sizeToTextIsTheLabelsOwnSize_data();
    void sizeToTextIsTheLabelsOwnSize();
    void captionLabelDrawsAsALabel_data();
    void captionLabelDrawsAsALabel();
    void defaultFontIsGivenBackAndFollowsTheDesktop();
};

void TestFonts::sizeToTextIsTheLabelsOwnSize_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QFont>("font");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<int>("margin");
    QTest::addColumn<QMargins>("contents");
    QTest::addColumn<bool>("wrap");
    const QFont bold13 = pixelFont(QStringLiteral("Arial"), 13, true);
    const QFont italicSerif = [] {
        QFont font = pixelFont(QStringLiteral("Times New Roman"), 14);
        font.setItalic(true); // the ink of the last letter runs past its advance
        return font;
    }();
    const int left = Qt::AlignLeft | Qt::AlignVCenter;
    QTest::newRow("row number") << QStringLiteral("VII") << bold13 << left << 0 << QMargins()
                                << false;
    QTest::newRow("accents and degree sign") << QStringLiteral("N° At — Électronégativité")
                                             << bold13 << left << 0 << QMargins() << false;
    QTest::newRow("empty") << QString() << bold13 << left << 0 << QMargins() << false;
    QTest::newRow("italic ink") << QStringLiteral("Masse atomique f") << italicSerif << left << 0
                                << QMargins() << false;
    QTest::newRow("right and centred")
        << QStringLiteral("18") << bold13 << int(Qt::AlignRight | Qt::AlignTop) << 0 << QMargins()
        << false;
    QTest::newRow("margins") << QStringLiteral("Pauling") << bold13 << int(Qt::AlignCenter) << 3
                             << QMargins(1, 2, 4, 5) << false;
    QTest::newRow("two lines") << QStringLiteral("E.N.\nPauling") << bold13 << left << 0
                               << QMargins() << false;
    QTest::newRow("rich text") << QStringLiteral("<b>H</b><sub>2</sub>O") << bold13 << left << 0
                               << QMargins() << false;
    QTest::newRow("wrapped") << QStringLiteral("Energie de première ionisation en kJ/mol") << bold13
                             << left << 0 << QMargins() << true;
}

void TestFonts::sizeToTextIsTheLabelsOwnSize()
{
    QFETCH(QString, text);
    QFETCH(QFont, font);
    QFETCH(int, alignment);
    QFETCH(int, margin);
    QFETCH(QMargins, contents);
    QFETCH(bool, wrap);
    // The face drawn at another size first, as the table's buttons draw theirs.
    QFont otherSize = font;
    otherSize.setPixelSize(font.pixelSize() + 2);
    QVERIFY(sharedFace(otherSize).isValid());
    QWidget window;
    QLabel sized(text, &window);
    QLabel hinted(text, &window);
    for (QLabel *label : {&sized, &hinted}) {
        label->setFont(font);
        label->setAlignment(Qt::Alignment(alignment));
        label->setMargin(margin);
        label->setContentsMargins(contents);
        label->setWordWrap(wrap);
    }
    sizeToText(&sized);
    const QSize hint = hinted.sizeHint();
    const int ink = textWidth(hinted.fontMetrics(), text);
    QCOMPARE(sized.size(), QSize(std::max(hint.width(), ink), hint.height()));
}

void TestFonts::captionLabelDrawsAsALabel_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QFont>("font");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<QSize>("size"); // none: sized to its text
    const QFont bold13 = pixelFont(QStringLiteral("Arial"), 13, true);
    const int left = Qt::AlignLeft | Qt::AlignVCenter;
    for (const char *row : {"1", "10", "18", "I", "IV", "VII", "VIII", "IX"})
        QTest::newRow(row) << QString::fromLatin1(row) << bold13 << left << QSize();
    for (int height : {16, 17, 18, 19, 20, 21, 23})
        QTest::addRow("VI centred in %d", height)
            << QStringLiteral("VI") << bold13 << int(Qt::AlignCenter) << QSize(27, height);
    QTest::newRow("number at the foot") << QStringLiteral("17") << bold13
                                        << int(Qt::AlignHCenter | Qt::AlignBottom) << QSize(29, 24);
    QTest::newRow("right, top, wider box")
        << QStringLiteral("18") << bold13 << int(Qt::AlignRight | Qt::AlignTop) << QSize(40, 30);
    QTest::newRow("centred, odd height")
        << QStringLiteral("IX") << bold13 << int(Qt::AlignCenter) << QSize(31, 22);
    QTest::newRow("cut by its box")
        << QStringLiteral("Électronégativité") << bold13 << left << QSize(50, 10);
    QFont serif = pixelFont(QStringLiteral("Times New Roman"), 17);
    serif.setItalic(true);
    QTest::newRow("italic serif, blanks")
        << QStringLiteral(" Masse f ") << serif << left << QSize();
}

// Drawn from the shared face, resized from the size it was first drawn at, a caption stands
// where a label draws it, pixel for pixel.
void TestFonts::captionLabelDrawsAsALabel()
{
    QFETCH(QString, text);
    QFETCH(QFont, font);
    QFETCH(int, alignment);
    QFETCH(QSize, size);
    QFont otherSize = font;
    otherSize.setPixelSize(font.pixelSize() + 3);
    QVERIFY(sharedFace(otherSize).isValid());
    QWidget window;
    QPalette white = window.palette();
    white.setColor(QPalette::WindowText, Qt::white);
    white.setColor(QPalette::Window, QColor(0, 0, 0x80));
    window.setPalette(white);
    CaptionLabel caption(text, &window);
    QLabel label(text, &window);
    for (QLabel *each : {static_cast<QLabel *>(&caption), &label}) {
        each->setFont(font);
        each->setAlignment(Qt::Alignment(alignment));
        each->setAutoFillBackground(true);
        if (size.isValid())
            each->resize(size);
        else
            sizeToText(each);
    }
    QCOMPARE(caption.grab().toImage(), label.grab().toImage());
}

void TestFonts::defaultFontIsGivenBackAndFollowsTheDesktop()
{
    const QFont desktop = QGuiApplication::font();
    const QFont stand = pixelFont(QStringLiteral("Arial"), 17, true);
    QVERIFY(stand != desktop);
    QFont seen;
    withDefaultFont(stand, [&seen] { seen = QFont(); });
    QCOMPARE(seen, stand);
    QCOMPARE(QGuiApplication::font(), desktop);
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, withDefaultFont(stand, [] {
                                 throw std::runtime_error("a build that fails");
                             }));
    QCOMPARE(QGuiApplication::font(), desktop);

    // Once a program has set it, Qt keeps the default font when the desktop's changes.
    QGuiApplication::setFont(stand);
    QWindow window;
    QEvent themeChange(QEvent::ThemeChange);
    QCoreApplication::sendEvent(&window, &themeChange);
    QCOMPARE(QGuiApplication::font(), QFontDatabase::systemFont(QFontDatabase::GeneralFont));
}

QTEST_MAIN(TestFonts)
#include "tst_fonts.moc"
