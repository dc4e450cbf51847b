#pragma once

#include "controls/FlatButton.h"

#include <QPixmap>

// A flat button that lights up under the mouse: the element buttons, "Mode M / %"
// and the buttons of the molar-mass panel. Optionally carries a glyph beside or
// instead of its caption.
class TEncartaButton : public FlatButton
{
    Q_OBJECT
    Q_PROPERTY(bool ShowCaption READ ShowCaption WRITE setShowCaption)

public:
    explicit TEncartaButton(QWidget *parent = nullptr);
    // Made in `font` at once: a table of buttons in one font is not given the default first.
    TEncartaButton(QWidget *parent, const QFont &font);

    bool ShowCaption() const { return m_showCaption; }
    void setShowCaption(bool show);
    QPixmap Glyph() const { return m_glyph; }
    void setGlyph(const QPixmap &glyph);

protected:
    void paintLook(QPainter &painter, Look look) override;

private:
    QPoint captionPlace(Look look) const;
    void drawContent(QPainter &painter, Look look) const;

    bool m_showCaption = true;
    QPixmap m_glyph;
};

// The light and dark lines of the raised and sunken edges.
inline constexpr QRgb BevelLight = 0xF8F4ED;
inline constexpr QRgb BevelDark = 0x4F4F4F;

// Draws the raised (light top-left) or sunken (dark top-left) edge over the frame.
void drawBevel(QPainter &painter, QSize size, bool raised);
