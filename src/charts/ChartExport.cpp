#include "charts/ChartExport.h"

#include "charts/ElementChart.h"
#include "charts/MetafileDevice.h"
#include "controls/PictureSaveDialog.h"
#include "controls/TitledPicture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPrinter>

namespace ChartExport {

namespace {

// Vector output: pens scale with the drawing, nothing is cached as a bitmap.
bool beginVector(QCPPainter &painter, QPaintDevice *device)
{
    if (!painter.begin(device))
        return false;
    painter.setMode(QCPPainter::pmVectorized);
    painter.setMode(QCPPainter::pmNoCaching);
    return true;
}

} // namespace

QString withExtension(const QString &name, Format format)
{
    static const char *const Extensions[] = {".bmp", ".wmf", ".emf", ".png", ".svg", ".pdf"};
    return PictureSaveDialog::withExtension(name, Extensions[int(format)]);
}

QImage bitmap(ElementChart &chart)
{
    return chart.toPixmap(chart.width(), chart.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB888);
}

void copyToClipboard(ElementChart &chart)
{
    QGuiApplication::clipboard()->setImage(bitmap(chart));
}

QString title(const ElementChart &chart)
{
    const auto flat = [](const QString &text) { return text.simplified(); };
    return flat(chart.yAxis->label()) + QStringLiteral(" en fonction de ") +
           flat(chart.xAxis->label());
}

std::optional<QByteArray> pictureFile(ElementChart &chart, Format format)
{
    if (format >= Format::Png) {
        const auto titled = TitledPicture::Format(int(format) - int(Format::Png));
        const auto paint = [&chart](QPainter &painter) {
            auto &chartPainter = static_cast<QCPPainter &>(painter);
            chartPainter.setMode(QCPPainter::pmVectorized);
            chartPainter.setMode(QCPPainter::pmNoCaching);
            chart.toPainter(&chartPainter, chart.width(), chart.height());
        };
        return TitledPicture::file(titled, chart.size(), title(chart), paint,
                                   [] { return std::make_unique<QCPPainter>(); });
    }
    if (format == Format::Bmp)
        return PictureSaveDialog::bitmapFile(bitmap(chart));
    MetafileDevice device(format == Format::Wmf ? MetafileRecorder::Format::Wmf
                                                : MetafileRecorder::Format::Emf,
                          chart.size());
    QCPPainter painter;
    if (!beginVector(painter, &device))
        return std::nullopt;
    chart.toPainter(&painter, chart.width(), chart.height());
    painter.end();
    return device.file();
}

bool print(ElementChart &chart, QPrinter &printer)
{
    QCPPainter painter;
    if (!printer.isValid() || !beginVector(painter, &printer))
        return false;
    const QRect page = painter.viewport();
    const double scale =
        qMin(double(page.width()) / chart.width(), double(page.height()) / chart.height());
    painter.scale(scale, scale);
    chart.toPainter(&painter, chart.width(), chart.height());
    painter.end();
    return true;
}

} // namespace ChartExport
