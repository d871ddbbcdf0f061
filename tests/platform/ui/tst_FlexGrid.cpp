// FlexGrid: the MSFlexGrid members forms and the voucher library call, with VB's
// numbering, errors, units and the order of the grid's events.
#include "platform/ui/FlexGrid.h"
#include "platform/ui/FlexGridPainting.h"
#include "platform/ui/Keys.h"
#include "platform/ui/Metrics.h"
#include "platform/vb/VbError.h"
#include "tests/support/TestMain.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <functional>

using namespace ui;

namespace {

// Every event of a grid, in the order raised, with the cell the grid was on.
class Recorder {
public:
    explicit Recorder(FlexGrid* grid) : m_grid(grid)
    {
        QObject::connect(grid, &FlexGrid::LeaveCell, [this] { cell("LeaveCell"); });
        QObject::connect(grid, &FlexGrid::EnterCell, [this] { cell("EnterCell"); });
        QObject::connect(grid, &FlexGrid::RowColChange, [this] { cell("RowColChange"); });
        QObject::connect(grid, &FlexGrid::SelChange, [this] { cell("SelChange"); });
        QObject::connect(grid, &FlexGrid::Click, [this] { cell("Click"); });
        QObject::connect(grid, &FlexGrid::DblClick, [this] { cell("DblClick"); });
        QObject::connect(grid, &FlexGrid::KeyDown, [this](int& code, int shift) {
            log << QStringLiteral("KeyDown %1 %2").arg(code).arg(shift);
        });
        QObject::connect(grid, &FlexGrid::KeyPress, [this](int& ascii) {
            log << QStringLiteral("KeyPress %1").arg(ascii);
        });
        QObject::connect(grid, &FlexGrid::KeyUp, [this](int& code, int shift) {
            log << QStringLiteral("KeyUp %1 %2").arg(code).arg(shift);
        });
        QObject::connect(grid, &FlexGrid::MouseDown, [this](int button, int, double, double) {
            log << QStringLiteral("MouseDown %1").arg(button);
        });
        QObject::connect(grid, &FlexGrid::MouseUp, [this](int button, int, double, double) {
            log << QStringLiteral("MouseUp %1").arg(button);
        });
        QObject::connect(grid, &FlexGrid::GotFocus, [this] { log << QStringLiteral("GotFocus"); });
        QObject::connect(grid, &FlexGrid::LostFocus, [this] { log << QStringLiteral("LostFocus"); });
    }
    QStringList log;

private:
    void cell(const char* name)
    {
        log << QStringLiteral("%1 %2,%3").arg(QLatin1String(name)).arg(m_grid->Row()).arg(m_grid->Col());
    }
    FlexGrid* m_grid;
};

// The grid's texts, one "a|b|c" line per row.
QStringList contents(const FlexGrid& grid)
{
    QStringList rows;
    for (int r = 0; r < grid.Rows(); ++r) {
        QStringList cells;
        for (int c = 0; c < grid.Cols(); ++c)
            cells << grid.TextMatrix(r, c);
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

void fill(FlexGrid& grid, const QStringList& rows)
{
    grid.SetRows(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        const QStringList cells = rows[r].split(QLatin1Char('|'));
        for (int c = 0; c < cells.size(); ++c)
            grid.SetTextMatrix(r, c, cells[c]);
    }
}

// The VB error number a call raises, 0 when none.
int errorOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const vb::VbError& e) {
        return e.Number;
    }
    return 0;
}

// A grid of `rows` x `cols` in a shown window, cursor on (1, 1).
struct Shown {
    QWidget form;
    FlexGrid* grid;
    Shown(int rows, int cols)
    {
        form.resize(500, 320);
        grid = new FlexGrid(&form);
        grid->setGeometry(10, 10, 480, 300);
        grid->SetCols(cols);
        grid->SetRows(rows);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
    }
};

// Pixels of cell (row, col) in grid coordinates, as Qt's own view and headers place it.
QRect qtCellRect(const FlexGrid& grid, int row, int col)
{
    const int fr = grid.FixedRows();
    const int fc = grid.FixedCols();
    if (row >= fr && col >= fc) {
        const QRect r = grid.visualRect(grid.model()->index(row - fr, col - fc));
        return QRect(grid.viewport()->mapTo(&grid, r.topLeft()), r.size());
    }
    // A fixed row over a scrolling column: the top header's section, one row per fixed row.
    const QHeaderView* top = grid.horizontalHeader();
    const QRect header = top->geometry();
    int y = header.top();
    for (int r = 0; r < row; ++r)
        y += grid.RowHeight(r) / TwipsPerPixel();
    const int x = header.left() + top->sectionViewportPosition(col - fc);
    return QRect(x, y, top->sectionSize(col - fc) - 1, grid.RowHeight(row) / TwipsPerPixel() - 1);
}

void sendKey(QWidget* target, int key, Qt::KeyboardModifiers mods, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods, text);
    QApplication::sendEvent(target, &release);
}

} // namespace

class tst_FlexGrid : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();

    void defaults();
    void programmaticMoves_data();
    void programmaticMoves();
    void invalidMoves_data();
    void invalidMoves();
    void keys_data();
    void keys();
    void keyCodeChangedByHandler_data();
    void keyCodeChangedByHandler();
    void typedText_data();
    void typedText();
    void mouse_data();
    void mouse();
    void mouseCoordinatesInTwips();
    void focusEvents_data();
    void focusEvents();

    void textArray_data();
    void textArray();
    void textOutOfRange_data();
    void textOutOfRange();
    void addItem_data();
    void addItem();
    void addItemKeepsCursorAndRaisesNothing();
    void removeItem_data();
    void removeItem();
    void clearKeepsStructure();
    void rowsAndCols_data();
    void rowsAndCols();
    void droppedCellsComeBackEmpty_data();
    void droppedCellsComeBackEmpty();
    void watchedColumn_data();
    void watchedColumn();
    void fixedLines_data();
    void fixedLines();

    void colWidthInTwips_data();
    void colWidthInTwips();
    void rowHeightInTwips();
    void textWidthX_data();
    void textWidthX();
    void alignment_data();
    void alignment();
    void controlPlaceInTwips();

    void cellGeometry_data();
    void cellGeometry();
    void editorSitsOnCell();
    void topRow();
    void codeMovesDoNotScrollOperatorMovesDo();
    void firstScrollingLineShowsWhole_data();
    void firstScrollingLineShowsWhole();

    void colours_data();
    void colours();
    void coloursReachTheScreen();
    void textsReachTheScreen_data();
    void textsReachTheScreen();
    void widthsInXHoldTheirTexts_data();
    void widthsInXHoldTheirTexts();
    void cursorIsFramed_data();
    void cursorIsFramed();
    void redraw();
};

void tst_FlexGrid::initTestCase()
{
    SetTwipsPerPixel(15);
}

void tst_FlexGrid::cleanupTestCase()
{
    SetTwipsPerPixel(0);
}

void tst_FlexGrid::defaults()
{
    FlexGrid grid;
    QCOMPARE(grid.Rows(), 2);
    QCOMPARE(grid.Cols(), 2);
    QCOMPARE(grid.FixedRows(), 1);
    QCOMPARE(grid.FixedCols(), 1);
    QCOMPARE(grid.Row(), 1);
    QCOMPARE(grid.Col(), 1);
    QCOMPARE(grid.ColAlignment(1), int(flexAlignGeneral));
    QCOMPARE(grid.TextMatrix(1, 1), QString());
    // Only the scrolling cell is the view's own.
    QCOMPARE(grid.rowCount(), 1);
    QCOMPARE(grid.columnCount(), 1);
}

// ---- events of moves ----

