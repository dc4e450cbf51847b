// The 3-D model without any widget: cells, faces, angles, zoom, projection, depth order,
// visibility and the fill rule, against values worked out by hand from the formulas.
#include "data/ElementTable.h"
#include "graph3d/Graph3DModel.h"

#include <QTest>

#include <set>

using namespace Graph3DGeometry;

class TestGraph3DModel : public QObject
{
    Q_OBJECT

private slots:
    void cellsFollowTheTableWithTheFBlockBelow_data();
    void cellsFollowTheTableWithTheFBlockBelow();
    void everyElementHasItsOwnCell();
    void sixFacesPerElementInOrder();
    void anglesWrapAndReadBack_data();
    void anglesWrapAndReadBack();
    void everyWholeAngleSurvivesTheConstants();
    void zoomIsClamped_data();
    void zoomIsClamped();
    void projectsCornersAtCreation_data();
    void projectsCornersAtCreation();
    void firstUpdateCentresTheModel_data();
    void firstUpdateCentresTheModel();
    void panMovesEveryPointAndCentreBringsItBack();
    void nearerFacesComeFirst();
    void axesBehindTheCentre_data();
    void axesBehindTheCentre();
    void visibleFaces_data();
    void visibleFaces();
    void fillColours_data();
    void fillColours();
    void roundsHalvesToEven();
    void modelIsBuiltOnceFromTheHeightsOfItsFirstUpdate();
};

void TestGraph3DModel::cellsFollowTheTableWithTheFBlockBelow_data()
{
    QTest::addColumn<int>("z");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::newRow("H") << 1 << 1 << 1;
    QTest::newRow("He") << 2 << 18 << 1;
    QTest::newRow("B") << 5 << 13 << 2;
    QTest::newRow("La") << 57 << 3 << 6;
    QTest::newRow("Ce") << 58 << 3 << 8;
    QTest::newRow("Hf") << 72 << 4 << 6;
    QTest::newRow("Ac") << 89 << 3 << 7;
    QTest::newRow("Lr") << 103 << 16 << 9;
    QTest::newRow("Rf") << 104 << 4 << 7;
    QTest::newRow("Og") << 118 << 18 << 7;
}

void TestGraph3DModel::cellsFollowTheTableWithTheFBlockBelow()
{
    QFETCH(int, z);
    const Cell at = cell(z);
    QTEST(int(at.column), "column");
    QTEST(int(at.row), "row");
}

void TestGraph3DModel::everyElementHasItsOwnCell()
{
    std::set<std::pair<int, int>> used;
    for (int z = 1; z <= ElementCount; ++z) {
        const Cell at = cell(z);
        QVERIFY2(at.column >= 1 && at.column <= 18 && at.row >= 1 && at.row <= 9,
                 qPrintable(QString::number(z)));
        QVERIFY2(used.insert({int(at.column), int(at.row)}).second,
                 qPrintable(QStringLiteral("cell of %1 used twice").arg(z)));
    }
}

void TestGraph3DModel::sixFacesPerElementInOrder()
{
    Graph3DModel::HeightTable heights;
    heights.fill(0.05);
    heights[25] = 42; // iron, column 8 of row 4
    Graph3DModel model(&heights);
    model.BuildModel();
    const auto &faces = model.faces();
    QCOMPARE(int(faces.size()), 6 * ElementTable::ElementCount);
    const QStringList order = {"sol", "haut", "devant", "derriere", "droite", "gauche"};
    for (int i = 0; i < 6 * ElementTable::ElementCount; ++i) {
        QCOMPARE(faceKindName(faces[i].kind), order[i % 6]);
        QCOMPARE(faces[i].label.isEmpty(), faces[i].kind != FaceKind::Haut);
    }
    QCOMPARE(faces[1].label, QStringLiteral("H"));
    QCOMPARE(faces[6 * ElementTable::ElementCount - 1 - 4].label, QStringLiteral("Og"));

    // Iron's bar: x from 7s to 8s, y from 3s to 4s, 42 high.
    const float s = 100.0f / 18.0f;
    const TTrapezeInfo &top = faces[25 * 6 + 1];
    QCOMPARE(top.label, QStringLiteral("Fe"));
    const TPoint3D expectedTop[] = {
        {7 * s, 4 * s, 42}, {8 * s, 4 * s, 42}, {8 * s, 3 * s, 42}, {7 * s, 3 * s, 42}};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(top.vertices[i].X, expectedTop[i].X);
        QCOMPARE(top.vertices[i].Y, expectedTop[i].Y);
        QCOMPARE(top.vertices[i].Z, expectedTop[i].Z);
    }
    QCOMPARE(top.centre.X, 7.5f * s);
    QCOMPARE(top.centre.Y, 3.5f * s);
    // The right side stands on x = 8s, from the floor to the top.
    const TTrapezeInfo &right = faces[25 * 6 + 4];
    for (const TPoint3D &p : right.vertices)
        QCOMPARE(p.X, 8 * s);
    QCOMPARE(right.centre.Z, 21.0f);
    QCOMPARE(model.Centre().X, 50.0f);
    QCOMPARE(model.Centre().Y, 25.0f);
    QCOMPARE(model.Centre().Z, 50.0f);
}

