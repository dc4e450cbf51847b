#pragma once

#include "data/ElementTable.h"
#include <QPoint>
#include <QString>

#include <array>
#include <vector>

// The geometry of the 3-D bar graph, without any widget: the bars standing on the cells of
// the periodic table, the view angles and zoom, the orthographic projection to control
// pixels and the painter's order of the faces. The control paints what this model gives.

// A point in world units: X along the groups, Y along the rows (downwards in the printed
// table), Z upwards. One cell is 100/18 units wide in X and in Y.
struct TPoint3D
{
    float X = 0;
    float Y = 0;
    float Z = 0;
};

// The six faces of a bar, in the order each element contributes them.
enum class FaceKind { Sol, Haut, Devant, Derriere, Droite, Gauche };

// The face kind as the model names it: "sol", "haut", "devant", "derriere", "droite", "gauche".
QString faceKindName(FaceKind kind);

// The swatches of the host window that colour the faces.
enum class FaceColour { Haut, Mur1, Mur2, Bas, NA };

// One quadrilateral face of the model.
struct TTrapezeInfo
{
    std::array<TPoint3D, 4> vertices; // world units, in drawing order
    std::array<QPoint, 4> points;     // the corners projected to control pixels
    double depth = 0;                 // squared horizontal distance from the centre to the eye
    TPoint3D centre;                  // mean of the four vertices
    FaceKind kind = FaceKind::Sol;
    QString label; // the element's symbol on a "haut" face, empty on the others
};

// The lines that frame the table, in drawing order.
enum class AxisLine { X, Y, Z, FarXEdge, FarYEdge };

struct AxisSegment
{
    AxisLine line;
    TPoint3D from;
    TPoint3D to;
};

namespace Graph3DGeometry {

inline constexpr int ElementCount = ElementTable::ElementCount;
inline constexpr int FaceCount = 6 * ElementCount;
inline constexpr float CellSize = 100.0f / 18.0f;
inline constexpr float DegreesToRadians = 0.017453f;
inline constexpr float RadiansToDegrees = 57.296f;

// Column (1..18) and row (1..9) of element z's cell; the f-block rows 8 and 9 come right
// after row 7.
struct Cell
{
    float column;
    float row;
};
Cell cell(int z);

// An angle in whole degrees brought into 0..360; 360 itself stays 360.
int wrapDegrees(int degrees);

// Whether a face of this kind is seen from the angles theta and phi, in whole degrees.
bool faceVisible(FaceKind kind, int theta, int phi);

// The swatch that fills a face: its kind's swatch, "N/A" for the faces of a bar lower than 1
// (an element without a value), and "Bas" for every bottom.
FaceColour fillColour(const TTrapezeInfo &face);

// The five axis lines in drawing order.
const std::array<AxisSegment, 5> &axisSegments();

// Rounding to the nearest integer, halves to even.
int roundEven(double value);

} // namespace Graph3DGeometry

// The view state and the face list. Recomputes lazily: the depth sort only after an angle
// changed, the projection only after an angle, the zoom, the size or the pan changed.
class Graph3DModel
{
public:
    // `heights` (one bar height per element, by atomic number - 1) is read once, when the model is
    // built at the first UpdateView; it must live until then.
    using HeightTable = std::array<double, Graph3DGeometry::ElementCount>;
    explicit Graph3DModel(const HeightTable *heights = nullptr);

    void setHeights(const HeightTable *heights) { m_heights = heights; }

    // Angles in whole degrees, wrapped into 0..360; zooms clamped to 0.1..3.
    int Theta() const;
    void setTheta(int degrees) { changeAngle(degrees, m_theta, m_cosTheta, m_sinTheta); }
    int Phi() const;
    void setPhi(int degrees) { changeAngle(degrees, m_phi, m_cosPhi, m_sinPhi); }
    float ZoomX() const { return m_zoomX; }
    void setZoomX(float zoom) { changeZoom(zoom, m_zoomX); }
    float ZoomY() const { return m_zoomY; }
    void setZoomY(float zoom) { changeZoom(zoom, m_zoomY); }

    // The control's size in pixels.
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // A size change: rescales and recentres once the model exists.
    void resize(int width, int height);

    float ScaleX() const { return m_scaleX; }
    float ScaleY() const { return m_scaleY; }
    QPoint Origin() const { return m_origin; }
    QPoint Offset() const { return m_offset; }
    TPoint3D Centre() const { return m_centre; }
    TPoint3D Eye() const { return m_eye; }
    bool modelBuilt() const { return m_built; }
    const std::vector<TTrapezeInfo> &faces() const { return m_faces; }

    QPoint ProjectPoint(const TPoint3D &p) const;
    void SetOffset(QPoint offset);
    void CentreView();
    void ComputeScales();
    void UpdateView();

    // Whether each axis line of axisSegments() lies behind the model's centre, seen from
    // the eye.
    std::array<bool, 5> axesBehind() const;

    // Exposed for the tests and the benchmarks; UpdateView calls them as needed.
    void BuildModel();
    void ComputeEye();
    void SortFaces();
    void ProjectFaces();

private:
    // Stores an angle in radians with its cosine and sine.
    static void storeAngle(int degrees, float &radians, float &cosine, float &sine);
    void changeAngle(int degrees, float &radians, float &cosine, float &sine);
    void changeZoom(float zoom, float &stored);

    const HeightTable *m_heights = nullptr;
    std::vector<TTrapezeInfo> m_faces;
    float m_theta = 0, m_cosTheta = 1, m_sinTheta = 0;
    float m_phi = 0, m_cosPhi = 1, m_sinPhi = 0;
    float m_zoomX = 0.85f;
    float m_zoomY = 0.65f;
    float m_scaleX = 0.5f;
    float m_scaleY = 0.5f;
    int m_width = 100;
    int m_height = 100;
    QPoint m_origin{50, 50};
    QPoint m_offset{0, 0};
    TPoint3D m_centre;
    TPoint3D m_eye;
    bool m_built = false;
    bool m_zoomChanged = false;
    bool m_offsetChanged = false;
    bool m_angleChanged = false;
};
