// Looks and mouse protocol of the three self-drawn button kinds, read back as pixels.
#include "controls/Fonts.h"
#include "controls/TAOLButton.h"
#include "controls/TEncartaButton.h"
#include "controls/TSelButton.h"
#include "data/ElementSymbols.h"

#include <QApplication>
#include <QHelpEvent>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QToolTip>
#include <QtTest>

namespace {

const QColor Face(0xE0, 0xE0, 0xE0);
const QColor Border(0x99, 0x8F, 0x82);
const QColor Over(0xD8, 0xBE, 0x0A);
const QColor Light(0xF8, 0xF4, 0xED);
const QColor Dark(0x4F, 0x4F, 0x4F);

QColor at(const QImage &image, int x, int y)
{
    return QColor(image.pixel(x, y));
}

// Bounding box of the pixels darker than `limit` (a black caption) inside `area`.
QRect darkBox(const QImage &image, QRect area, int limit = 200)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = at(image, x, y);
            if (c.red() + c.green() + c.blue() < limit)
                box |= QRect(x, y, 1, 1);
        }
    return box;
}

// Records the order of a button's signals together with the look it had at each.
struct EventLog
{
    QStringList entries;
    void watch(HoverButton *button)
    {
        auto note = [this, button](const char *what) {
            static const char *looks[] = {"normal", "hover", "pressed"};
            entries << QStringLiteral("%1/%2").arg(
                QString::fromLatin1(what),
                QString::fromLatin1(looks[static_cast<int>(button->currentLook())]));
        };
        QObject::connect(button, &HoverButton::mouseDown, button, [=] { note("down"); });
        QObject::connect(button, &HoverButton::clicked, button, [=] { note("click"); });
        QObject::connect(button, &HoverButton::mouseUp, button, [=] { note("up"); });
    }
};

// A button that draws its caption alone at (3, 2) on white, and a widget that draws a text
// there with the painter's own text drawing: the two must give the same pixels.
class CaptionOnly : public HoverButton
{
public:
    explicit CaptionOnly(QWidget *parent)
        : HoverButton(parent, QSize(120, 50), Qt::white, Qt::black)
    {}
    using HoverButton::captionSize;

protected:
    void paintLook(QPainter &painter, Look) override
    {
        painter.fillRect(rect(), Qt::white);
        drawCaption(painter, QPoint(3, 2), FontColor());
    }
};

class TextOnly : public QWidget
{
public:
    TextOnly(QWidget *parent, const QString &text) : QWidget(parent), m_text(text)
    {
        resize(120, 50);
        setAttribute(Qt::WA_OpaquePaintEvent); // as the buttons
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.setFont(font());
        painter.setPen(Qt::black);
        painter.drawText(3, 2 + QFontMetrics(font()).ascent(), m_text);
    }

private:
    QString m_text;
};

} // namespace

class TestHoverButtons : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void encartaDefaults();
    void encartaLooksByPixel_data();
    void encartaLooksByPixel();
    void encartaCaptionIsCentredUnlessHidden();
    void pressedLookMovesTheCaption_data();
    void pressedLookMovesTheCaption();
    void encartaFrameStaysOverTheCaption_data();
    void encartaFrameStaysOverTheCaption();
    void encartaGlyphBesideCaption();
    void encartaEventOrder();
    void untakenPressChangesNothing_data();
    void untakenPressChangesNothing();
    void releaseOutsideFiresNoClick();
    void settingColorRepaintsNormalEvenUnderMouse();
    void captionFollowsNameUntilSet();
    void captionDrawnAsTextIsDrawn_data();
    void captionDrawnAsTextIsDrawn();
    void aolRaisedAndPressedLooks();
    void aolHasNoHoverLook();
    void selButtonFrames_data();
    void selButtonFrames();
    void selButtonCaptionPlaces();
    void hintsFollowShowHintAndTheParent_data();
    void hintsFollowShowHintAndTheParent();
    void keysClickAFocusedButton_data();
    void keysClickAFocusedButton();
    void focusShowsOnlyAfterTheKeyboard();

