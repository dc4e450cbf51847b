#pragma once

#include <QColor>
#include <QGlyphRun>
#include <QList>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>

class QPainter;

// Common ground of the program's self-drawn buttons: a caption, a fill colour, a
// frame colour and an enable flag of their own, and the mouse protocol that moves a
// button between its normal, hover and pressed looks. Subclasses only paint.
//
// The button's own `Enabled` flag is separate from QWidget's enabled state: a
// button with Enabled off still paints normally and reports mouse moves, but shows
// no hover or pressed look and emits neither mouseDown, mouseUp nor clicked.
//
// The keyboard reaches it too: Tab gives it the focus, Return or Space clicks it. The focus
// shows (the hover look and a dotted frame) only once the keyboard has been used, so that a
// mouse user sees the button exactly as before.
class HoverButton : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(QColor Color READ Color WRITE setColor)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setButtonEnabled)
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE setShowHint)
    Q_PROPERTY(bool ParentShowHint READ ParentShowHint WRITE setParentShowHint)

public:
    enum class Look { Normal, Hover, Pressed };
    // How a search marks the button over its look: dimmed when it is not found, framed when
    // it is the match that Return would go to.
    enum class Mark { None, Dimmed, Framed };

    QString Caption() const { return m_caption; }
    // The name a screen reader gives the button when no accessible name is set, made when it is
    // read (from data the start need not turn into a hundred names); the caption without it.
    void setAccessibleNameSource(std::function<QString()> source)
    {
        m_accessibleNameSource = std::move(source);
    }
    QString spokenName() const;
    void setCaption(const QString &caption);
    QColor Color() const { return m_color; }
    void setColor(const QColor &color);
    bool Enabled() const { return m_enabled; }
    void setButtonEnabled(bool enabled) { m_enabled = enabled; }
    bool ShowHint() const { return m_showHint; }
    void setShowHint(bool show) { m_showHint = show; }
    bool ParentShowHint() const { return m_parentShowHint; }
    void setParentShowHint(bool fromParent) { m_parentShowHint = fromParent; }

    // The caption colour of the normal look (the colour of the button's font).
    QColor FontColor() const { return m_fontColor; }
    void setFontColor(const QColor &color);

    // What setColor (for a fill given) and setFontColor set, without the repaint: for a caller
    // that recolours many buttons and repaints the area they cover at once.
    void recolour(const std::optional<QColor> &fill, const QColor &fontColor);

    Look currentLook() const { return m_look; }
    Mark mark() const { return m_mark; }
    void setMark(Mark mark);
    // Whether the button shows that it has the focus: it has it, and the keyboard has been used.
    bool showsFocus() const { return hasFocus() && m_keyboardFocus; }

signals:
    void mouseDown(QPoint pos);
    void mouseUp(QPoint pos);
    void clicked();
    void mouseMoved(QPoint pos);

protected:
    // Made in `font` when given, else in the buttons' default font.
    HoverButton(QWidget *parent, QSize defaultSize, QColor color, QColor fontColor,
                const QFont *font = nullptr);

    // Whether the mouse entering lights the button (not so for the raised kind).
    virtual bool hasHoverLook() const { return true; }
    virtual void paintLook(QPainter &painter, Look look) = 0;

    // Shows `look` now and keeps it as the button's state.
    void showLook(Look look);
    // Draws the caption with its top-left corner at `topLeft`.
    void drawCaption(QPainter &painter, QPoint topLeft, const QColor &color) const;
    QSize captionSize() const;
    // The pixels the caption's glyphs may touch, with a pixel to spare on each side, relative
    // to the caption's top-left corner.
    QRect captionInk() const;

    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    bool hintsShown() const;
    // The look when neither the mouse nor a press lights the button: lit while it shows the
    // focus, as the mouse would light it.
    Look restingLook() const;
    void drawMarks(QPainter &painter) const;
    void setCaptionText(const QString &caption);

    // The caption as shaped in the button's font, kept until the caption or the font changes:
    // shaping it again at every paint cost more than the rest of the button's painting.
    struct CaptionLayout
    {
        QSize size;
        int ascent = 0;     // as whole pixels: the baseline stands this far below the top
        qreal glyphTop = 0; // how far above the baseline the glyph runs are placed
        QList<QGlyphRun> runs;
        QRect ink;
    };
    const CaptionLayout &captionLayout() const;

    QString m_caption;
    std::function<QString()> m_accessibleNameSource;
    mutable std::optional<CaptionLayout> m_captionLayout;
    bool m_captionSet = false;
    QColor m_color;
    QColor m_fontColor;
    bool m_enabled = true;
    bool m_showHint = true;
    bool m_parentShowHint = true;
    bool m_leftPressed = false;
    bool m_keyboardFocus = false; // the focus came, or was used, by the keyboard
    Look m_look = Look::Normal;
    Mark m_mark = Mark::None;
};

// Fills the inner area of a w x h button, the rectangle (1, 1)-(w - 1, h - 1).
void fillInnerArea(QPainter &painter, QSize size, const QColor &color);
// Draws the one-pixel outline of the rectangle (inset, inset)-(w - inset, h - inset).
void drawFrame(QPainter &painter, QSize size, const QColor &color, int inset = 0);
