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
#include "table/TForm1.h"

#include <QElapsedTimer>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QProcess>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>

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

// Return in the molar-mass mode's formula edit on a typed formula of range(0) characters, up
// to the repaint of the edit, which then shows the formula laid out. Two formulas alternate, so
// that every Return computes anew; a Return that was refused, or after which the edit was not
// repainted, measured nothing and stops the run with an error.
void BM_FormulaReturn(benchmark::State &state)
{
    ProgramState programState;
    PictureSaves pictures;
    TForm1 form(programState, shippedStore(), pictures);
    form.show();
    MolarMode &mode = *form.molarMode();
    int failures = 0;
    mode.report = [&failures](const QString &) { ++failures; };
    mode.EncartaButton1Click();
    QApplication::processEvents();
    TChemEdit *edit = mode.chemEdit();
    const int length = int(state.range(0));
    // Six elements a unit, so that none passes the most atoms a formula may hold; cut anywhere,
    // the text still reads.
    const QString salts = QStringLiteral("NaClKBrCaF2").repeated(length / 11 + 1).left(length);
    const QString typed[] = {salts, salts.left(length - 1) + QLatin1Char('N')};
    PaintSpy spy;
    edit->installEventFilter(&spy);
    int turn = 0;
    for (auto _ : state) {
        state.PauseTiming();
        edit->setFocus();
        edit->setText(typed[turn]);
        turn = 1 - turn;
        QApplication::processEvents();
        spy.paints = 0;
        state.ResumeTiming();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(edit, &press);
        for (int loop = 0; loop < 10 && spy.paints == 0; ++loop)
            QApplication::processEvents();
        if (failures > 0 || spy.paints == 0) {
            state.SkipWithError(failures > 0 ? "the formula was refused"
                                             : "the edit was not repainted");
            break;
        }
    }
    edit->removeEventFilter(&spy);
}
BENCHMARK(BM_FormulaReturn)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);

// What the molar-mass calculator adds to the program's start-up: the mode with its hidden
// formula edit (its panel and its two dialogs are made at first use).
struct StartupMolar
{
    QWidget client;
    QWidget *speedBar = new QWidget(&client);
    const ElementRecords records;

    std::unique_ptr<MolarMode> create()
    {
        return std::make_unique<MolarMode>(dummyState(), records,
                                           MolarWindow{&client, speedBar, nullptr, nullptr, {}});
    }
    static void destroy(std::unique_ptr<MolarMode> mode)
    {
        delete mode->chemEdit(); // owned by the speed bar
        mode.reset();
    }
};

void BM_CreateAtStartup(benchmark::State &state)
{
    StartupMolar molar;
    for (auto _ : state) {
        std::unique_ptr<MolarMode> mode = molar.create();
        state.PauseTiming();
        StartupMolar::destroy(std::move(mode));
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CreateAtStartup)->Unit(benchmark::kMicrosecond);

const char *const ColdOption = "--create-once-cold";

// The process's CPU time, user and system, in nanoseconds.
qint64 processCpuNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// The first creation in a process, font caches still empty, is the one start-up pays. Each
// iteration runs this program anew with ColdOption (see main), which makes the mode once and
// prints the wall and CPU nanoseconds that took: the time is the child's, the counter
// "cpu_us" its CPU time.
void BM_CreateAtStartupCold(benchmark::State &state)
{
    double cpuSeconds = 0;
    for (auto _ : state) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(ColdOption)});
        const bool ended = child.waitForFinished(60000) &&
                           child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
        const QList<QByteArray> spans = child.readAllStandardOutput().trimmed().split(' ');
        bool wallRead = false;
        bool cpuRead = false;
        const qint64 wall = spans.value(0).toLongLong(&wallRead);
        const qint64 cpu = spans.value(1).toLongLong(&cpuRead);
        if (!ended || !wallRead || !cpuRead) {
            state.SkipWithError("the child run did not report its creation");
            break;
        }
        state.SetIterationTime(double(wall) * 1e-9);
        cpuSeconds += double(cpu) * 1e-9;
    }
    state.counters["cpu_us"] =
        benchmark::Counter(cpuSeconds * 1e6, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_CreateAtStartupCold)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The child of BM_CreateAtStartupCold: the application as the benchmarks make it, then one
// creation, timed.
int createOnceCold(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFontSubstitutions();
    StartupMolar molar;
    QElapsedTimer wall;
    const qint64 cpuBefore = processCpuNanoseconds();
    wall.start();
    std::unique_ptr<MolarMode> mode = molar.create();
    const qint64 wallSpent = wall.nsecsElapsed();
    const qint64 cpuSpent = processCpuNanoseconds() - cpuBefore;
    StartupMolar::destroy(std::move(mode));
    std::printf("%lld %lld\n", static_cast<long long>(wallSpent), static_cast<long long>(cpuSpent));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 2 && std::strcmp(argv[1], ColdOption) == 0)
        return createOnceCold(argc, argv);
    return runWidgetBenchmarks(argc, argv);
}