void TestGraph3DModel::anglesWrapAndReadBack_data()
{
    QTest::addColumn<int>("set");
    QTest::addColumn<int>("read");
    QTest::newRow("-30") << -30 << 330;
    QTest::newRow("725") << 725 << 5;
    QTest::newRow("360 stays") << 360 << 360;
    QTest::newRow("720") << 720 << 360;
    QTest::newRow("361") << 361 << 1;
    QTest::newRow("0") << 0 << 0;
    QTest::newRow("-360") << -360 << 0;
    QTest::newRow("far below") << -1000000007 << 73;
    QTest::newRow("far above") << 2147483647 << 127;
}

void TestGraph3DModel::anglesWrapAndReadBack()
{
    QFETCH(int, set);
    Graph3DModel model;
    model.setTheta(set);
    model.setPhi(set);
    QTEST(model.Theta(), "read");
    QTEST(model.Phi(), "read");
}

void TestGraph3DModel::everyWholeAngleSurvivesTheConstants()
{
    Graph3DModel model;
    QCOMPARE(model.Theta(), 240);
    QCOMPARE(model.Phi(), 300);
    for (int degrees = 0; degrees <= 360; ++degrees) {
        model.setTheta(degrees);
        QCOMPARE(model.Theta(), degrees);
    }
}

void TestGraph3DModel::zoomIsClamped_data()
{
    QTest::addColumn<float>("set");
    QTest::addColumn<float>("read");
    QTest::newRow("below") << 0.05f << 0.1f;
    QTest::newRow("above") << 5.0f << 3.0f;
    QTest::newRow("inside") << 1.5f << 1.5f;
    QTest::newRow("negative") << -2.0f << 0.1f;
}

void TestGraph3DModel::zoomIsClamped()
{
    QFETCH(float, set);
    Graph3DModel model;
    QCOMPARE(model.ZoomX(), 0.85f);
    QCOMPARE(model.ZoomY(), 0.65f);
    model.setZoomX(set);
    model.setZoomY(set);
    QTEST(model.ZoomX(), "read");
    QTEST(model.ZoomY(), "read");
}

// At creation: 100 x 100 pixels, origin (50, 50), scales 0.5, Theta 240, Phi 300, so
// sin theta = -0.866, cos theta = -0.5, sin phi = -0.866, cos phi = 0.5.
void TestGraph3DModel::projectsCornersAtCreation_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<float>("z");
    QTest::addColumn<QPoint>("screen");
    // h = (-86.60 + 25) * 0.5 = -30.80; u = (43.30 + 37.50) * 0.5 = 40.40
    QTest::newRow("far corner") << 100.f << 50.f << 0.f << QPoint(19, 10);
    // h = 0; u = 101 * 0.5 * 0.5 = 25.25
    QTest::newRow("top of the origin") << 0.f << 0.f << 101.f << QPoint(50, 25);
    // h = -86.60 * 0.5 = -43.30; u = 43.30 * 0.5 = 21.65
    QTest::newRow("end of the X row") << 100.f << 0.f << 0.f << QPoint(7, 28);
    // h = 50 * 0.50006 * 0.5 = 12.50 (cos of 240 * 0.017453 is -0.50006, not -0.5)
    QTest::newRow("end of the Y row") << 0.f << 50.f << 0.f << QPoint(63, 31);
}

void TestGraph3DModel::projectsCornersAtCreation()
{
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(float, z);
    Graph3DModel model;
    QCOMPARE(model.Origin(), QPoint(50, 50));
    QTEST(model.ProjectPoint({x, y, z}), "screen");
}