void tst_FlexGrid::programmaticMoves_data()
{
    // Steps: "R3" sets Row 3, "C2" sets Col 2, "r3"/"c2" set RowSel/ColSel. Start (1, 1)
    // of a 5 x 4 grid with one fixed row and column.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("events");

    const auto move = [](int r, int c) {
        const QString cell = QStringLiteral(" %1,%2").arg(r).arg(c);
        return QStringList{"EnterCell" + cell, "RowColChange" + cell, "SelChange" + cell};
    };
    QTest::newRow("Row") << QStringList{"R3"} << (QStringList{"LeaveCell 1,1"} + move(3, 1));
    QTest::newRow("Col") << QStringList{"C2"} << (QStringList{"LeaveCell 1,1"} + move(1, 2));
    QTest::newRow("same row") << QStringList{"R1"} << QStringList{};
    QTest::newRow("same col") << QStringList{"C1"} << QStringList{};
    QTest::newRow("Row then Col")
        << QStringList{"R3", "C2"}
        << (QStringList{"LeaveCell 1,1"} + move(3, 1) + QStringList{"LeaveCell 3,1"} + move(3, 2));
    QTest::newRow("there and back")
        << QStringList{"R2", "R1"}
        << (QStringList{"LeaveCell 1,1"} + move(2, 1) + QStringList{"LeaveCell 2,1"} + move(1, 1));
    QTest::newRow("code may enter the fixed row")
        << QStringList{"R0"} << (QStringList{"LeaveCell 1,1"} + move(0, 1));
    QTest::newRow("code may enter the fixed column")
        << QStringList{"C0"} << (QStringList{"LeaveCell 1,1"} + move(1, 0));
    QTest::newRow("RowSel changes the selection only")
        << QStringList{"r3"} << QStringList{"SelChange 1,1"};
    QTest::newRow("a move collapses the selection")
        << QStringList{"r3", "c2", "R2"}
        << (QStringList{"SelChange 1,1", "SelChange 1,1", "LeaveCell 1,1"} + move(2, 1));
}

void tst_FlexGrid::programmaticMoves()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, events);
    FlexGrid grid;
    grid.SetCols(4);
    grid.SetRows(5);
    Recorder rec(&grid);
    for (const QString& step : steps) {
        const int n = step.mid(1).toInt();
        switch (step.at(0).toLatin1()) {
        case 'R': grid.SetRow(n); break;
        case 'C': grid.SetCol(n); break;
        case 'r': grid.SetRowSel(n); break;
        case 'c': grid.SetColSel(n); break;
        }
    }
    QCOMPARE(rec.log, events);
    if (!steps.isEmpty() && steps.last().startsWith(QLatin1Char('R'))) {
        QCOMPARE(grid.RowSel(), grid.Row());
        QCOMPARE(grid.ColSel(), grid.Col());
    }
}

void tst_FlexGrid::invalidMoves_data()
{
    QTest::addColumn<char>("property");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("error");
    QTest::newRow("Row -1") << 'R' << -1 << 30009;
    QTest::newRow("Row = Rows") << 'R' << 5 << 30009;
    QTest::newRow("Col -1") << 'C' << -1 << 30010;
    QTest::newRow("Col = Cols") << 'C' << 4 << 30010;
    QTest::newRow("RowSel = Rows") << 'r' << 5 << 30009;
    QTest::newRow("TopRow = Rows") << 'T' << 5 << 30009;
}

void tst_FlexGrid::invalidMoves()
{
    QFETCH(char, property);
    QFETCH(int, value);
    QFETCH(int, error);
    FlexGrid grid;
    grid.SetCols(4);
    grid.SetRows(5);
    Recorder rec(&grid);
    QCOMPARE(errorOf([&] {
                 switch (property) {
                 case 'R': grid.SetRow(value); break;
                 case 'C': grid.SetCol(value); break;
                 case 'r': grid.SetRowSel(value); break;
                 case 'T': grid.SetTopRow(value); break;
                 }
             }),
             error);
    QCOMPARE(rec.log, QStringList{});
    QCOMPARE(grid.Row(), 1);
    QCOMPARE(grid.Col(), 1);
}

void tst_FlexGrid::keys_data()
{
    // A 6 x 5 grid with one fixed row and column; the key is pressed and released.
    QTest::addColumn<int>("startRow");
    QTest::addColumn<int>("startCol");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<QStringList>("events");

    const auto move = [](int fromR, int fromC, int r, int c) {
        const QString cell = QStringLiteral(" %1,%2").arg(r).arg(c);
        return QStringList{QStringLiteral("LeaveCell %1,%2").arg(fromR).arg(fromC),
                           "EnterCell" + cell, "RowColChange" + cell, "SelChange" + cell};
    };
    const int none = Qt::NoModifier;
    const int ctrl = Qt::ControlModifier;
    QTest::newRow("Down") << 1 << 1 << int(Qt::Key_Down) << none << "" << 2 << 1
                          << (QStringList{"KeyDown 40 0"} + move(1, 1, 2, 1) + QStringList{"KeyUp 40 0"});
    QTest::newRow("Up stays out of the fixed row")
        << 1 << 1 << int(Qt::Key_Up) << none << "" << 1 << 1 << QStringList{"KeyDown 38 0", "KeyUp 38 0"};
    QTest::newRow("Left stays out of the fixed column")
        << 2 << 1 << int(Qt::Key_Left) << none << "" << 2 << 1 << QStringList{"KeyDown 37 0", "KeyUp 37 0"};
    QTest::newRow("Right") << 2 << 3 << int(Qt::Key_Right) << none << "" << 2 << 4
                           << (QStringList{"KeyDown 39 0"} + move(2, 3, 2, 4) + QStringList{"KeyUp 39 0"});
    QTest::newRow("Right on the last column")
        << 2 << 4 << int(Qt::Key_Right) << none << "" << 2 << 4 << QStringList{"KeyDown 39 0", "KeyUp 39 0"};
    QTest::newRow("Down on the last row")
        << 5 << 2 << int(Qt::Key_Down) << none << "" << 5 << 2 << QStringList{"KeyDown 40 0", "KeyUp 40 0"};
    QTest::newRow("Home") << 2 << 3 << int(Qt::Key_Home) << none << "" << 2 << 1
                          << (QStringList{"KeyDown 36 0"} + move(2, 3, 2, 1) + QStringList{"KeyUp 36 0"});
    QTest::newRow("End") << 2 << 2 << int(Qt::Key_End) << none << "" << 2 << 4
                         << (QStringList{"KeyDown 35 0"} + move(2, 2, 2, 4) + QStringList{"KeyUp 35 0"});
    QTest::newRow("Ctrl+Home") << 4 << 3 << int(Qt::Key_Home) << ctrl << "" << 1 << 1
                               << (QStringList{"KeyDown 36 2"} + move(4, 3, 1, 1) + QStringList{"KeyUp 36 2"});
    QTest::newRow("Ctrl+End") << 2 << 2 << int(Qt::Key_End) << ctrl << "" << 5 << 4
                              << (QStringList{"KeyDown 35 2"} + move(2, 2, 5, 4) + QStringList{"KeyUp 35 2"});
    QTest::newRow("PageDown to the last row")
        << 1 << 2 << int(Qt::Key_PageDown) << none << "" << 5 << 2
        << (QStringList{"KeyDown 34 0"} + move(1, 2, 5, 2) + QStringList{"KeyUp 34 0"});
    QTest::newRow("Enter does not move")
        << 2 << 2 << int(Qt::Key_Return) << none << "\r" << 2 << 2
        << QStringList{"KeyDown 13 0", "KeyPress 13", "KeyUp 13 0"};
    QTest::newRow("Esc") << 2 << 2 << int(Qt::Key_Escape) << none << "\x1b" << 2 << 2
                         << QStringList{"KeyDown 27 0", "KeyPress 27", "KeyUp 27 0"};
    QTest::newRow("letter") << 2 << 2 << int(Qt::Key_A) << none << "a" << 2 << 2
                            << QStringList{"KeyDown 65 0", "KeyPress 97", "KeyUp 65 0"};
    QTest::newRow("Shift+letter") << 2 << 2 << int(Qt::Key_A) << int(Qt::ShiftModifier) << "A" << 2 << 2
                                  << QStringList{"KeyDown 65 1", "KeyPress 65", "KeyUp 65 1"};
    QTest::newRow("digit 7") << 2 << 2 << int(Qt::Key_7) << none << "7" << 2 << 2
                             << QStringList{"KeyDown 55 0", "KeyPress 55", "KeyUp 55 0"};
    QTest::newRow("space") << 2 << 2 << int(Qt::Key_Space) << none << " " << 2 << 2
                           << QStringList{"KeyDown 32 0", "KeyPress 32", "KeyUp 32 0"};
    QTest::newRow("ñ is 241 as VB's KeyAscii")
        << 2 << 2 << int(Qt::Key_Ntilde) << none << QString(QChar(0xF1)) << 2 << 2
        << QStringList{"KeyDown 192 0", "KeyPress 241", "KeyUp 192 0"};
    QTest::newRow("an emoji is one KeyPress of ?")
        << 2 << 2 << int(Qt::Key_unknown) << none << QStringLiteral("😀") << 2 << 2 << QStringList{"KeyPress 63"};
    QTest::newRow("Delete has no KeyPress")
        << 2 << 2 << int(Qt::Key_Delete) << none << "\x7f" << 2 << 2 << QStringList{"KeyDown 46 0", "KeyUp 46 0"};
    QTest::newRow("Insert") << 2 << 2 << int(Qt::Key_Insert) << none << "" << 2 << 2
                            << QStringList{"KeyDown 45 0", "KeyUp 45 0"};
    QTest::newRow("F2") << 2 << 2 << int(Qt::Key_F2) << none << "" << 2 << 2
                        << QStringList{"KeyDown 113 0", "KeyUp 113 0"};
    QTest::newRow("Backspace") << 2 << 2 << int(Qt::Key_Backspace) << none << "\b" << 2 << 2
                               << QStringList{"KeyDown 8 0", "KeyPress 8", "KeyUp 8 0"};
    QTest::newRow("Ctrl+C is character 3")
        << 2 << 2 << int(Qt::Key_C) << ctrl << "\x03" << 2 << 2
        << QStringList{"KeyDown 67 2", "KeyPress 3", "KeyUp 67 2"};
}

