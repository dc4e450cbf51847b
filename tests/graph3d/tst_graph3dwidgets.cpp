// The 3-D control, window and image copy window on screen: what the picture shows, read
// back as pixels, and how the mouse, the swatches, the views and the copy act on it.
#include "MessageBoxes.h"
#include "SaveDialogPlayer.h"
#include "TestFiles.h"
#include "ToolOutput.h"
#include "controls/TitledPicture.h"
#include "graph3d/ColourSwatch.h"
#include "graph3d/TGraph3D.h"
#include "graph3d/TMain3D.h"
#include "graph3d/TfrmCopy.h"

#include <QApplication>
#include <QCheckBox>
#include <QCursor>
#include <QDir>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cerrno>
#include <cstring>

namespace {

const QColor HautColour(247, 162, 34);
const QColor NAColour(255, 0, 0);
const QColor BasColour(0, 255, 128);
const QColor PureBlue(0, 0, 255);

// Every bar 50 high but hydrogen's, which has no value.
Graph3DModel::HeightTable testHeights()
{
    Graph3DModel::HeightTable heights;
    heights.fill(50);
    heights[0] = 0.05;
    return heights;
}

int countPixels(const QImage &image, const QColor &colour, const QRect &area = {})
{
    const QRect r = area.isNull() ? image.rect() : area.intersected(image.rect());
    int count = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x)
            count += image.pixelColor(x, y) == colour;
    }
    return count;
}

// Pixels of text or outline: dark whatever the smoothing of the glyphs.
int countDark(const QImage &image, const QRect &area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.red() + c.green() + c.blue() < 200;
        }
    }
    return count;
}

const TTrapezeInfo &topOf(const TGraph3D &graph, const QString &symbol)
{
    for (const TTrapezeInfo &face : graph.model().faces()) {
        if (face.label == symbol)
            return face;
    }
    qFatal("no top face for %s", qPrintable(symbol));
}

// The share of the pixels well inside a face (off its outline and its symbol) that show
// `colour`.
double faceShare(const QImage &image, const TTrapezeInfo &face, const QColor &colour)
{
    const QPolygon polygon(QList<QPoint>(face.points.begin(), face.points.end()));
    const QPoint centre = polygon.boundingRect().center();
    const QRect symbol(centre.x() - 8, centre.y() - 7, 24, 16);
    int inside = 0, matching = 0;
    const QRect box = polygon.boundingRect();
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            bool interior = !symbol.contains(x, y);
            for (QPoint d :
                 {QPoint(0, 0), QPoint(2, 0), QPoint(-2, 0), QPoint(0, 2), QPoint(0, -2)})
                interior = interior && polygon.containsPoint(QPoint(x, y) + d, Qt::OddEvenFill);
            if (interior) {
                ++inside;
                matching += image.pixelColor(x, y) == colour;
            }
        }
    }
    return inside ? double(matching) / inside : 0;
}

// The blue pixels on or next to the line between two screen points, per point walked.
double lineShare(const QImage &image, QPoint from, QPoint to, const QColor &colour)
{
    const int steps = std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y()));
    int hits = 0, walked = 0;
    for (int i = 2; i < steps - 2; ++i) {
        const QPoint p = from + (to - from) * (double(i) / steps);
        if (!image.rect().contains(p))
            continue;
        ++walked;
        hits += countPixels(image, colour, QRect(p - QPoint(1, 1), QSize(3, 3))) > 0;
    }
    return walked ? double(hits) / walked : 0;
}

void mouse(QWidget *widget, QEvent::Type type, QPoint at)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton);
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// One drag through the given points (pressed at the first).
void drag(QWidget *widget, const QList<QPoint> &path, bool release = true)
{
    mouse(widget, QEvent::MouseButtonPress, path.front());
    for (int i = 1; i < path.size(); ++i)
        mouse(widget, QEvent::MouseMove, path[i]);
    if (release)
        mouse(widget, QEvent::MouseButtonRelease, path.back());
}

