// The tree lookup: the family tree the database works out, the tree of nested codes,
// ticks passed down, the choice with its re-lookups, the quick filter and the find, and
// the driver's hand-off.
#include "LookupFixture.h"
#include "data/DB_Dll.h"
#include "lookup/Lib_ClsCons3.h"
#include "lookup/Lib_FrmCons3Tree.h"
#include "platform/ui/Keys.h"
#include "platform/ui/Operator.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>

using lookuptest::LookupFixture;
using testsupport::ScriptedOperator;

namespace {

const QString kFamilies = QStringLiteral("SELECT IdFamilia, Descripcion FROM V_TA_FAMILIAS");
// Centres of cost listed in the order of their descriptions, which the tests choose.
const QString kCentres = QStringLiteral("SELECT CODIGO, DESCRIPCION FROM TA_CCOSTO ORDER BY DESCRIPCION");

QStringList familyRows(const QStringList& codes)
{
    QStringList rows;
    for (const QString& code : codes)
        rows << QStringLiteral("INSERT INTO V_TA_FAMILIAS (IdFamilia, Descripcion) VALUES ('%1', 'Familia %1')").arg(code);
    return rows;
}

// Rows of TA_CCOSTO that the query lists in the order given.
QStringList centreRows(const QStringList& codes)
{
    QStringList rows;
    for (int i = 0; i < codes.size(); ++i)
        rows << QStringLiteral("INSERT INTO TA_CCOSTO (CODIGO, DESCRIPCION) VALUES ('%1', 'centro %2')")
                    .arg(codes.at(i))
                    .arg(QChar(u'a' + i));
    return rows;
}

// Every node but the root as "code:parent key", in the order the nodes were added.
QStringList shape(const Lib_FrmCons3Tree& frm)
{
    QStringList out;
    for (QTreeWidgetItem* node : frm.Nodes().mid(1))
        out << Lib_FrmCons3Tree::Key(node).mid(1) + QLatin1Char(':') + Lib_FrmCons3Tree::Key(node->parent());
    return out;
}

void select(Lib_FrmCons3Tree& frm, const QString& code)
{
    QTreeWidgetItem* node = frm.Node(QStringLiteral("A") + code);
    QVERIFY2(node, qPrintable(code));
    frm.TreeV->setCurrentItem(node);
}

QString selectedKey(const Lib_FrmCons3Tree& frm)
{
    const QList<QTreeWidgetItem*> items = frm.TreeV->selectedItems();
    return items.isEmpty() ? QString() : Lib_FrmCons3Tree::Key(items.first());
}

} // namespace