void tst_FlexGrid::keys()
{
    QFETCH(int, startRow);
    QFETCH(int, startCol);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(QStringList, events);
    Shown shown(6, 5);
    FlexGrid* grid = shown.grid;
    grid->SetRow(startRow);
    grid->SetCol(startCol);
    Recorder rec(grid);
    sendKey(grid, key, Qt::KeyboardModifiers(modifiers), text);
    QCOMPARE(rec.log, events);
    QCOMPARE(grid->Row(), row);
    QCOMPARE(grid->Col(), col);
}

// While its KeyPress is raised the grid tells which character the key typed, for the
// cell editor to start with: the character itself, whatever its code says, unless the
// handler changed the code.
void tst_FlexGrid::typedText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("replacement");   // 0: the code is left as it came
    QTest::addColumn<QString>("expected");
    QTest::newRow("a letter") << "a" << 0 << "a";
    QTest::newRow("ñ") << QStringLiteral("ñ") << 0 << QStringLiteral("ñ");
    QTest::newRow("the euro sign, 128") << QStringLiteral("€") << 0 << QStringLiteral("€");
    QTest::newRow("an emoji") << QStringLiteral("😀") << 0 << QStringLiteral("😀");
    QTest::newRow("an emoji made a letter") << QStringLiteral("😀") << int('B') << "B";
}

void tst_FlexGrid::typedText()
{
    QFETCH(QString, text);
    QFETCH(int, replacement);
    QFETCH(QString, expected);
    Shown shown(3, 3);
    FlexGrid* grid = shown.grid;
    QString seen;
    connect(grid, &FlexGrid::KeyPress, grid, [&](int& ascii) {
        if (replacement != 0)
            ascii = replacement;
        seen = grid->TypedText(ascii);
    });
    QTest::sendKeyEvent(QTest::Click, grid, Qt::Key_unknown, text, Qt::NoModifier);
    QCOMPARE(seen, expected);
    // once the key is handled, a code stands for its Windows-1252 character only
    QCOMPARE(grid->TypedText(63), QStringLiteral("?"));
}

void tst_FlexGrid::keyCodeChangedByHandler_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("replacement");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("ascii");   // what KeyPress receives, 0: no KeyPress
    QTest::newRow("Down swallowed") << int(Qt::Key_Down) << "" << 0 << 2 << 2 << 0;
    QTest::newRow("Right swallowed") << int(Qt::Key_Right) << "" << 0 << 2 << 2 << 0;
    QTest::newRow("Down left alone") << int(Qt::Key_Down) << "" << int(vbKeyDown) << 3 << 2 << 0;
    QTest::newRow("F2 turned into Right") << int(Qt::Key_F2) << "" << int(vbKeyRight) << 2 << 3 << 0;
    QTest::newRow("a letter's KeyPress follows a swallowed KeyDown")
        << int(Qt::Key_X) << "x" << 0 << 2 << 2 << int('x');
}

void tst_FlexGrid::keyCodeChangedByHandler()
{
    // The grid acts on the key code as the KeyDown handlers leave it.
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(int, replacement);
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(int, ascii);
    Shown shown(6, 5);
    FlexGrid* grid = shown.grid;
    grid->SetRow(2);
    grid->SetCol(2);
    QObject::connect(grid, &FlexGrid::KeyDown, [&](int& code, int) { code = replacement; });
    int pressed = 0;
    QObject::connect(grid, &FlexGrid::KeyPress, [&](int& a) { pressed = a; });
    QSignalSpy entered(grid, &FlexGrid::EnterCell);
    sendKey(grid, key, Qt::NoModifier, text);
    QCOMPARE(grid->Row(), row);
    QCOMPARE(grid->Col(), col);
    QCOMPARE(entered.count(), row == 2 && col == 2 ? 0 : 1);
    QCOMPARE(pressed, ascii);
}

void tst_FlexGrid::mouse_data()
{
    // Where: "cell r c" on the scrolling cells, "top c" a fixed-row cell over column c,
    // "left r" a fixed-column cell of row r. The cursor starts on (1, 1).
    QTest::addColumn<QString>("where");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("doubleClick");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<QStringList>("events");

    const QStringList moveTo32{"LeaveCell 1,1", "EnterCell 3,2", "RowColChange 3,2", "SelChange 3,2"};
    QTest::newRow("left on a cell") << "cell 3 2" << int(Qt::LeftButton) << false << 3 << 2
                                    << (QStringList{"MouseDown 1"} + moveTo32 + QStringList{"MouseUp 1", "Click 3,2"});
    QTest::newRow("left on the current cell") << "cell 1 1" << int(Qt::LeftButton) << false << 1 << 1
                                              << QStringList{"MouseDown 1", "MouseUp 1", "Click 1,1"};
    QTest::newRow("right does not move") << "cell 3 2" << int(Qt::RightButton) << false << 1 << 1
                                         << QStringList{"MouseDown 2", "MouseUp 2"};
    QTest::newRow("fixed row") << "top 2" << int(Qt::LeftButton) << false << 1 << 1
                               << QStringList{"MouseDown 1", "MouseUp 1", "Click 1,1"};
    QTest::newRow("fixed column") << "left 3" << int(Qt::LeftButton) << false << 1 << 1
                                  << QStringList{"MouseDown 1", "MouseUp 1", "Click 1,1"};
    QTest::newRow("double click")
        << "cell 3 2" << int(Qt::LeftButton) << true << 3 << 2
        << (QStringList{"MouseDown 1"} + moveTo32
            + QStringList{"MouseUp 1", "Click 3,2", "DblClick 3,2", "MouseUp 1"});
}

void tst_FlexGrid::mouse()
{
    QFETCH(QString, where);
    QFETCH(int, button);
    QFETCH(bool, doubleClick);
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(QStringList, events);
    Shown shown(6, 5);
    FlexGrid* grid = shown.grid;
    const QStringList w = where.split(QLatin1Char(' '));
    QWidget* target = grid->viewport();
    QPoint pos;
    if (w[0] == QLatin1String("cell")) {
        pos = grid->visualRect(grid->model()->index(w[1].toInt() - 1, w[2].toInt() - 1)).center();
    } else if (w[0] == QLatin1String("top")) {
        target = grid->horizontalHeader()->viewport();
        pos = QPoint(grid->horizontalHeader()->sectionViewportPosition(w[1].toInt() - 1) + 5, 5);
    } else {
        target = grid->verticalHeader()->viewport();
        pos = QPoint(5, grid->verticalHeader()->sectionViewportPosition(w[1].toInt() - 1) + 5);
    }
    grid->setFocus();
    Recorder rec(grid);
    QTest::mouseClick(target, Qt::MouseButton(button), {}, pos);
    if (doubleClick) {
        // What widgets receive of a double click: press, release, double click, release.
        QTest::mouseDClick(target, Qt::MouseButton(button), {}, pos);
        QTest::mouseRelease(target, Qt::MouseButton(button), {}, pos);
    }
    rec.log.removeAll(QStringLiteral("GotFocus"));
    QCOMPARE(rec.log, events);
    QCOMPARE(grid->Row(), row);
    QCOMPARE(grid->Col(), col);
}

void tst_FlexGrid::mouseCoordinatesInTwips()
{
    Shown shown(6, 5);
    FlexGrid* grid = shown.grid;
    QSignalSpy down(grid, &FlexGrid::MouseDown);
    const QPoint inViewport(40, 30);
    QTest::mousePress(grid->viewport(), Qt::RightButton, Qt::ShiftModifier, inViewport);
    QCOMPARE(down.count(), 1);
    const QPoint inGrid = grid->viewport()->mapTo(grid, inViewport);
    QCOMPARE(down[0][0].toInt(), 2);
    QCOMPARE(down[0][1].toInt(), int(vbShiftMask));
    QCOMPARE(down[0][2].toDouble(), double(inGrid.x() * 15));
    QCOMPARE(down[0][3].toDouble(), double(inGrid.y() * 15));
    QTest::mouseRelease(grid->viewport(), Qt::RightButton, Qt::ShiftModifier, inViewport);
}