// Runs `check` on the next modal window once it shows, then closes it.
void whenModal(std::function<void(QWidget *)> check)
{
    QTimer::singleShot(0, [check] {
        QTRY_VERIFY(QApplication::activeModalWidget());
        QWidget *modal = QApplication::activeModalWidget();
        check(modal);
        modal->close();
    });
}

// A shown 3-D window over the test heights.
struct Window
{
    Graph3DModel::HeightTable heights = testHeights();
    TMain3D main{heights};
    TGraph3D *graph = main.graph();

    Window()
    {
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
    }
    QImage shot() const { return graph->grab().toImage(); }
    void choose(const char *item)
    {
        main.findChild<QRadioButton *>(QStringLiteral("rgMouse_") + QLatin1String(item))->click();
    }
    void press(const char *button)
    {
        main.findChild<QPushButton *>(QString::fromLatin1(button))->click();
    }
    void tick(const char *box) { main.findChild<QCheckBox *>(QString::fromLatin1(box))->click(); }
};

// Gives the copy window a picture of one colour, and returns it to compare with the saves.
QImage givePicture(TfrmCopy &copy, QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(HautColour);
    copy.setPicture(picture);
    return picture;
}

} // namespace

class TestGraph3DWidgets : public QObject
{
    Q_OBJECT

private slots:
    void windowStartsFromItsLayout();
    void topsInTheHautColourAndBarsWithoutValueInNA();
    void axesOnlyWhenTicked();
    void bitmapIsTheClientAreaWithoutNotification();
    void dragTurnsTheView_data();
    void dragTurnsTheView();
    void firstMoveBlanksAndReleaseDrawsAgain();
    void zoomStopsAtItsBounds();
    void panFollowsTheMouseAndCentreBringsItBack();
    void leavingEndsTheDrag();
    void viewPresetsForgetThePanKeepTheZoom();
    void sizeChangesRescaleAndCentre();
    void manyMovesAndTinySizes();
    void redrawLoopRunsFromTheEventLoop();
    void swatchesRecolourThePicture();
    void swatchesAnswerTheKeyboard();
    void cancelledColourChangesNothing();
    void copyHoldsThePictureAndItsCaption();
    void completedName_data();
    void completedName();
    void savingCompletesTheName_data();
    void savingCompletesTheName();
    void saveFailuresAreReported();
    void titledCopies_data();
    void titledCopies();
};

void TestGraph3DWidgets::windowStartsFromItsLayout()
{
    Window w;
    QCOMPARE(w.main.size(), QSize(717, 560));
    QCOMPARE(w.graph->geometry(), QRect(0, 73, 717, 487));
    const std::pair<const char *, QColor> swatches[] = {{"Panel3", Qt::white},
                                                        {"CouleurAxe", QColor(24, 7, 235)},
                                                        {"CouleurHaut", HautColour},
                                                        {"Couleurdevant", QColor(80, 171, 201)},
                                                        {"CouleurDroite", QColor(79, 150, 202)},
                                                        {"Couleurbas", BasColour},
                                                        {"CouleurNA", NAColour}};
    for (const auto &[name, colour] : swatches) {
        auto *swatch = w.main.findChild<ColourSwatch *>(name);
        QCOMPARE(swatch->Color(), colour);
        // The caption stands out from the fill in brightness, whatever the colour.
        const QImage image = swatch->grab().toImage();
        int contrasting = 0;
        for (int y = 2; y < image.height() - 2; ++y) {
            for (int x = 2; x < image.width() - 2; ++x)
                contrasting += std::abs(qGray(image.pixel(x, y)) - qGray(colour.rgb())) > 100;
        }
        QVERIFY2(contrasting > 10, name);
    }
    // Until the user picks one, the axes keep the control's own blue.
    QCOMPARE(w.graph->AxesColor(), PureBlue);
    QVERIFY(!w.main.findChild<QCheckBox *>("cbAxes")->isChecked());
    QVERIFY(!w.main.findChild<QCheckBox *>("CheckBox1")->isChecked());
    QVERIFY(w.main.findChild<QRadioButton *>("rgMouse_none")->isChecked());
    QCOMPARE(w.graph->MouseControl(), TGraph3D::TMouseControl::mcNone);
    QCOMPARE(w.graph->Theta(), 240);
    QCOMPARE(w.graph->Phi(), 300);
    QCOMPARE(w.main.palette().color(QPalette::Window), QColor(Qt::white));
    // The radio items in their order set the modes in theirs.
    const std::pair<const char *, TGraph3D::TMouseControl> modes[] = {
        {"rotate", TGraph3D::TMouseControl::mcRotate},
        {"pan", TGraph3D::TMouseControl::mcMove},
        {"zoom", TGraph3D::TMouseControl::mcZoom},
        {"none", TGraph3D::TMouseControl::mcNone}};
    for (const auto &[item, mode] : modes) {
        w.choose(item);
        QCOMPARE(w.graph->MouseControl(), mode);
    }
}