private:
    template <class Button> Button *makeButton(QSize size);
    HoverButton *makeKind(const QString &kind);
    QWidget *m_form = nullptr;
};

void TestHoverButtons::init()
{
    m_form = new QWidget;
    m_form->resize(300, 200);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
    // Start every case with the cursor away from the buttons.
    QTest::mouseMove(m_form, QPoint(290, 190));
}

void TestHoverButtons::cleanup()
{
    delete m_form;
    m_form = nullptr;
}

template <class Button> Button *TestHoverButtons::makeButton(QSize size)
{
    auto *button = new Button(m_form);
    button->setGeometry(QRect(QPoint(20, 20), size));
    button->setColor(Face);
    button->show();
    return button;
}

// A button of the kind named ("encarta", "aol" or "sel") at the size the program gives it.
HoverButton *TestHoverButtons::makeKind(const QString &kind)
{
    if (kind == u"aol")
        return makeButton<TAOLButton>(QSize(33, 41));
    if (kind == u"sel")
        return makeButton<TSelButton>(QSize(97, 25));
    return makeButton<TEncartaButton>(QSize(86, 22));
}

void TestHoverButtons::encartaDefaults()
{
    TEncartaButton button;
    QCOMPARE(button.size(), QSize(86, 22));
    QCOMPARE(button.ColorBorder(), Border);
    QCOMPARE(button.ColorOver(), Over);
    QCOMPARE(button.ColorDown(), Over);
    QCOMPARE(button.ColorOverCaption(), QColor(Qt::black));
    QVERIFY(button.ShowCaption());
    QVERIFY(button.Enabled());
    // Tab reaches it; a click leaves the focus where it was.
    QCOMPARE(button.focusPolicy(), Qt::TabFocus);
    TAOLButton aol;
    QCOMPARE(aol.size(), QSize(89, 23));
    QCOMPARE(aol.Color(), QColor(0x34, 0x69, 0xA5));
    QCOMPARE(aol.RaiseColor(), QColor(0x8A, 0xA2, 0xD7));
    QCOMPARE(aol.FontColor(), QColor(Qt::white));
    QVERIFY(aol.font().bold());
    TSelButton sel;
    QCOMPARE(sel.size(), QSize(105, 20));
    QCOMPARE(sel.ColorBorder(), QColor(0x80, 0x80, 0x80));
    QCOMPARE(sel.ColorOver(), QColor(0x84, 0xB9, 0xA4));
    QCOMPARE(sel.BorderWidth(), 1);
    QCOMPARE(sel.Alignment(), TSelButton::CaptionAlignment::Left);
    QCOMPARE(sel.FontColor(), QColor(0x80, 0x80, 0x80));
}

void TestHoverButtons::encartaLooksByPixel_data()
{
    QTest::addColumn<bool>("enter");
    QTest::addColumn<bool>("press");
    QTest::addColumn<QColor>("fill");
    QTest::addColumn<QColor>("topLeft");    // (0, 0)
    QTest::addColumn<QColor>("top");        // (10, 0)
    QTest::addColumn<QColor>("left");       // (0, 10)
    QTest::addColumn<QColor>("topRight");   // (W - 1, 0)
    QTest::addColumn<QColor>("right");      // (W - 1, 10)
    QTest::addColumn<QColor>("bottomLeft"); // (0, H - 1)
    QTest::addColumn<QColor>("bottom");     // (10, H - 1)
    QTest::newRow("normal") << false << false << Face << Border << Border << Border << Border
                            << Border << Border << Border;
    QTest::newRow("hover, raised edge")
        << true << false << Over << Light << Light << Light << Dark << Dark << Dark << Dark;
    QTest::newRow("pressed, sunken edge")
        << true << true << Over << Dark << Dark << Dark << Light << Light << Light << Light;
}

