// The size-colour-sex dialog shown by a voucher form for a line of gloves (GUANTE, sizes
// by default M, BLANCO, U), with the demo's sizes S, M, L, XL and colours BLANCO, NEGRO,
// CELESTE.
#include "LotDialogDriver.h"
#include "platform/ui/CajaTexto.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Operator.h"
#include "tests/support/RegionalPin.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include "tests/support/vouchers/VoucherFixture.h"
#include "vouchers/lots/FrmTalle.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>

using lotstest::Column;
using testsupport::ScriptedOperator;

namespace {

const QString kAviso = QStringLiteral("Aviso al operador...");

struct Breakdown {
    QString codigos;
    QString cantidades;
};

QStringList items(const QComboBox* combo)
{
    QStringList list;
    for (int i = 0; i < combo->count(); ++i)
        list << combo->itemText(i);
    return list;
}

// Shows the dialog for a line of `cantidad` gloves with a previous breakdown; `play` is
// the operator. The dialog's members are read back after it hides.
struct Shown {
    int result = -1;
    QString codigos;
    QString cantidades;
    double pedida = 0;
};

Shown showSizes(ScriptedOperator& op, double cantidad, const Breakdown& anterior, bool permite,
                const std::function<void(FrmTalle&)>& play, const QString& articulo = QStringLiteral("GUANTE"))
{
    op.expectForm(QStringLiteral("FrmTalle"), [&](QDialog& d) {
        auto& f = static_cast<FrmTalle&>(d);
        lotstest::Activate(f);
        play(f);
        return f.result();
    });
    FrmTalle f;
    f.eIdArticulo = articulo;
    f.CantidadPedida = cantidad;
    f.ePermiteModificarCantidades = permite;
    f.TalleColorSexo = anterior.codigos;
    f.Cantidades = anterior.cantidades;
    Shown s;
    s.result = ui::ShowModal(f);
    s.codigos = f.TalleColorSexo;
    s.cantidades = f.Cantidades;
    s.pedida = f.CantidadPedida;
    return s;
}

// The operator picks a combination in the three lists and types its quantity.
void addCombination(FrmTalle& f, const QString& talle, const QString& color, int sexo, const QString& cantidad)
{
    f.dpdTalle->setFocus();
    f.dpdTalle->setCurrentIndex(f.dpdTalle->findText(talle));
    if (f.dpdTalle->currentText() != talle)
        f.dpdTalle->setEditText(talle);
    QTest::keyClick(f.dpdTalle, Qt::Key_Return);
    QVERIFY(f.dpdColor->hasFocus());
    f.dpdColor->setCurrentIndex(f.dpdColor->findText(color));
    QTest::keyClick(f.dpdColor, Qt::Key_Return);
    QVERIFY(f.dpdSexo->hasFocus());
    f.dpdSexo->setCurrentIndex(sexo);
    QTest::keyClick(f.dpdSexo, Qt::Key_Return);
    QVERIFY(f.txtCantidad->hasFocus());
    QCOMPARE(f.txtCantidad->selectedText(), f.txtCantidad->text());
    QTest::keyClicks(f.txtCantidad, cantidad);
    QTest::keyClick(f.txtCantidad, Qt::Key_Return);
}

} // namespace