void TestGraph3DWidgets::topsInTheHautColourAndBarsWithoutValueInNA()
{
    Window w;
    QImage image = w.shot();
    for (const char *symbol : {"Fe", "He", "Lr", "Cs"})
        QVERIFY2(faceShare(image, topOf(*w.graph, symbol), HautColour) > 0.95, symbol);
    QVERIFY(faceShare(image, topOf(*w.graph, "H"), NAColour) > 0.95);
    // Every top carries its symbol, the flat one too: dark text where the top is plain.
    for (const TTrapezeInfo &face : w.graph->model().faces()) {
        if (face.kind != FaceKind::Haut)
            continue;
        const QPoint middle =
            QPolygon(QList<QPoint>(face.points.begin(), face.points.end())).boundingRect().center();
        const QRect centre(middle - QPoint(6, 3), QSize(10, 6));
        QVERIFY2(countDark(image, centre) > 0, qPrintable(face.label));
    }
    // From below the bottoms show, and no top.
    w.graph->setPhi(120);
    w.graph->CentreView();
    w.graph->requestFullDraw();
    image = w.shot();
    QCOMPARE(countPixels(image, HautColour), 0);
    QVERIFY(countPixels(image, BasColour) > 10000);
    // Nor any symbol: with the axes off the symbols are the only text, so another font
    // leaves the picture as it was (from above, it changes it).
    const QFont normal = w.graph->font();
    QFont larger = normal;
    larger.setPixelSize(24);
    for (int phi : {120, 300}) {
        w.graph->setPhi(phi);
        w.graph->setFont(normal);
        const QImage before = w.graph->GetBitmap();
        w.graph->setFont(larger);
        QCOMPARE(w.graph->GetBitmap() == before, phi == 120);
    }
}

void TestGraph3DWidgets::axesOnlyWhenTicked()
{
    Window w;
    QCOMPARE(countPixels(w.shot(), PureBlue), 0);
    w.tick("cbAxes");
    QVERIFY(w.graph->DrawAxes());
    const QImage image = w.shot();
    const auto &segments = Graph3DGeometry::axisSegments();
    const auto line = [&](int i) {
        return lineShare(image, w.graph->model().ProjectPoint(segments[i].from),
                         w.graph->model().ProjectPoint(segments[i].to), PureBlue);
    };
    // From Theta 240 the X axis is in front, solid over the bars; the far X-parallel edge
    // is behind, dashed and partly hidden by them.
    QVERIFY2(line(0) > 0.95, qPrintable(QString::number(line(0))));
    QVERIFY2(line(3) < 0.6, qPrintable(QString::number(line(3))));
    QVERIFY(line(3) > 0.05);
}

void TestGraph3DWidgets::bitmapIsTheClientAreaWithoutNotification()
{
    Window w;
    const QImage onScreen = w.shot();
    QSignalSpy drawn(w.graph, &TGraph3D::AfterDraw);
    const QImage bitmap = w.graph->GetBitmap();
    QCOMPARE(drawn.count(), 0);
    QCOMPARE(bitmap.size(), w.graph->size());
    QCOMPARE(bitmap.convertToFormat(QImage::Format_RGB32),
             onScreen.convertToFormat(QImage::Format_RGB32));
    w.graph->requestFullDraw();
    w.shot();
    QCOMPARE(drawn.count(), 1);
    // The frame: shadow along the top and left edges, wiped when it is switched off.
    QCOMPARE(onScreen.pixel(0, 5), w.graph->palette().color(QPalette::Dark).rgb());
    w.graph->setShowFrame(false);
    const QImage plain = w.shot();
    for (QPoint edge : {QPoint(0, 5), QPoint(5, 0), QPoint(716, 5), QPoint(5, 486)})
        QCOMPARE(plain.pixelColor(edge), QColor(Qt::white));
}