void TestHoverButtons::encartaLooksByPixel()
{
    QFETCH(bool, enter);
    QFETCH(bool, press);
    auto *button = makeButton<TEncartaButton>(QSize(33, 33));
    button->setCaption(QStringLiteral("Fe"));
    if (enter)
        QTest::mouseMove(button, QPoint(3, 3));
    if (press)
        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(3, 3));
    const QImage image = button->grab().toImage();
    QTEST(at(image, 16, 3), "fill");
    QTEST(at(image, 0, 0), "topLeft");
    QTEST(at(image, 10, 0), "top");
    QTEST(at(image, 0, 10), "left");
    QTEST(at(image, 32, 0), "topRight");
    QTEST(at(image, 32, 10), "right");
    QTEST(at(image, 0, 32), "bottomLeft");
    QTEST(at(image, 10, 32), "bottom");
    if (press)
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(3, 3));
}

void TestHoverButtons::encartaCaptionIsCentredUnlessHidden()
{
    auto *button = makeButton<TEncartaButton>(QSize(33, 33));
    button->setCaption(QStringLiteral("W"));
    const QRect inner(2, 2, 29, 29);
    const QRect normal = darkBox(button->grab().toImage(), inner);
    QVERIFY(!normal.isEmpty());
    // Centred within a pixel or two of font bearing.
    QVERIFY2(qAbs((normal.left() - 0) - (32 - normal.right())) <= 2, "caption not centred");
    button->setShowCaption(false);
    QVERIFY(darkBox(button->grab().toImage(), inner).isEmpty());
}

void TestHoverButtons::pressedLookMovesTheCaption_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("centred");
    QTest::newRow("TEncartaButton") << "encarta" << false;
    QTest::newRow("TSelButton, left") << "sel" << false;
    QTest::newRow("TSelButton, centred") << "sel" << true;
}

// Pressed, the caption sinks a pixel right and down with the face; let go over the button,
// it comes back up, lit.
void TestHoverButtons::pressedLookMovesTheCaption()
{
    QFETCH(QString, kind);
    QFETCH(bool, centred);
    HoverButton *button = makeKind(kind);
    if (centred)
        static_cast<TSelButton *>(button)->setAlignment(TSelButton::CaptionAlignment::Center);
    button->setCaption(QStringLiteral("OK"));
    button->setFontColor(Qt::black); // the select button's own grey is too light to find
    const QRect inner = button->rect().adjusted(2, 2, -2, -2);
    const QRect normal = darkBox(button->grab().toImage(), inner);
    QVERIFY(!normal.isEmpty());
    QTest::mouseMove(button, QPoint(10, 10));
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(darkBox(button->grab().toImage(), inner).topLeft(), normal.topLeft() + QPoint(1, 1));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(darkBox(button->grab().toImage(), inner).topLeft(), normal.topLeft());
    QCOMPARE(button->currentLook(), HoverButton::Look::Hover);
}

void TestHoverButtons::encartaFrameStaysOverTheCaption_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("pixels");
    QTest::newRow("inside") << "Fe" << QSize(33, 33) << 15;
    QTest::newRow("wider than the button") << "MMMMMMMM" << QSize(40, 33) << 15;
    QTest::newRow("taller than the button") << "Hg" << QSize(60, 16) << 37;
}

// Every pixel of the one-pixel frame has the frame's colour, whatever the caption.
void TestHoverButtons::encartaFrameStaysOverTheCaption()
{
    QFETCH(QString, caption);
    QFETCH(QSize, size);
    QFETCH(int, pixels);
    auto *button = makeButton<TEncartaButton>(size);
    button->setFont(pixelFont(QStringLiteral("Arial"), pixels, true));
    button->setCaption(caption);
    const QImage shot = button->grab().toImage();
    const int w = size.width();
    const int h = size.height();
    QVERIFY(!darkBox(shot, QRect(1, 1, w - 2, h - 2)).isEmpty()); // the caption is drawn
    for (int x = 0; x < w; ++x) {
        QCOMPARE(at(shot, x, 0), Border);
        QCOMPARE(at(shot, x, h - 1), Border);
    }
    for (int y = 0; y < h; ++y) {
        QCOMPARE(at(shot, 0, y), Border);
        QCOMPARE(at(shot, w - 1, y), Border);
    }
}

