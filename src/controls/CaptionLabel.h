#pragma once

#include "controls/SharedFace.h"

#include <QLabel>

#include <optional>

// A label whose one line of plain text is drawn from its font's shared face (SharedFace),
// pixel for pixel as a label draws it, without its font being loaded at its own size. Any
// other label (rich or selectable text, several lines, a mnemonic, disabled) draws as a label.
class CaptionLabel : public QLabel
{
public:
    using QLabel::QLabel;

    // The text as shaped in the shared face, kept while the text and the font stay; nothing
    // where the face does not draw it.
    const SharedLine *shapedText();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_shapedText;
    QFont m_shapedFont;
    std::optional<SharedLine> m_shaped;
    bool m_shapedOnce = false;
};