class TstSizeDialog : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { db_ = std::make_unique<testsupport::VoucherFixture>(); }
    void cleanupTestCase() { db_.reset(); }
    // The offered sizes and colours back to the demo's.
    void cleanup()
    {
        db_->SetConfig(QStringLiteral("TallesHabilitados"), QStringLiteral("S,M,L,XL"));
        db_->SetConfig(QStringLiteral("ColoresHabilitados"), QStringLiteral("BLANCO,NEGRO,CELESTE"));
    }

    void offeredSizes_data()
    {
        QTest::addColumn<QVariant>("configured");
        QTest::addColumn<QStringList>("offered");
        QTest::newRow("three") << QVariant("S,M,L") << QStringList{"S", "M", "L"};
        QTest::newRow("a trailing comma") << QVariant("S,M,") << QStringList{"S", "M"};
        QTest::newRow("blanks around") << QVariant(" S , M ") << QStringList{"S", "M"};
        QTest::newRow("empty") << QVariant("") << QStringList{"SIN DEFINIR"};
        QTest::newRow("not configured") << QVariant() << QStringList{"SIN DEFINIR"};
    }
    void offeredSizes()
    {
        QFETCH(QVariant, configured);
        QFETCH(QStringList, offered);
        db_->SetConfig(QStringLiteral("TallesHabilitados"), configured);
        ScriptedOperator op;
        showSizes(op, 1, {}, false, [&](FrmTalle& f) {
            QCOMPARE(items(f.dpdTalle), offered);
            QCOMPARE(items(f.dpdColor), (QStringList{"BLANCO", "NEGRO", "CELESTE"}));
            QCOMPARE(items(f.dpdSexo), (QStringList{"H - HOMBRE", "M - MUJER", "U - UNISEX"}));
            QCOMPARE(f.windowTitle(), QStringLiteral("Información de los Talles, Colores, Sexos"));
            QCOMPARE(f.CmdAceptar->toolTip(), QStringLiteral("(F2) Graba la grilla"));
            QCOMPARE(f.CmdCancelar->toolTip(), QStringLiteral("(ESC) Borra la grilla"));
            QCOMPARE(f.txtCantidad->toolTip(), QStringLiteral("El sistema propone la cantidad segun lo pedido en el "
                                                              "formulario y las cantidades informadas en la grilla"));
            QVERIFY(f.dpdTalle->hasFocus());
        });
    }

    void theArticlesDefaults_data()
    {
        QTest::addColumn<QString>("articulo");
        QTest::addColumn<QString>("colores");
        QTest::addColumn<QStringList>("selected");
        QTest::newRow("the gloves' defaults") << "GUANTE" << "BLANCO,NEGRO,CELESTE"
                                              << QStringList{"M", "BLANCO", "U - UNISEX"};
        QTest::newRow("a default colour not offered") << "GUANTE" << "NEGRO,CELESTE"
                                                      << QStringList{"M", "NEGRO", "U - UNISEX"};
        QTest::newRow("an article without sizes") << "IBU400" << "BLANCO,NEGRO,CELESTE"
                                                  << QStringList{"S", "BLANCO", "H - HOMBRE"};
    }
    void theArticlesDefaults()
    {
        QFETCH(QString, articulo);
        QFETCH(QString, colores);
        QFETCH(QStringList, selected);
        db_->SetConfig(QStringLiteral("ColoresHabilitados"), colores);
        ScriptedOperator op;
        showSizes(op, 1, {}, false, [&](FrmTalle& f) {
            QCOMPARE((QStringList{f.dpdTalle->currentText(), f.dpdColor->currentText(), f.dpdSexo->currentText()}),
                     selected);
        }, articulo);
    }

    void thePreviousBreakdown_data()
    {
        QTest::addColumn<QString>("codigos");
        QTest::addColumn<QString>("cantidades");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("quantities");
        QTest::addColumn<QString>("proposal");
        QTest::newRow("two codes") << "|M-NEGRO-H|L-NEGRO-M|" << "|3|2|" << QStringList{"M-NEGRO-H", "L-NEGRO-M"}
                                   << QStringList{"3", "2"} << "5";
        QTest::newRow("a code twice adds up") << "|M-NEGRO-H|M-NEGRO-H|" << "|3|2|" << QStringList{"M-NEGRO-H"}
                                              << QStringList{"5"} << "5";
        QTest::newRow("a size no longer offered") << "|XXL-NEGRO-H|S-BLANCO-U|" << "|3|2|" << QStringList{"S-BLANCO-U"}
                                                  << QStringList{"2"} << "8";
        QTest::newRow("a colour no longer offered") << "|S-ROJO-U|" << "|3|" << QStringList{""} << QStringList{""} << "10";
        QTest::newRow("a quantity of nothing") << "|S-BLANCO-U|M-BLANCO-U|" << "|0|4|" << QStringList{"M-BLANCO-U"}
                                               << QStringList{"4"} << "6";
        QTest::newRow("more than asked") << "|S-BLANCO-U|" << "|12|" << QStringList{"S-BLANCO-U"} << QStringList{"12"}
                                         << "0";
    }
    void thePreviousBreakdown()
    {
        QFETCH(QString, codigos);
        QFETCH(QString, cantidades);
        QFETCH(QStringList, rows);
        QFETCH(QStringList, quantities);
        QFETCH(QString, proposal);
        ScriptedOperator op;
        showSizes(op, 10, {codigos, cantidades}, false, [&](FrmTalle& f) {
            QCOMPARE(Column(f.MSFlexGrid1, FrmTalle::ColCodigo), rows);
            QCOMPARE(Column(f.MSFlexGrid1, FrmTalle::ColCantidad), quantities);
            QCOMPARE(f.txtCantidad->text(), proposal);
            QCOMPARE(f.CantidadRestante, 10 - f.CantidadEnGrilla());
        });
    }

    // The operator's day: combinations typed, one of them twice, then F2.
    void breaksTheLineDown()
    {
        ScriptedOperator op;
        const Shown s = showSizes(op, 10, {}, false, [](FrmTalle& f) {
            QCOMPARE(f.txtCantidad->text(), QStringLiteral("10"));
            addCombination(f, "M", "BLANCO", 2, "4");
            // The first combination fills the empty first row.
            QCOMPARE(f.MSFlexGrid1->Rows(), 2);
            QCOMPARE(f.txtCantidad->text(), QStringLiteral("6"));
            QVERIFY(f.dpdTalle->hasFocus());
            addCombination(f, "M", "BLANCO", 2, "2");
            QCOMPARE(Column(f.MSFlexGrid1, FrmTalle::ColCantidad), (QStringList{"6"}));
            addCombination(f, "L", "NEGRO", 0, "4");
            QCOMPARE(Column(f.MSFlexGrid1, FrmTalle::ColCodigo), (QStringList{"M-BLANCO-U", "L-NEGRO-H"}));
            // Nothing left: the focus waits on OK.
            QCOMPARE(f.txtCantidad->text(), QStringLiteral("0"));
            QVERIFY(f.CmdAceptar->hasFocus());
            QTest::keyClick(f.CmdAceptar, Qt::Key_F2);
        });
        QCOMPARE(s.result, int(QDialog::Accepted));
        QCOMPARE(s.codigos, QStringLiteral("|M-BLANCO-U|L-NEGRO-H|"));
        QCOMPARE(s.cantidades, QStringLiteral("|6|4|"));
    }

    void aTypedSizeIsChecked_data()
    {
        QTest::addColumn<QString>("talle");
        QTest::addColumn<QString>("message");
        QTest::newRow("with the code's separator") << "10-12" << "El Talle y el Color no pueden contener \"-\"";
        QTest::newRow("none") << "" << "Debe informar el Talle y el Color";
    }
    void aTypedSizeIsChecked()
    {
        QFETCH(QString, talle);
        QFETCH(QString, message);
        ScriptedOperator op;
        showSizes(op, 10, {}, false, [&](FrmTalle& f) {
            op.expectMsgBox(message, ui::vbOK, kAviso, ui::vbCritical);
            f.dpdTalle->setEditText(talle);
            f.txtCantidad->setFocus();
            QTest::keyClick(f.txtCantidad, Qt::Key_Return);
            QCOMPARE(Column(f.MSFlexGrid1, FrmTalle::ColCodigo), (QStringList{""}));
            QVERIFY(f.txtCantidad->hasFocus());
        });
    }

    void aTypedQuantityIsChecked_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("negative") << "-2" << "La Cantidad no puede ser Menor a Cero";
        QTest::newRow("no number") << "dos" << "La Cantidad debe ser un Número";
        QTest::newRow("zero goes to OK") << "0" << "";
    }
    void aTypedQuantityIsChecked()
    {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        ScriptedOperator op;
        showSizes(op, 10, {}, false, [&](FrmTalle& f) {
            if (!message.isEmpty())
                op.expectMsgBox(message, ui::vbOK, kAviso, ui::vbCritical);
            f.txtCantidad->setFocus();
            f.txtCantidad->setText(typed);
            QTest::keyClick(f.txtCantidad, Qt::Key_Return);
            QCOMPARE(Column(f.MSFlexGrid1, FrmTalle::ColCodigo), (QStringList{""}));
            QCOMPARE(f.CmdAceptar->hasFocus(), message.isEmpty());
        });
    }

    // ---- the grid ----

    void aQuantityChangedInTheGrid_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("proposal");
        QTest::newRow("changed") << 2 << "5" << QStringList{"M-NEGRO-H", "L-NEGRO-M"} << "2";
        QTest::newRow("zero takes the row out") << 2 << "0" << QStringList{"M-NEGRO-H"} << "7";
        QTest::newRow("zero on the first of two") << 1 << "0" << QStringList{"L-NEGRO-M"} << "8";
    }
    void aQuantityChangedInTheGrid()
    {
        QFETCH(int, row);
        QFETCH(QString, typed);
        QFETCH(QStringList, rows);
        QFETCH(QString, proposal);
        ScriptedOperator op;
        showSizes(op, 10, {"|M-NEGRO-H|L-NEGRO-M|", "|3|2|"}, false, [&](FrmTalle& f) {
            lotstest::GoTo(f.MSFlexGrid1, row, FrmTalle::ColCantidad);
            lotstest::TypeCell(f.MSFlexGrid1, f.txtEdit, typed);
            QVERIFY(f.txtEdit->isHidden());
            QCOMPARE(Column(f.MSFlexGrid1, FrmTalle::ColCodigo), rows);
            QCOMPARE(f.txtCantidad->text(), proposal);
        });
    }

    void aGridQuantityIsChecked_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("negative") << "-1" << "La Cantidad no puede ser Menor a Cero";
        QTest::newRow("no number") << "x" << "La Cantidad debe ser un Número";
    }
    void aGridQuantityIsChecked()
    {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        ScriptedOperator op;
        showSizes(op, 10, {"|M-NEGRO-H|", "|3|"}, false, [&](FrmTalle& f) {
            lotstest::GoTo(f.MSFlexGrid1, 1, FrmTalle::ColCantidad);
            op.expectMsgBox(message, ui::vbOK, kAviso, ui::vbCritical);
            lotstest::TypeCell(f.MSFlexGrid1, f.txtEdit, typed);
            // The row stays, the editor keeps the text to be corrected.
            QVERIFY(f.txtEdit->isVisible());
            QCOMPARE(f.MSFlexGrid1->TextMatrix(1, FrmTalle::ColCantidad), QStringLiteral("3"));
            // Esc in the editor closes the editor only.
            QTest::keyClick(f.txtEdit, Qt::Key_Escape);
            QVERIFY(f.txtEdit->isHidden());
            QVERIFY(f.isVisible());
            QCOMPARE(Column(f.MSFlexGrid1, FrmTalle::ColCantidad), (QStringList{"3"}));
        });
    }

    void deleteOnTheGrid_data()
    {
        QTest::addColumn<QString>("codigos");
        QTest::addColumn<QString>("cantidades");
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("a later row") << "|M-NEGRO-H|L-NEGRO-M|" << "|3|2|" << 2 << QStringList{"M-NEGRO-H"};
        QTest::newRow("the first of two") << "|M-NEGRO-H|L-NEGRO-M|" << "|3|2|" << 1 << QStringList{"L-NEGRO-M"};
        QTest::newRow("the only row is emptied") << "|M-NEGRO-H|" << "|3|" << 1 << QStringList{""};
    }
    void deleteOnTheGrid()
    {
        QFETCH(QString, codigos);
        QFETCH(QString, cantidades);
        QFETCH(int, row);
        QFETCH(QStringList, rows);
        ScriptedOperator op;
        showSizes(op, 10, {codigos, cantidades}, false, [&](FrmTalle& f) {
            lotstest::GoTo(f.MSFlexGrid1, row, FrmTalle::ColCantidad);
            QTest::keyClick(f.MSFlexGrid1, Qt::Key_Delete);
            QCOMPARE(Column(f.MSFlexGrid1, FrmTalle::ColCodigo), rows);
        });
    }

    // ---- OK and Cancel ----

    void okWithOtherTotals_data()
    {
        QTest::addColumn<bool>("permite");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("breakdown");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("result");
        QTest::addColumn<double>("pedida");
        const QString menos = QStringLiteral("Las Cantidades informadas son inferiores a las pedidas en el formulario.");
        const QString mas = QStringLiteral("Las Cantidades informadas superan a las pedidas en el formulario.");
        const int warning = ui::vbExclamation + ui::vbOKOnly;
        const int question = ui::vbQuestion + ui::vbYesNo + ui::vbDefaultButton2;
        QTest::newRow("fewer, not allowed")
            << false << int(ui::vbOK) << "|3|"
            << menos + "\r\nAjuste la Cantidades Informadas !\r\nCantidad Pedida= 10\r\nCantidad Informada= 3" << warning
            << int(QDialog::Rejected) << 10.0;
        QTest::newRow("more, not allowed")
            << false << int(ui::vbOK) << "|12.5|"
            << mas + "\r\nAjuste la Cantidades Informadas !\r\nCantidad Pedida= 10\r\nCantidad Informada= 12.5" << warning
            << int(QDialog::Rejected) << 10.0;
        QTest::newRow("fewer, allowed, No") << true << int(ui::vbNo) << "|3|"
                                            << menos + "\r\nDesea modificar las cantidades del formulario?" << question
                                            << int(QDialog::Rejected) << 10.0;
        QTest::newRow("more, allowed, Yes") << true << int(ui::vbYes) << "|12.5|"
                                            << mas + "\r\nDesea modificar las cantidades del formulario?" << question
                                            << int(QDialog::Accepted) << 12.5;
    }
    void okWithOtherTotals()
    {
        QFETCH(bool, permite);
        QFETCH(int, answer);
        QFETCH(QString, breakdown);
        QFETCH(QString, message);
        QFETCH(int, style);
        QFETCH(int, result);
        QFETCH(double, pedida);
        ScriptedOperator op;
        const Shown s = showSizes(op, 10, {"|M-NEGRO-H|", breakdown}, permite, [&](FrmTalle& f) {
            op.expectMsgBox(message, answer, QString(), style);
            QTest::keyClick(f.dpdTalle, Qt::Key_F2);
            QCOMPARE(f.isVisible(), result == int(QDialog::Rejected));
        });
        QCOMPARE(s.result, result);
        QCOMPARE(s.pedida, pedida);
        if (result == int(QDialog::Accepted))
            QCOMPARE(s.cantidades, breakdown);
    }

    // With permission an empty grid gives an empty breakdown and nothing asked for.
    void okWithAnEmptyGrid()
    {
        ScriptedOperator op;
        const Shown s = showSizes(op, 4, {}, true, [&](FrmTalle& f) {
            op.expectMsgBox(QStringLiteral("inferiores"), ui::vbYes);
            QTest::mouseClick(f.CmdAceptar, Qt::LeftButton);
        });
        QCOMPARE(s.result, int(QDialog::Accepted));
        QCOMPARE(s.pedida, 0.0);
        QCOMPARE(s.codigos, QString());
        QCOMPARE(s.cantidades, QString());
    }

    void escCancels()
    {
        ScriptedOperator op;
        const Shown s = showSizes(op, 3, {"|M-NEGRO-H|", "|3|"}, false, [](FrmTalle& f) {
            QTest::keyClick(f.txtCantidad, Qt::Key_Escape);
        });
        QCOMPARE(s.result, int(QDialog::Rejected));
        QCOMPARE(s.codigos, QString());
        QCOMPARE(s.cantidades, QStringLiteral("0"));
    }

    // A workstation with "," decimals reads and writes its own numbers.
    void commaDecimals()
    {
        testsupport::RegionalPin comma(QLatin1Char(','), QLatin1Char('.'));
        ScriptedOperator op;
        const Shown s = showSizes(op, 2.5, {"|M-NEGRO-H|", "|1,5|"}, false, [](FrmTalle& f) {
            QCOMPARE(f.txtCantidad->text(), QStringLiteral("1"));
            addCombination(f, "S", "NEGRO", 0, "1");
            QTest::keyClick(f.CmdAceptar, Qt::Key_F2);
        });
        QCOMPARE(s.codigos, QStringLiteral("|M-NEGRO-H|S-NEGRO-H|"));
        QCOMPARE(s.cantidades, QStringLiteral("|1,5|1|"));
    }

    // ---- the splitter of size codes ----

    void splitsCodes_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QStringList>("talles");
        QTest::addColumn<QStringList>("colores");
        QTest::addColumn<QStringList>("sexos");
        QTest::newRow("two codes") << "|42-NEGRO-H|44-NEGRO-M|" << QStringList{"42", "44", ""}
                                   << QStringList{"NEGRO", "NEGRO", ""} << QStringList{"H", "M", ""};
        QTest::newRow("cut at the first two separators") << "|A-B-C-D|" << QStringList{"A", ""} << QStringList{"B", ""}
                                                         << QStringList{"C-D", ""};
        QTest::newRow("text after the last bar") << "|S-BLANCO-U|M-BLANCO" << QStringList{"S", ""}
                                                 << QStringList{"BLANCO", ""} << QStringList{"U", ""};
        QTest::newRow("no bar") << "S-BLANCO-U" << QStringList{""} << QStringList{""} << QStringList{""};
    }
    void splitsCodes()
    {
        QFETCH(QString, list);
        QFETCH(QStringList, talles);
        QFETCH(QStringList, colores);
        QFETCH(QStringList, sexos);
        QStringList t, c, s;
        ExtraeTalles_colores_sexo(list, QStringLiteral("-"), t, c, s);
        QCOMPARE(t, talles);
        QCOMPARE(c, colores);
        QCOMPARE(s, sexos);
    }

private:
    testsupport::RegionalPin regional_;
    std::unique_ptr<testsupport::VoucherFixture> db_;
};

TESTSUPPORT_MAIN(TstSizeDialog)
#include "tst_size_dialog.moc"