void TestHoverButtons::encartaGlyphBesideCaption()
{
    // A 6 x 6 glyph: red (its top-left colour) is transparent, the rest blue.
    QImage glyph(6, 6, QImage::Format_RGB32);
    glyph.fill(Qt::blue);
    glyph.setPixel(0, 0, qRgb(255, 0, 0));
    glyph.setPixel(5, 5, qRgb(255, 0, 0));
    auto *button = makeButton<TEncartaButton>(QSize(60, 22));
    button->setGlyph(QPixmap::fromImage(glyph));
    button->setShowCaption(false);
    QImage image = button->grab().toImage();
    // Centred alone: x = 30 - 3, y = 11 - 3.
    QCOMPARE(at(image, 27, 8), Face);
    QCOMPARE(at(image, 28, 8), QColor(Qt::blue));
    QCOMPARE(at(image, 32, 12), QColor(Qt::blue));
    QCOMPARE(at(image, 32, 13), Face); // transparent corner
    QCOMPARE(at(image, 33, 12), Face);

    button->setShowCaption(true);
    button->setCaption(QStringLiteral("ab"));
    const int textWidth = QFontMetrics(button->font()).horizontalAdvance(QStringLiteral("ab"));
    const int glyphLeft = 60 / 2 - (6 + textWidth) / 2 - 1;
    image = button->grab().toImage();
    QCOMPARE(at(image, glyphLeft + 1, 8), QColor(Qt::blue));
    QCOMPARE(at(image, glyphLeft - 1, 9), Face);
    // The caption starts right of the glyph.
    const QRect caption = darkBox(image, QRect(glyphLeft + 7, 2, 60 - glyphLeft - 10, 18), 150);
    QVERIFY(!caption.isEmpty());
    QVERIFY(caption.left() >= 60 / 2 + (6 - textWidth) / 2 + 4 - 1);
}

void TestHoverButtons::encartaEventOrder()
{
    auto *button = makeButton<TEncartaButton>(QSize(33, 33));
    EventLog log;
    log.watch(button);
    QTest::mouseMove(button, QPoint(10, 10));
    QCOMPARE(button->currentLook(), HoverButton::Look::Hover);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(button->currentLook(), HoverButton::Look::Pressed);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(10, 10));
    // Down before the pressed look; the click drawn normal, then up, then lit again.
    QCOMPARE(log.entries, QStringList({"down/hover", "click/normal", "up/normal"}));
    QCOMPARE(button->currentLook(), HoverButton::Look::Hover);
    QTest::mouseMove(m_form, QPoint(250, 150));
    QTRY_COMPARE(button->currentLook(), HoverButton::Look::Normal);
}

void TestHoverButtons::untakenPressChangesNothing_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("mouseButton");
    QTest::addColumn<bool>("enabled");
    for (const char *kind : {"encarta", "aol", "sel"}) {
        const QByteArray name(kind);
        QTest::newRow(name + " right button") << kind << int(Qt::RightButton) << true;
        QTest::newRow(name + " left button, Enabled off") << kind << int(Qt::LeftButton) << false;
    }
}

// A press the button does not take, by the right button or with Enabled off, changes no look
// and fires nothing; the moves over it are still reported.
void TestHoverButtons::untakenPressChangesNothing()
{
    QFETCH(QString, kind);
    QFETCH(int, mouseButton);
    QFETCH(bool, enabled);
    const auto pressed = Qt::MouseButton(mouseButton);
    HoverButton *button = makeKind(kind);
    button->setButtonEnabled(enabled);
    QSignalSpy downs(button, &HoverButton::mouseDown);
    QSignalSpy clicks(button, &HoverButton::clicked);
    QSignalSpy ups(button, &HoverButton::mouseUp);
    QSignalSpy moves(button, &HoverButton::mouseMoved);
    const QImage normal = button->grab().toImage();
    QTest::mouseMove(button, QPoint(10, 10));
    if (!enabled)
        QCOMPARE(button->grab().toImage(), normal); // not lit by the mouse either
    const QImage before = button->grab().toImage();
    QTest::mousePress(button, pressed, {}, QPoint(10, 10));
    QCOMPARE(button->grab().toImage(), before);
    QTest::mouseRelease(button, pressed, {}, QPoint(10, 10));
    QCOMPARE(button->grab().toImage(), before);
    QCOMPARE(downs.count(), 0);
    QCOMPARE(clicks.count(), 0);
    QCOMPARE(ups.count(), 0);
    QVERIFY(!moves.isEmpty());
    QCOMPARE(moves.last().at(0).toPoint(), QPoint(10, 10));
}

