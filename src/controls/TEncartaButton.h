#pragma once

#include "controls/HoverButton.h"

#include <QPixmap>

// A flat button that lights up under the mouse: the 103 element buttons, "Mode M / %"
// and the buttons of the molar-mass panel. Optionally carries a glyph beside or
// instead of its caption.
class TEncartaButton : public HoverButton
{
    Q_OBJECT
    Q_PROPERTY(QColor ColorBorder READ ColorBorder WRITE setColorBorder)
    Q_PROPERTY(QColor ColorOver READ ColorOver WRITE setColorOver)
    Q_PROPERTY(QColor ColorDown READ ColorDown WRITE setColorDown)
    Q_PROPERTY(QColor ColorOverCaption READ ColorOverCaption WRITE setColorOverCaption)
    Q_PROPERTY(bool ShowCaption READ ShowCaption WRITE setShowCaption)

public:
    explicit TEncartaButton(QWidget *parent = nullptr);

    QColor ColorBorder() const { return m_colorBorder; }
    void setColorBorder(const QColor &color);
    QColor ColorOver() const { return m_colorOver; }
    void setColorOver(const QColor &color) { m_colorOver = color; }
    QColor ColorDown() const { return m_colorDown; }
    void setColorDown(const QColor &color) { m_colorDown = color; }
    QColor ColorOverCaption() const { return m_colorOverCaption; }
    void setColorOverCaption(const QColor &color) { m_colorOverCaption = color; }
    bool ShowCaption() const { return m_showCaption; }
    void setShowCaption(bool show);
    QPixmap Glyph() const { return m_glyph; }
    void setGlyph(const QPixmap &glyph);

protected:
    void paintLook(QPainter &painter, Look look) override;

private:
    void drawContent(QPainter &painter, Look look) const;

    QColor m_colorBorder{0x99, 0x8F, 0x82};
    QColor m_colorOver{0xD8, 0xBE, 0x0A};
    QColor m_colorDown{0xD8, 0xBE, 0x0A};
    QColor m_colorOverCaption{Qt::black};
    bool m_showCaption = true;
    QPixmap m_glyph;
};

// The light and dark lines of the raised and sunken edges.
inline constexpr QRgb BevelLight = 0xF8F4ED;
inline constexpr QRgb BevelDark = 0x4F4F4F;

// Draws the raised (light top-left) or sunken (dark top-left) edge over the frame.
void drawBevel(QPainter &painter, QSize size, bool raised);
