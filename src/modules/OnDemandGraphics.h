#pragma once

#include "modules/GraphicsModule.h"

#include <memory>

// The graphics commands of one main window, loaded at the first that is used. A module that
// is missing or does not load is reported once, over the window; the program goes on
// without the commands, which then do nothing.
class OnDemandGraphics
{
public:
    explicit OnDemandGraphics(const GraphicsContext &context,
                              QStringList folders = GraphicsModule::folders());
    ~OnDemandGraphics();

    // The commands; null when the module could not be loaded.
    Graphics *get();

private:
    GraphicsContext m_context;
    QStringList m_folders;
    std::unique_ptr<Graphics> m_graphics;
    bool m_failed = false;
};