void TestHoverButtons::releaseOutsideFiresNoClick()
{
    auto *button = makeButton<TEncartaButton>(QSize(33, 33));
    QSignalSpy clicks(button, &HoverButton::clicked);
    QSignalSpy ups(button, &HoverButton::mouseUp);
    QTest::mouseMove(button, QPoint(10, 10));
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(60, 60));
    QCOMPARE(clicks.count(), 0);
    QCOMPARE(ups.count(), 1);
    QCOMPARE(button->currentLook(), HoverButton::Look::Normal);
}

void TestHoverButtons::settingColorRepaintsNormalEvenUnderMouse()
{
    auto *button = makeButton<TEncartaButton>(QSize(33, 33));
    QTest::mouseMove(button, QPoint(10, 10));
    QCOMPARE(at(button->grab().toImage(), 16, 3), Over);
    button->setColor(QColor(0xFF, 0xFF, 0x80));
    const QImage image = button->grab().toImage();
    QCOMPARE(at(image, 16, 3), QColor(0xFF, 0xFF, 0x80));
    QCOMPARE(at(image, 0, 0), Border);
}

void TestHoverButtons::captionFollowsNameUntilSet()
{
    auto *button = new TEncartaButton;
    button->setObjectName(QStringLiteral("EncartaButton7"));
    button->setParent(m_form);
    QCOMPARE(button->Caption(), QStringLiteral("EncartaButton7"));
    button->setCaption(QStringLiteral("OK"));
    button->setObjectName(QStringLiteral("Other"));
    QCOMPARE(button->Caption(), QStringLiteral("OK"));
}

void TestHoverButtons::captionDrawnAsTextIsDrawn_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QFont>("font");
    const QFont element = pixelFont(QStringLiteral("Arial"), 15, true);
    for (int z = 1; z <= ElementSymbols::Count; ++z)
        QTest::addRow("%d", z) << ElementSymbols::symbol(z) << element;
    QTest::newRow("mode button") << "Mode M / %" << pixelFont(QStringLiteral("Arial"), 11, true);
    QTest::newRow("step") << ">" << pixelFont(QStringLiteral("Arial"), 16, true);
    QTest::newRow("accents, serif") << "Éléments à été" << pixelFont(QStringLiteral("Times"), 37);
    QFont unkerned = element;
    unkerned.setKerning(false);
    QTest::newRow("Te, kerning off") << "Te" << unkerned;
    QTest::newRow("Ta, serif") << "Ta" << pixelFont(QStringLiteral("Times New Roman"), 21, true);
    for (const char *kerned : {"AV", "LT", "VA", "TY", "IV", "VII", "18", "1A"})
        QTest::newRow(kerned) << QString::fromLatin1(kerned) << element;
    QTest::newRow("no caption") << "" << element;
    QTest::newRow("blanks round it") << " Fe  " << element;
}

// The caption is shaped once and drawn and measured from then on from what was shaped: it
// must stand where the painter's own text drawing puts it, and be as wide as the font's
// metrics make it (the buttons centre it by that width), also after its text and its font
// change.
void TestHoverButtons::captionDrawnAsTextIsDrawn()
{
    QFETCH(QString, caption);
    QFETCH(QFont, font);
    const auto drawnAsText = [this, &font](const QString &text) {
        TextOnly reference(m_form, text);
        reference.setFont(font);
        return reference.grab().toImage();
    };
    auto *button = new CaptionOnly(m_form);
    button->setCaption(caption);
    button->setFont(pixelFont(QStringLiteral("Arial"), 11));
    button->grab(); // shaped in the first font
    // The face drawn at another size first: the caption's is resized from it.
    QFont otherSize = font;
    otherSize.setPixelSize(font.pixelSize() + 7);
    button->setFont(otherSize);
    button->grab();
    button->setFont(font);
    const QFontMetrics metrics(font);
    QCOMPARE(button->grab().toImage(), drawnAsText(caption));
    QCOMPARE(button->captionSize(), QSize(metrics.horizontalAdvance(caption), metrics.height()));
    button->setCaption(QStringLiteral("Wo"));
    QCOMPARE(button->grab().toImage(), drawnAsText(QStringLiteral("Wo")));
    QCOMPARE(button->captionSize().width(), metrics.horizontalAdvance(QStringLiteral("Wo")));
}

