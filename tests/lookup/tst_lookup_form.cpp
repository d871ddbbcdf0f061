// The list lookup form offscreen on a small database: columns and widths, stock colours,
// the search boxes, the server filter, the list's keyboard, sorting and missing stock.
#include "LookupFixture.h"
#include "data/DB_Dll.h"
#include "frame/MenuExes.h"
#include "frame/ModGlobal.h"
#include "lookup/Lib_FrmCons3.h"
#include "lookup/LookupListModel.h"
#include "platform/ui/Metrics.h"
#include "platform/ui/Operator.h"
#include "tests/support/FixedClock.h"
#include "tests/support/KeyTyping.h"
#include "tests/support/RegionalPin.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QToolTip>

using lookuptest::LookupFixture;
using lookuptest::columnTexts;
using testsupport::ScriptedOperator;

namespace {

const QStringList kArticles = {
    QStringLiteral("CREATE TABLE PRUEBA_ARTICULOS (IdArticulo TEXT COLLATE NOCASE, Descripcion TEXT COLLATE NOCASE, "
                   "PUNTOPEDIDO FLOAT, Stock FLOAT)"),
    QStringLiteral("INSERT INTO PRUEBA_ARTICULOS VALUES ('A1', 'Tornillo d''acero', 0, 5)"),
    QStringLiteral("INSERT INTO PRUEBA_ARTICULOS VALUES ('A2', 'Tuerca', 10, 11)"),
    QStringLiteral("INSERT INTO PRUEBA_ARTICULOS VALUES ('A3', 'Arandela', 10, 9)"),
    QStringLiteral("INSERT INTO PRUEBA_ARTICULOS VALUES ('A4', 'Clavo', 10, 10)"),
    QStringLiteral("INSERT INTO PRUEBA_ARTICULOS VALUES ('A5', 'Grampa', 0, 0)"),
    QStringLiteral("INSERT INTO PRUEBA_ARTICULOS VALUES ('A6', 'Bulon', -1, 3)"),
};

struct Open {
    std::unique_ptr<Lib_FrmCons3> frm;
    Lib_FrmCons3* operator->() { return frm.get(); }
    Lib_FrmCons3& operator*() { return *frm; }
};

// A form loaded with the statement and shown offscreen; `setup` fills the other inputs.
Open openForm(const QString& sql, const std::function<void(Lib_FrmCons3&)>& setup = {})
{
    Open o{std::make_unique<Lib_FrmCons3>()};
    o->SQL = sql;
    if (setup)
        setup(*o);
    o->Form_Load();
    o->show();
    return o;
}

int sectionWidth(Lib_FrmCons3& frm, int column)
{
    return frm.ListView1->horizontalHeader()->sectionSize(column);
}

// Whether the list shows the cell's text whole.
bool showsWhole(Lib_FrmCons3& frm, int row, int column)
{
    return lookuptest::showsWhole(*frm.ListView1,
                                  QRect(0, 0, sectionWidth(frm, column), frm.ListView1->verticalHeader()->defaultSectionSize()),
                                  frm.model()->text(row, column));
}

// The workstation's language for one test; the previous one comes back after.
struct LocalePin {
    explicit LocalePin(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocalePin() { QLocale::setDefault(previous); }
    const QLocale previous;
};

void press(QWidget* w, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QTest::keyClick(w, key, mods);
}

} // namespace

class TstLookupForm : public QObject {
    Q_OBJECT

private slots:
    // A column is as wide as its header and its widest text, whatever the column's
    // declared size: a six-digit code column stays narrow beside a long description.
    void columnsFitTheirTexts()
    {
        LookupFixture fx({QStringLiteral("CREATE TABLE ANCHOS (Codigo VARCHAR(200), Descripcion VARCHAR(200), "
                                         "Importe MONEY, Nota VARCHAR(5))"),
                          QStringLiteral("INSERT INTO ANCHOS VALUES ('000123', 'Asociación Mutual de Empleados Públicos "
                                         "de la Provincia', 987654321.12, 'y')"),
                          QStringLiteral("INSERT INTO ANCHOS VALUES ('9', 'Caja', 1, 'zz')")});
        const QString sql = QStringLiteral("SELECT Codigo, Descripcion, Importe, Nota FROM ANCHOS");
        auto frm = openForm(sql);
        QCOMPARE(frm->TablaConsulta(), QStringLiteral("ANCHOS"));
        QCOMPARE(frm->model()->columnCount(), 4);
        const QStringList names{"Codigo", "Descripcion", "Importe", "Nota"};
        QHeaderView* header = frm->ListView1->horizontalHeader();
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(frm->model()->header(i), names.at(i));
            QCOMPARE(frm->CmbSearch.at(i)->property("Field").toString(), names.at(i));
            QVERIFY(frm->CmbSearch.at(i)->isVisible());
            QVERIFY(header->fontMetrics().horizontalAdvance(names.at(i)) < sectionWidth(*frm, i));
            for (int row = 0; row < 2; ++row)
                QVERIFY2(showsWhole(*frm, row, i), qPrintable(frm->model()->text(row, i)));
        }
        QVERIFY(sectionWidth(*frm, 0) * 3 < sectionWidth(*frm, 1));
        QVERIFY(sectionWidth(*frm, 0) < ui::TwipsToPixels(ui::TextWidthX(*frm, 12)));

