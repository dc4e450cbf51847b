#include "modules/OnDemandGraphics.h"

#include "controls/ErrorBox.h"

OnDemandGraphics::OnDemandGraphics(const GraphicsContext &context, QStringList folders)
    : m_context(context), m_folders(std::move(folders))
{}

OnDemandGraphics::~OnDemandGraphics() = default;

Graphics *OnDemandGraphics::get()
{
    if (m_graphics || m_failed)
        return m_graphics.get();
    GraphicsFactory *factory = GraphicsModule::linked();
    if (!factory) {
        const GraphicsModule::Loaded loaded = GraphicsModule::load(m_folders);
        factory = loaded.factory;
        if (!factory) {
            m_failed = true;
            showErrorBox(loaded.error, m_context.window);
            return nullptr;
        }
    }
    m_graphics = factory->make(m_context);
    return m_graphics.get();
}