void tst_FlexGrid::focusEvents_data()
{
    QTest::addColumn<int>("reason");
    QTest::addColumn<bool>("raised");
    QTest::newRow("Tab") << int(Qt::TabFocusReason) << true;
    QTest::newRow("mouse") << int(Qt::MouseFocusReason) << true;
    QTest::newRow("code") << int(Qt::OtherFocusReason) << true;
    QTest::newRow("back from a message box") << int(Qt::ActiveWindowFocusReason) << false;
    QTest::newRow("popup") << int(Qt::PopupFocusReason) << false;
}

void tst_FlexGrid::focusEvents()
{
    QFETCH(int, reason);
    QFETCH(bool, raised);
    FlexGrid grid;
    Recorder rec(&grid);
    QFocusEvent in(QEvent::FocusIn, Qt::FocusReason(reason));
    QApplication::sendEvent(&grid, &in);
    QFocusEvent out(QEvent::FocusOut, Qt::FocusReason(reason));
    QApplication::sendEvent(&grid, &out);
    const QStringList expected = raised ? QStringList{"GotFocus", "LostFocus"} : QStringList{};
    QCOMPARE(rec.log, expected);
}

// ---- texts and structure ----

void tst_FlexGrid::textArray_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::newRow("first header") << 0 << 0 << 0;
    QTest::newRow("last header") << 2 << 0 << 2;
    QTest::newRow("first of row 1") << 3 << 1 << 0;
    QTest::newRow("middle") << 7 << 2 << 1;
    QTest::newRow("last cell") << 11 << 3 << 2;
}

void tst_FlexGrid::textArray()
{
    QFETCH(int, index);
    QFETCH(int, row);
    QFETCH(int, col);
    FlexGrid grid;
    grid.SetCols(3);
    grid.SetRows(4);
    grid.SetTextArray(index, QStringLiteral("set"));
    QCOMPARE(grid.TextMatrix(row, col), QStringLiteral("set"));
    grid.SetTextMatrix(row, col, QStringLiteral("back"));
    QCOMPARE(grid.TextArray(index), QStringLiteral("back"));
    QCOMPARE(contents(grid).join(QLatin1Char('/')).count(QStringLiteral("back")), 1);
}

void tst_FlexGrid::textOutOfRange_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("index");
    QTest::newRow("row -1") << -1 << 0 << -1;
    QTest::newRow("row = Rows") << 4 << 0 << 12;
    QTest::newRow("col = Cols") << 0 << 3 << 13;
}

void tst_FlexGrid::textOutOfRange()
{
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(int, index);
    FlexGrid grid;
    grid.SetCols(3);
    grid.SetRows(4);
    QCOMPARE(errorOf([&] { grid.TextMatrix(row, col); }), 381);
    QCOMPARE(errorOf([&] { grid.SetTextMatrix(row, col, QStringLiteral("x")); }), 381);
    QCOMPARE(errorOf([&] { grid.TextArray(index); }), 381);
    QCOMPARE(errorOf([&] { grid.SetTextArray(index, QStringLiteral("x")); }), 381);
}

void tst_FlexGrid::addItem_data()
{
    // On a grid of a header and two rows, 3 columns (one fixed).
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("index");   // -1: none
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("error");

    const QStringList before{"h0|h1|h2", "a|b|c", "d|e|f"};
    QTest::newRow("appended") << "x\ty\tz" << -1 << QStringList{"h0|h1|h2", "a|b|c", "d|e|f", "x|y|z"} << 0;
    QTest::newRow("at the first data row") << "x\ty\tz" << 1
                                           << QStringList{"h0|h1|h2", "x|y|z", "a|b|c", "d|e|f"} << 0;
    QTest::newRow("between rows") << "x\ty\tz" << 2 << QStringList{"h0|h1|h2", "a|b|c", "x|y|z", "d|e|f"} << 0;
    QTest::newRow("at Rows is appending") << "x" << 3 << QStringList{"h0|h1|h2", "a|b|c", "d|e|f", "x||"} << 0;
    QTest::newRow("empty item") << "" << 2 << QStringList{"h0|h1|h2", "a|b|c", "||", "d|e|f"} << 0;
    QTest::newRow("empty cells between tabs") << "\tmid\t" << -1
                                              << QStringList{"h0|h1|h2", "a|b|c", "d|e|f", "|mid|"} << 0;
    QTest::newRow("texts past the last column are dropped")
        << "1\t2\t3\t4" << -1 << QStringList{"h0|h1|h2", "a|b|c", "d|e|f", "1|2|3"} << 0;
    QTest::newRow("into the fixed row") << "x" << 0 << before << 30009;
    QTest::newRow("past Rows") << "x" << 4 << before << 30009;
}

void tst_FlexGrid::addItem()
{
    QFETCH(QString, item);
    QFETCH(int, index);
    QFETCH(QStringList, rows);
    QFETCH(int, error);
    FlexGrid grid;
    grid.SetCols(3);
    fill(grid, {"h0|h1|h2", "a|b|c", "d|e|f"});
    QCOMPARE(errorOf([&] {
                 if (index < 0)
                     grid.AddItem(item);
                 else
                     grid.AddItem(item, index);
             }),
             error);
    QCOMPARE(contents(grid), rows);
    QCOMPARE(grid.rowCount(), grid.Rows() - 1);
}

void tst_FlexGrid::addItemKeepsCursorAndRaisesNothing()
{
    FlexGrid grid;
    grid.SetCols(3);
    fill(grid, {"h0|h1|h2", "a|b|c", "d|e|f"});
    grid.SetRow(2);
    grid.SetCol(2);
    Recorder rec(&grid);
    grid.AddItem(QString(), 3);   // the Insert key's empty row below the current one
    grid.AddItem(QStringLiteral("x"), 1);
    QCOMPARE(rec.log, QStringList{});
    QCOMPARE(grid.Row(), 2);
    QCOMPARE(grid.Col(), 2);
    QCOMPARE(grid.Rows(), 5);
}

void tst_FlexGrid::removeItem_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("currentRow");
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<int>("rowAfter");
    QTest::addColumn<int>("error");

    const QStringList three{"h0|h1", "a|b", "c|d", "e|f"};
    QTest::newRow("first data row") << three << 1 << 1 << QStringList{"h0|h1", "c|d", "e|f"} << 1 << 0;
    QTest::newRow("middle row") << three << 1 << 2 << QStringList{"h0|h1", "a|b", "e|f"} << 1 << 0;
    QTest::newRow("current last row: the cursor goes to the new last row")
        << three << 3 << 3 << QStringList{"h0|h1", "a|b", "c|d"} << 2 << 0;
    QTest::newRow("the fixed row") << three << 1 << 0 << three << 1 << 30009;
    QTest::newRow("past the last row") << three << 1 << 4 << three << 1 << 30009;
    QTest::newRow("the last non-fixed row")
        << QStringList{"h0|h1", "a|b"} << 1 << 1 << QStringList{"h0|h1", "a|b"} << 1 << 30015;
}

void tst_FlexGrid::removeItem()
{
    QFETCH(QStringList, rows);
    QFETCH(int, currentRow);
    QFETCH(int, index);
    QFETCH(QStringList, after);
    QFETCH(int, rowAfter);
    QFETCH(int, error);
    FlexGrid grid;
    fill(grid, rows);
    grid.SetRow(currentRow);
    QCOMPARE(errorOf([&] { grid.RemoveItem(index); }), error);
    QCOMPARE(contents(grid), after);
    QCOMPARE(grid.Row(), rowAfter);
}

void tst_FlexGrid::clearKeepsStructure()
{
    FlexGrid grid;
    grid.SetCols(4);
    fill(grid, {"h0|h1|h2|h3", "a|b|c|d", "e|f|g|h"});
    grid.SetColWidth(0, 900);
    grid.SetColWidth(2, 1500);
    grid.SetColAlignment(2, flexAlignRightCenter);
    grid.SetRow(2);
    grid.SetCol(2);
    grid.SetCellBackColor(0x00FFFF);
    grid.SetRow(0);
    grid.SetCellBackColor(0xFF0000);

    grid.Clear();

    const QStringList empty{"|||", "|||", "|||"};
    QCOMPARE(contents(grid), empty);
    QCOMPARE(grid.Rows(), 3);
    QCOMPARE(grid.Cols(), 4);
    QCOMPARE(grid.FixedRows(), 1);
    QCOMPARE(grid.ColWidth(0), 900);
    QCOMPARE(grid.ColWidth(2), 1500);
    QCOMPARE(grid.ColAlignment(2), int(flexAlignRightCenter));
    QCOMPARE(grid.CellBackColor(), 0L);
    grid.SetRow(2);
    QCOMPARE(grid.CellBackColor(), 0L);
}

