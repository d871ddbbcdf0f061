// The voucher class's prompts themselves: what CuentaLotesEnGrilla gathers from the
// article grid, and that every prompt works on a dialog of its own that is gone when it
// returns, however it ends.
#include "LotDialogDriver.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Operator.h"
#include "platform/vb/VbError.h"
#include "tests/support/RegionalPin.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include "tests/support/vouchers/VoucherFixture.h"
#include "tests/support/vouchers/VoucherHostForm.h"
#include "vouchers/lots/FrmCargaLotesySeries.h"
#include "vouchers/lots/FrmLoteyPosicion.h"

#include <QApplication>
#include <QPointer>
#include <QTest>

using testsupport::ScriptedOperator;

namespace {

// The lot and position dialogs still alive.
int liveDialogs()
{
    int n = 0;
    for (QWidget* w : QApplication::allWidgets())
        if (qobject_cast<FrmCargaLotesySeries*>(w) || qobject_cast<FrmLoteyPosicion*>(w))
            ++n;
    return n;
}

} // namespace

class TstLotPrompts : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        db_ = std::make_unique<testsupport::VoucherFixture>();
        host_ = std::make_unique<testsupport::VoucherHostForm>();
    }
    void cleanup()
    {
        host_.reset();
        db_.reset();
        QCOMPARE(liveDialogs(), 0);
    }

    void gathersTheArticlesLists_data()
    {
        QTest::addColumn<QString>("articulo");
        QTest::addColumn<QString>("lotes");
        QTest::addColumn<QString>("cantidades");
        QTest::newRow("two rows joined") << "PARA500" << "|L1|L2|" << "|4|3|";
        QTest::newRow("code in another case") << "para500" << "|L1|L2|" << "|4|3|";
        QTest::newRow("code with a blank") << "PARA500 " << "" << "";
        QTest::newRow("no row") << "TERMDIG" << "" << "";
        QTest::newRow("only its own rows") << "IBU400" << "|X|" << "|9|";
    }
    void gathersTheArticlesLists()
    {
        QFETCH(QString, articulo);
        QFETCH(QString, lotes);
        QFETCH(QString, cantidades);
        lotstest::VoucherLines(host_->MSFlexGrid2,
                     {{"PARA500", "|L1|", "|4|"}, {"IBU400", "|X|", "|9|"}, {"PARA500", "", ""}, {"PARA500", "|L2|", "|3|"}});
        QString l = QStringLiteral("old"), c = QStringLiteral("old");
        host_->Cptes().CuentaLotesEnGrilla(host_->MSFlexGrid2, articulo, l, c);
        QCOMPARE(l, lotes);
        QCOMPARE(c, cantidades);
    }

    void anAbsentGridIsAnError()
    {
        QString l, c;
        try {
            host_->Cptes().CuentaLotesEnGrilla(nullptr, QStringLiteral("PARA500"), l, c);
            QFAIL("no error raised");
        } catch (const vb::VbError& e) {
            QCOMPARE(e.Number, 91);
        }
    }

    // Every call starts from a new dialog: what one call left does not reach the next.
    void eachCallHasItsOwnDialog()
    {
        testsupport::RegionalPin regional;
        ScriptedOperator op;
        QPointer<QDialog> first;
        op.expectForm(QStringLiteral("FrmLoteyPosicion"), [&](QDialog& d) {
            first = &d;
            static_cast<FrmLoteyPosicion&>(d).MSFlexGrid1->SetTextMatrix(1, FrmLoteyPosicion::ColCantidad,
                                                                        QStringLiteral("1"));
            return int(QDialog::Rejected);
        });
        bool firstGone = false;
        QString secondTake;
        int alive = 0;
        op.expectForm(QStringLiteral("FrmLoteyPosicion"), [&](QDialog& d) {
            firstGone = first.isNull();
            secondTake = static_cast<FrmLoteyPosicion&>(d).MSFlexGrid1->TextMatrix(1, FrmLoteyPosicion::ColCantidad);
            alive = liveDialogs();
            return int(QDialog::Rejected);
        });
        for (int i = 0; i < 2; ++i) {
            double cantidad = 10;
            QString posiciones, lotes;
            host_->Cptes().PidePosicionLote(QStringLiteral("PARA500"), QStringLiteral("UN"), cantidad, QStringLiteral("1"),
                                            QString(), QString(), posiciones, lotes, true, true);
            QCOMPARE(liveDialogs(), 0);
        }
        // The first one was gone before the second showed, which proposes afresh.
        QVERIFY(firstGone);
        QCOMPARE(secondTake, QStringLiteral("4"));
        QCOMPARE(alive, 1);
    }

    // An error inside a prompt goes to the error box; whatever the answer, the dialog
    // does not outlive the prompt.
    void anErrorLeavesNoDialog_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("shown");
        QTest::newRow("Abort leaves") << int(ui::vbAbort) << false;
        QTest::newRow("Ignore goes on") << int(ui::vbIgnore) << true;
    }
    void anErrorLeavesNoDialog()
    {
        QFETCH(int, answer);
        QFETCH(bool, shown);
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("Ha ocurrido el Siguiente Error (91)"), answer);
        if (shown)
            op.expectForm(QStringLiteral("FrmCargaLotesySeries"), [](QDialog&) { return int(QDialog::Rejected); });
        double cantidad = 2;
        QString deposito = QStringLiteral("1");
        QString lotes = QStringLiteral("|L-2511ÿ|"), cantidades = QStringLiteral("|2|");
        host_->Cptes().PideSerieLote_Salidas(nullptr, QStringLiteral("PARA500"), QString(), cantidad, lotes, cantidades,
                                             lotes, cantidades, true, false, false, deposito, true);
        QCOMPARE(liveDialogs(), 0);
        QCOMPARE(lotes, QStringLiteral("|L-2511ÿ|"));
        QCOMPARE(cantidad, 2.0);
    }

private:
    std::unique_ptr<testsupport::VoucherFixture> db_;
    std::unique_ptr<testsupport::VoucherHostForm> host_;
};

TESTSUPPORT_MAIN(TstLotPrompts)
#include "tst_lot_prompts.moc"