// Rotation: half a turn per width across, per height down, rounded; from 240, 300.
void TestGraph3DWidgets::dragTurnsTheView_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QPolygon>("path");
    QTest::addColumn<int>("theta");
    QTest::addColumn<int>("phi");
    QTest::addColumn<bool>("pictureKept"); // while the button is held
    QTest::newRow("none mode ignores the drag")
        << "none" << QPolygon{{300, 200}, {100, 300}, {50, 20}} << 240 << 300 << true;
    // 358 * 180 / 717 = 89.9, so 90 degrees more.
    QTest::newRow("half the width to the left")
        << "rotate" << QPolygon{{600, 200}, {242, 200}} << 330 << 300 << false;
    // Further left wraps past 360: 179 pixels more turn 45 degrees.
    QTest::newRow("wraps past 360")
        << "rotate" << QPolygon{{600, 200}, {242, 200}, {63, 200}} << 15 << 300 << false;
    // 300 + 180 wraps to 120, as 300 - 180 would: half the height tells down from up.
    QTest::newRow("full height down")
        << "rotate" << QPolygon{{100, 0}, {100, 486}} << 240 << 120 << false;
    QTest::newRow("half the height down")
        << "rotate" << QPolygon{{100, 100}, {100, 343}} << 240 << 30 << false;
    // 0.25 degree across, 0.37 down, each time: every move rounds to nothing.
    QPolygon shortMoves = {{300, 200}};
    for (int i = 1; i <= 100; ++i)
        shortMoves << QPoint(300 - i, 200 + i);
    QTest::newRow("short moves turn nothing") << "rotate" << shortMoves << 240 << 300 << false;
}

void TestGraph3DWidgets::dragTurnsTheView()
{
    QFETCH(QString, mode);
    QFETCH(QPolygon, path);
    QFETCH(bool, pictureKept);
    Window w;
    w.choose(qPrintable(mode));
    const QImage before = w.shot();
    drag(w.graph, path, false);
    QCOMPARE(w.shot() == before, pictureKept);
    // The view turns while the button is held, and the release leaves it there.
    QTEST(w.graph->Theta(), "theta");
    QTEST(w.graph->Phi(), "phi");
    mouse(w.graph, QEvent::MouseButtonRelease, path.back());
    QTEST(w.graph->Theta(), "theta");
    QTEST(w.graph->Phi(), "phi");
}

void TestGraph3DWidgets::firstMoveBlanksAndReleaseDrawsAgain()
{
    Window w;
    w.choose("rotate");
    drag(w.graph, {{300, 200}, {290, 200}, {250, 210}}, false);
    QImage image = w.shot();
    QCOMPARE(countPixels(image, HautColour), 0);
    // Only the preview: the five axis lines in the axes colour, though the axes are off.
    QVERIFY(countPixels(image, PureBlue) > 300);
    QCOMPARE(countPixels(image, Qt::white) + countPixels(image, PureBlue),
             image.width() * image.height());
    mouse(w.graph, QEvent::MouseButtonRelease, {250, 210});
    image = w.shot();
    QVERIFY(countPixels(image, HautColour) > 10000);
    QCOMPARE(countPixels(image, PureBlue), 0);
}

void TestGraph3DWidgets::zoomStopsAtItsBounds()
{
    Window w;
    w.choose("zoom");
    drag(w.graph, {{700, 200}, {5, 200}});
    QCOMPARE(w.graph->ZoomX(), 0.1f);
    for (int stroke = 0; stroke < 4; ++stroke)
        drag(w.graph, {{300, 480}, {300, 5}});
    QCOMPARE(w.graph->ZoomY(), 3.0f);
    QCOMPARE(w.graph->ZoomX(), 0.1f);
    // The zoomed picture is centred again: the model centre stays in the middle.
    QCOMPARE(w.graph->model().ProjectPoint(w.graph->model().Centre()), QPoint(358, 243));
}