void tst_FlexGrid::rowsAndCols_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("cols");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<int>("fixedRows");
    QTest::addColumn<int>("currentRow");

    // From "h0|h1|h2", "a|b|c", "d|e|f" with the cursor on (2, 1).
    QTest::newRow("more rows") << 5 << 3 << QStringList{"h0|h1|h2", "a|b|c", "d|e|f", "||", "||"} << 1 << 2;
    QTest::newRow("fewer rows") << 2 << 3 << QStringList{"h0|h1|h2", "a|b|c"} << 1 << 1;
    QTest::newRow("the header alone") << 1 << 3 << QStringList{"h0|h1|h2"} << 1 << 0;
    QTest::newRow("no rows") << 0 << 3 << QStringList{} << 0 << 0;
    QTest::newRow("more columns") << 3 << 4 << QStringList{"h0|h1|h2|", "a|b|c|", "d|e|f|"} << 1 << 2;
    QTest::newRow("fewer columns") << 3 << 2 << QStringList{"h0|h1", "a|b", "d|e"} << 1 << 2;
}

void tst_FlexGrid::rowsAndCols()
{
    QFETCH(int, rows);
    QFETCH(int, cols);
    QFETCH(QStringList, after);
    QFETCH(int, fixedRows);
    QFETCH(int, currentRow);
    FlexGrid grid;
    grid.SetCols(3);
    fill(grid, {"h0|h1|h2", "a|b|c", "d|e|f"});
    grid.SetRow(2);
    grid.SetRows(rows);
    grid.SetCols(cols);
    QCOMPARE(contents(grid), after);
    QCOMPARE(grid.FixedRows(), fixedRows);
    QCOMPARE(grid.Row(), currentRow);
    QCOMPARE(grid.rowCount(), rows - fixedRows);
    // Rows set back grows the grid with empty rows.
    grid.SetRows(4);
    QCOMPARE(grid.TextMatrix(3, 0), QString());
}

void tst_FlexGrid::droppedCellsComeBackEmpty_data()
{
    QTest::addColumn<bool>("rows");   // false: columns
    QTest::newRow("rows") << true;
    QTest::newRow("columns") << false;
}

void tst_FlexGrid::droppedCellsComeBackEmpty()
{
    // Lines dropped from the end and added back hold nothing of what they held.
    QFETCH(bool, rows);
    FlexGrid grid;
    grid.SetCols(4);
    grid.SetRows(4);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            grid.SetTextMatrix(r, c, QStringLiteral("x"));
            grid.SetRow(r);
            grid.SetCol(c);
            grid.SetCellBackColor(0x00FF00);
            grid.SetCellForeColor(0x0000FF);
        }
    if (rows) {
        grid.SetRows(2);
        grid.SetRows(4);
    } else {
        grid.SetCols(2);
        grid.SetCols(4);
    }
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            const bool kept = rows ? r < 2 : c < 2;
            QCOMPARE(grid.TextMatrix(r, c), kept ? QStringLiteral("x") : QString());
            grid.SetRow(r);
            grid.SetCol(c);
            QCOMPARE(grid.CellBackColor(), kept ? 0x00FF00L : 0L);
            QCOMPARE(grid.CellForeColor(), kept ? 0x0000FFL : 0L);
        }
}

void tst_FlexGrid::watchedColumn_data()
{
    // Column 1 of "h0|h1|h2", "a|b|c", "d|e|f" is watched; each change is "row:before>after".
    // Actions: "write r c text", "array i text", "add a|b|c" (at row 2), "remove r", "clear",
    // "rows n", "cols n", "grow", "fixed", "unwatch".
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>("heard");
    QTest::newRow("a write") << "write 2 1 x" << QStringList{"2:e>x"};
    QTest::newRow("the same text again") << "write 2 1 e" << QStringList{};
    QTest::newRow("another column") << "write 2 2 x" << QStringList{};
    QTest::newRow("emptied") << "write 1 1" << QStringList{"1:b>"};
    QTest::newRow("TextArray") << "array 4 y" << QStringList{"1:b>y"};
    QTest::newRow("AddItem") << "add p|q|r" << QStringList{"2:>q"};
    QTest::newRow("AddItem without the column") << "add p" << QStringList{};
    QTest::newRow("RemoveItem") << "remove 1" << QStringList{"1:b>"};
    QTest::newRow("Clear") << "clear" << QStringList{"0:h1>", "1:b>", "2:e>"};
    QTest::newRow("fewer rows") << "rows 2" << QStringList{"2:e>"};
    QTest::newRow("fewer columns") << "cols 1" << QStringList{"0:h1>", "1:b>", "2:e>"};
    QTest::newRow("more rows and columns") << "grow" << QStringList{};
    QTest::newRow("the fixed border moves") << "fixed" << QStringList{};
    QTest::newRow("the watch ended") << "unwatch" << QStringList{};
}

void tst_FlexGrid::watchedColumn()
{
    QFETCH(QString, action);
    QFETCH(QStringList, heard);
    FlexGrid grid;
    grid.SetCols(3);
    fill(grid, {"h0|h1|h2", "a|b|c", "d|e|f"});
    QStringList log;
    grid.watchColumn(1, [&log](int row, const QString& before, const QString& after) {
        log << QStringLiteral("%1:%2>%3").arg(row).arg(before, after);
    });
    const QStringList w = action.split(QLatin1Char(' '));
    const QString& what = w[0];
    if (what == QLatin1String("write")) {
        grid.SetTextMatrix(w[1].toInt(), w[2].toInt(), w.value(3));
    } else if (what == QLatin1String("array")) {
        grid.SetTextArray(w[1].toInt(), w[2]);
    } else if (what == QLatin1String("add")) {
        grid.AddItem(QString(w[1]).replace(QLatin1Char('|'), QLatin1Char('\t')), 2);
    } else if (what == QLatin1String("remove")) {
        grid.RemoveItem(w[1].toInt());
    } else if (what == QLatin1String("clear")) {
        grid.Clear();
    } else if (what == QLatin1String("rows")) {
        grid.SetRows(w[1].toInt());
    } else if (what == QLatin1String("cols")) {
        grid.SetCols(w[1].toInt());
    } else if (what == QLatin1String("grow")) {
        grid.SetRows(6);
        grid.SetCols(5);
    } else if (what == QLatin1String("fixed")) {
        grid.SetFixedRows(2);
        grid.SetFixedCols(2);
        grid.SetFixedRows(0);
    } else if (what == QLatin1String("unwatch")) {
        grid.watchColumn(1, {});
        grid.SetTextMatrix(1, 1, QStringLiteral("z"));
        grid.Clear();
    }
    QCOMPARE(log, heard);
}

void tst_FlexGrid::fixedLines_data()
{
    QTest::addColumn<int>("fixedRows");
    QTest::addColumn<int>("fixedCols");
    QTest::newRow("none") << 0 << 0;
    QTest::newRow("VB's default") << 1 << 1;
    QTest::newRow("header row only") << 1 << 0;
    QTest::newRow("two rows") << 2 << 0;
    QTest::newRow("two columns") << 0 << 2;
    QTest::newRow("three rows, two columns") << 3 << 2;
}

void tst_FlexGrid::fixedLines()
{
    // Texts, colours and sizes survive moving the border between fixed and scrolling
    // cells; fixed lines are outside the table's items and out of the operator's reach.
    QFETCH(int, fixedRows);
    QFETCH(int, fixedCols);
    Shown shown(6, 5);
    FlexGrid* grid = shown.grid;
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 5; ++c)
            grid->SetTextMatrix(r, c, QStringLiteral("%1,%2").arg(r).arg(c));
    grid->SetColWidth(1, 1200);
    grid->SetRowHeight(2, 450);
    grid->SetRow(2);
    grid->SetCol(1);
    grid->SetCellBackColor(0x00FF00);

    grid->SetFixedRows(fixedRows);
    grid->SetFixedCols(fixedCols);

    QCOMPARE(grid->rowCount(), 6 - fixedRows);
    QCOMPARE(grid->columnCount(), 5 - fixedCols);
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 5; ++c)
            QCOMPARE(grid->TextMatrix(r, c), QStringLiteral("%1,%2").arg(r).arg(c));
    QCOMPARE(grid->ColWidth(1), 1200);
    QCOMPARE(grid->RowHeight(2), 450);
    grid->SetRow(2);
    grid->SetCol(1);
    QCOMPARE(grid->CellBackColor(), 0x00FF00L);
    QCOMPARE(grid->horizontalHeader()->isVisibleTo(grid), fixedRows > 0);
    QCOMPARE(grid->verticalHeader()->isVisibleTo(grid), fixedCols > 0);

    // Home and Ctrl+Home stop at the first scrolling cell.
    grid->SetRow(4);
    grid->SetCol(4);
    sendKey(grid, Qt::Key_Home, Qt::ControlModifier, QString());
    QCOMPARE(grid->Row(), fixedRows);
    QCOMPARE(grid->Col(), fixedCols);
    sendKey(grid, Qt::Key_Up, Qt::NoModifier, QString());
    sendKey(grid, Qt::Key_Left, Qt::NoModifier, QString());
    QCOMPARE(grid->Row(), fixedRows);
    QCOMPARE(grid->Col(), fixedCols);
}

