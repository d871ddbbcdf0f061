// Times a FlexGrid filling 10,000 rows of 8 cells offscreen, the two ways forms fill
// grids (AddItem, and Rows followed by TextMatrix), then scrolling through it with a
// repaint at every step; then a voucher's article grid of 101 columns and 1,000 lines
// filled through TextMatrix (goal 50 ms) and scrolled (goal 2 ms a step). Run by hand;
// prints its figures.
#include "platform/ui/FlexGrid.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double ms(const QElapsedTimer& t) { return t.nsecsElapsed() / 1e6; }

constexpr int rowCount = 10000;
constexpr int colCount = 8;

QString cellText(int r, int c)
{
    return c == 4 ? QString::number(r * 1.25, 'f', 2) : QStringLiteral("C%1-%2").arg(r).arg(c);
}

ui::FlexGrid* newGrid(QWidget* parent)
{
    auto* grid = new ui::FlexGrid(parent);
    grid->setGeometry(0, 0, 900, 500);
    grid->SetCols(colCount);
    grid->SetRows(1);
    return grid;
}

// The article grid of a voucher form: 101 columns, most of them hidden, a header row.
void articleGrid(QWidget& window)
{
    constexpr int lines = 1000;
    constexpr int cols = 101;
    auto* grid = new ui::FlexGrid(&window);
    grid->setGeometry(0, 0, 900, 500);
    grid->SetCols(cols);
    grid->SetRows(2);
    grid->SetFixedCols(0);
    for (int c = 0; c < cols; ++c) {
        grid->SetTextMatrix(0, c, QStringLiteral("Col %1").arg(c));
        grid->SetColWidth(c, c < 12 ? 1200 : 0);
    }
    grid->show();
    QApplication::processEvents();
    // Every cell its own text, made before the clock starts.
    std::vector<std::vector<QString>> texts(lines + 1);
    for (int r = 1; r <= lines; ++r)
        for (int c = 0; c < cols; ++c)
            texts[r].push_back(c == 7 ? QString::number(r * 0.25, 'f', 2) : QStringLiteral("Art %1-%2").arg(r).arg(c));

    double best = 1e9;
    for (int round = 0; round < 5; ++round) {
        grid->SetRows(2);
        grid->Clear();
        QElapsedTimer t;
        t.start();
        grid->SetRows(lines + 1);
        for (int r = 1; r <= lines; ++r)
            for (int c = 0; c < cols; ++c)
                grid->SetTextMatrix(r, c, texts[r][c]);
        QApplication::processEvents();
        best = std::min(best, ms(t));
    }
    std::printf("101 x %d through TextMatrix, visible:  %8.1f ms (best of 5; goal 50 ms)\n", lines, best);

    // Colour a line as the voucher grids do: Row, Col and CellBackColor per column.
    QElapsedTimer t;
    t.start();
    for (int r = 1; r <= lines; r += 10)
        for (int c = 0; c < cols; ++c) {
            grid->SetRow(r);
            grid->SetCol(c);
            grid->SetCellBackColor(0x80FFFF);
        }
    QApplication::processEvents();
    std::printf("colour 100 lines of 101 cells:        %8.1f ms\n", ms(t));

    const int steps = 400;
    std::vector<double> each;
    for (int i = 0; i < steps; ++i) {
        QElapsedTimer s;
        s.start();
        grid->SetTopRow(1 + (i * 7) % (lines - 30));
        grid->viewport()->repaint();
        each.push_back(ms(s));
    }
    std::sort(each.begin(), each.end());
    std::printf("101 columns: scroll and repaint a step: median %.2f ms, worst %.2f ms (goal 2 ms)\n",
                each[each.size() / 2], each.back());
    delete grid;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QWidget window;
    window.resize(900, 500);
    window.show();

    // AddItem, one tab-separated row at a time.
    ui::FlexGrid* grid = newGrid(&window);
    grid->show();
    QElapsedTimer t;
    t.start();
    for (int r = 1; r <= rowCount; ++r) {
        QStringList texts;
        for (int c = 0; c < colCount; ++c)
            texts << cellText(r, c);
        grid->AddItem(texts.join(QLatin1Char('\t')));
    }
    QApplication::processEvents();
    std::printf("AddItem %d x %d, visible:             %8.1f ms\n", rowCount, colCount, ms(t));

    // Rows, then TextMatrix per cell.
    delete grid;
    grid = newGrid(&window);
    grid->show();
    t.restart();
    grid->SetRows(rowCount + 1);
    for (int r = 1; r <= rowCount; ++r)
        for (int c = 0; c < colCount; ++c)
            grid->SetTextMatrix(r, c, cellText(r, c));
    QApplication::processEvents();
    std::printf("Rows + TextMatrix %d x %d, visible:   %8.1f ms\n", rowCount, colCount, ms(t));

    // The same with Redraw False around the fill.
    delete grid;
    grid = newGrid(&window);
    grid->show();
    t.restart();
    grid->SetRedraw(false);
    grid->SetRows(rowCount + 1);
    for (int r = 1; r <= rowCount; ++r)
        for (int c = 0; c < colCount; ++c)
            grid->SetTextMatrix(r, c, cellText(r, c));
    grid->SetRedraw(true);
    QApplication::processEvents();
    std::printf("Rows + TextMatrix, Redraw False:      %8.1f ms\n", ms(t));

    // Reading every cell back.
    t.restart();
    qsizetype total = 0;
    for (int r = 1; r <= rowCount; ++r)
        for (int c = 0; c < colCount; ++c)
            total += grid->TextMatrix(r, c).size();
    std::printf("TextMatrix read %d cells:            %8.1f ms (%lld chars)\n",
                rowCount * colCount, ms(t), static_cast<long long>(total));

    // Scrolling: a page at a time through the whole grid, painting every step.
    const int steps = 400;
    t.restart();
    for (int i = 0; i < steps; ++i) {
        grid->SetTopRow(1 + (i * 25) % rowCount);
        grid->viewport()->repaint();
    }
    std::printf("scroll and repaint, %d steps:         %8.1f ms (%.2f ms a step)\n", steps,
                ms(t), ms(t) / steps);

    // Moving the cursor down the grid with the events raised, as arrow keys do.
    int events = 0;
    QObject::connect(grid, &ui::FlexGrid::RowColChange, [&events] { ++events; });
    t.restart();
    for (int r = 1; r <= rowCount; ++r)
        grid->SetRow(r);
    std::printf("Row moves %d (events %d):          %8.1f ms\n", rowCount, events, ms(t));

    // Inserting and removing rows in the middle, as the Insert and Delete keys do.
    t.restart();
    for (int i = 0; i < 1000; ++i)
        grid->AddItem(QString(), 5000);
    for (int i = 0; i < 1000; ++i)
        grid->RemoveItem(5000);
    QApplication::processEvents();
    std::printf("AddItem/RemoveItem mid-grid 1000+1000: %7.1f ms\n", ms(t));
    delete grid;

    articleGrid(window);
    return 0;
}
