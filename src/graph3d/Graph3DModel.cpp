#include "graph3d/Graph3DModel.h"

#include "data/ElementSymbols.h"
#include "data/PeriodicCells.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace Graph3DGeometry {

namespace {

float horizontalDistance2(const TPoint3D &p, const TPoint3D &eye)
{
    const float dx = p.X - eye.X;
    const float dy = p.Y - eye.Y;
    return dx * dx + dy * dy;
}

} // namespace

Cell cell(int z)
{
    const PeriodicCells::Cell at = PeriodicCells::cell(z);
    return {float(at.column), float(at.row)};
}

int wrapDegrees(int degrees)
{
    // Whole turns first, so that extreme values take no time; 360 itself stays.
    if (degrees > 360)
        degrees = (degrees - 1) % 360 + 1;
    else if (degrees < 0)
        degrees = degrees % 360 + (degrees % 360 < 0 ? 360 : 0);
    return degrees;
}

bool faceVisible(FaceKind kind, int t, int p)
{
    const bool fromAbove = p < 90 || p > 270;
    const bool front = t < 180;
    const bool right = t < 90 || t > 270;
    switch (kind) {
    case FaceKind::Sol:
        return p < 180;
    case FaceKind::Haut:
        return p >= 180;
    case FaceKind::Devant:
        return fromAbove == front;
    case FaceKind::Derriere:
        return fromAbove != front;
    case FaceKind::Droite:
        return fromAbove == right;
    case FaceKind::Gauche:
        return fromAbove != right;
    }
    return false;
}

FaceColour fillColour(const TTrapezeInfo &face)
{
    FaceColour colour = FaceColour::Mur1;
    if (face.kind == FaceKind::Haut)
        colour = FaceColour::Haut;
    else if (face.kind == FaceKind::Droite || face.kind == FaceKind::Gauche)
        colour = FaceColour::Mur2;
    if (face.vertices[0].Z < 1 && face.vertices[2].Z < 1)
        colour = FaceColour::NA;
    if (face.kind == FaceKind::Sol)
        colour = FaceColour::Bas;
    return colour;
}

const std::array<AxisSegment, 5> &axisSegments()
{
    static const std::array<AxisSegment, 5> segments = {{
        {AxisLine::X, {0, 0, 0}, {110, 0, 0}},
        {AxisLine::Y, {0, 0, 0}, {0, 55, 0}},
        {AxisLine::Z, {0, 0, 0}, {0, 0, 110}},
        {AxisLine::FarXEdge, {0, 50, 0}, {100, 50, 0}},
        {AxisLine::FarYEdge, {100, 0, 0}, {100, 50, 0}},
    }};
    return segments;
}

int roundEven(double value)
{
    if (!(value > INT_MIN && value < INT_MAX))
        return value > 0 ? INT_MAX : INT_MIN;
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction < 0.5)
        return int(below);
    if (fraction > 0.5)
        return int(below) + 1;
    return std::fmod(below, 2.0) == 0 ? int(below) : int(below) + 1;
}

} // namespace Graph3DGeometry

QString faceKindName(FaceKind kind)
{
    static const char *const names[] = {"sol", "haut", "devant", "derriere", "droite", "gauche"};
    return QString::fromLatin1(names[int(kind)]);
}

using namespace Graph3DGeometry;

Graph3DModel::Graph3DModel(const HeightTable *heights) : m_heights(heights)
{
    storeAngle(240, m_theta, m_cosTheta, m_sinTheta);
    storeAngle(300, m_phi, m_cosPhi, m_sinPhi);
}

void Graph3DModel::storeAngle(int degrees, float &radians, float &cosine, float &sine)
{
    radians = float(degrees) * DegreesToRadians;
    cosine = std::cos(radians);
    sine = std::sin(radians);
}

int Graph3DModel::Theta() const
{
    return roundEven(m_theta * RadiansToDegrees);
}

int Graph3DModel::Phi() const
{
    return roundEven(m_phi * RadiansToDegrees);
}

void Graph3DModel::changeAngle(int degrees, float &radians, float &cosine, float &sine)
{
    degrees = wrapDegrees(degrees);
    if (degrees == roundEven(radians * RadiansToDegrees))
        return;
    storeAngle(degrees, radians, cosine, sine);
    m_angleChanged = true;
}

void Graph3DModel::changeZoom(float zoom, float &stored)
{
    if (zoom == stored)
        return;
    stored = std::isnan(zoom) ? 0.1f : std::clamp(zoom, 0.1f, 3.0f);
    m_zoomChanged = true;
}

void Graph3DModel::resize(int width, int height)
{
    m_width = width;
    m_height = height;
    if (m_faces.size() > 1) {
        ComputeScales();
        CentreView();
    }
    m_zoomChanged = true;
}

void Graph3DModel::ComputeScales()
{
    m_scaleX = float(m_width) * m_zoomX * 0.01f;
    m_scaleY = float(m_height) * m_zoomY * 0.01f;
}