// In the graph's 717 x 487 area: ScaleX = 717 * 0.85 * 0.01 = 6.0945 and
// ScaleY = 487 * 0.65 * 0.01 = 3.1655. The centre (50, 25, 50) projects with origin 0 to
// h = -30.80 * 6.0945 = -187.70 -> -188 and u = 65.40 * 3.1655 = 207.03 -> 207, so the
// origin becomes (358 + 188, 243 + 207) = (546, 450).
void TestGraph3DModel::firstUpdateCentresTheModel_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<float>("z");
    QTest::addColumn<QPoint>("screen");
    QTest::newRow("centre") << 50.f << 25.f << 50.f << QPoint(358, 243);
    QTest::newRow("origin") << 0.f << 0.f << 0.f << QPoint(546, 450);
    // h = -61.60 * 6.0945 = -375.40; u = 80.80 * 3.1655 = 255.80
    QTest::newRow("far corner") << 100.f << 50.f << 0.f << QPoint(171, 194);
    // u = 101 * 0.5 * 3.1655 = 159.83
    QTest::newRow("highest bar over the origin") << 0.f << 0.f << 101.f << QPoint(546, 290);
}

void TestGraph3DModel::firstUpdateCentresTheModel()
{
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(float, z);
    Graph3DModel::HeightTable heights;
    heights.fill(1);
    Graph3DModel model(&heights);
    model.resize(717, 487);
    model.UpdateView();
    QCOMPARE(model.Origin(), QPoint(546, 450));
    QTEST(model.ProjectPoint({x, y, z}), "screen");
    // Eye = 10000 * (0.5 * -0.5, 0.5 * -0.866) + (50, 25), 50 + 8660 high.
    QVERIFY(std::abs(model.Eye().X - -2450.f) < 1);
    QVERIFY(std::abs(model.Eye().Y - -4305.f) < 2);
    QVERIFY(std::abs(model.Eye().Z - 8710.f) < 2);
}

void TestGraph3DModel::panMovesEveryPointAndCentreBringsItBack()
{
    Graph3DModel::HeightTable heights;
    heights.fill(30);
    Graph3DModel model(&heights);
    model.resize(400, 300);
    model.UpdateView();
    const std::vector<TTrapezeInfo> before = model.faces();
    model.SetOffset({25, -40});
    model.SetOffset({30, -45}); // accumulated: the origin moves by the new offset only
    model.UpdateView();
    for (size_t i = 0; i < before.size(); ++i) {
        QCOMPARE(model.faces()[i].label, before[i].label); // no new sort
        QCOMPARE(model.faces()[i].points[2], before[i].points[2] + QPoint(30, -45));
    }
    model.CentreView();
    model.UpdateView();
    QCOMPARE(model.Offset(), QPoint(0, 0));
    QCOMPARE(model.faces()[7].points[0], before[7].points[0]);
}

void TestGraph3DModel::nearerFacesComeFirst()
{
    Graph3DModel::HeightTable heights;
    heights.fill(10);
    Graph3DModel model(&heights);
    const auto indexOf = [&model](const QString &symbol) {
        const auto &faces = model.faces();
        for (size_t i = 0; i < faces.size(); ++i) {
            if (faces[i].label == symbol)
                return int(i);
        }
        return -1;
    };
    // From Theta 240 the eye stands beyond hydrogen's corner, so its top is nearer than
    // lawrencium's and comes first in the list (it is painted after).
    model.UpdateView();
    QVERIFY(indexOf("H") < indexOf("Lr"));
    QVERIFY(model.faces().front().depth <= model.faces().back().depth);
    // From Theta 60 the eye is on the other side.
    model.setTheta(60);
    model.UpdateView();
    QVERIFY(indexOf("H") > indexOf("Lr"));
}

void TestGraph3DModel::axesBehindTheCentre_data()
{
    QTest::addColumn<int>("theta");
    QTest::addColumn<QString>("behind"); // X, Y, Z, far X edge, far Y edge
    // Eye at (-2450, -4305): the axes through the origin are nearer than the centre.
    QTest::newRow("240") << 240 << "00011";
    // Eye at (2550, 4355): the far edges are the near ones.
    QTest::newRow("60") << 60 << "11100";
    // Eye at (-4949, 25.3): the lines at low X are nearer, and the Y axis's reference
    // (0, 25) is nearer than the centre while (50, 0) is not.
    QTest::newRow("180") << 180 << "10011";
}

void TestGraph3DModel::axesBehindTheCentre()
{
    QFETCH(int, theta);
    Graph3DModel::HeightTable heights;
    heights.fill(1);
    Graph3DModel model(&heights);
    model.setTheta(theta);
    model.UpdateView();
    QString behind;
    for (bool b : model.axesBehind())
        behind += b ? QLatin1Char('1') : QLatin1Char('0');
    QTEST(behind, "behind");
}

