#pragma once

#include "controls/PressableAccessible.h"

class HoverButton;

// A self-drawn button as a screen reader learns of it: named by its accessible name, or else
// by its caption, described by its accessible description or tool tip. A button whose own
// Enabled flag is off is reported unavailable and ignores the press.
class HoverButtonAccessible : public PressableAccessible
{
public:
    explicit HoverButtonAccessible(HoverButton *button);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;

    // Makes Qt build this interface for every HoverButton; safe to call any number of times.
    static void install();

private:
    HoverButton *button() const;
};