QPoint Graph3DModel::ProjectPoint(const TPoint3D &p) const
{
    const float h = (p.X * m_sinTheta - p.Y * m_cosTheta) * m_scaleX;
    const float u =
        (p.X * m_cosTheta * m_sinPhi + p.Y * m_sinTheta * m_sinPhi + p.Z * m_cosPhi) * m_scaleY;
    return {m_origin.x() + roundEven(h), m_origin.y() - roundEven(u)};
}

void Graph3DModel::SetOffset(QPoint offset)
{
    if (offset == m_offset)
        return;
    m_origin += offset - m_offset;
    m_offset = offset;
    m_offsetChanged = true;
}

void Graph3DModel::CentreView()
{
    SetOffset({0, 0});
    m_origin = {0, 0};
    const QPoint centre = ProjectPoint(m_centre);
    m_origin = QPoint(m_width / 2 - centre.x(), m_height / 2 - centre.y());
}

void Graph3DModel::BuildModel()
{
    m_faces.clear();
    m_faces.reserve(FaceCount);
    m_centre = {50, 25, 50};
    const float s = CellSize;
    for (int z = 1; z <= ElementCount; ++z) {
        const Cell at = cell(z);
        const float v = m_heights ? float((*m_heights)[z - 1]) : 0.0f;
        const float x0 = (at.column - 1) * s, x1 = at.column * s;
        const float y0 = (at.row - 1) * s, y1 = at.row * s;
        const std::array<std::pair<FaceKind, std::array<TPoint3D, 4>>, 6> faces = {{
            {FaceKind::Sol, {{{x0, y1, 0}, {x1, y1, 0}, {x1, y0, 0}, {x0, y0, 0}}}},
            {FaceKind::Haut, {{{x0, y1, v}, {x1, y1, v}, {x1, y0, v}, {x0, y0, v}}}},
            {FaceKind::Devant, {{{x0, y1, 0}, {x1, y1, 0}, {x1, y1, v}, {x0, y1, v}}}},
            {FaceKind::Derriere, {{{x1, y0, 0}, {x0, y0, 0}, {x0, y0, v}, {x1, y0, v}}}},
            {FaceKind::Droite, {{{x1, y0, 0}, {x1, y1, 0}, {x1, y1, v}, {x1, y0, v}}}},
            {FaceKind::Gauche, {{{x0, y1, 0}, {x0, y0, 0}, {x0, y0, v}, {x0, y1, v}}}},
        }};
        for (const auto &[kind, vertices] : faces) {
            TTrapezeInfo face;
            face.vertices = vertices;
            face.kind = kind;
            for (const TPoint3D &p : vertices) {
                face.centre.X += p.X / 4;
                face.centre.Y += p.Y / 4;
                face.centre.Z += p.Z / 4;
            }
            if (kind == FaceKind::Haut)
                face.label = ElementSymbols::symbol(z);
            m_faces.push_back(std::move(face));
        }
    }
    m_built = true;
}

void Graph3DModel::ComputeEye()
{
    m_eye = {10000 * m_cosPhi * m_cosTheta + m_centre.X, 10000 * m_cosPhi * m_sinTheta + m_centre.Y,
             m_centre.Z - 10000 * m_sinPhi};
}

void Graph3DModel::SortFaces()
{
    if (m_faces.size() < 2)
        return;
    for (TTrapezeInfo &face : m_faces)
        face.depth = horizontalDistance2(face.centre, m_eye);
    // The comparison rounds the difference of the keys, so keys closer than half a unit
    // count as equal; a stable sort stays well defined with such a comparison.
    std::stable_sort(m_faces.begin(), m_faces.end(),
                     [](const TTrapezeInfo &a, const TTrapezeInfo &b) {
                         return roundEven(a.depth - b.depth) < 0;
                     });
}

void Graph3DModel::ProjectFaces()
{
    for (TTrapezeInfo &face : m_faces) {
        for (int i = 0; i < 4; ++i)
            face.points[i] = ProjectPoint(face.vertices[i]);
    }
}

void Graph3DModel::UpdateView()
{
    const bool first = !m_built;
    if (first)
        BuildModel();
    if (first || m_zoomChanged)
        ComputeScales();
    if (first)
        CentreView();
    if (first || m_angleChanged) {
        ComputeEye();
        SortFaces();
    }
    if (first || m_zoomChanged || m_angleChanged || m_offsetChanged)
        ProjectFaces();
    m_zoomChanged = m_offsetChanged = m_angleChanged = false;
}

std::array<bool, 5> Graph3DModel::axesBehind() const
{
    const float centre = horizontalDistance2(m_centre, m_eye);
    const std::array<TPoint3D, 5> references = {{
        {m_centre.X, 0, 0},
        {0, m_centre.Y, 0},
        {0, 0, m_centre.Z},
        {m_centre.X, 100, 0},
        {100, m_centre.Y, 0},
    }};
    std::array<bool, 5> behind{};
    for (int i = 0; i < 5; ++i)
        behind[i] = centre < horizontalDistance2(references[i], m_eye);
    return behind;
}