        // "@10" widens every column by ten letters.
        auto widened = openForm(sql, [](Lib_FrmCons3& f) { f.ValoresDefault = QStringLiteral("@10"); });
        for (int i = 0; i < 4; ++i)
            QCOMPARE(sectionWidth(*widened, i), sectionWidth(*frm, i) + ui::TwipsToPixels(ui::TextWidthX(*widened, 10)));
    }

    // One very long text does not make its column wider than sixty letters "X": it shows
    // cut, and whole in its cell's tool tip, and the other columns stay on a screen 1024
    // pixels wide.
    void aLongTextStaysWithinTheCap()
    {
        const QString longText = QStringLiteral("Descripción bastante larga del artículo número uno ").repeated(8).left(400);
        LookupFixture fx({QStringLiteral("CREATE TABLE LARGA (Codigo VARCHAR(10), Descripcion VARCHAR(4000), Precio MONEY, "
                                         "Observaciones VARCHAR(100))"),
                          QStringLiteral("INSERT INTO LARGA VALUES ('C00001', '%1', 1234.5, 'entrega en sucursal')").arg(longText),
                          QStringLiteral("INSERT INTO LARGA VALUES ('C00002', 'Caja', 10, 'sin observaciones')")});
        auto frm = openForm(QStringLiteral("SELECT Codigo, Descripcion, Precio, Observaciones FROM LARGA ORDER BY Codigo"));
        QCOMPARE(frm->model()->text(0, 1), longText);
        const int cap = ui::TwipsToPixels(ui::TextWidthX(*frm, 60));
        int columns = 0;
        for (int i = 0; i < 4; ++i) {
            QVERIFY2(sectionWidth(*frm, i) <= cap, qPrintable(frm->model()->header(i)));
            columns += sectionWidth(*frm, i);
        }
        QVERIFY(sectionWidth(*frm, 1) >= cap - 1);
        QVERIFY(!showsWhole(*frm, 0, 1));
        for (int i : {0, 2, 3})
            QVERIFY2(showsWhole(*frm, 0, i), qPrintable(frm->model()->text(0, i)));

        // The form as wide as the columns ask, on a screen 1024 pixels wide: every column
        // lies inside the list, with nothing to scroll.
        const int onScreen = qMin(ui::TwipsToPixels(ui::PixelsToTwips(columns) + 360 + 280),
                                  ui::TwipsToPixels(ui::PixelsToTwips(1024) - 480));
        frm->resize(onScreen, 500);
        QHeaderView* header = frm->ListView1->horizontalHeader();
        QTRY_COMPARE(frm->HScroll1->maximum(), 0);
        QVERIFY(header->sectionViewportPosition(3) + sectionWidth(*frm, 3) <= frm->ListView1->viewport()->width());

        QVERIFY(QTest::qWaitForWindowExposed(frm.frm.get()));
        auto tipAt = [&](int row, int column) {
            const QRect cell = frm->ListView1->visualRect(frm->model()->index(row, column));
            QHelpEvent help(QEvent::ToolTip, cell.center(), frm->ListView1->viewport()->mapToGlobal(cell.center()));
            QApplication::sendEvent(frm->ListView1->viewport(), &help);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        QCOMPARE(tipAt(1, 1), QString());   // "Caja" shows whole: no tip
        QCOMPARE(tipAt(0, 3), QString());
        QCOMPARE(tipAt(0, 1), longText);
    }

    void articlePricesTakeTheClassNames()
    {
        LookupFixture fx({QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('NOM_PCLASE1', 'Mayorista')"),
                          QStringLiteral("INSERT INTO V_MA_ARTICULOS (IDARTICULO, DESCRIPCION, PRECIO1) VALUES ('A1', 'Uno', 5)")});
        auto frm = openForm(QStringLiteral("SELECT IDARTICULO, PRECIO1 FROM V_MA_ARTICULOS"));
        QCOMPARE(frm->model()->header(0), QStringLiteral("IDARTICULO"));
        QCOMPARE(frm->model()->header(1), QStringLiteral("Mayorista"));
    }

    void widthsFromTheFile_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");   // -1: the computed width
        QTest::newRow("line of the table, any case")
            << QByteArray("\"OTRA\",\"300|300|\"\r\n\"ma_cuentas\",\"1500|3000|\"\r\n") << 100 << 200;
        QTest::newRow("a later line applies again")
            << QByteArray("\"MA_CUENTAS\",\"1500|3000|\"\r\n\"MA_CUENTAS\",\"750|1500|\"\r\n") << 50 << 100;
        QTest::newRow("a short list sets what it has")
            << QByteArray("\"MA_CUENTAS\",\"1200|\"\r\n") << 80 << -1;
        QTest::newRow("another table only") << QByteArray("\"OTRA\",\"300|300|\"\r\n") << -1 << -1;
    }
    void widthsFromTheFile()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, first);
        QFETCH(int, second);
        LookupFixture fx;
        const QString sql = QStringLiteral("SELECT Descripcion, Codigo FROM MA_CUENTAS");
        int computed0 = 0, computed1 = 0;
        {
            auto plain = openForm(sql);
            computed0 = sectionWidth(*plain, 0);
            computed1 = sectionWidth(*plain, 1);
        }
        fx.folder.write(QStringLiteral("consultaslen.qkx"), file);
        // The statement ends right after the table name.
        auto frm = openForm(sql);
        QCOMPARE(frm->TablaConsulta(), QStringLiteral("MA_CUENTAS"));
        QCOMPARE(sectionWidth(*frm, 0), first < 0 ? computed0 : first);
        QCOMPARE(sectionWidth(*frm, 1), second < 0 ? computed1 : second);
        // The search boxes lie over their columns.
        QHeaderView* header = frm->ListView1->horizontalHeader();
        QCOMPARE(frm->CmbSearch.at(1)->x() - frm->CmbSearch.at(0)->x(), header->sectionPosition(1));
        QCOMPARE(frm->CmbSearch.at(0)->width(), sectionWidth(*frm, 0) - ui::TwipsToPixels(50));
    }

    void formWidthFollowsTheColumns()
    {
        LookupFixture fx({QStringLiteral("CREATE TABLE ANGOSTA (A VARCHAR(60), B VARCHAR(20))"),
                          QStringLiteral("INSERT INTO ANGOSTA VALUES ('%1', '%2')")
                              .arg(QString(60, QLatin1Char('x')), QString(20, QLatin1Char('y'))),
                          QStringLiteral("CREATE TABLE ANCHA (A VARCHAR(200), B VARCHAR(200))"),
                          QStringLiteral("INSERT INTO ANCHA VALUES ('%1', '%1')").arg(QString(150, QLatin1Char('x')))});
        auto narrow = openForm(QStringLiteral("SELECT A, B FROM ANGOSTA"));
        const int columns = sectionWidth(*narrow, 0) + sectionWidth(*narrow, 1);
        // The list's width plus its margins.
        QVERIFY(narrow->minimumSizeHint().width() < ui::TwipsToPixels(ui::PixelsToTwips(columns) + 360 + 280));
        QCOMPARE(narrow->width(), ui::TwipsToPixels(ui::PixelsToTwips(columns) + 360 + 280));
        // Wider than the screen: the screen's width less 480 twips.
        auto wide = openForm(QStringLiteral("SELECT A, B FROM ANCHA"));
        const int screenWidth = wide->screen()->availableGeometry().width();
        QCOMPARE(wide->width(), ui::TwipsToPixels(ui::PixelsToTwips(screenWidth) - 480));
    }

    void widthsAreWrittenBackOnlyWhenAsked()
    {
        LookupFixture fx;
        const QByteArray other("\"OTRA\",\"300|300|\"\r\n");
        fx.folder.write(QStringLiteral("CONSULTASLEN.QKX"), other + "\"MA_CUENTAS\",\"1500|3000|\"\r\n");
        {
            auto frm = openForm(QStringLiteral("SELECT Descripcion, Codigo FROM MA_CUENTAS"));
            frm->ListView1->horizontalHeader()->resizeSection(0, 60);
            frm->Form_Unload();
        }
        QCOMPARE(fx.folder.read(QStringLiteral("CONSULTASLEN.QKX")), other + "\"MA_CUENTAS\",\"1500|3000|\"\r\n");
        {
            auto frm = openForm(QStringLiteral("SELECT Descripcion, Codigo FROM MA_CUENTAS"));
            frm->GrabarCfg = true;
            frm->ListView1->horizontalHeader()->resizeSection(0, 60);
            frm->Form_Unload();
        }
        QCOMPARE(fx.folder.read(QStringLiteral("CONSULTASLEN.QKX")), other + "\"MA_CUENTAS\",\"900|3000|\"\r\n");
        QVERIFY(!QFile::exists(fx.folder.filePath(QStringLiteral("CONSULTASLEN.AUX"))));
    }

    void missingStockFromAButton()
    {
        LookupFixture fx(kArticles);
        auto frm = openForm(QStringLiteral("SELECT IdArticulo, Descripcion FROM PRUEBA_ARTICULOS ORDER BY IdArticulo"));
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("A1"), ui::vbNo);
        press(frm->CmdAceptar, Qt::Key_F12);
        QVERIFY(frm->isVisible());
    }

    void searchBoxesScrollWithTheList()
    {
        LookupFixture fx;
        auto frm = openForm(QStringLiteral("SELECT Descripcion, Codigo, CodigoOpcional, Contacto, Domicilio FROM MA_CUENTAS"));
        frm->resize(300, 300);
        QTRY_VERIFY(frm->HScroll1->maximum() > 0);
        const int before = frm->CmbSearch.at(1)->x();
        frm->HScroll1->setValue(120);
        QCOMPARE(frm->CmbSearch.at(1)->x(), before - 120);
    }

    void stockColours_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("level");
        QTest::newRow("no reorder point, stock 5") << 0 << 1;
        QTest::newRow("above the reorder point") << 1 << 2;
        QTest::newRow("below the reorder point") << 2 << 3;
        QTest::newRow("at the reorder point") << 3 << 4;
        QTest::newRow("no reorder point, no stock") << 4 << 4;
        QTest::newRow("negative reorder point") << 5 << 4;
    }
    void stockColours()
    {
        QFETCH(int, row);
        QFETCH(int, level);
        LookupFixture fx(kArticles);
        const QColor colours[] = {QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255), QColor(255, 255, 0)};
        auto frm = openForm(QStringLiteral("SELECT IdArticulo, Descripcion, PUNTOPEDIDO, Stock FROM PRUEBA_ARTICULOS ORDER BY IdArticulo"),
                            [](Lib_FrmCons3& f) {
                                f.MuestraStock = QStringLiteral("si");
                                f.StkNivel1 = QStringLiteral("255");
                                f.StkNivel2 = 0xFF00;
                                f.StkNivel3 = QStringLiteral("&HFF0000");
                                f.StkNivel4 = QStringLiteral("65535");
                            });
        for (int c = 0; c < 4; ++c)
            QCOMPARE(frm->model()->index(row, c).data(Qt::ForegroundRole).value<QColor>(), colours[level - 1]);
    }

    void noColourWithoutTheSwitchOrTheColumns_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("muestra");
        QTest::newRow("switch off") << "SELECT IdArticulo, PUNTOPEDIDO, Stock FROM PRUEBA_ARTICULOS" << "NO";
        QTest::newRow("no stock column") << "SELECT IdArticulo, PUNTOPEDIDO FROM PRUEBA_ARTICULOS" << "SI";
    }
    void noColourWithoutTheSwitchOrTheColumns()
    {
        QFETCH(QString, sql);
        QFETCH(QString, muestra);
        LookupFixture fx(kArticles);
        auto frm = openForm(sql, [&](Lib_FrmCons3& f) {
            f.MuestraStock = muestra;
            f.StkNivel1 = 255;
        });
        QVERIFY(!frm->model()->index(0, 0).data(Qt::ForegroundRole).isValid());
    }

    void prefixSearchInAColumn_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("selected");
        QTest::newRow("ab in the third column") << 2 << "ab" << "2101";
        QTest::newRow("AC in any case") << 2 << "AC" << "1";
        QTest::newRow("acr") << 2 << "acr" << "2102";
        QTest::newRow("first column") << 0 << "110" << "1101";
        QTest::newRow("no match keeps the row") << 2 << "zz" << "1";
    }
    void prefixSearchInAColumn()
    {
        QFETCH(int, box);
        QFETCH(QString, typed);
        QFETCH(QString, selected);
        LookupFixture fx;
        auto frm = openForm(QStringLiteral("SELECT Codigo, Titulo, Descripcion FROM MA_CUENTAS ORDER BY Codigo"));
        QTest::keyClicks(frm->CmbSearch.at(box)->lineEdit(), typed);
        QCOMPARE(frm->model()->text(frm->selectedRow(), 0), selected);
    }

    void initialFilterSelectsTheRow()
    {
        LookupFixture fx;
        auto frm = openForm(QStringLiteral("SELECT Descripcion, Codigo FROM MA_CUENTAS ORDER BY Codigo"),
                            [](Lib_FrmCons3& f) { f.FiltroInicial = QStringLiteral("caja c"); });
        QCOMPARE(frm->model()->text(frm->selectedRow(), 1), QStringLiteral("1103"));
        QCOMPARE(frm->CmbSearch.at(0)->currentText(), QStringLiteral("caja c"));
    }

    void typingInTheListTypesIntoTheSearchBox()
    {
        LookupFixture fx;
        auto frm = openForm(QStringLiteral("SELECT Codigo, Descripcion FROM MA_CUENTAS ORDER BY Codigo"));
        frm->activateWindow();
        frm->ListView1->setFocus();
        QTest::keyClicks(frm->ListView1, QStringLiteral("11"));
        QCOMPARE(frm->CmbSearch.at(0)->currentText(), QStringLiteral("11"));
        QCOMPARE(frm->model()->text(frm->selectedRow(), 0), QStringLiteral("1101"));
        // Function keys type nothing; Backspace takes the last character back.
        press(frm->ListView1, Qt::Key_F2);
        QCOMPARE(frm->CmbSearch.at(0)->currentText(), QStringLiteral("11"));
        press(frm->ListView1, Qt::Key_Backspace);
        QCOMPARE(frm->CmbSearch.at(0)->currentText(), QStringLiteral("1"));
        // The box that had the focus last takes what is typed in the list.
        frm->CmbSearch.at(1)->lineEdit()->setFocus();
        QTRY_VERIFY(frm->CmbSearch.at(1)->lineEdit()->hasFocus());
        QCOMPARE(frm->CmbSearch.at(1)->lineEdit()->palette().color(QPalette::Base), QColor(0, 255, 255));
        frm->ListView1->setFocus();
        QTest::sendKeyEvent(QTest::Click, frm->ListView1, Qt::Key_Ntilde, QStringLiteral("ñ"), Qt::NoModifier);
        QCOMPARE(frm->CmbSearch.at(1)->currentText(), QStringLiteral("ñ"));
        QCOMPARE(frm->CmbSearch.at(1)->lineEdit()->palette().color(QPalette::Base), QColor(0, 255, 255));
        // Down in a box hands the focus to the list.
        press(frm->CmbSearch.at(1)->lineEdit(), Qt::Key_Down);
        QTRY_VERIFY(frm->ListView1->hasFocus());
        QCOMPARE(frm->CmbSearch.at(1)->lineEdit()->palette().color(QPalette::Base), QColor(255, 255, 255));
    }

    // Every printable character an operator types reaches the search box, in the box and
    // typed on the list alike, and finds what it names: incrementally and with F5.
    void searchBoxesTakeEveryCharacter_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("found");       // code of the row the incremental search selects
        QTest::addColumn<QStringList>("narrowed"); // codes F5 leaves
        QTest::newRow("accent") << "banco nación" << "1102" << QStringList{"1102"};
        QTest::newRow("apostrophe") << "O'Brien" << "3101" << QStringList{"3101"};
        QTest::newRow("percent") << "50%" << "3102" << QStringList{"3102"};
        QTest::newRow("asterisk as a wildcard") << "*ibu" << "" << QStringList{"3103"};
        QTest::newRow("question mark and slash") << "¿a/b?" << "3104" << QStringList{"3104"};
    }
    void searchBoxesTakeEveryCharacter()
    {
        QFETCH(QString, typed);
        QFETCH(QString, found);
        QFETCH(QStringList, narrowed);
        LookupFixture fx({QStringLiteral("INSERT INTO MA_CUENTAS (Codigo, Descripcion, Titulo) VALUES ('3101', 'O''Brien Hnos.', 0)"),
                          QStringLiteral("INSERT INTO MA_CUENTAS (Codigo, Descripcion, Titulo) VALUES ('3102', '50% jubilados', 0)"),
                          QStringLiteral("INSERT INTO MA_CUENTAS (Codigo, Descripcion, Titulo) VALUES ('3103', 'Tributos', 0)"),
                          QStringLiteral("INSERT INTO MA_CUENTAS (Codigo, Descripcion, Titulo) VALUES ('3104', '¿a/b? varios', 0)")});
        auto frm = openForm(QStringLiteral("SELECT Codigo, Descripcion FROM MA_CUENTAS ORDER BY Codigo"));
        frm->activateWindow();
        QLineEdit* box = frm->CmbSearch.at(1)->lineEdit();
        box->setFocus();
        QTRY_VERIFY(box->hasFocus());
        testsupport::TypeText(box, typed);
        QCOMPARE(frm->CmbSearch.at(1)->currentText(), typed);
        if (!found.isEmpty())
            QCOMPARE(frm->model()->text(frm->selectedRow(), 0), found);

        // Typed on the list, the characters go to the box that had the focus last.
        frm->CmbSearch.at(1)->setEditText(QString());
        frm->ListView1->setFocus();
        testsupport::TypeText(frm->ListView1, typed);
        QCOMPARE(frm->CmbSearch.at(1)->currentText(), typed);

        ScriptedOperator op;   // the statement never fails, whatever the characters
        press(box, Qt::Key_F5);
        QCOMPARE(columnTexts(*frm, 0), narrowed);
    }

    // "N&uevo" starts the program that maintains the listed master table, handed the
    // running connection and the table's mode; it is hidden where there is nothing to
    // start: a table that is no master, or a master whose program is not installed.
    void nuevoStartsTheMaintainingProgram_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QString>("program");   // empty: the button is hidden
        QTest::addColumn<QString>("mode");
        QTest::newRow("customers") << "VT_CLIENTES" << true << "ABMClientesProveedores" << "1";
        QTest::newRow("suppliers, same program") << "vt_proveedores" << true << "ABMClientesProveedores" << "0";
        QTest::newRow("articles") << "V_MA_ARTICULOS" << true << "ABMArticulos" << "";
        QTest::newRow("program not installed") << "VT_CLIENTES" << false << "" << "";
        QTest::newRow("accounts are no master here") << "MA_CUENTAS" << true << "" << "";
    }
    void nuevoStartsTheMaintainingProgram()
    {
        QFETCH(QString, table);
        QFETCH(bool, installed);
        QFETCH(QString, program);
        QFETCH(QString, mode);
        LookupFixture fx;
        if (installed)
            for (const char* name : {"ABMClientesProveedores", "ABMArticulos"})
                fx.folder.write(QString::fromLatin1(name), QByteArray());
        QStringList started;
        SetSiblingStarter([&](const QString& file, const QStringList& arguments, qint64* pid) {
            started << file << arguments;
            *pid = 77;
            return true;
        });
        auto frm = openForm(QStringLiteral("SELECT * FROM ") + table);
        QCOMPARE(frm->CmdNuevo->isVisible(), !program.isEmpty());
        if (!program.isEmpty()) {
            QTest::mouseClick(frm->CmdNuevo, Qt::LeftButton);
            QCOMPARE(started.size(), 2);
            QCOMPARE(QFileInfo(started.at(0)).fileName(), program);
            QVERIFY2(started.at(1).contains(QStringLiteral("; @ParametroAdicional=") + mode + QStringLiteral("; zelt@ ;")),
                     qPrintable(started.at(1)));
        }
        SetSiblingStarter({});
    }

    void serverFilterNarrowsAndAddsUp()
    {
        LookupFixture fx;
        const QString original = QStringLiteral("SELECT Codigo, Descripcion FROM MA_CUENTAS ORDER BY Descripcion");
        auto frm = openForm(original);
        QCOMPARE(frm->model()->rowCount(), 6);
        QTest::keyClicks(frm->CmbSearch.at(1)->lineEdit(), QStringLiteral("caja"));
        press(frm->CmbSearch.at(1)->lineEdit(), Qt::Key_F5);
        QCOMPARE(frm->SQL, QStringLiteral("SELECT Codigo, Descripcion FROM MA_CUENTAS  where Descripcion like 'caja%' "
                                          "ORDER BY Descripcion  "));
        QCOMPARE(columnTexts(*frm, 0), (QStringList{"1101", "1103"}));
        QCOMPARE(frm->CmbSearch.at(1)->currentText(), QString());
        QTest::keyClicks(frm->CmbSearch.at(0)->lineEdit(), QStringLiteral("1103"));
        press(frm->CmbSearch.at(0)->lineEdit(), Qt::Key_F5);
        QVERIFY(frm->SQL.contains(QLatin1String("where Descripcion like 'caja%'  and Codigo like '1103%' ORDER BY")));
        QCOMPARE(columnTexts(*frm, 0), QStringList{"1103"});
        QTest::mouseClick(frm->CmdNueva, Qt::LeftButton);
        QCOMPARE(vb_trimmed(frm->SQL), original);
        QCOMPARE(frm->model()->rowCount(), 6);
    }

    void serverFilterWithWordsAndAQuote()
    {
        LookupFixture fx;
        auto frm = openForm(QStringLiteral("SELECT Codigo, Descripcion FROM MA_CUENTAS"),
                            [](Lib_FrmCons3& f) { f.CfgUsaConsultaLIKE = true; });
        QTest::keyClicks(frm->CmbSearch.at(1)->lineEdit(), QStringLiteral("caja ch"));
        press(frm->CmbSearch.at(1)->lineEdit(), Qt::Key_F5);
        QCOMPARE(columnTexts(*frm, 0), QStringList{"1103"});
        // A quote in the text stays text: no error, no rows.
        ScriptedOperator op;
        QTest::keyClicks(frm->CmbSearch.at(1)->lineEdit(), QStringLiteral("x' or '1'='1"));
        press(frm->CmbSearch.at(1)->lineEdit(), Qt::Key_F5);
        QCOMPARE(frm->model()->rowCount(), 0);
    }

    // Quantities are typed and shown in the workstation's format.
    void quantities_data()
    {
        QTest::addColumn<bool>("comma");
        QTest::newRow("point") << false;
        QTest::newRow("comma") << true;
    }
    void quantities()
    {
        QFETCH(bool, comma);
        LookupFixture fx;
        testsupport::RegionalPin pin(comma ? QLatin1Char(',') : QLatin1Char('.'), comma ? QLatin1Char('.') : QLatin1Char(','));
        // A number written for a "." workstation, in this workstation's separators.
        const auto n = [comma](const char* text) {
            QString t = QString::fromLatin1(text);
            if (comma)
                for (QChar& c : t)
                    c = c == QLatin1Char('.') ? QLatin1Char(',') : c == QLatin1Char(',') ? QLatin1Char('.') : c;
            return t;
        };
        auto frm = openForm(QStringLiteral("SELECT Codigo, Descripcion, '1' AS \"**Cantidad**\" FROM MA_CUENTAS ORDER BY Codigo"),
                            [](Lib_FrmCons3& f) {
                                f.UsaCantidades = true;
                                f.CheckBoxes = true;
                            });
        QWidget* list = frm->ListView1;
        auto cell = [&] { return frm->model()->text(frm->selectedRow(), 2); };
        auto ticked = [&] { return frm->model()->ticked(frm->selectedRow()); };
        QCOMPARE(frm->selectedRow(), 0);
        press(list, Qt::Key_Delete);
        QCOMPARE(cell(), n("0.00"));
        QVERIFY(!ticked());
        press(list, Qt::Key_Insert);
        press(list, Qt::Key_Insert);
        press(list, Qt::Key_Insert);
        QCOMPARE(cell(), n("3.0"));
        QVERIFY(ticked());
        press(list, Qt::Key_Delete);
        QCOMPARE(cell(), n("2.0"));
        QVERIFY(ticked());
        {
            ScriptedOperator op;
            op.expectInputBox(QStringLiteral("Ingrese la Cantidad del Articulo..."), n("1,234.5"));
            press(list, Qt::Key_Insert, Qt::ShiftModifier);
            QCOMPARE(op.shown().first().title, QStringLiteral("Carga de Datos"));
        }
        QCOMPARE(cell(), n("1234.50"));
        QVERIFY(ticked());
        // Insert goes on from the quantity shown, decimals included.
        press(list, Qt::Key_Insert);
        QCOMPARE(cell(), n("1235.5"));
        // A quantity in the other workstation's format is no number: zero, unticked.
        for (const QString& typed : {QStringLiteral("abc"), comma ? QStringLiteral("7.5") : QStringLiteral("7,5")}) {
            ScriptedOperator op;
            op.expectInputBox(QStringLiteral("Cantidad"), typed);
            press(list, Qt::Key_Insert, Qt::ShiftModifier);
            QCOMPARE(cell(), n("0.00"));
            QVERIFY(!ticked());
        }
        // Space ticks and unticks the row.
        press(list, Qt::Key_Space);
        QVERIFY(ticked());
        press(list, Qt::Key_Space);
        QVERIFY(!ticked());
    }

    void quantityKeysNeedTheSwitch()
    {
        LookupFixture fx;
        auto frm = openForm(QStringLiteral("SELECT Codigo, '1' AS \"**Cantidad**\" FROM MA_CUENTAS ORDER BY Codigo"),
                            [](Lib_FrmCons3& f) { f.CheckBoxes = true; });
        press(frm->ListView1, Qt::Key_Insert);
        QCOMPARE(frm->model()->text(0, 1), QStringLiteral("1"));
        QVERIFY(!frm->model()->ticked(0));
    }

    void columnClicksToggleTheOrder()
    {
        LookupFixture fx;
        auto frm = openForm(QStringLiteral("SELECT Codigo, Descripcion FROM MA_CUENTAS ORDER BY Codigo"));
        QVERIFY(!frm->Sorted());
        const QStringList ascending{"Abonos a pagar", "acreedores varios", "ACTIVO", "banco nación", "Caja", "Caja chica"};
        QStringList descending = ascending;
        std::reverse(descending.begin(), descending.end());
        QTest::keyClicks(frm->CmbSearch.at(0)->lineEdit(), QStringLiteral("1102"));
        QHeaderView* header = frm->ListView1->horizontalHeader();
        const QPoint second(header->sectionViewportPosition(1) + 5, header->height() / 2);
        // A fresh list is ascending, so the first click sorts descending.
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, second);
        QCOMPARE(columnTexts(*frm, 1), descending);
        QCOMPARE(frm->SortOrder(), 1);
        // The chosen row stays chosen.
        QCOMPARE(frm->model()->text(frm->selectedRow(), 0), QStringLiteral("1102"));
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, second);
        QCOMPARE(columnTexts(*frm, 1), ascending);
        // The search follows the order on screen.
        frm->CmbSearch.at(1)->setEditText(QStringLiteral("a"));
        QCOMPARE(frm->selectedRow(), 0);
    }

    // Texts sort as the workstation's language orders them (a workstation without one,
    // the C locale, as Spanish does), case ignored; the search then finds the first row
    // on screen that begins with what was typed.
    void textsSortInTheWorkstationsAlphabet_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("ascending");
        const QStringList spanish{"ação", "azul", "Nube", "Ñandú", "Oso", "Zeta"};
        QTest::newRow("Spanish: Ñ after N, ç beside c") << QLocale(QLocale::Spanish, QLocale::Argentina) << spanish;
        QTest::newRow("C locale: as Spanish") << QLocale::c() << spanish;
        QTest::newRow("English: Ñ beside N") << QLocale(QLocale::English, QLocale::UnitedStates)
                                             << QStringList{"ação", "azul", "Ñandú", "Nube", "Oso", "Zeta"};
    }
    void textsSortInTheWorkstationsAlphabet()
    {
        QFETCH(QLocale, locale);
        QFETCH(QStringList, ascending);
        const LocalePin pin(locale);
        LookupFixture fx({QStringLiteral("CREATE TABLE PALABRAS (Codigo TEXT COLLATE NOCASE, Palabra TEXT COLLATE NOCASE)"),
                          QStringLiteral("INSERT INTO PALABRAS VALUES ('1', 'Oso'), ('2', 'ação'), ('3', 'Zeta'), "
                                         "('4', 'Ñandú'), ('5', 'azul'), ('6', 'Nube')")});
        auto frm = openForm(QStringLiteral("SELECT Codigo, Palabra FROM PALABRAS ORDER BY Codigo"));
        QStringList descending = ascending;
        std::reverse(descending.begin(), descending.end());
        QHeaderView* header = frm->ListView1->horizontalHeader();
        const QPoint second(header->sectionViewportPosition(1) + 5, header->height() / 2);
        auto found = [&](const QString& typed) {
            frm->CmbSearch.at(1)->setEditText(typed);
            return frm->model()->text(frm->selectedRow(), 1);
        };
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, second);
        QCOMPARE(columnTexts(*frm, 1), descending);
        QCOMPARE(found(QStringLiteral("a")), descending.at(4));
        QCOMPARE(found(QStringLiteral("ñ")), QStringLiteral("Ñandú"));
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, second);
        QCOMPARE(columnTexts(*frm, 1), ascending);
        QCOMPARE(found(QStringLiteral("A")), QStringLiteral("ação"));
        QCOMPARE(found(QStringLiteral("n")), QStringLiteral("Nube"));
    }

    // Numbers and dates sort by value, not by the characters they are written with.
    void numbersAndDatesSortByValue_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("descending");
        QTest::newRow("amounts") << 1 << QStringList{"100.5", "10", "9", "-3"};
        QTest::newRow("whole numbers") << 2 << QStringList{"120", "25", "4", "0"};
        QTest::newRow("dates") << 3 << QStringList{"02/01/2027", "15/12/2026", "01/12/2026", ""};
    }
    void numbersAndDatesSortByValue()
    {
        QFETCH(int, column);
        QFETCH(QStringList, descending);
        testsupport::RegionalPin regional;
        LookupFixture fx({QStringLiteral("CREATE TABLE VALORES (Codigo TEXT COLLATE NOCASE, Importe NUMERIC(19,4), "
                                         "Cantidad INTEGER, Fecha DATETIME)"),
                          QStringLiteral("INSERT INTO VALORES VALUES ('1', 9, 25, '2026-12-15 00:00:00'), "
                                         "('2', 100.5, 4, '2027-01-02 00:00:00'), ('3', -3, 120, NULL), "
                                         "('4', 10, 0, '2026-12-01 00:00:00')")});
        auto frm = openForm(QStringLiteral("SELECT Codigo, Importe, Cantidad, Fecha FROM VALORES ORDER BY Codigo"));
        frm->ListView1_ColumnClick(column + 1);
        QCOMPARE(columnTexts(*frm, column), descending);
        frm->ListView1_ColumnClick(column + 1);
        std::reverse(descending.begin(), descending.end());
        QCOMPARE(columnTexts(*frm, column), descending);
    }

    void listSortsItselfWithoutAnOrderBy()
    {
        LookupFixture fx;
        auto frm = openForm(QStringLiteral("SELECT Descripcion, Codigo FROM MA_CUENTAS"),
                            [](Lib_FrmCons3& f) { f.OrdenarPorLwv = true; });
        QCOMPARE(columnTexts(*frm, 0).first(), QStringLiteral("Abonos a pagar"));
        QCOMPARE(columnTexts(*frm, 0).last(), QStringLiteral("Caja chica"));
    }

    void ticksFromDefaultsInvertAndAccept()
    {
        LookupFixture fx;
        auto frm = openForm(QStringLiteral("SELECT Codigo, Descripcion FROM MA_CUENTAS ORDER BY Codigo"),
                            [](Lib_FrmCons3& f) {
                                f.CheckBoxes = true;
                                f.CampoDevuelto = QStringLiteral("codigo");
                                f.ValoresDefault = QStringLiteral("1101,2101");
                            });
        // "1" is found inside "1101,2101" too.
        QCOMPARE(columnTexts(*frm, 0), (QStringList{"1", "1101", "1102", "1103", "2101", "2102"}));
        QList<bool> ticks;
        for (int r = 0; r < 6; ++r)
            ticks << frm->model()->ticked(r);
        QCOMPARE(ticks, (QList<bool>{true, true, false, false, true, false}));
        QTest::mouseClick(frm->CmdTodos, Qt::LeftButton);
        QTest::mouseClick(frm->CmdAceptar, Qt::LeftButton);
        QVERIFY(frm->isHidden());
        QCOMPARE(*frm->Valores, (QStringList{"1102", "1103", "2102"}));
    }

    void rowWithoutAValueStartsUnticked()
    {
        LookupFixture fx({QStringLiteral("INSERT INTO MA_CUENTAS (Codigo, Descripcion) VALUES ('9', NULL)")});
        auto frm = openForm(QStringLiteral("SELECT Codigo, Descripcion FROM MA_CUENTAS ORDER BY Codigo"),
                            [](Lib_FrmCons3& f) {
                                f.CheckBoxes = true;
                                f.CampoDevuelto = QStringLiteral("Descripcion");
                                f.ValoresDefault = QStringLiteral("Caja");
                            });
        QStringList ticked;
        for (int r = 0; r < frm->model()->rowCount(); ++r)
            if (frm->model()->ticked(r))
                ticked << frm->model()->text(r, 0);
        QCOMPARE(ticked, QStringList{"1101"});
    }

    void multipleChoiceWithNothingTicked()
    {
        LookupFixture fx;
        auto frm = openForm(QStringLiteral("SELECT Codigo, Descripcion FROM MA_CUENTAS ORDER BY Codigo"),
                            [](Lib_FrmCons3& f) { f.CheckBoxes = true; });
        frm->ValorDevuelto = QStringLiteral("antes");
        QTest::mouseClick(frm->CmdAceptar, Qt::LeftButton);
        QVERIFY(frm->Valores && frm->Valores->isEmpty());
        QCOMPARE(frm->CampoDevuelto, QStringLiteral("Codigo"));
        QCOMPARE(frm->ValorDevuelto.toString(), QStringLiteral("antes"));
    }

    void missingStockIsReported()
    {
        LookupFixture fx(kArticles);
        testsupport::FixedClock clock(2024, 3, 15, 10, 15);
        gDBPrincipal->gUsuario = QStringLiteral("o'neil");
        auto frm = openForm(QStringLiteral("SELECT Descripcion, IdArticulo FROM PRUEBA_ARTICULOS ORDER BY IdArticulo"));
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("Desea informar el articulo A1 Tornillo d'acero\r\ncomo un faltante de stock?"),
                        ui::vbYes, QStringLiteral("Atención!"), ui::vbYesNo + ui::vbQuestion);
        press(frm->ListView1, Qt::Key_F12);
        const auto rows = fx.query(QStringLiteral("SELECT FechaHora, IdArticulo, Descripcion, Usuario FROM V_MV_FALTANTES"));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.first().at(0).toDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm")), QStringLiteral("2024-03-15 10:15"));
        QCOMPARE(rows.first().at(1).toString(), QStringLiteral("A1").leftJustified(25));
        QCOMPARE(rows.first().at(2).toString(), QStringLiteral("Tornillo d'acero"));
        QCOMPARE(rows.first().at(3).toString(), QStringLiteral("o'neil"));
        QVERIFY(frm->isVisible());
    }

    void missingStockAnsweredNo()
    {
        LookupFixture fx(kArticles);
        auto frm = openForm(QStringLiteral("SELECT IdArticulo, Descripcion FROM PRUEBA_ARTICULOS ORDER BY IdArticulo"));
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("A1"), ui::vbNo);
        press(frm->CmbSearch.at(0)->lineEdit(), Qt::Key_F12);
        QCOMPARE(fx.query(QStringLiteral("SELECT COUNT(*) FROM V_MV_FALTANTES")).first().first().toInt(), 0);
    }

    void missingStockThatCannotBeWrittenIsTold()
    {
        LookupFixture fx(kArticles);
        auto frm = openForm(QStringLiteral("SELECT IdArticulo, Descripcion FROM PRUEBA_ARTICULOS ORDER BY IdArticulo"));
        fx.exec(QStringLiteral("DROP TABLE V_MV_FALTANTES"));
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("A1"), ui::vbYes);
        op.expectMsgBox(QStringLiteral("No se pudo informar el faltante de stock"), ui::vbOK, QStringLiteral("Aviso al operador"));
        press(frm->ListView1, Qt::Key_F12);
    }

    void noMissingStockOutsideArticles()
    {
        LookupFixture fx;
        auto frm = openForm(QStringLiteral("SELECT Codigo, Descripcion FROM MA_CUENTAS"));
        ScriptedOperator op;   // any prompt would fail the test
        press(frm->ListView1, Qt::Key_F12);
        QCOMPARE(op.shown().size(), 0);
    }

    void emptyStatementOpensAnEmptyList()
    {
        LookupFixture fx;
        ScriptedOperator op;
        auto frm = openForm(QString());
        QCOMPARE(frm->model()->rowCount(), 0);
        QCOMPARE(frm->model()->columnCount(), 0);
    }

private:
    static QString vb_trimmed(const QString& s) { return s.trimmed(); }
};

TESTSUPPORT_MAIN(TstLookupForm)
#include "tst_lookup_form.moc"
