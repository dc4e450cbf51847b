#include "charts/MetafileRecorder.h"

#include "data/Cp1252.h"

#include <uwmf.h> // includes uemf.h

#include <QFile>
#include <QHash>
#include <QProcess>

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace {

U_COLORREF colorRef(const QColor &color)
{
    return colorref3_set(uint8_t(color.red()), uint8_t(color.green()), uint8_t(color.blue()));
}

QString penKey(const MetafileRecorder::Pen &pen)
{
    return pen.visible
               ? QStringLiteral("p%1/%2/%3").arg(pen.color.name()).arg(pen.width).arg(pen.dashed)
               : QStringLiteral("p-");
}

QString brushKey(const MetafileRecorder::Brush &brush)
{
    return brush.visible ? QStringLiteral("b%1").arg(brush.color.name()) : QStringLiteral("b-");
}

QString fontKey(const MetafileRecorder::Font &font)
{
    return QStringLiteral("f%1/%2/%3/%4/%5/%6")
        .arg(font.family)
        .arg(font.height)
        .arg(font.weight)
        .arg(font.italic)
        .arg(font.underline)
        .arg(font.escapement);
}

// What both formats share: one GDI object per distinct pen, brush and font, selected only
// when the drawing needs another one, and the clip kept in a saved device context. After a
// restore the context holds again what it held when saved, so every selection is redone.
class GdiRecorder : public MetafileRecorder
{
public:
    void setPen(const Pen &pen) override { m_pen = pen; }
    void setBrush(const Brush &brush) override { m_brush = brush; }

    void setClip(const std::optional<QRect> &rect) override
    {
        if (m_clipped)
            restoreDC();
        m_clipped = rect.has_value();
        if (m_clipped) {
            saveDC();
            intersectClip(*rect);
        }
        m_selected.clear();
        m_textColor.reset();
    }

protected:
    virtual uint32_t createPen(const Pen &pen) = 0;
    virtual uint32_t createBrush(const Brush &brush) = 0;
    virtual uint32_t createFont(const Font &font) = 0;
    virtual void select(uint32_t handle) = 0;
    virtual void saveDC() = 0;
    virtual void restoreDC() = 0;
    virtual void intersectClip(const QRect &rect) = 0;
    virtual void textColor(const QColor &color) = 0;

    void useLines()
    {
        use(penKey(m_pen), [this] { return createPen(m_pen); });
    }
    void useShapes()
    {
        useLines();
        use(brushKey(m_brush), [this] { return createBrush(m_brush); });
    }
    void useText(const Font &font, const QColor &color)
    {
        use(fontKey(font), [&] { return createFont(font); });
        if (m_textColor != color.rgb()) {
            textColor(color);
            m_textColor = color.rgb();
        }
    }

private:
    template <class Create> void use(const QString &key, Create create)
    {
        const QChar kind = key.front();
        auto made = m_objects.find(key);
        if (made == m_objects.end())
            made = m_objects.insert(key, create());
        if (m_selected.value(kind) != key) {
            select(*made);
            m_selected.insert(kind, key);
        }
    }

    Pen m_pen;
    Brush m_brush;
    QHash<QString, uint32_t> m_objects;
    QHash<QChar, QString> m_selected; // by kind: 'p', 'b', 'f'
    std::optional<QRgb> m_textColor;
    bool m_clipped = false;
};

// The library writes each picture to a file named when it starts; it is built in memory and
// handed over whole, so the file is sent nowhere and the caller writes the bytes itself.
QByteArray nowhere()
{
    return QFile::encodeName(QProcess::nullDevice());
}

U_RECTL rectL(const QRect &rect)
{
    return rectl_set(point32_set(rect.left(), rect.top()),
                     point32_set(rect.right(), rect.bottom()));
}

U_RECTL boundsOf(const QVector<QPoint> &points)
{
    QRect box;
    for (const QPoint &p : points)
        box |= QRect(p, QSize(1, 1));
    return rectL(box);
}

// The string's UTF-16 code units, with its terminating zero when a record wants one.
QVector<uint16_t> utf16Of(const QString &string, bool terminated)
{
    const auto *begin = reinterpret_cast<const uint16_t *>(string.utf16());
    return QVector<uint16_t>(begin, begin + string.size() + (terminated ? 1 : 0));
}

QVector<U_POINTL> pointsL(const QVector<QPoint> &points)
{
    QVector<U_POINTL> out;
    out.reserve(points.size());
    for (const QPoint &p : points)
        out.append(point32_set(p.x(), p.y()));
    return out;
}

// The enhanced metafile: 32-bit records, Unicode text.
class EmfRecorder : public GdiRecorder
{
public:
    ~EmfRecorder() override
    {
        if (m_track)
            emf_free(&m_track);
        if (m_handles)
            emf_htable_free(&m_handles);
    }

    bool start(QSize logical, QSize pixels)
    {
        if (emf_start(nowhere().constData(), 1 << 20, 1 << 18, &m_track) != 0 ||
            emf_htable_create(128, 128, &m_handles) != 0)
            return false;
        // The reference device is the picture itself: its logical size over its size in mm.
        const int widthMm = qMax(1, qRound(pixels.width() * 25.4 / 96));
        const int heightMm = qMax(1, qRound(pixels.height() * 25.4 / 96));
        const U_RECTL bounds = rectL(QRect(QPoint(0, 0), logical));
        const U_RECTL frame = rectL(QRect(0, 0, qRound(pixels.width() * 2540 / 96.0),
                                          qRound(pixels.height() * 2540 / 96.0)));
        append(U_EMRHEADER_set(bounds, frame, nullptr, 0, nullptr,
                               sizel_set(logical.width(), logical.height()),
                               sizel_set(widthMm, heightMm), 0));
        append(U_EMRSETBKMODE_set(U_TRANSPARENT));
        append(U_EMRSETTEXTALIGN_set(U_TA_BASELINE | U_TA_LEFT));
        append(U_EMRSETPOLYFILLMODE_set(U_WINDING));
        return true;
    }

    void polyline(const QVector<QPoint> &points) override
    {
        useLines();
        const QVector<U_POINTL> pts = pointsL(points);
        append(U_EMRPOLYLINE_set(boundsOf(points), uint32_t(pts.size()), pts.constData()));
    }
    void polygon(const QVector<QPoint> &points) override
    {
        useShapes();
        const QVector<U_POINTL> pts = pointsL(points);
        append(U_EMRPOLYGON_set(boundsOf(points), uint32_t(pts.size()), pts.constData()));
    }
    void rectangle(const QRect &rect) override
    {
        useShapes();
        append(U_EMRRECTANGLE_set(rectL(rect)));
    }
    void text(QPoint origin, const QString &string, const QVector<int> &advances, const Font &font,
              const QColor &color) override
    {
        useText(font, color);
        QVector<uint32_t> dx;
        for (int advance : advances)
            dx.append(uint32_t(qMax(0, advance)));
        QVector<uint16_t> utf16 = utf16Of(string, false);
        char *record = emrtext_set(point32_set(origin.x(), origin.y()), uint32_t(utf16.size()), 2,
                                   utf16.data(), 0, rectl_set({0, 0}, {-1, -1}), dx.data());
        append(U_EMREXTTEXTOUTW_set(rectl_set({0, 0}, {-1, -1}), U_GM_COMPATIBLE, 1, 1,
                                    reinterpret_cast<PU_EMRTEXT>(record)));
        std::free(record);
    }
    std::optional<QByteArray> finish() override
    {
        append(U_EMREOF_set(0, nullptr, m_track));
        // Finishing fills in the header's counts in the buffer, which stays until freed.
        if (!m_ok || emf_finish(m_track, m_handles) != 0)
            return std::nullopt;
        return QByteArray(m_track->buf, qsizetype(m_track->used));
    }

protected:
    uint32_t createPen(const Pen &pen) override
    {
        uint32_t handle = 0;
        const uint32_t style = !pen.visible ? U_PS_NULL : pen.dashed ? U_PS_DASH : U_PS_SOLID;
        append(createpen_set(&handle, m_handles,
                             logpen_set(style, point32_set(pen.width, 0), colorRef(pen.color))));
        return handle;
    }
    uint32_t createBrush(const Brush &brush) override
    {
        uint32_t handle = 0;
        append(createbrushindirect_set(
            &handle, m_handles,
            logbrush_set(brush.visible ? U_BS_SOLID : U_BS_NULL, colorRef(brush.color), 0)));
        return handle;
    }
    uint32_t createFont(const Font &font) override
    {
        uint32_t handle = 0;
        QVector<uint16_t> face = utf16Of(font.family.left(31), true);
        const U_LOGFONT logFont = logfont_set(
            -font.height, 0, font.escapement, font.escapement, font.weight, font.italic,
            font.underline, 0, U_DEFAULT_CHARSET, U_OUT_DEFAULT_PRECIS, U_CLIP_DEFAULT_PRECIS,
            U_DEFAULT_QUALITY, U_DEFAULT_PITCH | U_FF_SWISS, face.data());
        const U_LOGFONT_PANOSE panose = logfont_panose_set(
            logFont, face.data(), nullptr, 0, panose_set(0, 0, 0, 0, 0, 0, 0, 0, 0, 0));
        append(extcreatefontindirectw_set(&handle, m_handles,
                                          reinterpret_cast<const char *>(&panose), nullptr));
        return handle;
    }
    void select(uint32_t handle) override { append(selectobject_set(handle, m_handles)); }
    void saveDC() override { append(U_EMRSAVEDC_set()); }
    void restoreDC() override { append(U_EMRRESTOREDC_set(-1)); }
    void intersectClip(const QRect &rect) override
    {
        // The clip rectangle excludes its right and bottom edges.
        append(U_EMRINTERSECTCLIPRECT_set(rectL(rect.adjusted(0, 0, 1, 1))));
    }
    void textColor(const QColor &color) override { append(U_EMRSETTEXTCOLOR_set(colorRef(color))); }

private:
    void append(char *record)
    {
        m_ok = m_ok && record &&
               emf_append(reinterpret_cast<U_ENHMETARECORD *>(record), m_track, 1) == 0;
    }

    EMFTRACK *m_track = nullptr;
    EMFHANDLES *m_handles = nullptr;
    bool m_ok = true;
};

// A value as a 16-bit field of a Windows metafile holds it: the nearest one it can, never
// one wrapped round to the other end of the range. The range is kept symmetric so that a
// negated value (a font's height) holds too.
int16_t to16(qint64 value)
{
    constexpr qint64 limit = std::numeric_limits<int16_t>::max();
    return int16_t(std::clamp<qint64>(value, -limit, limit));
}

bool fits16(QPoint point)
{
    return point.x() == to16(point.x()) && point.y() == to16(point.y());
}

U_POINT16 point16(QPoint point)
{
    return point16_set(to16(point.x()), to16(point.y()));
}

QVector<U_POINT16> points16(const QVector<QPoint> &points)
{
    QVector<U_POINT16> out;
    out.reserve(points.size());
    for (const QPoint &p : points)
        out.append(point16(p));
    return out;
}

U_RECT16 rect16(const QRect &rect)
{
    return U_RECT16_set(point16(rect.topLeft()), point16_set(to16(qint64(rect.right()) + 1),
                                                             to16(qint64(rect.bottom()) + 1)));
}

// The Windows metafile: 16-bit records with a placeable header, text in Windows-1252.
class WmfRecorder : public GdiRecorder
{
public:
    ~WmfRecorder() override
    {
        if (m_track)
            wmf_free(&m_track);
        if (m_handles)
            wmf_htable_free(&m_handles);
    }

    bool start(QSize logical, QSize pixels)
    {
        if (wmf_start(nowhere().constData(), 1 << 20, 1 << 18, &m_track) != 0 ||
            wmf_htable_create(128, 128, &m_handles) != 0)
            return false;
        // The placeable header gives the size in inches and the logical units per inch.
        const unsigned dpi = unsigned(qRound(96.0 * logical.width() / qMax(1, pixels.width())));
        U_PAIRF *inches = U_PAIRF_set(float(pixels.width() / 96.0), float(pixels.height() / 96.0));
        char *header = U_WMRHEADER_set(inches, dpi);
        std::free(inches);
        m_ok =
            header && wmf_header_append(reinterpret_cast<U_METARECORD *>(header), m_track, 1) == 0;
        append(U_WMRSETMAPMODE_set(U_MM_ANISOTROPIC));
        append(U_WMRSETWINDOWORG_set(point16_set(0, 0)));
        append(U_WMRSETWINDOWEXT_set(point16(QPoint(logical.width(), logical.height()))));
        append(U_WMRSETBKMODE_set(U_TRANSPARENT));
        append(U_WMRSETTEXTALIGN_set(U_TA_BASELINE | U_TA_LEFT));
        append(U_WMRSETPOLYFILLMODE_set(U_WINDING));
        return m_ok;
    }

    void polyline(const QVector<QPoint> &points) override
    {
        useLines();
        const QVector<U_POINT16> pts = points16(points);
        append(U_WMRPOLYLINE_set(uint16_t(pts.size()), pts.constData()));
    }
    void polygon(const QVector<QPoint> &points) override
    {
        useShapes();
        const QVector<U_POINT16> pts = points16(points);
        append(U_WMRPOLYGON_set(uint16_t(pts.size()), pts.constData()));
    }
    void rectangle(const QRect &rect) override
    {
        useShapes();
        append(U_WMRRECTANGLE_set(rect16(rect)));
    }
    void text(QPoint origin, const QString &string, const QVector<int> &advances, const Font &font,
              const QColor &color) override
    {
        // Characters the code page cannot hold are written as question marks. A text that
        // starts beyond the 16-bit coordinates is left out rather than moved.
        QByteArray bytes;
        QVector<int16_t> dx;
        for (int i = 0; i < string.size(); ++i) {
            bytes.append(char(Cp1252::fromUnicode(string[i].unicode()).value_or('?')));
            dx.append(to16(i < advances.size() ? advances[i] : 0));
        }
        if (bytes.isEmpty() || !fits16(origin) ||
            bytes.size() > std::numeric_limits<int16_t>::max())
            return;
        useText(font, color);
        append(U_WMREXTTEXTOUT_set(point16(origin), int16_t(bytes.size()), 0, bytes.constData(),
                                   dx.data(), U_RECT16_set(point16_set(0, 0), point16_set(0, 0))));
    }
    std::optional<QByteArray> finish() override
    {
        append(U_WMREOF_set());
        if (!m_ok || wmf_finish(m_track) != 0)
            return std::nullopt;
        return QByteArray(m_track->buf, qsizetype(m_track->used));
    }

protected:
    uint32_t createPen(const Pen &pen) override
    {
        uint32_t handle = 0;
        const uint16_t style = !pen.visible ? U_PS_NULL : pen.dashed ? U_PS_DASH : U_PS_SOLID;
        append(wcreatepenindirect_set(
            &handle, m_handles, U_PEN_set(style, uint16_t(to16(pen.width)), colorRef(pen.color))));
        return handle;
    }
    uint32_t createBrush(const Brush &brush) override
    {
        uint32_t handle = 0;
        append(wcreatebrushindirect_set(
            &handle, m_handles,
            U_WLOGBRUSH_set(brush.visible ? U_BS_SOLID : U_BS_NULL, colorRef(brush.color), 0)));
        return handle;
    }
    uint32_t createFont(const Font &font) override
    {
        uint32_t handle = 0;
        QByteArray face = Cp1252::encode(font.family.left(31)).value_or(QByteArray("Arial"));
        U_FONT *record = U_FONT_set(
            int16_t(-to16(font.height)), 0, to16(font.escapement), to16(font.escapement),
            to16(font.weight), font.italic, font.underline, 0, U_ANSI_CHARSET, U_OUT_DEFAULT_PRECIS,
            U_CLIP_DEFAULT_PRECIS, U_DEFAULT_QUALITY, U_DEFAULT_PITCH | U_FF_SWISS, face.data());
        append(wcreatefontindirect_set(&handle, m_handles, record));
        std::free(record);
        return handle;
    }
    void select(uint32_t handle) override { append(wselectobject_set(handle, m_handles)); }
    void saveDC() override { append(U_WMRSAVEDC_set()); }
    void restoreDC() override { append(U_WMRRESTOREDC_set(-1)); }
    void intersectClip(const QRect &rect) override
    {
        append(U_WMRINTERSECTCLIPRECT_set(rect16(rect)));
    }
    void textColor(const QColor &color) override { append(U_WMRSETTEXTCOLOR_set(colorRef(color))); }

private:
    void append(char *record)
    {
        m_ok =
            m_ok && record && wmf_append(reinterpret_cast<U_METARECORD *>(record), m_track, 1) == 0;
    }

    WMFTRACK *m_track = nullptr;
    WMFHANDLES *m_handles = nullptr;
    bool m_ok = true;
};

} // namespace

std::unique_ptr<MetafileRecorder> MetafileRecorder::create(Format format, QSize logicalSize,
                                                           QSize pixels)
{
    if (format == Format::Emf) {
        auto emf = std::make_unique<EmfRecorder>();
        if (emf->start(logicalSize, pixels))
            return emf;
        return nullptr;
    }
    auto wmf = std::make_unique<WmfRecorder>();
    if (wmf->start(logicalSize, pixels))
        return wmf;
    return nullptr;
}
