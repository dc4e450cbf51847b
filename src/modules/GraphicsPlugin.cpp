#include "modules/GraphicsPlugin.h"

#include "modules/ProgramGraphics.h"

std::unique_ptr<Graphics> GraphicsPlugin::make(const GraphicsContext &context)
{
    return std::make_unique<ProgramGraphics>(context);
}
