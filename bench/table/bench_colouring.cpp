// Applying the colouring modes, with the repaint of the 103 buttons, and one update of
// the hover panel.
#include "QtBenchmarkMain.h"
#include "controls/TEncartaButton.h"
#include "data/ProgramState.h"
#include "table/TForm1.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

struct Window
{
    QTemporaryDir dir;
    ProgramState state;
    std::unique_ptr<TForm1> form;
    QComboBox *combo = nullptr;

    Window()
    {
        QFile::copy(QStringLiteral(MIRELON_SHARE_DIR "/prop.yop"), dir.filePath("prop.yop"));
        QDir::setCurrent(dir.path());
        form = std::make_unique<TForm1>(state);
        form->show();
        combo = form->findChild<QComboBox *>(QStringLiteral("combobox1"));
        QApplication::processEvents();
    }
};

Window &window()
{
    static Window shared;
    return shared;
}

// Alternates between two entries so that every iteration really applies a mode.
void applyMode(benchmark::State &state, const char *entry)
{
    Window &w = window();
    const int index = w.combo->findText(QString::fromUtf8(entry));
    const int other = w.combo->findText(QStringLiteral("Blocs s/p/d/f"));
    bool flip = false;
    for (auto _ : state) {
        w.combo->setCurrentIndex(flip ? other : index);
        flip = !flip;
        w.form->repaint();
    }
}

void BM_CategoryGroupe(benchmark::State &state)
{
    applyMode(state, "Groupe");
}
void BM_PhysicalState(benchmark::State &state)
{
    applyMode(state, "Etat Physique");
}
void BM_NumericElectronegativity(benchmark::State &state)
{
    applyMode(state, "Electronégativité");
}

void BM_HoverUpdate(benchmark::State &state)
{
    Window &w = window();
    int z = 1;
    for (auto _ : state) {
        w.form->elementButton(z)->mouseMoved(QPoint(10, 10));
        z = z % 103 + 1;
    }
}

} // namespace

BENCHMARK(BM_CategoryGroupe)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PhysicalState)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NumericElectronegativity)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HoverUpdate)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    return runWidgetBenchmarks(argc, argv);
}