void TestGraph3DWidgets::panFollowsTheMouseAndCentreBringsItBack()
{
    Window w;
    w.shot();
    const QPoint start = topOf(*w.graph, "Fe").points[0];
    w.choose("pan");
    drag(w.graph, {{300, 200}, {310, 205}, {330, 225}});
    w.shot();
    QCOMPARE(topOf(*w.graph, "Fe").points[0], start + QPoint(30, 25));
    w.press("cmdCentre");
    w.shot();
    QCOMPARE(topOf(*w.graph, "Fe").points[0], start);
    QCOMPARE(w.graph->model().Offset(), QPoint(0, 0));
}

void TestGraph3DWidgets::leavingEndsTheDrag()
{
    Window w;
    w.choose("rotate");
    drag(w.graph, {{300, 200}, {280, 200}, {-40, 200}}, false);
    const int theta = w.graph->Theta();
    QVERIFY(countPixels(w.shot(), HautColour) > 10000); // drawn in full at once
    mouse(w.graph, QEvent::MouseMove, {100, 100});      // the drag is over
    QCOMPARE(w.graph->Theta(), theta);
    mouse(w.graph, QEvent::MouseButtonRelease, {100, 100});
    QVERIFY(countPixels(w.shot(), HautColour) > 10000);
}

void TestGraph3DWidgets::viewPresetsForgetThePanKeepTheZoom()
{
    Window w;
    w.press("Button1"); // SE
    const QImage southEast = w.shot();
    QCOMPARE(w.graph->Theta(), 45);
    QCOMPARE(w.graph->Phi(), 300);
    w.choose("rotate");
    drag(w.graph, {{300, 200}, {100, 300}});
    w.choose("pan");
    drag(w.graph, {{300, 200}, {350, 260}});
    w.press("Button1");
    QCOMPARE(w.shot(), southEast);
    const std::pair<const char *, int> views[] = {
        {"Button2", 135}, {"Button3", 225}, {"Button4", 315}, {"Button1", 45}};
    for (const auto &[button, theta] : views) {
        w.press(button);
        QCOMPARE(w.graph->Theta(), theta);
        QCOMPARE(w.graph->Phi(), 300);
    }
    w.choose("zoom");
    drag(w.graph, {{300, 200}, {400, 200}});
    const float zoom = w.graph->ZoomX();
    QVERIFY(zoom > 0.9f);
    w.press("Button3");
    QCOMPARE(w.graph->ZoomX(), zoom);
}

void TestGraph3DWidgets::sizeChangesRescaleAndCentre()
{
    Window w;
    w.choose("pan");
    drag(w.graph, {{300, 200}, {340, 220}});
    w.main.resize(900, 700);
    QTRY_COMPARE(w.graph->size(), QSize(900, 627));
    w.shot();
    QCOMPARE(w.graph->model().ScaleX(), 900 * 0.85f * 0.01f);
    QCOMPARE(w.graph->model().ScaleY(), 627 * 0.65f * 0.01f);
    QCOMPARE(w.graph->model().ProjectPoint(w.graph->model().Centre()), QPoint(450, 313));
    QCOMPARE(w.graph->model().Offset(), QPoint(0, 0));
}

void TestGraph3DWidgets::manyMovesAndTinySizes()
{
    Window w;
    w.tick("CheckBox1");
    w.choose("rotate");
    QList<QPoint> path = {{300, 200}};
    for (int i = 0; i < 10000; ++i)
        path << QPoint(i % 2 ? 300 : 303, 200); // one degree there and back each time
    drag(w.graph, path, false);
    QCOMPARE(w.graph->Theta(), 240);
    // "visible pendant Action": the whole picture while the button is still held.
    QVERIFY(countPixels(w.shot(), HautColour) > 10000);
    mouse(w.graph, QEvent::MouseButtonRelease, path.back());

    Graph3DModel::HeightTable heights = testHeights();
    TGraph3D tiny(&heights);
    tiny.resize(3, 3);
    tiny.setMouseControl(TGraph3D::TMouseControl::mcZoom);
    tiny.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tiny));
    drag(&tiny, {{0, 0}, {2, 2}, {1, 0}});
    QCOMPARE(tiny.grab().size(), QSize(3, 3));
    QCOMPARE(tiny.GetBitmap().size(), QSize(3, 3));
}

