#pragma once

#include <QWidget>

// A plain panel with an outer and an inner one-pixel bevel, each raised, lowered or
// absent, on its background colour: the program's legends, hover panel and frames.
class TBevelPanel : public QWidget
{
    Q_OBJECT

public:
    enum class Bevel { None, Raised, Lowered };

    explicit TBevelPanel(QWidget *parent = nullptr);

    Bevel BevelOuter() const { return m_outer; }
    void setBevelOuter(Bevel bevel);
    Bevel BevelInner() const { return m_inner; }
    void setBevelInner(Bevel bevel);
    // The fill; an invalid colour lets the parent show through.
    QColor Color() const { return m_color; }
    void setColor(const QColor &color);
    // The gap between the outer and the inner bevel, in pixels.
    int BorderWidth() const { return m_borderWidth; }
    void setBorderWidth(int width);
    // How far the area inside both bevels lies from each edge: where aligned children go.
    int ClientInset() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Bevel m_outer = Bevel::Raised;
    Bevel m_inner = Bevel::None;
    QColor m_color;
    int m_borderWidth = 0;
};