// ---- layout in twips ----

void tst_FlexGrid::colWidthInTwips_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<int>("readBack");   // whole pixels, as the grid keeps them
    QTest::newRow("whole pixels") << 2 << 1500 << 100 << 1500;
    QTest::newRow("rounded down") << 2 << 1507 << 100 << 1500;
    QTest::newRow("rounded up") << 2 << 1508 << 101 << 1515;
    QTest::newRow("hidden") << 2 << 0 << 0 << 0;
    QTest::newRow("default") << 2 << -1 << 64 << 960;
    QTest::newRow("fixed column") << 0 << 1500 << 100 << 1500;
    QTest::newRow("fixed column hidden") << 0 << 0 << 0 << 0;
}

void tst_FlexGrid::colWidthInTwips()
{
    QFETCH(int, col);
    QFETCH(int, twips);
    QFETCH(int, pixels);
    QFETCH(int, readBack);
    Shown shown(3, 4);
    FlexGrid* grid = shown.grid;
    grid->SetTextMatrix(1, col, QStringLiteral("kept"));
    grid->SetColWidth(col, twips);
    QCOMPARE(grid->ColWidth(col), readBack);
    if (col >= grid->FixedCols())
        QCOMPARE(grid->columnWidth(col - grid->FixedCols()), pixels);
    else
        QCOMPARE(grid->verticalHeader()->isVisible() ? grid->verticalHeader()->width() : 0, pixels);
    QCOMPARE(grid->TextMatrix(1, col), QStringLiteral("kept"));
    QCOMPARE(errorOf([&] { grid->SetColWidth(4, 100); }), 381);
    QCOMPARE(errorOf([&] { grid->ColWidth(-1); }), 381);
}

void tst_FlexGrid::rowHeightInTwips()
{
    Shown shown(4, 3);
    FlexGrid* grid = shown.grid;
    grid->SetRowHeight(2, 450);
    QCOMPARE(grid->rowHeight(1), 30);
    QCOMPARE(grid->RowHeight(2), 450);
    grid->SetRowHeight(0, 600);   // the fixed row makes the header taller
    QCOMPARE(grid->RowHeight(0), 600);
    QCOMPARE(grid->horizontalHeader()->height(), 40);
    QCOMPARE(errorOf([&] { grid->SetRowHeight(4, 300); }), 381);

    // A larger font makes every row taller, fixed ones included, so no text is cut.
    const int before = grid->RowHeight(1);
    QFont font = grid->font();
    font.setPointSize(font.pointSize() * 2);
    grid->setFont(font);
    QVERIFY(grid->RowHeight(1) > before);
    QCOMPARE(grid->RowHeight(3), grid->RowHeight(1));
    QVERIFY(grid->RowHeight(1) / 15 >= QFontMetrics(font).height());
}

void tst_FlexGrid::textWidthX_data()
{
    QTest::addColumn<int>("n");
    QTest::newRow("0") << 0;
    QTest::newRow("1") << 1;
    QTest::newRow("13") << 13;
    QTest::newRow("52") << 52;
}

void tst_FlexGrid::textWidthX()
{
    // "n X" in the form's font, in twips, gives the column exactly that many pixels.
    QFETCH(int, n);
    QWidget form;
    QFont font = form.font();
    font.setPointSize(11);
    form.setFont(font);
    const int pixels = QFontMetrics(font).horizontalAdvance(QString(n, QLatin1Char('X')));
    QCOMPARE(TextWidthX(form, n), pixels * 15);
    QCOMPARE(TextWidth(form, QString(n, QLatin1Char('X'))), pixels * 15);
    FlexGrid grid(&form);
    grid.SetColWidth(1, TextWidthX(form, n));
    QCOMPARE(grid.columnWidth(0), pixels);
}

void tst_FlexGrid::alignment_data()
{
    QTest::addColumn<int>("flex");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("qt");
    QTest::newRow("0 left top") << 0 << "x" << int(Qt::AlignLeft | Qt::AlignTop);
    QTest::newRow("1 left center") << 1 << "12" << int(Qt::AlignLeft | Qt::AlignVCenter);
    QTest::newRow("2 left bottom") << 2 << "x" << int(Qt::AlignLeft | Qt::AlignBottom);
    QTest::newRow("3 center top") << 3 << "x" << int(Qt::AlignHCenter | Qt::AlignTop);
    QTest::newRow("4 center center") << 4 << "x" << int(Qt::AlignHCenter | Qt::AlignVCenter);
    QTest::newRow("5 center bottom") << 5 << "x" << int(Qt::AlignHCenter | Qt::AlignBottom);
    QTest::newRow("6 right top") << 6 << "x" << int(Qt::AlignRight | Qt::AlignTop);
    QTest::newRow("7 right center") << 7 << "x" << int(Qt::AlignRight | Qt::AlignVCenter);
    QTest::newRow("8 right bottom") << 8 << "x" << int(Qt::AlignRight | Qt::AlignBottom);
    QTest::newRow("9 general, text") << 9 << "Caja" << int(Qt::AlignLeft | Qt::AlignVCenter);
    QTest::newRow("9 general, number") << 9 << "125" << int(Qt::AlignRight | Qt::AlignVCenter);
    QTest::newRow("9 general, negative") << 9 << "-3" << int(Qt::AlignRight | Qt::AlignVCenter);
    QTest::newRow("9 general, code with letters") << 9 << "0001-A" << int(Qt::AlignLeft | Qt::AlignVCenter);
    QTest::newRow("9 general, empty") << 9 << "" << int(Qt::AlignLeft | Qt::AlignVCenter);
}

void tst_FlexGrid::alignment()
{
    QFETCH(int, flex);
    QFETCH(QString, text);
    QFETCH(int, qt);
    QCOMPARE(int(QtAlignment(flex, text)), qt);
    FlexGrid grid;
    grid.SetColAlignment(1, flex);
    QCOMPARE(grid.ColAlignment(1), flex);
    QCOMPARE(errorOf([&] { grid.SetColAlignment(1, 10); }), 380);
    QCOMPARE(grid.ColAlignment(1), flex);
}

void tst_FlexGrid::controlPlaceInTwips()
{
    QWidget form;
    FlexGrid grid(&form);
    grid.SetLeft(150);
    grid.SetTop(300);
    grid.SetWidth(6000);
    grid.SetHeight(3000);
    QCOMPARE(grid.geometry(), QRect(10, 20, 400, 200));
    QCOMPARE(grid.Left(), 150);
    QCOMPARE(grid.Top(), 300);
    QCOMPARE(grid.Width(), 6000);
    QCOMPARE(grid.Height(), 3000);
}

// ---- the current cell's rectangle ----

void tst_FlexGrid::cellGeometry_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("topRow");
    QTest::newRow("first data cell") << 1 << 1 << 1;
    QTest::newRow("wide column") << 2 << 3 << 1;
    QTest::newRow("scrolled down") << 30 << 2 << 25;
    QTest::newRow("above the view") << 3 << 2 << 20;
    QTest::newRow("below the view") << 35 << 1 << 1;
    QTest::newRow("fixed row") << 0 << 2 << 10;
    QTest::newRow("hidden column") << 4 << 4 << 1;
}

void tst_FlexGrid::cellGeometry()
{
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(int, topRow);
    Shown shown(40, 5);
    FlexGrid* grid = shown.grid;
    grid->SetColWidth(3, 2400);
    grid->SetColWidth(4, 0);
    grid->SetRowHeight(5, 600);
    grid->SetTopRow(topRow);
    grid->SetRow(row);
    grid->SetCol(col);
    const QRect qt = qtCellRect(*grid, row, col);
    QCOMPARE(grid->CellLeft(), qt.left() * 15);
    QCOMPARE(grid->CellTop(), qt.top() * 15);
    QCOMPARE(grid->CellWidth(), qMax(0, qt.width()) * 15);
    QCOMPARE(grid->CellHeight(), qt.height() * 15);
}