void TestHoverButtons::aolRaisedAndPressedLooks()
{
    auto *button = makeButton<TAOLButton>(QSize(33, 41));
    button->setColor(QColor(0x80, 0x00, 0x00));
    button->setRaiseColor(QColor(0xC6, 0x00, 0x00));
    button->setCaption(QStringLiteral(">"));
    const QColor body(0x80, 0x00, 0x00), raise(0xC6, 0x00, 0x00), black(Qt::black);
    QImage image = button->grab().toImage();
    QCOMPARE(at(image, 0, 20), black); // frame
    QCOMPARE(at(image, 1, 20), raise);
    QCOMPARE(at(image, 2, 20), raise);
    QCOMPARE(at(image, 3, 20), body);
    QCOMPARE(at(image, 16, 1), raise);
    QCOMPARE(at(image, 16, 2), raise);
    QCOMPARE(at(image, 30, 20), black);
    QCOMPARE(at(image, 31, 20), black);
    QCOMPARE(at(image, 29, 20), body);
    QCOMPARE(at(image, 16, 38), black);
    QCOMPARE(at(image, 16, 39), black);

    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
    image = button->grab().toImage();
    QCOMPARE(at(image, 16, 1), black);
    QCOMPARE(at(image, 16, 2), body);
    QCOMPARE(at(image, 1, 20), body);
    QCOMPARE(at(image, 30, 20), body);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(at(button->grab().toImage(), 1, 20), raise);
}

void TestHoverButtons::aolHasNoHoverLook()
{
    auto *button = makeButton<TAOLButton>(QSize(33, 41));
    const QImage before = button->grab().toImage();
    QTest::mouseMove(button, QPoint(10, 10));
    QCOMPARE(button->grab().toImage(), before);
    QSignalSpy clicks(button, &HoverButton::clicked);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(button->grab().toImage(), before);
}

void TestHoverButtons::selButtonFrames_data()
{
    QTest::addColumn<int>("borderWidth");
    QTest::newRow("no frame") << 0;
    QTest::newRow("one frame") << 1;
    QTest::newRow("three nested frames") << 3;
}

void TestHoverButtons::selButtonFrames()
{
    QFETCH(int, borderWidth);
    auto *button = makeButton<TSelButton>(QSize(97, 25));
    button->setColor(QColor(0x00, 0x80, 0xC0));
    button->setColorBorder(Qt::black);
    button->setBorderWidth(borderWidth);
    const QImage image = button->grab().toImage();
    for (int i = 0; i < 6; ++i) {
        const QColor expected = i < borderWidth ? QColor(Qt::black) : QColor(0x00, 0x80, 0xC0);
        QCOMPARE(at(image, i, 12), expected);
        QCOMPARE(at(image, 96 - i, 12), expected);
        QCOMPARE(at(image, 80, i), expected);
        QCOMPARE(at(image, 80, 24 - i), expected);
    }
    // No bevel in any look: the hover look only changes the fill.
    QTest::mouseMove(button, QPoint(50, 12));
    const QImage hover = button->grab().toImage();
    QCOMPARE(at(hover, 80, 12), QColor(0x84, 0xB9, 0xA4));
    QCOMPARE(at(hover, 0, 0), borderWidth ? QColor(Qt::black) : QColor(0x84, 0xB9, 0xA4));
}

