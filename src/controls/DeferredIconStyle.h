#pragma once

#include <QProxyStyle>

// The application's style, but the arrow that a menu bar keeps for entries it has no room for is
// read from its file when first drawn. Made at start by every menu bar, that icon would load
// Qt's image-format plugins (and the SVG and JPEG libraries behind them) to identify a PNG file
// which the main window never shows.
class DeferredIconStyle : public QProxyStyle
{
    Q_OBJECT

public:
    DeferredIconStyle();

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};
