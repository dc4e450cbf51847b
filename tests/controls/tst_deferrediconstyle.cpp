// The menu bar's overflow arrow under the application's style: making a menu bar reads no image
// file (so loads no image-format plugin), and the arrow, once drawn, is the base style's own.
#include "controls/DeferredIconStyle.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QMenuBar>
#include <QStyleFactory>
#include <QtTest>

namespace {

bool imageFormatPluginMapped()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return false;
    return maps.readAll().contains("/imageformats/");
}

} // namespace

class TestDeferredIconStyle : public QObject
{
    Q_OBJECT
private slots:
    void menuBarReadsTheArrowOnlyWhenDrawn();
};

void TestDeferredIconStyle::menuBarReadsTheArrowOnlyWhenDrawn()
{
    QVERIFY2(!imageFormatPluginMapped(), "a plugin was mapped before the test began");
    auto *style = new DeferredIconStyle;
    QApplication::setStyle(style);
    QMenuBar bar;
    bar.addMenu(QStringLiteral("&Graphiques"));
    QVERIFY(!imageFormatPluginMapped());

    const QScopedPointer<QStyle> base(QStyleFactory::create(style->baseStyle()->name()));
    QVERIFY(base);
    for (const auto arrow :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        const QIcon deferred = style->standardIcon(arrow, nullptr, &bar);
        const QIcon own = base->standardIcon(arrow, nullptr, &bar);
        QVERIFY(!deferred.isNull());
        QCOMPARE(deferred.availableSizes(), own.availableSizes());
        for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled}) {
            const QImage drawn = deferred.pixmap(QSize(16, 16), mode).toImage();
            QVERIFY(!drawn.isNull());
            QCOMPARE(drawn, own.pixmap(QSize(16, 16), mode).toImage());
        }
    }
    // Other icons are the base style's as they stand.
    QCOMPARE(style->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32).toImage(),
             base->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32).toImage());
}

QTEST_MAIN(TestDeferredIconStyle)
#include "tst_deferrediconstyle.moc"
