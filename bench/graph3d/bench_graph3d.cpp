// The 3-D picture at the size of the graph in its window (717 x 487): a full drawing of
// the 618 faces with their symbols, one drag move with live redraw (turn, sort, project,
// draw and show), and one move of the light-weight axis preview.
#include "QtBenchmarkMain.h"
#include "controls/Fonts.h"
#include "graph3d/TGraph3D.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

// Bars of every height from 1 to 101 and a few without a value.
Graph3DModel::HeightTable &heights()
{
    static Graph3DModel::HeightTable table = [] {
        Graph3DModel::HeightTable h;
        for (int i = 0; i < 103; ++i)
            h[i] = i % 17 == 5 ? 0.05 : 1 + (i * 37) % 101;
        return h;
    }();
    return table;
}

struct Shown
{
    TGraph3D graph{&heights()};
    Shown()
    {
        graph.setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
        graph.resize(717, 487);
        graph.setMouseControl(TGraph3D::TMouseControl::mcRotate);
        graph.show();
        QApplication::processEvents();
        graph.repaint();
    }
    void send(QEvent::Type type, QPoint at)
    {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, graph.mapToGlobal(at), button, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&graph, &event);
    }
};

void BM_FullDraw(benchmark::State &state)
{
    Shown shown;
    QImage canvas(shown.graph.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&canvas);
        painter.setFont(shown.graph.font());
        shown.graph.Draw(painter, false);
    }
}

// Three pixels to one side and back: one degree each way, so every move turns the view.
void dragMoves(benchmark::State &state, bool live)
{
    Shown shown;
    shown.graph.setLiveRedraw([live] { return live; });
    shown.send(QEvent::MouseButtonPress, {300, 200});
    shown.send(QEvent::MouseMove, {303, 200});
    int step = 0;
    for (auto _ : state) {
        shown.send(QEvent::MouseMove, {++step % 2 ? 300 : 303, 200});
        shown.graph.repaint();
    }
    shown.send(QEvent::MouseButtonRelease, {300, 200});
}

void BM_DragMoveLiveRedraw(benchmark::State &state)
{
    dragMoves(state, true);
}

void BM_DragMovePreview(benchmark::State &state)
{
    dragMoves(state, false);
}

} // namespace

BENCHMARK(BM_FullDraw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DragMoveLiveRedraw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DragMovePreview)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return runWidgetBenchmarks(argc, argv);
}