void tst_FlexGrid::editorSitsOnCell()
{
    // The in-cell editor's placement: the grid's Left and Top plus the cell's.
    Shown shown(20, 5);
    FlexGrid* grid = shown.grid;
    grid->SetColWidth(2, 2000);
    auto* editor = new QLineEdit(&shown.form);
    grid->SetTopRow(4);
    grid->SetRow(6);
    grid->SetCol(2);
    editor->setGeometry(TwipsToPixels(grid->Left() + grid->CellLeft()),
                        TwipsToPixels(grid->Top() + grid->CellTop()),
                        TwipsToPixels(grid->CellWidth()), TwipsToPixels(grid->CellHeight()));
    const QRect cell = grid->visualRect(grid->model()->index(5, 1));
    QCOMPARE(editor->geometry(), QRect(grid->viewport()->mapTo(&shown.form, cell.topLeft()), cell.size()));
}

void tst_FlexGrid::topRow()
{
    Shown shown(101, 3);
    FlexGrid* grid = shown.grid;
    QSignalSpy scrolled(grid, &FlexGrid::Scroll);
    QCOMPARE(grid->TopRow(), 1);
    grid->SetTopRow(50);
    QCOMPARE(grid->TopRow(), 50);
    QCOMPARE(scrolled.count(), 1);
    QVERIFY(grid->RowIsVisible(50));
    QVERIFY(!grid->RowIsVisible(49));
    QVERIFY(grid->RowIsVisible(0));   // the fixed row never scrolls
    // Past the last page: the last page.
    grid->SetTopRow(100);
    QVERIFY(grid->TopRow() < 100);
    QVERIFY(grid->RowIsVisible(100));
    QVERIFY(!grid->RowIsVisible(grid->TopRow() - 2));
    // Rows added by code count at once.
    for (int i = 0; i < 50; ++i)
        grid->AddItem(QStringLiteral("x"));
    grid->SetTopRow(120);
    QCOMPARE(grid->TopRow(), 120);
    QVERIFY(grid->ColIsVisible(0));
    grid->SetColWidth(2, 0);
    QVERIFY(!grid->ColIsVisible(2));
}

void tst_FlexGrid::codeMovesDoNotScrollOperatorMovesDo()
{
    Shown shown(60, 3);
    FlexGrid* grid = shown.grid;
    grid->SetRow(40);
    QCOMPARE(grid->TopRow(), 1);
    QVERIFY(!grid->RowIsVisible(40));
    sendKey(grid, Qt::Key_Down, Qt::NoModifier, QString());
    QCOMPARE(grid->Row(), 41);
    QVERIFY(grid->RowIsVisible(41));
    QVERIFY(grid->TopRow() > 1);
}

// Scrolled to its far end, the grid still starts its view with a whole line, as
// MSFlexGrid does: the first scrolling column (or row) in view is never cut by the fixed
// one, so a cursor the form puts back on it by code shows whole.
void tst_FlexGrid::firstScrollingLineShowsWhole_data()
{
    QTest::addColumn<bool>("columns");
    QTest::newRow("last column brought into view") << true;
    QTest::newRow("last row brought into view") << false;
}

void tst_FlexGrid::firstScrollingLineShowsWhole()
{
    QFETCH(bool, columns);
    Shown shown(40, 7);
    FlexGrid* grid = shown.grid;
    // Widths that leave the last columns no whole number of columns to fill the view,
    // and a height that leaves the rows none either.
    for (int c = 1; c < 7; ++c)
        grid->SetColWidth(c, TwipsPerPixel() * (c == 6 ? 230 : 97));
    grid->setGeometry(10, 10, 480, 300 + grid->RowHeight(1) / TwipsPerPixel() / 2);
    QVERIFY(QTest::qWaitForWindowExposed(&shown.form));
    const int wholeFirstLeft = grid->CellLeft();   // cursor on (1, 1), nothing scrolled

    const QHeaderView* header = columns ? grid->horizontalHeader() : grid->verticalHeader();
    if (columns) {
        sendKey(grid, Qt::Key_End, Qt::NoModifier, QString());
        QCOMPARE(grid->Col(), 6);
        QVERIFY(grid->ColIsVisible(6));
    } else {
        sendKey(grid, Qt::Key_End, Qt::ControlModifier, QString());
        QCOMPARE(grid->Row(), 39);
        QVERIFY(grid->RowIsVisible(39));
    }
    QVERIFY(header->offset() > 0);
    const int first = header->logicalIndexAt(0);
    QCOMPARE(header->sectionViewportPosition(first), 0);

    // Scrolled back by code, the first column starts right after the fixed one.
    if (columns) {
        QVERIFY(grid->LeftCol() > 1);
        grid->SetCol(1);
        grid->SetLeftCol(1);
        QCOMPARE(grid->LeftCol(), 1);
        QCOMPARE(grid->CellLeft(), wholeFirstLeft);
    }
}

// ---- colours ----

void tst_FlexGrid::colours_data()
{
    // Cells painted from the cursor on (1, 1) with the selection to (RowSel, ColSel).
    QTest::addColumn<int>("fillStyle");
    QTest::addColumn<int>("rowSel");
    QTest::addColumn<int>("colSel");
    QTest::addColumn<QStringList>("painted");   // "r,c" of every cell with the colour
    QTest::newRow("single cell") << 0 << 1 << 1 << QStringList{"1,1"};
    QTest::newRow("selection ignored without FillStyle 1") << 0 << 2 << 3 << QStringList{"1,1"};
    QTest::newRow("FillStyle 1 paints the selection")
        << 1 << 2 << 3 << QStringList{"1,1", "1,2", "1,3", "2,1", "2,2", "2,3"};
    QTest::newRow("FillStyle 1, selection up and left into fixed cells")
        << 1 << 0 << 0 << QStringList{"0,0", "0,1", "1,0", "1,1"};
}

void tst_FlexGrid::colours()
{
    QFETCH(int, fillStyle);
    QFETCH(int, rowSel);
    QFETCH(int, colSel);
    QFETCH(QStringList, painted);
    FlexGrid grid;
    grid.SetCols(4);
    grid.SetRows(4);
    grid.SetRowSel(rowSel);
    grid.SetColSel(colSel);
    grid.SetFillStyle(fillStyle);
    grid.SetCellBackColor(12648447);
    grid.SetCellForeColor(0xFF0000);
    grid.SetFillStyle(flexFillSingle);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            grid.SetRow(r);
            grid.SetCol(c);
            const bool expected = painted.contains(QStringLiteral("%1,%2").arg(r).arg(c));
            QCOMPARE(grid.CellBackColor(), expected ? 12648447L : 0L);
            QCOMPARE(grid.CellForeColor(), expected ? 0xFF0000L : 0L);
        }
    // 0 gives the cell the grid's colour back.
    grid.SetRow(1);
    grid.SetCol(1);
    grid.SetCellBackColor(0);
    QCOMPARE(grid.CellBackColor(), 0L);
    QCOMPARE(errorOf([&] { grid.SetFillStyle(2); }), 380);
}

void tst_FlexGrid::coloursReachTheScreen()
{
    // Painting a whole row as the voucher grids do: Col, Row, CellBackColor per column.
    Shown shown(4, 3);
    FlexGrid* grid = shown.grid;
    const long yellow = 0x80FFFF;   // &HBBGGRR: red FF, green FF, blue 80
    for (int c = 0; c < grid->Cols(); ++c) {
        grid->SetCol(c);
        grid->SetRow(2);
        grid->SetCellBackColor(yellow);
    }
    grid->SetRow(0);
    grid->SetCol(2);
    grid->SetCellBackColor(0xFF0000);   // blue header cell
    grid->SetRow(3);
    grid->SetCol(1);
    QApplication::processEvents();
    const QImage shot = grid->grab().toImage();
    const auto pixelOf = [&](int row, int col) {
        grid->SetRow(row);
        grid->SetCol(col);
        const QRect cell(grid->CellLeft() / 15, grid->CellTop() / 15, grid->CellWidth() / 15,
                         grid->CellHeight() / 15);
        return shot.pixelColor(cell.right() - 3, cell.bottom() - 3).rgb() & 0xFFFFFF;
    };
    QCOMPARE(pixelOf(2, 1), QColor(255, 255, 128).rgb() & 0xFFFFFF);
    QCOMPARE(pixelOf(2, 2), QColor(255, 255, 128).rgb() & 0xFFFFFF);
    QCOMPARE(pixelOf(2, 0), QColor(255, 255, 128).rgb() & 0xFFFFFF);   // the fixed column too
    QCOMPARE(pixelOf(0, 2), QColor(0, 0, 255).rgb() & 0xFFFFFF);
    QVERIFY(pixelOf(1, 1) != (QColor(255, 255, 128).rgb() & 0xFFFFFF));
}