void TestGraph3DModel::visibleFaces_data()
{
    QTest::addColumn<int>("theta");
    QTest::addColumn<int>("phi");
    QTest::addColumn<QString>("visible");
    QTest::newRow("SE from above") << 45 << 300 << "haut devant droite";
    QTest::newRow("NW from above") << 225 << 300 << "haut derriere gauche";
    QTest::newRow("start") << 240 << 300 << "haut derriere gauche";
    QTest::newRow("0 from above") << 0 << 300 << "haut devant droite";
    QTest::newRow("360 from above") << 360 << 300 << "haut derriere droite";
    QTest::newRow("90 from above") << 90 << 300 << "haut devant gauche";
    QTest::newRow("from below") << 45 << 120 << "sol derriere gauche";
    QTest::newRow("phi 90") << 270 << 90 << "sol devant droite";
    QTest::newRow("phi 270") << 180 << 270 << "haut devant droite";
    QTest::newRow("phi 0") << 100 << 0 << "sol devant gauche";
}

void TestGraph3DModel::visibleFaces()
{
    QFETCH(int, theta);
    QFETCH(int, phi);
    QStringList visible;
    for (FaceKind kind : {FaceKind::Sol, FaceKind::Haut, FaceKind::Devant, FaceKind::Derriere,
                          FaceKind::Droite, FaceKind::Gauche}) {
        if (faceVisible(kind, theta, phi))
            visible << faceKindName(kind);
    }
    QTEST(visible.join(QLatin1Char(' ')), "visible");
}

void TestGraph3DModel::fillColours_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<float>("height");
    QTest::addColumn<int>("colour");
    QTest::newRow("top") << int(FaceKind::Haut) << 50.f << int(FaceColour::Haut);
    QTest::newRow("front") << int(FaceKind::Devant) << 50.f << int(FaceColour::Mur1);
    QTest::newRow("back") << int(FaceKind::Derriere) << 1.f << int(FaceColour::Mur1);
    QTest::newRow("right") << int(FaceKind::Droite) << 50.f << int(FaceColour::Mur2);
    QTest::newRow("left") << int(FaceKind::Gauche) << 50.f << int(FaceColour::Mur2);
    QTest::newRow("top without value") << int(FaceKind::Haut) << 0.05f << int(FaceColour::NA);
    QTest::newRow("top just below 1") << int(FaceKind::Haut) << 0.99f << int(FaceColour::NA);
    QTest::newRow("side without value") << int(FaceKind::Gauche) << 0.05f << int(FaceColour::NA);
    QTest::newRow("bottom without value") << int(FaceKind::Sol) << 0.05f << int(FaceColour::Bas);
    QTest::newRow("bottom") << int(FaceKind::Sol) << 50.f << int(FaceColour::Bas);
}

void TestGraph3DModel::fillColours()
{
    QFETCH(int, kind);
    QFETCH(float, height);
    Graph3DModel::HeightTable heights;
    heights.fill(height);
    Graph3DModel model(&heights);
    model.BuildModel();
    QTEST(int(fillColour(model.faces()[6 * 40 + kind])), "colour");
}

void TestGraph3DModel::roundsHalvesToEven()
{
    const std::pair<double, int> cases[] = {{0.5, 0},   {1.5, 2},    {2.5, 2},    {-0.5, 0},
                                            {-1.5, -2}, {2.4999, 2}, {-2.51, -3}, {1e300, INT_MAX}};
    for (const auto &[value, rounded] : cases)
        QCOMPARE(roundEven(value), rounded);
}

void TestGraph3DModel::modelIsBuiltOnceFromTheHeightsOfItsFirstUpdate()
{
    Graph3DModel::HeightTable heights;
    heights.fill(5);
    Graph3DModel model(&heights);
    QVERIFY(!model.modelBuilt());
    heights[0] = 70; // still before the first update
    model.UpdateView();
    heights[0] = 90; // too late
    model.setTheta(10);
    model.UpdateView();
    QCOMPARE(int(model.faces().size()), 6 * ElementTable::ElementCount);
    for (const TTrapezeInfo &face : model.faces()) {
        if (face.label == QLatin1String("H"))
            QCOMPARE(face.vertices[0].Z, 70.f);
    }
}

QTEST_GUILESS_MAIN(TestGraph3DModel)
#include "tst_graph3dmodel.moc"
