#pragma once

#include <QList>
#include <QPointer>
#include <QProxyStyle>

// The application's style, but the letters that Alt with a letter reaches are underlined only
// while Alt is held: the captions of menus given such a letter look exactly as without one.
class MnemonicStyle : public QProxyStyle
{
    Q_OBJECT

public:
    MnemonicStyle();

    // Draws `widget` in this style and repaints it when Alt is pressed or let go. The widget
    // does not own the style; the style must outlive it.
    void apply(QWidget *widget);
    bool altHeld() const { return m_altHeld; }

    int styleHint(StyleHint hint, const QStyleOption *option = nullptr,
                  const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setAltHeld(bool held);

    bool m_altHeld = false;
    QList<QPointer<QWidget>> m_widgets;
};
