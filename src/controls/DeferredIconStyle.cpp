#include "controls/DeferredIconStyle.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QWidget>

#include <optional>

namespace {

// Stands for the base style's icon and asks for it at its first use.
class DeferredIconEngine : public QIconEngine
{
public:
    DeferredIconEngine(QStyle *base, QStyle::StandardPixmap standardIcon, const QWidget *widget)
        : m_base(base), m_standardIcon(standardIcon), m_widget(const_cast<QWidget *>(widget))
    {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QString iconName() override { return icon().name(); }
    QString key() const override { return QStringLiteral("DeferredIconEngine"); }
    QIconEngine *clone() const override
    {
        auto *copy = new DeferredIconEngine(m_base, m_standardIcon, m_widget);
        copy->m_icon = m_icon;
        return copy;
    }

private:
    const QIcon &icon()
    {
        if (!m_icon)
            m_icon = m_base ? m_base->standardIcon(m_standardIcon, nullptr, m_widget) : QIcon();
        return *m_icon;
    }

    QPointer<QStyle> m_base;
    QStyle::StandardPixmap m_standardIcon;
    QPointer<QWidget> m_widget;
    std::optional<QIcon> m_icon;
};

} // namespace

// Without a name, the base is the style the application would have had: the one asked for by
// -style or QT_STYLE_OVERRIDE, else the desktop's.
DeferredIconStyle::DeferredIconStyle() : QProxyStyle(QString()) {}

QIcon DeferredIconStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption *option,
                                      const QWidget *widget) const
{
    if (standardIcon == SP_ToolBarHorizontalExtensionButton ||
        standardIcon == SP_ToolBarVerticalExtensionButton)
        return QIcon(new DeferredIconEngine(baseStyle(), standardIcon, widget));
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}