void TestHoverButtons::selButtonCaptionPlaces()
{
    auto *button = makeButton<TSelButton>(QSize(97, 25));
    button->setCaption(QStringLiteral("OK"));
    const int tw = QFontMetrics(button->font()).horizontalAdvance(QStringLiteral("OK"));
    const int th = QFontMetrics(button->font()).height();
    QCOMPARE(button->captionPlace(), QPoint(5, 25 / 2 - th / 2));
    button->setAlignment(TSelButton::CaptionAlignment::Right);
    QCOMPARE(button->captionPlace().x(), 97 - tw - 6);
    button->setAlignment(TSelButton::CaptionAlignment::Center);
    QCOMPARE(button->captionPlace().x(), 97 / 2 - tw / 2);
}

void TestHoverButtons::hintsFollowShowHintAndTheParent_data()
{
    QTest::addColumn<bool>("showHint");
    QTest::addColumn<bool>("parentShowHint");
    QTest::addColumn<QVariant>("parentSetting");
    QTest::addColumn<bool>("shown");
    QTest::newRow("defaults") << true << true << QVariant() << true;
    QTest::newRow("own flag off") << false << false << QVariant() << false;
    QTest::newRow("parent says no") << true << true << QVariant(false) << false;
    QTest::newRow("parent ignored") << true << false << QVariant(false) << true;
}

void TestHoverButtons::hintsFollowShowHintAndTheParent()
{
    QFETCH(bool, showHint);
    QFETCH(bool, parentShowHint);
    QFETCH(QVariant, parentSetting);
    QFETCH(bool, shown);
    auto *button = makeButton<TEncartaButton>(QSize(40, 30));
    button->setToolTip(QStringLiteral("element suivant"));
    button->setShowHint(showHint);
    button->setParentShowHint(parentShowHint);
    m_form->setProperty("ShowHint", parentSetting);
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), button->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(button, &help);
    QTRY_COMPARE(QToolTip::isVisible(), shown);
    QToolTip::hideText();
}

void TestHoverButtons::keysClickAFocusedButton_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("clicks");
    for (const char *kind : {"encarta", "aol", "sel"}) {
        const QByteArray name(kind);
        QTest::newRow(name + " Return") << kind << int(Qt::Key_Return) << true << 1;
        QTest::newRow(name + " Enter") << kind << int(Qt::Key_Enter) << true << 1;
        QTest::newRow(name + " Space") << kind << int(Qt::Key_Space) << true << 1;
        QTest::newRow(name + " a letter") << kind << int(Qt::Key_A) << true << 0;
        QTest::newRow(name + " Return, Enabled off") << kind << int(Qt::Key_Return) << false << 0;
    }
}

void TestHoverButtons::keysClickAFocusedButton()
{
    QFETCH(QString, kind);
    QFETCH(int, key);
    QFETCH(bool, enabled);
    HoverButton *button = makeKind(kind);
    button->setButtonEnabled(enabled);
    QSignalSpy clicks(button, &HoverButton::clicked);
    button->setFocus(Qt::TabFocusReason);
    QTest::keyClick(button, Qt::Key(key));
    QTEST(int(clicks.count()), "clicks");
}

void TestHoverButtons::focusShowsOnlyAfterTheKeyboard()
{
    auto *button = makeButton<TEncartaButton>(QSize(86, 22));
    button->setCaption(QStringLiteral("OK"));
    const QImage plain = button->grab().toImage();
    // The window handing the focus over, as at the start, shows nothing.
    button->setFocus(Qt::ActiveWindowFocusReason);
    QVERIFY(button->hasFocus() && !button->showsFocus());
    QCOMPARE(button->grab().toImage(), plain);
    // Tab lights it and frames its caption.
    button->clearFocus();
    button->setFocus(Qt::TabFocusReason);
    QVERIFY(button->showsFocus());
    QCOMPARE(button->currentLook(), HoverButton::Look::Hover);
    const QImage focused = button->grab().toImage();
    QCOMPARE(at(focused, 40, 0), Light);
    QCOMPARE(at(focused, 40, 1), Over);
    QVERIFY(focused != plain);
    button->clearFocus();
    QCOMPARE(button->grab().toImage(), plain);
}

QTEST_MAIN(TestHoverButtons)
#include "tst_hoverbuttons.moc"
