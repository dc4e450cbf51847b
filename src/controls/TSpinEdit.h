#pragma once

#include <QSpinBox>

// A spin edit of whole numbers. A decimal point or comma typed into it is refused with a word:
// dropped without one, it let the digits typed after it run on (« 298.5 » became 2985).
class TSpinEdit : public QSpinBox
{
    Q_OBJECT
public:
    explicit TSpinEdit(QWidget *parent = nullptr);

private:
    // Why `typed`, the box's text with the key just typed, is refused, for the user; nothing
    // for a text that holds no decimal separator.
    QString refusal(const QString &typed) const;

    void keyPressEvent(QKeyEvent *event) override;
};
