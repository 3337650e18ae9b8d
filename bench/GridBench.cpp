// The cell grid at 1,000, 10,000 and 100,000 rows of 10 columns, as a window
// on the offscreen platform: filling every cell, one full repaint, one page
// scrolled (and repainted), and a sort by one column. Each is timed against
// its floor, the same work done by a plain loop: the texts written into
// plain strings, the visible texts drawn by a QPainter, the rows sorted as
// string vectors. "ratio" is the grid's time over the floor's, "ns/cell"
// the grid's time per cell it touched; the figures over the three sizes
// show how each grows.
#include "controls/GridCtrl.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace
{

using Clock = std::chrono::steady_clock;
constexpr int COLS = 10, WIDTH = 800, HEIGHT = 600, COL_WIDTH = 78, ROW_HEIGHT = 18;

std::string CellText(int row, int col, unsigned seed = 0)
{
    char text[32];
    std::snprintf(text, sizeof text, "c%d-%u", col, (unsigned(row) * 2654435761u + seed) % 1000003u);
    return text;
}

double Seconds(Clock::time_point from)
{
    return std::chrono::duration<double>(Clock::now() - from).count();
}

struct Scene {
    CWnd frame;
    std::unique_ptr<CGridCtrl> grid;

    explicit Scene(int rows, bool fill = true)
    {
        frame.CreateEx(
            0, "GridBenchFrame", "Grid", WS_POPUP | WS_VISIBLE, 0, 0, WIDTH, HEIGHT, nullptr, nullptr);
        grid = std::make_unique<CGridCtrl>();
        grid->Create(CRect(0, 0, WIDTH, HEIGHT), &frame, 305);
        if (fill)
            Fill(rows);
    }
    ~Scene()
    {
        grid.reset();
        frame.DestroyWindow();
    }
    void Fill(int rows)
    {
        grid->SetRowCount(rows + 1);
        grid->SetColumnCount(COLS + 1);
        grid->SetFixedRowCount(1);
        grid->SetFixedColumnCount(1);
        for (int r = 1; r <= rows; ++r)
            for (int c = 1; c <= COLS; ++c)
                grid->SetItemText(r, c, CellText(r, c).c_str());
        for (int c = 0; c <= COLS; ++c)
            grid->SetColumnWidth(c, COL_WIDTH);
        for (int r = 0; r <= rows; ++r)
            grid->SetRowHeight(r, ROW_HEIGHT);
        grid->ResetScrollBars();
    }
    void Paint()
    {
        grid->Invalidate();
        grid->UpdateWindow();
    }
};

// The floor of a repaint: the visible texts drawn cell by cell.
void PaintFloor(QImage& image, const std::vector<std::vector<std::string>>& cells, int firstRow)
{
    QPainter p(&image);
    p.fillRect(image.rect(), Qt::white);
    const int visibleRows = HEIGHT / ROW_HEIGHT, visibleCols = WIDTH / COL_WIDTH;
    for (int r = 0; r < visibleRows && firstRow + r < int(cells.size()); ++r)
        for (int c = 0; c < visibleCols && c < COLS; ++c)
            p.drawText(QRect(c * COL_WIDTH, r * ROW_HEIGHT, COL_WIDTH, ROW_HEIGHT), 0,
                QString::fromUtf8(cells[size_t(firstRow + r)][size_t(c)].c_str()));
}

std::vector<std::vector<std::string>> PlainCells(int rows)
{
    auto cells = std::vector<std::vector<std::string>>(size_t(rows), std::vector<std::string>(COLS));
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < COLS; ++c)
            cells[size_t(r)][size_t(c)] = CellText(r + 1, c + 1);
    return cells;
}

