#pragma once

#include "controls/TBevelPanel.h"

// A raised panel filled with one colour and captioned with what that colour paints; a
// click asks for a new colour.
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

private:
    QString m_caption;
};
