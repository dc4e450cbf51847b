#pragma once

#include "controls/TBevelPanel.h"

// A raised panel filled with one colour and captioned with what that colour paints; a
// click, or Return or Space once Tab has given it the focus, asks for a new colour.
class ColourSwatch : public TBevelPanel
{
    Q_OBJECT

public:
    explicit ColourSwatch(const QString &caption, QWidget *parent = nullptr);

    QString caption() const { return m_caption; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QString m_caption;
    bool m_keyboardFocus = false; // the focus came by the keyboard: it shows
};
