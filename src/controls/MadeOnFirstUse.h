#pragma once

#include <functional>
#include <utility>

// A window made the first time it is asked for, so that the start costs nothing for it: a
// maker builds it, parented to its owner, which then owns it. A window handed over ready-made
// is used as it is.
template <class Window> class MadeOnFirstUse
{
public:
    void setMaker(std::function<Window *()> make) { m_make = std::move(make); }
    void set(Window *made) { m_made = made; }

    // The window, made now if it is not yet; null with neither a window nor a maker.
    Window *get()
    {
        if (!m_made && m_make)
            m_made = m_make();
        return m_made;
    }
    bool available() const { return m_made || m_make; }

private:
    std::function<Window *()> m_make;
    Window *m_made = nullptr; // owned by the window that asks for it
};
