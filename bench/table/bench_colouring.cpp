// Applying the colouring modes, with the repaint of the 103 buttons, one mouse move over the
// table up to the repaint of the hover panel, and one keystroke of the table's search with its
// marks.
#include "ProgramWindows.h"
#include "controls/TEncartaButton.h"
#include "table/TableSearch.h"

#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <array>
#include <memory>

namespace {

struct Window
{
    ProgramWindows program;
    std::unique_ptr<TForm1> form;
    QComboBox *combo = nullptr;
    std::array<TEncartaButton *, 104> buttons{}; // by atomic number; owned by the window

    Window() : form(program.mainWindow())
    {
        form->show();
        combo = form->findChild<QComboBox *>(QStringLiteral("combobox1"));
        for (int z = 1; z <= 103; ++z)
            buttons[z] = form->findChild<TEncartaButton *>(QStringLiteral("E%1").arg(z));
        QApplication::processEvents();
    }

    void watchButtons(QObject *spy, bool on) const
    {
        for (int z = 1; z <= 103; ++z) {
            if (on)
                buttons[z]->installEventFilter(spy);
            else
                buttons[z]->removeEventFilter(spy);
        }
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
    w.watchButtons(&spy, true);
    const TEncartaButton *watched = w.buttons[z];
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
    w.watchButtons(&spy, false);
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

// One mouse move onto an element button, as the window system brings it (with the leave and
// enter of the buttons), up to the repaint of the hover panel showing that element. The moves
// go from element to element, so that every one changes the panel. A move after which the
// panel's atomic number is not the element's, or none of the panel's boxes was repainted,
// measured nothing and stops the run with an error.
void BM_HoverUpdate(benchmark::State &state)
{
    Window &w = window();
    QString numbers[104];
    QPoint places[104];
    for (int z = 1; z <= 103; ++z) {
        numbers[z] = QString::number(z);
        places[z] = w.buttons[z]->mapToGlobal(QPoint(10, 10));
    }
    // Google Benchmark calls this function several times: each run goes on from the element
    // after the last run's, or its first move would leave the mouse where it is.
    static int z = 1;
    // The panel is made at the first move over the table: a move before the runs makes it.
    static const bool made = [&w, &places] {
        QCursor::setPos(places[103]);
        for (int turn = 0; turn < 10; ++turn)
            QApplication::processEvents();
        return w.form->findChild<QLineEdit *>(QStringLiteral("Edit_NO_AT")) != nullptr;
    }();
    const auto *number = w.form->findChild<QLineEdit *>(QStringLiteral("Edit_NO_AT"));
    if (!made || !number) {
        state.SkipWithError("no hover panel");
        return;
    }
    // The boxes of the panel that shows the atomic number.
    const QList<QLineEdit *> boxes = number->parentWidget()->findChildren<QLineEdit *>();
    PaintSpy spy;
    for (QLineEdit *box : boxes)
        box->installEventFilter(&spy);
    for (auto _ : state) {
        spy.paints = 0;
        QCursor::setPos(places[z]);
        // The first turn of the event loop delivers the move, which asks for the repaint;
        // the next ones paint.
        for (int turn = 0; turn < 10 && spy.paints == 0; ++turn)
            QApplication::processEvents();
        if (number->text() != numbers[z] || spy.paints == 0) {
            state.SkipWithError(spy.paints == 0 ? "the hover panel was not repainted"
                                                : "the hover panel does not show the element");
            break;
        }
        z = z % 103 + 1;
    }
    for (QLineEdit *box : boxes)
        box->removeEventFilter(&spy);
}

// One keystroke in the search field: the texts alternate between "f" and "fe", so that every
// keystroke marks a different set of buttons. With `painted`, the whole client area is then
// drawn into a picture, all 103 buttons with their marks: more than the event loop paints on
// the screen, which is only the buttons whose marks changed.
void searchKeystroke(benchmark::State &state, bool painted)
{
    Window &w = window();
    auto *search = w.form->findChild<TableSearch *>();
    if (!search) {
        state.SkipWithError("no search");
        return;
    }
    search->open();
    PaintSpy spy;
    w.watchButtons(&spy, true);
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
    w.watchButtons(&spy, false);
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
