// The list lookup form offscreen on a small database: columns and widths, stock colours,
// the search boxes, the server filter, the list's keyboard, sorting and missing stock.
#include "LookupFixture.h"
#include "data/DB_Dll.h"
#include "frame/ModGlobal.h"
#include "lookup/Lib_FrmCons3.h"
#include "lookup/LookupListModel.h"
#include "platform/ui/Metrics.h"
#include "platform/ui/Operator.h"
#include "tests/support/FixedClock.h"
#include "tests/support/RegionalPin.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

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

void press(QWidget* w, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QTest::keyClick(w, key, mods);
}

} // namespace

class TstLookupForm : public QObject {
    Q_OBJECT

private slots:
    void headersAndWidths_data()
    {
        QTest::addColumn<QString>("valoresDefault");
        QTest::addColumn<QList<int>>("letters");
        // MONEY and NUMERIC take 12 letters, a 200-character text is capped at 60.
        QTest::newRow("computed") << "" << QList<int>{12, 12, 60, 5, 4};
        QTest::newRow("@10 widens every column") << "@10" << QList<int>{22, 22, 70, 15, 14};
    }
    void headersAndWidths()
    {
        QFETCH(QString, valoresDefault);
        QFETCH(QList<int>, letters);
        LookupFixture fx({QStringLiteral("CREATE TABLE ANCHOS (Importe MONEY, Precio NUMERIC(19,4), Nota VARCHAR(200), "
                                         "Corto VARCHAR(5), Cantidad INTEGER)"),
                          QStringLiteral("INSERT INTO ANCHOS VALUES (1, 2, 'x', 'y', 3)")});
        auto frm = openForm(QStringLiteral("SELECT Importe, Precio, Nota, Corto, Cantidad FROM ANCHOS"),
                            [&](Lib_FrmCons3& f) { f.ValoresDefault = valoresDefault; });
        QCOMPARE(frm->TablaConsulta(), QStringLiteral("ANCHOS"));
        QCOMPARE(frm->model()->columnCount(), 5);
        const QStringList names{"Importe", "Precio", "Nota", "Corto", "Cantidad"};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(frm->model()->header(i), names.at(i));
            QCOMPARE(sectionWidth(*frm, i), ui::TwipsToPixels(ui::TextWidthX(*frm, letters.at(i))));
            QCOMPARE(frm->CmbSearch.at(i)->property("Field").toString(), names.at(i));
            QVERIFY(frm->CmbSearch.at(i)->isVisible());
        }
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
        fx.folder.write(QStringLiteral("consultaslen.qkx"), file);
        // The statement ends right after the table name.
        auto frm = openForm(QStringLiteral("SELECT Descripcion, Codigo FROM MA_CUENTAS"));
        QCOMPARE(frm->TablaConsulta(), QStringLiteral("MA_CUENTAS"));
        const int computed0 = ui::TwipsToPixels(ui::TextWidthX(*frm, 60));
        const int computed1 = ui::TwipsToPixels(ui::TextWidthX(*frm, 60));
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
                          QStringLiteral("INSERT INTO ANGOSTA VALUES ('x', 'y')")});
        auto narrow = openForm(QStringLiteral("SELECT A, B FROM ANGOSTA"));
        const int columns = sectionWidth(*narrow, 0) + sectionWidth(*narrow, 1);
        // The list's width plus its margins.
        QVERIFY(narrow->minimumSizeHint().width() < ui::TwipsToPixels(ui::PixelsToTwips(columns) + 360 + 280));
        QCOMPARE(narrow->width(), ui::TwipsToPixels(ui::PixelsToTwips(columns) + 360 + 280));
        // Wider than the screen: the screen's width less 480 twips.
        auto wide = openForm(QStringLiteral("SELECT Descripcion, Codigo, CodigoOpcional, Contacto, Domicilio FROM MA_CUENTAS"));
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

    void quantities()
    {
        LookupFixture fx;
        testsupport::RegionalPin comma(QLatin1Char(','), QLatin1Char('.'));
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
        QCOMPARE(cell(), QStringLiteral("0.00"));
        QVERIFY(!ticked());
        press(list, Qt::Key_Insert);
        press(list, Qt::Key_Insert);
        press(list, Qt::Key_Insert);
        QCOMPARE(cell(), QStringLiteral("3.0"));
        QVERIFY(ticked());
        press(list, Qt::Key_Delete);
        QCOMPARE(cell(), QStringLiteral("2.0"));
        QVERIFY(ticked());
        {
            ScriptedOperator op;
            op.expectInputBox(QStringLiteral("Ingrese la Cantidad del Articulo..."), QStringLiteral("7.5"));
            press(list, Qt::Key_Insert, Qt::ShiftModifier);
            QCOMPARE(op.shown().first().title, QStringLiteral("Carga de Datos"));
        }
        QCOMPARE(cell(), QStringLiteral("7.50"));
        QVERIFY(ticked());
        {
            ScriptedOperator op;
            op.expectInputBox(QStringLiteral("Cantidad"), QStringLiteral("abc"));
            press(list, Qt::Key_Insert, Qt::ShiftModifier);
        }
        QCOMPARE(cell(), QStringLiteral("0.00"));
        QVERIFY(!ticked());
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