void TestGraph3DWidgets::redrawLoopRunsFromTheEventLoop()
{
    Window w;
    QSignalSpy stopped(w.graph, &TGraph3D::OnStopScrolling);
    QCursor::setPos(w.graph->mapToGlobal(QPoint(300, 200)));
    if (w.graph->mapFromGlobal(QCursor::pos()) != QPoint(300, 200))
        QSKIP("the platform does not move the cursor");
    w.graph->StartScrolling();
    QTRY_VERIFY(w.graph->ScrollIndex() >= 2);
    // A drag move ends the passes; the release takes the loop up again.
    w.choose("rotate");
    drag(w.graph, {{300, 200}, {290, 200}}, false);
    const int index = w.graph->ScrollIndex();
    QTRY_VERIFY(!w.graph->passesDue());
    QVERIFY(w.graph->scrolling());
    QCOMPARE(w.graph->ScrollIndex(), index);
    mouse(w.graph, QEvent::MouseButtonRelease, {290, 200});
    QTRY_VERIFY(w.graph->ScrollIndex() > index);
    // The cursor leaving the control stops it.
    QCursor::setPos(w.graph->mapToGlobal(QPoint(-20, -20)));
    QTRY_COMPARE(stopped.count(), 1);
    QVERIFY(!w.graph->scrolling());
}

void TestGraph3DWidgets::swatchesAnswerTheKeyboard()
{
    Window w;
    QColor next;
    w.main.setColourChooser([&](const QColor &, QWidget *) { return next; });
    auto *swatch = w.main.findChild<ColourSwatch *>("CouleurHaut");
    QWidget *before = swatch->previousInFocusChain();
    while (!(before->focusPolicy() & Qt::TabFocus) || !before->isVisible())
        before = before->previousInFocusChain();
    before->setFocus(Qt::TabFocusReason);
    QTest::keyClick(before, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), swatch);
    for (const auto &[key, colour] : {std::pair{Qt::Key_Return, QColor(0, 128, 0)},
                                      std::pair{Qt::Key_Space, QColor(9, 9, 9)}}) {
        next = colour;
        QTest::keyClick(swatch, key);
        QCOMPARE(swatch->Color(), colour);
    }
}

void TestGraph3DWidgets::swatchesRecolourThePicture()
{
    Window w;
    QList<QColor> initials;
    QColor next;
    w.main.setColourChooser([&](const QColor &initial, QWidget *) {
        initials << initial;
        return next;
    });
    next = QColor(0, 128, 0);
    emit w.main.findChild<ColourSwatch *>("Panel3")->clicked();
    QCOMPARE(w.main.findChild<ColourSwatch *>("Panel3")->Color(), next);
    QImage image = w.shot();
    QCOMPARE(image.pixelColor(10, image.height() - 10), next);
    QCOMPARE(countPixels(image, Qt::white, image.rect().adjusted(1, 1, -1, -1)), 0);

    next = QColor(255, 0, 255);
    emit w.main.findChild<ColourSwatch *>("CouleurAxe")->clicked();
    QCOMPARE(w.graph->AxesColor(), next);
    QCOMPARE(countPixels(w.shot(), next), 0); // axes still off
    w.tick("cbAxes");
    QVERIFY(countPixels(w.shot(), next) > 300);

    next = QColor(10, 20, 30);
    emit w.main.findChild<ColourSwatch *>("CouleurHaut")->clicked();
    QVERIFY(faceShare(w.shot(), topOf(*w.graph, "Fe"), next) > 0.95);
    // The dialog opens on the colour chosen last, not on the swatch's.
    QCOMPARE(initials, (QList<QColor>{Qt::black, QColor(0, 128, 0), QColor(255, 0, 255)}));
}