// Times the grid's work and its floor in turn, each round after `prepare`;
// reports the ratio and the grid's time per cell it touched.
template <class Prepare, class GridWork, class FloorWork>
void Race(benchmark::State& state, double cells, Prepare prepare, GridWork grid, FloorWork floor)
{
    double gridTime = 0, floorTime = 0;
    for (auto _ : state) {
        prepare();
        auto start = Clock::now();
        grid();
        const double g = Seconds(start);
        start = Clock::now();
        floor();
        const double f = Seconds(start);
        state.SetIterationTime(g);
        gridTime += g;
        floorTime += f;
    }
    const double n = double(state.iterations());
    state.counters["ratio"] = floorTime > 0 ? gridTime / floorTime : 0;
    state.counters["ns/cell"] = gridTime / n / cells * 1e9;
    state.counters["floor_ms"] = floorTime / n * 1e3;
}

void BM_Fill(benchmark::State& state)
{
    const int rows = int(state.range(0));
    std::unique_ptr<Scene> scene;
    Race(
        state, double(rows) * COLS,
        [&] {
            scene.reset();
            scene = std::make_unique<Scene>(rows, false);
        },
        [&] { scene->Fill(rows); }, [&] { benchmark::DoNotOptimize(PlainCells(rows).data()); });
}

void BM_Repaint(benchmark::State& state)
{
    const int rows = int(state.range(0));
    Scene scene(rows);
    const auto cells = PlainCells(rows);
    QImage image(WIDTH, HEIGHT, QImage::Format_RGB32);
    scene.Paint();
    Race(
        state, double(HEIGHT / ROW_HEIGHT) * COLS, [] {}, [&] { scene.Paint(); },
        [&] { PaintFloor(image, cells, 0); });
}

void BM_ScrollPage(benchmark::State& state)
{
    const int rows = int(state.range(0));
    Scene scene(rows);
    const auto cells = PlainCells(rows);
    QImage image(WIDTH, HEIGHT, QImage::Format_RGB32);
    scene.Paint();
    const int pageRows = HEIGHT / ROW_HEIGHT;
    int firstRow = -pageRows;
    Race(
        state, double(pageRows) * COLS,
        [&] {
            firstRow += pageRows;
            if (firstRow + 2 * pageRows >= rows) {
                scene.grid->SendMessage(WM_VSCROLL, SB_TOP, 0);
                scene.Paint();
                firstRow = 0;
            }
        },
        [&] {
            scene.grid->SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
            scene.grid->UpdateWindow();
        },
        [&] { PaintFloor(image, cells, firstRow + pageRows); });
}

void BM_Sort(benchmark::State& state)
{
    const int rows = int(state.range(0));
    Scene scene(rows);
    std::vector<std::vector<std::string>> cells;
    unsigned seed = 0;
    Race(
        state, double(rows) * COLS,
        [&] {
            // New texts in the sorted column each round, so that every sort works.
            ++seed;
            cells = PlainCells(rows);
            for (int r = 1; r <= rows; ++r) {
                const std::string text = CellText(r, 3, seed);
                scene.grid->SetItemText(r, 3, text.c_str());
                cells[size_t(r - 1)][2] = text;
            }
        },
        [&] { scene.grid->SortTextItems(3, TRUE); },
        [&] {
            std::stable_sort(
                cells.begin(), cells.end(), [](const auto& a, const auto& b) { return a[2] < b[2]; });
            benchmark::DoNotOptimize(cells.data());
        });
}

void Register(const char* name, void (*fn)(benchmark::State&), const int rounds[3])
{
    const int sizes[3] = { 1000, 10000, 100000 };
    for (int i = 0; i < 3; ++i)
        benchmark::RegisterBenchmark(name, fn)
            ->ArgNames({ "rows" })
            ->Arg(sizes[i])
            ->Iterations(rounds[i])
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int fills[3] = { 10, 5, 2 }, paints[3] = { 50, 50, 50 }, sorts[3] = { 10, 5, 2 };
    Register("BM_GridFill", BM_Fill, fills);
    Register("BM_GridRepaint", BM_Repaint, paints);
    Register("BM_GridScrollPage", BM_ScrollPage, paints);
    Register("BM_GridSort", BM_Sort, sorts);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