void tst_FlexGrid::textsReachTheScreen_data()
{
    // Where a text's ink lands in its cell: "left" or "right" half, and whether the cell to
    // its right stays clean; in a scrolling cell, a fixed column and the header row.
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("half");
    QTest::addColumn<bool>("bigFont");   // the grid's font twice the application's
    QTest::newRow("left") << 1 << 1 << int(flexAlignLeftCenter) << "ab" << "left" << false;
    QTest::newRow("right") << 1 << 1 << int(flexAlignRightCenter) << "ab" << "right" << false;
    QTest::newRow("general, a number") << 1 << 1 << int(flexAlignGeneral) << "12" << "right" << false;
    QTest::newRow("general, a text") << 1 << 1 << int(flexAlignGeneral) << "ab" << "left" << false;
    QTest::newRow("too long for its cell, left") << 1 << 1 << int(flexAlignLeftCenter) << QString(60, QLatin1Char('W'))
                                                 << "both" << false;
    QTest::newRow("too long for its cell, right") << 1 << 1 << int(flexAlignRightCenter) << QString(60, QLatin1Char('W'))
                                                  << "both" << false;
    QTest::newRow("right, in the grid's own font") << 1 << 1 << int(flexAlignRightCenter) << "ab" << "right" << true;
    QTest::newRow("fixed column, centred") << 1 << 0 << int(flexAlignCenterCenter) << "LOTE" << "both" << false;
    QTest::newRow("fixed column, centre top") << 1 << 0 << int(flexAlignCenterTop) << "LOTE" << "both" << false;
    QTest::newRow("fixed column, right") << 1 << 0 << int(flexAlignRightCenter) << "LOTE" << "right" << false;
    QTest::newRow("fixed column, left") << 1 << 0 << int(flexAlignLeftCenter) << "LOTE" << "left" << false;
    QTest::newRow("header, right") << 0 << 1 << int(flexAlignRightCenter) << "LOTE" << "right" << false;
    QTest::newRow("header, general") << 0 << 1 << int(flexAlignGeneral) << "LOTE" << "left" << false;
}

void tst_FlexGrid::textsReachTheScreen()
{
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(int, alignment);
    QFETCH(QString, text);
    QFETCH(QString, half);
    QFETCH(bool, bigFont);
    Shown shown(3, 4);
    FlexGrid* grid = shown.grid;
    grid->clearFocus();
    if (bigFont) {
        QFont font = grid->font();
        font.setPointSize(font.pointSize() * 2);
        grid->setFont(font);
    }
    grid->SetColWidth(col, 1200);
    grid->SetColWidth(col + 1, 1200);
    grid->SetColAlignment(col, alignment);
    grid->SetTextMatrix(row, col, text);
    grid->SetRow(2);
    grid->SetCol(3);
    // the first paint that shows the text
    const QImage shot = grid->grab().toImage();
    const auto inked = [&](int c, bool left) {
        grid->SetRow(row);
        grid->SetCol(c);
        // Inside a fixed cell's raised edge; the cell's own colour at its foot.
        const QRect cell = QRect(grid->CellLeft() / 15, grid->CellTop() / 15, grid->CellWidth() / 15,
                                 grid->CellHeight() / 15).adjusted(1, 1, -1, -1);
        const QRgb back = shot.pixel(cell.center().x(), cell.bottom());
        const int from = left ? cell.left() : cell.center().x();
        const int to = left ? cell.center().x() : cell.right();
        for (int x = from; x <= to; ++x)
            for (int y = cell.top(); y <= cell.bottom(); ++y)
                if (shot.pixel(x, y) != back)
                    return true;
        return false;
    };
    QCOMPARE(inked(col, true), half != QLatin1String("right"));
    QCOMPARE(inked(col, false), half != QLatin1String("left"));
    // Nothing spills into the neighbours.
    QVERIFY(!inked(col + 1, true));
    QVERIFY(!inked(col + 1, false));
}

void tst_FlexGrid::widthsInXHoldTheirTexts_data()
{
    // Headers and values that forms size in "X" of their font, as the voucher grids do.
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("n");
    QTest::newRow("Cantidad") << "Cantidad" << 7;
    QTest::newRow("Lista") << "Lista" << 4;
    QTest::newRow("UDEquiv") << "UDEquiv" << 7;
    QTest::newRow("Cant. Equiv") << "Cant. Equiv" << 9;
    QTest::newRow("% Dto.") << "% Dto." << 5;
    QTest::newRow("Cod.Proveedor") << "Cod.Proveedor" << 11;
    QTest::newRow("Importe S/Iva") << "Importe S/Iva" << 11;
    QTest::newRow("a unit") << "CAJA" << 4;
    QTest::newRow("an amount") << "19.587.000,00" << 10;
}

void tst_FlexGrid::widthsInXHoldTheirTexts()
{
    // The text draws the same in a column of its width in X as in a wide one: nothing of
    // it is cut, in a fixed row and in a scrolling one.
    QFETCH(QString, text);
    QFETCH(int, n);
    Shown shown(3, 3);
    FlexGrid* grid = shown.grid;
    grid->clearFocus();
    grid->SetColWidth(1, TextWidthX(shown.form, n));
    grid->SetColWidth(2, TextWidthX(shown.form, 3 * n));
    for (int row = 0; row < 2; ++row)
        for (int col = 1; col < 3; ++col)
            grid->SetTextMatrix(row, col, text);
    grid->SetRow(2);
    grid->SetCol(0);
    QApplication::processEvents();
    const QImage shot = grid->grab().toImage();
    const auto ink = [&](int row, int col) {
        // Inside a header's raised edges: only the text can tell the two cells apart.
        const QRect cell = qtCellRect(*grid, row, col).adjusted(row == 0 ? 1 : 0, row == 0 ? 1 : 0, 0, 0);
        const QRgb back = shot.pixel(cell.center().x(), cell.top() + 2);
        int count = 0;
        for (int x = cell.left(); x <= cell.right(); ++x)
            for (int y = cell.top(); y <= cell.bottom(); ++y)
                count += shot.pixel(x, y) != back;
        return count;
    };
    QVERIFY(ink(1, 2) > 0);
    QCOMPARE(ink(0, 1), ink(0, 2));
    QCOMPARE(ink(1, 1), ink(1, 2));
}

void tst_FlexGrid::cursorIsFramed_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::newRow("scrolling cell") << 2 << 2;
    QTest::newRow("fixed column, where code may leave it") << 2 << 0;
    QTest::newRow("fixed row") << 0 << 1;
}

void tst_FlexGrid::cursorIsFramed()
{
    Shown shown(4, 3);
    FlexGrid* grid = shown.grid;
    grid->clearFocus();
    QFETCH(int, row);
    QFETCH(int, col);
    grid->SetRow(row);
    grid->SetCol(col);
    const QRect cell(grid->CellLeft() / 15, grid->CellTop() / 15, grid->CellWidth() / 15,
                     grid->CellHeight() / 15);
    QApplication::processEvents();
    const QImage shot = grid->grab().toImage();
    const QRgb frame = grid->palette().color(QPalette::Dark).rgb();
    QCOMPARE(shot.pixel(cell.left() + 1, cell.center().y()), frame);
    QCOMPARE(shot.pixel(cell.center().x(), cell.top() + 1), frame);
    // The cell the cursor left is not framed.
    grid->SetRow(3);
    grid->SetCol(1);
    QApplication::processEvents();
    const QImage after = grid->grab().toImage();
    QVERIFY(after.pixel(cell.left() + 1, cell.center().y()) != frame);
}

void tst_FlexGrid::redraw()
{
    Shown shown(2, 3);
    FlexGrid* grid = shown.grid;
    grid->SetRedraw(false);
    QVERIFY(!grid->Redraw());
    QVERIFY(!grid->viewport()->updatesEnabled());
    for (int i = 0; i < 100; ++i)
        grid->AddItem(QStringLiteral("a\tb\tc"));
    grid->SetRedraw(true);
    QVERIFY(grid->viewport()->updatesEnabled());
    QCOMPARE(grid->Rows(), 102);
    QCOMPARE(grid->TextMatrix(101, 2), QStringLiteral("c"));
}

TESTSUPPORT_MAIN(tst_FlexGrid)
#include "tst_FlexGrid.moc"