void TestGraph3DWidgets::cancelledColourChangesNothing()
{
    Window w;
    w.main.setColourChooser([](const QColor &, QWidget *) { return QColor(); });
    w.choose("pan");
    drag(w.graph, {{300, 200}, {340, 220}});
    const QImage panned = w.shot();
    for (ColourSwatch *swatch : w.main.findChildren<ColourSwatch *>()) {
        const QColor before = swatch->Color();
        emit swatch->clicked();
        QCOMPARE(swatch->Color(), before);
    }
    QCOMPARE(w.graph->model().Offset(), QPoint(40, 20)); // not re-centred
    QCOMPARE(w.shot(), panned);
}

void TestGraph3DWidgets::copyHoldsThePictureAndItsCaption()
{
    Window w;
    w.main.setWindowTitle(QStringLiteral("Propriété : T eb (K)"));
    w.press("Button1");
    const QImage expected = w.graph->GetBitmap();
    whenModal([&](QWidget *modal) {
        QCOMPARE(modal, w.main.frmCopy());
        QCOMPARE(modal->windowTitle(), QStringLiteral("Propriété : T eb (K)"));
        auto *image = modal->findChild<QWidget *>("Image1");
        QCOMPARE(image->size(), QSize(717, 487));
    });
    w.main.Button5Click();
    QCOMPARE(w.main.frmCopy()->picture(), expected);
    // A copy: turning the view afterwards leaves it as it was.
    w.press("Button3");
    w.shot();
    QCOMPARE(w.main.frmCopy()->picture(), expected);

    // A picture larger than the visible area can be scrolled.
    TfrmCopy copy;
    givePicture(copy, {1200, 900});
    copy.show();
    QVERIFY(QTest::qWaitForWindowExposed(&copy));
    auto *scroll = copy.findChild<QScrollArea *>("ScrollBox1");
    QVERIFY(scroll->horizontalScrollBar()->maximum() > 0);
    QVERIFY(scroll->verticalScrollBar()->maximum() > 0);
}

// A name typed without an extension gets "bmp"; one with an extension keeps it.
void TestGraph3DWidgets::completedName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("no extension") << QStringLiteral("iron") << "iron.bmp";
    QTest::newRow("bitmap extension") << QStringLiteral("iron.bmp") << "iron.bmp";
    QTest::newRow("other extension kept") << QStringLiteral("iron.img") << "iron.img";
    QTest::newRow("trailing dot") << QStringLiteral("iron.") << "iron.bmp";
    QTest::newRow("dotted folder") << QStringLiteral("a.b/iron") << "a.b/iron.bmp";
}

void TestGraph3DWidgets::completedName()
{
    QFETCH(QString, typed);
    QTEST(TfrmCopy::completedFileName(typed), "written");
}

// The copy saves under the completed name, and the question before replacing names the file
// that is there ("iron" asks about iron.bmp); the dialog's own cases are tst_picturesavedialog's.
void TestGraph3DWidgets::savingCompletesTheName_data()
{
    QTest::addColumn<QString>("typed");    // empty: cancelled
    QTest::addColumn<QString>("existing"); // a file there before, which the question names
    QTest::addColumn<QString>("written");  // empty: nothing written
    QTest::newRow("completed name exists") << "iron" << QStringLiteral("iron.bmp") << "iron.bmp";
    QTest::newRow("cancelled") << QString() << QString() << QString();
}

void TestGraph3DWidgets::savingCompletesTheName()
{
    QFETCH(QString, typed);
    QFETCH(QString, existing);
    QFETCH(QString, written);
    QTemporaryDir dir;
    if (!existing.isEmpty())
        QVERIFY(writeFileBytes(dir.filePath(existing), "old"));
    TfrmCopy copy;
    const QImage picture = givePicture(copy, {40, 30});
    const SaveDialogSeen seen =
        playSaveDialog([&] { copy.Button1Click(); },
                       {typed.isEmpty() ? QString() : dir.filePath(typed), -1, QMessageBox::Yes});
    QCOMPARE(seen.types, (QStringList{"Bitmaps (*.bmp)", "Image PNG (*.png)", "Image SVG (*.svg)",
                                      "Document PDF (*.pdf)"}));
    QCOMPARE(seen.asked.size(), existing.isEmpty() ? 0 : 1);
    if (!existing.isEmpty())
        QVERIFY(seen.asked.front().startsWith(QDir::toNativeSeparators(dir.filePath(existing)) +
                                              " existe déjà."));
    const QStringList files = QDir(dir.path()).entryList(QDir::Files);
    if (written.isEmpty()) {
        QVERIFY(files.isEmpty());
        return;
    }
    QCOMPARE(files, QStringList{written});
    QImage back;
    QVERIFY(back.load(dir.filePath(written), "BMP"));
    QCOMPARE(back.size(), picture.size());
    QCOMPARE(back.pixelColor(5, 5), HautColour);
}

