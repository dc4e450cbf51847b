// The formula string's layout and draw, one element click in the molar-mass mode, the check of
// a long line whose readings overlap, and typed formulas read and computed.
#include "QtBenchmarkMain.h"
#include "ShippedStore.h"
#include "controls/Fonts.h"
#include "controls/PictureSaves.h"
#include "data/DataFolder.h"
#include "data/ElementRecords.h"
#include "data/ElementTable.h"
#include "data/ProgramState.h"
#include "data/TTextTable.h"
#include "molar/CompoundGrid.h"
#include "molar/CompoundRules.h"
#include "molar/ElementMasses.h"
#include "molar/FormulaReader.h"
#include "molar/FormulaText.h"
#include "molar/MolarMode.h"
#include "molar/TChemEdit.h"
#include "molar/TChemString.h"
#include "molar/TForm7.h"
#include "molar/TForm8.h"
#include "table/TForm1.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

// 40 characters with subscripts, a decimal count and two middle dots.
const QString Formula = QStringLiteral("CuSO4*5H2O Fe0.95O*2Ca3(PO4)2 C6H12O6 K4");

ProgramState &dummyState()
{
    static ProgramState state;
    return state;
}

void BM_FormulaLayoutAndDraw(benchmark::State &state)
{
    TChemString chem;
    chem.setSubPercent(75);
    chem.setAutoSubscript(true);
    chem.setAlignment(TChemString::Alignment::Center);
    chem.setText(Formula);
    const QFont font = pixelFont(QStringLiteral("MS Sans Serif"), 12, true);
    QImage image(400, 30, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        chem.draw(painter, image.rect(), font);
    }
}
BENCHMARK(BM_FormulaLayoutAndDraw)->Unit(benchmark::kMicrosecond);

void BM_ElementClick(benchmark::State &state)
{
    ProgramState programState;
    PictureSaves pictures;
    TForm1 form(programState, shippedStore(), pictures);
    form.show();
    MolarMode &mode = *form.molarMode();
    int failures = 0;
    mode.report = [&failures](const QString &) { ++failures; };
    mode.EncartaButton1Click();
    const std::pair<const char *, const char *> elements[] = {
        {"H", "1,01"}, {"C", "12,01"}, {"N", "14,01"}, {"O", "16,00"}, {"Fe", "55,85"}};
    int clicks = 0;
    for (auto _ : state) {
        const auto &[symbol, mass] = elements[clicks % 5];
        mode.addElement(QString::fromLatin1(symbol), QString::fromLatin1(mass));
        mode.chemEdit()->repaint();
        mode.grid()->viewport()->repaint();
        if (++clicks % 1000 == 0) {
            state.PauseTiming();
            mode.ResetClick();
            state.ResumeTiming();
        }
    }
    if (failures > 0)
        state.SkipWithError("a click did not compute");
}
BENCHMARK(BM_ElementClick)->Unit(benchmark::kMicrosecond);

void BM_CheckLongLine(benchmark::State &state)
{
    // Every "co" reads as C O or as Co; the "!" at the end makes every reading fail.
    const QString line = QString("co").repeated(5000) + QLatin1Char('!');
    for (auto _ : state)
        benchmark::DoNotOptimize(FormulaText::errorPosition(line, false));
}
BENCHMARK(BM_CheckLongLine)->Unit(benchmark::kMicrosecond);

// 200 characters of salts, hydrates and nested brackets, 19 elements, read into a compound with
// the shipped table's masses, as Return in the formula edit does.
void BM_TypedFormula200(benchmark::State &state)
{
    const QString typed = QStringLiteral(
        "Ca10(PO4)6(OH)2·K4[Fe(CN)6]·3H2O·(NH4)2SO4·Al2(SO4)3·18H2O·C6H12O6·Na2CO3·10H2O·"
        "{[Co(NH3)6]Cl3}2·CuSO4·5H2O·Mg3(PO4)2·Fe2(SO4)3·9H2O·KAl(SO4)2·12H2O·Pb(CH3COO)2·"
        "3H2O·BaCl2·2H2O·MnSO4·H2O·ZnSO4·7H2O·HF");
    TTextTable table;
    ElementTable::configure(table, DataFolder(QStringLiteral(MIRELON_SHARE_DIR)));
    ElementTable::openWhole(table);
    const ElementRecords records = ElementRecords::fromTable(table);
    const CompoundRules::MassLookup massOf = [&records](const QString &symbol) {
        return ElementMasses::of(records, symbol);
    };
    if (typed.size() != 200 || CompoundRules::fromFormula({}, typed, massOf).failed())
        state.SkipWithError("not a 200-character formula that reads");
    for (auto _ : state)
        benchmark::DoNotOptimize(CompoundRules::fromFormula({}, typed, massOf));
}
BENCHMARK(BM_TypedFormula200)->Unit(benchmark::kMicrosecond);

// A megabyte of nested brackets around one atom: the reader stays linear and never recurses.
void BM_NestedBracketsMegabyte(benchmark::State &state)
{
    constexpr int Deep = 500000;
    const QString typed = QString(u'(').repeated(Deep) + u'H' + QString(u')').repeated(Deep);
    if (FormulaReader::read(typed).failed())
        state.SkipWithError("the brackets did not read");
    for (auto _ : state)
        benchmark::DoNotOptimize(FormulaReader::read(typed));
}
BENCHMARK(BM_NestedBracketsMegabyte)->Unit(benchmark::kMillisecond);

// What the molar-mass calculator adds to the program's start-up: the mode with its hidden
// formula edit, and the two dialogs, all created hidden.
void BM_CreateAtStartup(benchmark::State &state)
{
    QWidget client;
    auto *speedBar = new QWidget(&client);
    const ElementRecords records;
    for (auto _ : state) {
        auto *mode =
            new MolarMode(dummyState(), records, {&client, speedBar, nullptr, nullptr, {}});
        auto *data = new TForm7(&client);
        auto *molarMass = new TForm8(&client);
        state.PauseTiming();
        delete mode->chemEdit();
        delete mode;
        delete data;
        delete molarMass;
        state.ResumeTiming();
    }
}
// The first creation in a process is the one start-up pays: run it alone, with
// --benchmark_filter=Cold, for a process whose font caches are still empty.
BENCHMARK(BM_CreateAtStartup)
    ->Name("BM_CreateAtStartupCold")
    ->Iterations(1)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CreateAtStartup)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    return runWidgetBenchmarks(argc, argv);
}
