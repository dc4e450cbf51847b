#pragma once

#include "modules/Graphics.h"

#include <QObject>

// The graphics module's entry, as Qt's plugin loader finds it in the module's file, or among
// the plugins linked into a test.
class GraphicsPlugin : public QObject, public GraphicsFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID MIRELON_GRAPHICS_IID)
    Q_INTERFACES(GraphicsFactory)

public:
    std::unique_ptr<Graphics> make(const GraphicsContext &context) override;
};
