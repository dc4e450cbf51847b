// Applying the colouring modes, with the repaint of the 103 buttons, one update of the hover
// panel, and one keystroke of the table's search with its marks.
#include "QtBenchmarkMain.h"
#include "controls/PictureSaves.h"
#include "controls/TEncartaButton.h"
#include "data/ProgramState.h"
#include "table/MainWindowKeys.h"
#include "table/TForm1.h"
#include "table/TableSearch.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

struct Window
{
    ProgramState state;
    PictureSaves pictures;
    std::unique_ptr<TForm1> form;
    QComboBox *combo = nullptr;

    Window()
    {
        form = std::make_unique<TForm1>(state, shippedData(), pictures);
        form->show();
        combo = form->findChild<QComboBox *>(QStringLiteral("combobox1"));
        QApplication::processEvents();
    }
};

// Made at the first use and deleted while the application is still whole: a window left
// to the static destructors outlives the application and crashes the run's exit.
Window &window()
{
    static Window *shared = nullptr;
    if (!shared) {
        shared = new Window;
        qAddPostRoutine([] {
            delete shared;
            shared = nullptr;
        });
    }
    return *shared;
}

// Applies `entry` as a choice in the colouring list does (the window reacts to the list's
// `activated`, not to a mere change of its current index), alternating with "Blocs s/p/d/f"
// so that every iteration colours anew, then lets the event loop paint what the mode changed:
// every mode sets the captions of all 103 buttons, so all of them are painted. Element z has
// different colours in the two modes: an iteration after which it kept its colour, or fewer
// than 103 buttons were painted, measured nothing, and the run stops with an error.
void applyMode(benchmark::State &state, const char *entry, int z)
{
    Window &w = window();
    const int entries[] = {w.combo->findText(QString::fromUtf8(entry)),
                           w.combo->findText(QStringLiteral("Blocs s/p/d/f"))};
    const auto choose = [&w](int index) {
        w.combo->setCurrentIndex(index);
        emit w.combo->activated(index);
        QApplication::processEvents();
    };
    // Each run starts from the other mode, whatever the previous run ended with.
    choose(entries[1]);
    PaintSpy spy;
    for (int n = 1; n <= 103; ++n)
        w.form->elementButton(n)->installEventFilter(&spy);
    const TEncartaButton *watched = w.form->elementButton(z);
    int turn = 0;
    for (auto _ : state) {
        const QColor before = watched->Color();
        spy.paints = 0;
        choose(entries[turn]);
        turn = 1 - turn;
        if (watched->Color() == before || spy.paints < 103) {
            state.SkipWithError(spy.paints < 103 ? "the buttons were not repainted"
                                                 : "the entry coloured nothing");
            break;
        }
    }
    for (int n = 1; n <= 103; ++n)
        w.form->elementButton(n)->removeEventFilter(&spy);
}

// Fe: #FFFF80 by family, #96BFC2 as a d-block element.
void BM_CategoryGroupe(benchmark::State &state)
{
    applyMode(state, "Groupe", 26);
}
// H: a gas (#FFFF00) at 298 K, white in the s block.
void BM_PhysicalState(benchmark::State &state)
{
    applyMode(state, "Etat Physique", 1);
}
// F: black for the greatest electronegativity, #FFFF80 in the p block.
void BM_NumericElectronegativity(benchmark::State &state)
{
    applyMode(state, "Electronégativité", 9);
}

// One mouse move over an element button, up to the hover panel showing that element: a run
// after which the panel's atomic number is not the element's measured nothing and stops
// with an error.
void BM_HoverUpdate(benchmark::State &state)
{
    Window &w = window();
    const auto *number = w.form->findChild<QLineEdit *>(QStringLiteral("Edit_NO_AT"));
    if (!number) {
        state.SkipWithError("no hover panel");
        return;
    }
    QString numbers[104];
    for (int z = 1; z <= 103; ++z)
        numbers[z] = QString::number(z);
    int z = 1;
    for (auto _ : state) {
        w.form->elementButton(z)->mouseMoved(QPoint(10, 10));
        if (number->text() != numbers[z]) {
            state.SkipWithError("the hover panel does not show the hovered element");
            break;
        }
        z = z % 103 + 1;
    }
}

// One keystroke in the search field: the texts alternate between "f" and "fe", so that every
// keystroke marks a different set of buttons. With `painted`, the whole client area is then
// drawn into a picture, all 103 buttons with their marks: more than the event loop paints on
// the screen, which is only the buttons whose marks changed.
void searchKeystroke(benchmark::State &state, bool painted)
{
    Window &w = window();
    TableSearch *search = w.form->keys()->search();
    search->open();
    PaintSpy spy;
    for (int n = 1; n <= 103; ++n)
        w.form->elementButton(n)->installEventFilter(&spy);
    const QString texts[] = {QStringLiteral("f"), QStringLiteral("fe")};
    int turn = 0;
    for (auto _ : state) {
        spy.paints = 0;
        search->search(texts[turn]);
        if (painted)
            w.form->centralWidget()->grab();
        const std::size_t found = search->matches().size();
        turn = 1 - turn;
        if (found < 2 || (painted && spy.paints == 0)) {
            state.SkipWithError(found < 2 ? "the search found nothing" : "nothing was repainted");
            break;
        }
    }
    for (int n = 1; n <= 103; ++n)
        w.form->elementButton(n)->removeEventFilter(&spy);
    search->close();
}

void BM_SearchKeystroke(benchmark::State &state)
{
    searchKeystroke(state, false);
}
void BM_SearchKeystrokePainted(benchmark::State &state)
{
    searchKeystroke(state, true);
}

} // namespace

BENCHMARK(BM_SearchKeystroke)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SearchKeystrokePainted)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CategoryGroupe)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PhysicalState)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NumericElectronegativity)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HoverUpdate)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    return runWidgetBenchmarks(argc, argv);
}