class TstLookupTree : public QObject {
    Q_OBJECT

private slots:
    void treeShape_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("families")
            << kFamilies << familyRows({"02", "0102", "01", "0101"})
            << QStringList{"01:A", "0101:A01", "0102:A01", "02:A"};
        QTest::newRow("families one to three digits")
            << kFamilies << familyRows({"1", "10", "2", "101"}) << QStringList{"1:A", "10:A1", "101:A10", "2:A"};
        QTest::newRow("families: a blank code is left out")
            << kFamilies << familyRows({"", "05", "0501"}) << QStringList{"05:A", "0501:A05"};
        QTest::newRow("prefixes in query order")
            << kCentres << centreRows({"1", "10", "2", "101"}) << QStringList{"1:A", "10:A1", "2:A", "101:A10"};
        QTest::newRow("a longer code first hangs from the root")
            << kCentres << centreRows({"101", "10", "1"}) << QStringList{"101:A", "10:A", "1:A"};
        QTest::newRow("prefixes in any case")
            << kCentres << centreRows({"AB", "abc", "ABCD"}) << QStringList{"AB:A", "abc:AAB", "ABCD:Aabc"};
        QTest::newRow("no rows: the root alone") << kCentres << QStringList{} << QStringList{};
    }
    void treeShape()
    {
        QFETCH(QString, sql);
        QFETCH(QStringList, rows);
        QFETCH(QStringList, expected);
        LookupFixture fx(rows);
        Lib_FrmCons3Tree frm;
        frm.SQL = sql;
        frm.Form_Load();
        QCOMPARE(shape(frm), expected);
        QTreeWidgetItem* root = frm.Nodes().value(0);
        QVERIFY(root);
        QCOMPARE(Lib_FrmCons3Tree::Key(root), QStringLiteral("A"));
        QCOMPARE(root->text(0), QStringLiteral("Consulta..."));
        QVERIFY(root->isExpanded());
        // Each node reads "code - description".
        for (QTreeWidgetItem* node : frm.Nodes().mid(1))
            QCOMPARE(node->text(0).section(QStringLiteral(" - "), 0, 0), Lib_FrmCons3Tree::Key(node).mid(1));
    }

    void familyTreeRunsItsOwnStatement()
    {
        LookupFixture fx(familyRows({"01", "0101"}));
        Lib_FrmCons3Tree frm;
        frm.SQL = QStringLiteral("SELECT TOP 1000 IdFamilia, Descripcion FROM v_ta_familias WHERE IdFamilia = '99'");
        frm.Form_Load();
        QVERIFY(frm.SQL.startsWith(QLatin1String("SELECT     TOP 100 PERCENT IdFamilia, Descripcion, (SELECT     TOP 1 idfamilia FROM ")));
        QVERIFY(frm.SQL.contains(QLatin1String("(Len(LTrim(RTrim(a.IdFamilia))) < Len(LTrim(RTrim(b.IdFamilia))))")));
        QCOMPARE(frm.Nodes().at(1)->text(0), QStringLiteral("01 - Familia 01"));
        QCOMPARE(shape(frm), (QStringList{"01:A", "0101:A01"}));
    }

    void ticksReachSixGenerations()
    {
        // root > 1 > 12 > ... > 12345678: the last is seven generations below 1.
        LookupFixture fx(centreRows({"1", "12", "123", "1234", "12345", "123456", "1234567", "12345678", "2"}));
        Lib_FrmCons3Tree frm;
        frm.SQL = kCentres;
        frm.CheckBoxes = true;
        frm.Form_Load();
        auto ticked = [&] {
            QStringList out;
            for (QTreeWidgetItem* node : frm.Nodes())
                if (node->checkState(0) == Qt::Checked)
                    out << Lib_FrmCons3Tree::Key(node);
            return out;
        };
        const QStringList sixBelow{"A1", "A12", "A123", "A1234", "A12345", "A123456", "A1234567"};
        frm.Node(QStringLiteral("A1"))->setCheckState(0, Qt::Checked);
        QCOMPARE(ticked(), sixBelow);

        // Unticking clears the same set; the seventh generation keeps what it had.
        frm.Node(QStringLiteral("A12345678"))->setCheckState(0, Qt::Checked);
        frm.Node(QStringLiteral("A1"))->setCheckState(0, Qt::Unchecked);
        QCOMPARE(ticked(), QStringList{"A12345678"});

        // A tick in the middle goes down only.
        frm.Node(QStringLiteral("A123"))->setCheckState(0, Qt::Checked);
        QCOMPARE(ticked(), (QStringList{"A123", "A1234", "A12345", "A123456", "A1234567", "A12345678"}));
    }

    void singleChoiceLooksTheCodeUp_data()
    {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("expected");
        const QString accounts = QStringLiteral("SELECT Codigo, Descripcion FROM MA_CUENTAS ORDER BY Codigo");
        QTest::newRow("account when no centre") << "codigo" << accounts << "1102" << "1102";
        QTest::newRow("neither") << "CODIGO" << QStringLiteral("SELECT '9' AS CODIGO, 'nueve' AS DESCRIPCION") << "9" << "";
        QTest::newRow("family, lower-case column") << "idfamilia" << kFamilies << "0101" << "0101";
        QTest::newRow("position") << "IDPOSICION" << QStringLiteral("SELECT IdPosicion, Descripcion FROM MA_POSICIONES")
                                  << "P1" << "P1";
        QTest::newRow("root") << "CODIGO" << accounts << "" << "";
    }
    void singleChoiceLooksTheCodeUp()
    {
        QFETCH(QString, campo);
        QFETCH(QString, sql);
        QFETCH(QString, code);
        QFETCH(QString, expected);
        LookupFixture fx(familyRows({"01", "0101"})
                         + QStringList{"INSERT INTO MA_POSICIONES (IdDeposito, IdPosicion, Descripcion) VALUES ('D1', 'P1', 'Estante')"});
        ScriptedOperator op;
        Lib_FrmCons3Tree frm;
        frm.SQL = sql;
        frm.CampoDevuelto = campo;
        frm.Form_Load();
        select(frm, code);
        frm.CmdAceptar->click();
        QCOMPARE(frm.ValorDevuelto.toString(), expected);
        QVERIFY(frm.isHidden());
    }

    void centreOfCostAnswersFirst()
    {
        // The same code in both tables, stored differently: the centre of cost's text wins.
        LookupFixture fx({"INSERT INTO TA_CCOSTO (CODIGO, DESCRIPCION) VALUES ('c-77', 'Centro')",
                          "INSERT INTO MA_CUENTAS (Codigo, Descripcion, Titulo) VALUES ('C-77', 'Cuenta', 0)",
                          "INSERT INTO MA_CUENTAS (Codigo, Descripcion, Titulo) VALUES ('C-78', 'Otra', 0)"});
        ScriptedOperator op;
        Lib_FrmCons3Tree frm;
        frm.SQL = QStringLiteral("SELECT Codigo, Descripcion FROM MA_CUENTAS WHERE Codigo LIKE 'C-%'");
        frm.CampoDevuelto = QStringLiteral("CODIGO");
        frm.Form_Load();
        select(frm, QStringLiteral("C-77"));
        frm.CmdAceptar_Click();
        QCOMPARE(frm.ValorDevuelto.toString(), QStringLiteral("c-77"));
        select(frm, QStringLiteral("C-78"));
        frm.CmdAceptar_Click();
        QCOMPARE(frm.ValorDevuelto.toString(), QStringLiteral("C-78"));
    }

    // Aceptar with no node selected: the three columns that are looked up come back
    // empty; any other column is left as it was.
    void nothingSelected_data()
    {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("expected");
        QTest::newRow("codigo") << "CODIGO" << "";
        QTest::newRow("idfamilia") << "idfamilia" << "";
        QTest::newRow("idposicion") << "IdPosicion" << "";
        QTest::newRow("another column") << "Descripcion" << "antes";
    }
    void nothingSelected()
    {
        QFETCH(QString, campo);
        QFETCH(QString, expected);
        LookupFixture fx(centreRows({"1", "2"}));
        ScriptedOperator op;   // no error box may come
        Lib_FrmCons3Tree frm;
        frm.SQL = kCentres;
        frm.CampoDevuelto = campo;
        frm.ValorDevuelto = QStringLiteral("antes");
        frm.Form_Load();
        frm.show();
        frm.TreeV->clearSelection();
        QTest::mouseClick(frm.CmdAceptar, Qt::LeftButton);
        QCOMPARE(frm.ValorDevuelto.toString(), expected);
        QVERIFY(frm.isHidden());
        QCOMPARE(op.shown().size(), 0);
    }

    // Every node's text can be read: the column is as wide as the widest node, and the
    // tree scrolls sideways to it when the window is narrower.
    void longNodeTextsCanBeScrolledTo_data()
    {
        QTest::addColumn<bool>("checks");
        QTest::addColumn<int>("length");
        QTest::newRow("long text") << false << 120;
        QTest::newRow("long text with check boxes") << true << 120;
        QTest::newRow("short texts: nothing to scroll") << false << 10;
    }
    void longNodeTextsCanBeScrolledTo()
    {
        QFETCH(bool, checks);
        QFETCH(int, length);
        const QString description = QStringLiteral("Descripción bastante larga del artículo número ").repeated(4).left(length);
        LookupFixture fx({"INSERT INTO TA_CCOSTO (CODIGO, DESCRIPCION) VALUES ('C1', 'centro a')",
                          QStringLiteral("INSERT INTO TA_CCOSTO (CODIGO, DESCRIPCION) VALUES ('C100001', 'centro b %1')")
                              .arg(description),
                          "INSERT INTO TA_CCOSTO (CODIGO, DESCRIPCION) VALUES ('C2', 'centro c')"});
        Lib_FrmCons3Tree frm;
        frm.SQL = kCentres;
        frm.CheckBoxes = checks;
        frm.Form_Load();
        frm.resize(400, 300);
        frm.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frm));
        QTreeWidgetItem* node = frm.Node(QStringLiteral("AC100001"));
        QVERIFY(node);
        QCOMPARE(node->parent(), frm.Node(QStringLiteral("AC1")));
        QScrollBar* bar = frm.TreeV->horizontalScrollBar();
        QWidget* viewport = frm.TreeV->viewport();
        // The column is already as wide as the node that hangs collapsed under C1.
        QTRY_COMPARE(bar->maximum() > 0, length > 50);
        node->parent()->setExpanded(true);
        QTRY_VERIFY(!frm.TreeV->visualItemRect(node).isEmpty());
        bar->setValue(bar->maximum());
        // Scrolled to the end, the node lies inside the window and shows its text whole.
        const QRect rect = frm.TreeV->visualItemRect(node);
        QVERIFY(rect.right() < viewport->width());
        QVERIFY(lookuptest::showsWhole(*frm.TreeV, rect, node->text(0), checks));
    }

    void multipleChoice_data()
    {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QStringList>("ticked");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("families trimmed, no lookup") << "IDFAMILIA" << kFamilies << QStringList{"A01 "} << QStringList{"01", "0101"};
        QTest::newRow("codes trimmed, the root an empty text") << "Codigo" << kCentres << QStringList{"A", "A 7"}
                                                               << QStringList{"", "7"};
        QTest::newRow("a ticked root: an empty family, then its descendants")
            << "IDFAMILIA" << kFamilies << QStringList{"A"} << QStringList{"", "01", "0101"};
        QTest::newRow("a ticked root: no position for it")
            << "IDPOSICION" << QStringLiteral("SELECT IdPosicion, Descripcion FROM MA_POSICIONES") << QStringList{"A"}
            << QStringList{"P1"};
        QTest::newRow("positions looked up") << "IDPOSICION" << QStringLiteral("SELECT IdPosicion, Descripcion FROM MA_POSICIONES UNION ALL SELECT 'P9', 'fantasma'")
                                             << QStringList{"AP1", "AP9"} << QStringList{"P1"};
        QTest::newRow("another column returns nothing") << "Descripcion" << kCentres << QStringList{"A 7"} << QStringList{};
    }
    void multipleChoice()
    {
        QFETCH(QString, campo);
        QFETCH(QString, sql);
        QFETCH(QStringList, ticked);
        QFETCH(QStringList, expected);
        LookupFixture fx({"INSERT INTO V_TA_FAMILIAS (IdFamilia, Descripcion) VALUES ('01 ', 'Bebidas')",
                          "INSERT INTO V_TA_FAMILIAS (IdFamilia, Descripcion) VALUES ('0101', 'Gaseosas')",
                          "INSERT INTO TA_CCOSTO (CODIGO, DESCRIPCION) VALUES (' 7', 'siete')",
                          "INSERT INTO MA_POSICIONES (IdDeposito, IdPosicion, Descripcion) VALUES ('D1', 'P1', 'Estante')"});
        ScriptedOperator op;
        Lib_FrmCons3Tree frm;
        frm.SQL = sql;
        frm.CampoDevuelto = campo;
        frm.CheckBoxes = true;
        frm.Form_Load();
        for (const QString& key : ticked) {
            QTreeWidgetItem* node = frm.Node(key);
            QVERIFY2(node, qPrintable(key));
            node->setCheckState(0, Qt::Checked);
        }
        frm.CmdAceptar_Click();
        QVERIFY(frm.Valores);
        QCOMPARE(*frm.Valores, expected);
    }

    void cancelReturnsNothing()
    {
        LookupFixture fx(centreRows({"1"}));
        Lib_FrmCons3Tree frm;
        frm.SQL = kCentres;
        frm.CampoDevuelto = QStringLiteral("CODIGO");
        frm.Form_Load();
        frm.CmpsDevueltos = std::make_shared<QStringList>();
        select(frm, QStringLiteral("1"));
        frm.CmdCancelar->click();
        QCOMPARE(frm.ValorDevuelto.toString(), QString());
        QVERIFY(!frm.Valores);
        QVERIFY(!frm.CmpsDevueltos);
    }

    void quickFilter_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QStringList>("codes");
        QTest::newRow("before the order by")
            << kCentres << QStringList{"ca"}
            << "SELECT CODIGO, DESCRIPCION FROM TA_CCOSTO  where Descripcion like '%ca%' ORDER BY DESCRIPCION"
            << QStringList{"1", "3"};
        QTest::newRow("joined to a where, twice")
            << "SELECT CODIGO, DESCRIPCION FROM TA_CCOSTO WHERE CODIGO <> '9' order by CODIGO" << QStringList{"ca", "ja"}
            << "SELECT CODIGO, DESCRIPCION FROM TA_CCOSTO WHERE CODIGO <> '9'  and Descripcion like '%ca%'  and "
               "Descripcion like '%ja%' order by CODIGO"
            << QStringList{"1"};
        QTest::newRow("an apostrophe is text")
            << "SELECT CODIGO, DESCRIPCION FROM TA_CCOSTO" << QStringList{"d'a"}
            << "SELECT CODIGO, DESCRIPCION FROM TA_CCOSTO where Descripcion like '%d''a%' " << QStringList{"2"};
    }
    void quickFilter()
    {
        QFETCH(QString, sql);
        QFETCH(QStringList, typed);
        QFETCH(QString, expected);
        QFETCH(QStringList, codes);
        LookupFixture fx({"INSERT INTO TA_CCOSTO (CODIGO, DESCRIPCION) VALUES ('1', 'Caja')",
                          "INSERT INTO TA_CCOSTO (CODIGO, DESCRIPCION) VALUES ('2', 'Venta d''agua')",
                          "INSERT INTO TA_CCOSTO (CODIGO, DESCRIPCION) VALUES ('3', 'Cargas')"});
        ScriptedOperator op;   // the filtered statements must run without an error box
        Lib_FrmCons3Tree frm;
        frm.SQL = sql;
        frm.Form_Load();
        frm.show();
        QLineEdit* box = frm.CmbSearch.first()->lineEdit();
        for (const QString& text : typed) {
            box->setFocus();
            QTest::keyClicks(box, text);
            QTest::keyClick(box, Qt::Key_F5);
            QCOMPARE(frm.CmbSearch.first()->currentText(), QString());
        }
        QCOMPARE(frm.SQL, expected);
        QStringList listed;
        for (QTreeWidgetItem* node : frm.Nodes().mid(1))
            listed << Lib_FrmCons3Tree::Key(node).mid(1);
        QCOMPARE(listed, codes);
    }

    void quickFilterOnFamilies()
    {
        // The family tree runs its own statement, so the words narrow that one; a family
        // whose parent is not listed hangs from the root.
        LookupFixture fx({"INSERT INTO V_TA_FAMILIAS (IdFamilia, Descripcion) VALUES ('01', 'Bebidas')",
                          "INSERT INTO V_TA_FAMILIAS (IdFamilia, Descripcion) VALUES ('0101', 'Gaseosas')",
                          "INSERT INTO V_TA_FAMILIAS (IdFamilia, Descripcion) VALUES ('0102', 'Aguas con gas')",
                          "INSERT INTO V_TA_FAMILIAS (IdFamilia, Descripcion) VALUES ('02', 'Gas d''garrafa')"});
        ScriptedOperator op;
        Lib_FrmCons3Tree frm;
        frm.SQL = kFamilies;
        frm.Form_Load();
        int f5 = ui::vbKeyF5;
        frm.CmbSearch.first()->setEditText(QStringLiteral("gas"));
        frm.CmbSearch_KeyDown(0, f5, 0);
        QCOMPARE(shape(frm), (QStringList{"0101:A", "0102:A", "02:A"}));
        frm.CmbSearch.first()->setEditText(QStringLiteral("d'g"));
        frm.CmbSearch_KeyDown(0, f5, 0);
        QCOMPARE(shape(frm), QStringList{"02:A"});
        QVERIFY(frm.SQL.endsWith(
            QLatin1String("Where IdFamilia<>'' and Descripcion like '%gas%' and Descripcion like '%d''g%' ORDER BY IdFamilia")));
    }

    void duplicateCode_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("go on") << int(ui::vbIgnore) << QStringList{"1:A", "12:A1"};
        QTest::newRow("leave") << int(ui::vbAbort) << QStringList{"1:A"};
    }
    void duplicateCode()
    {
        QFETCH(int, answer);
        QFETCH(QStringList, expected);
        LookupFixture fx;
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("(35602)"), answer);
        Lib_FrmCons3Tree frm;
        frm.SQL = QStringLiteral("SELECT '1' AS C, 'uno' AS D UNION ALL SELECT '1', 'otro' UNION ALL SELECT '12', 'doce'");
        frm.Form_Load();
        QCOMPARE(shape(frm), expected);
        QVERIFY(op.shown().first().title.contains(QLatin1String("ArmarTreeVAutomatico")));
    }

    void findAsTyped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("key");
        QTest::newRow("c: the root's description") << "c" << "A";
        QTest::newRow("a code") << "0102" << "A0102";
        QTest::newRow("a description in any case") << "GASEO" << "A0101";
        QTest::newRow("nothing") << "" << "A";
        QTest::newRow("no match keeps the choice") << "zz" << "A02";
    }
    void findAsTyped()
    {
        QFETCH(QString, typed);
        QFETCH(QString, key);
        LookupFixture fx({"INSERT INTO V_TA_FAMILIAS (IdFamilia, Descripcion) VALUES ('01', 'Bebidas')",
                          "INSERT INTO V_TA_FAMILIAS (IdFamilia, Descripcion) VALUES ('0101', 'Gaseosas')",
                          "INSERT INTO V_TA_FAMILIAS (IdFamilia, Descripcion) VALUES ('0102', 'Aguas')",
                          "INSERT INTO V_TA_FAMILIAS (IdFamilia, Descripcion) VALUES ('02', 'Almacen')"});
        Lib_FrmCons3Tree frm;
        frm.SQL = kFamilies;
        frm.Form_Load();
        select(frm, QStringLiteral("02"));
        frm.show();
        QVERIFY(QTest::qWaitForWindowActive(&frm));
        QComboBox* box = frm.CmbSearch.first();
        box->lineEdit()->setFocus();
        if (typed.isEmpty())
            box->setEditText(QString());
        else
            QTest::keyClicks(box->lineEdit(), typed);
        if (typed.isEmpty())
            frm.CmbSearch_Change(0);
        QCOMPARE(selectedKey(frm), key);
        QTest::keyClick(box->lineEdit(), Qt::Key_Down);
        QVERIFY(frm.TreeV->hasFocus());
    }

    void driverShowsTheTree_data()
    {
        QTest::addColumn<bool>("checks");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("valores");
        QTest::newRow("single") << false << "0101" << QStringList{};
        QTest::newRow("ticked") << true << "" << QStringList{"01", "0101", "0102"};
    }
    void driverShowsTheTree()
    {
        QFETCH(bool, checks);
        QFETCH(QString, value);
        QFETCH(QStringList, valores);
        LookupFixture fx(familyRows({"01", "0101", "0102", "02"}));
        ScriptedOperator op;
        QStringList shown;
        op.expectForm(QStringLiteral("Lib_FrmCons3Tree"), [&](QDialog& d) {
            auto& frm = static_cast<Lib_FrmCons3Tree&>(d);
            shown = shape(frm);
            if (checks)
                frm.Node(QStringLiteral("A01"))->setCheckState(0, Qt::Checked);
            else
                frm.TreeV->setCurrentItem(frm.Node(QStringLiteral("A0101")));
            QTest::mouseClick(frm.CmdAceptar, Qt::LeftButton);
            return int(QDialog::Accepted);
        });
        gConsultas->CampoDevuelto = QStringLiteral("IdFamilia");
        gConsultas->Checks = checks;
        gConsultas->ConsultaSearch(QStringLiteral("V_TA_FAMILIAS"), nullptr, QString(), QString(), QString(), QString(),
                                   true, QString());
        QCOMPARE(gConsultas->ValorDevuelto.isEmpty() ? QString() : gConsultas->ValorDevuelto.toString(), value);
        QCOMPARE(gConsultas->Valores ? *gConsultas->Valores : QStringList(), valores);
        QVERIFY(!gConsultas->Checks);
        QCOMPARE(gConsultas->CampoDevuelto, QString());
        QCOMPARE(shown, (QStringList{"01:A", "0101:A01", "0102:A01", "02:A"}));
    }
};

TESTSUPPORT_MAIN(TstLookupTree)
#include "tst_lookup_tree.moc"