// A folder that does not exist: the message names the file with the system's reason and
// the window stays. The next copy window of the run opens in the folder of the last save.
void TestGraph3DWidgets::saveFailuresAreReported()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("sub"));
    PictureSaves pictures;
    TfrmCopy copy;
    copy.setPictureSaves(&pictures);
    givePicture(copy, {10, 10});
    copy.show();
    MessageBoxAnswerer boxes(10);
    SaveDialogSeen seen =
        playSaveDialog([&] { copy.Button1Click(); }, {dir.filePath("missing/folder/iron")});
    QCOMPARE(seen.asked, QStringList());
    QCOMPARE(boxes.texts.size(), 1);
    const QString missing = QDir::toNativeSeparators(dir.filePath("missing/folder/iron.bmp"));
    QVERIFY2(boxes.texts.front().contains(missing), qPrintable(boxes.texts.front()));
    QVERIFY(boxes.texts.front().contains(QString::fromLocal8Bit(std::strerror(ENOENT))));
    QVERIFY(copy.isVisible());
    QVERIFY(!QFileInfo::exists(dir.filePath("missing")));

    seen = playSaveDialog([&] { copy.Button1Click(); }, {dir.filePath("sub/iron")});
    QVERIFY(QFileInfo::exists(dir.filePath("sub/iron.bmp")));
    TfrmCopy next;
    next.setPictureSaves(&pictures);
    givePicture(next, {10, 10});
    seen = playSaveDialog([&] { next.Button1Click(); }, {});
    QCOMPARE(seen.folder, dir.filePath("sub"));
}

// PNG, SVG and PDF: the picture under the window's caption.
void TestGraph3DWidgets::titledCopies_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("written");
    QTest::newRow("png") << 1 << "copie.png";
    QTest::newRow("svg") << 2 << "copie.svg";
    QTest::newRow("pdf") << 3 << "copie.pdf";
}

void TestGraph3DWidgets::titledCopies()
{
    QFETCH(int, type);
    QFETCH(QString, written);
    QTemporaryDir dir;
    TfrmCopy copy;
    copy.setWindowTitle(QStringLiteral("Graphique3D : masse atomique"));
    const QImage picture = givePicture(copy, {300, 200});
    playSaveDialog([&] { copy.Button1Click(); }, {dir.filePath("copie"), type, QMessageBox::Yes});
    const QString path = dir.filePath(written);
    QVERIFY(QFile::exists(path));
    if (type == 3) {
        QVERIFY(processOutput("pdftotext", {path, "-"}).contains(copy.windowTitle()));
        return;
    }
    QString png = path;
    if (type == 2) {
        png = dir.filePath("rendered.png");
        QCOMPARE(QProcess::execute("rsvg-convert", {"-o", png, path}), 0);
    }
    QImage back;
    QVERIFY(back.load(png, "PNG"));
    QVERIFY(qAbs(back.height() - (picture.height() + TitledPicture::TitleHeight)) <= 1);
    QCOMPARE(back.pixelColor(150, TitledPicture::TitleHeight + 100), HautColour);
    bool ink = false;
    for (int x = 0; x < back.width() && !ink; ++x)
        ink = back.pixelColor(x, TitledPicture::TitleHeight / 2).value() < 100;
    QVERIFY(ink);
}

QTEST_MAIN(TestGraph3DWidgets)
#include "tst_graph3dwidgets.moc"
