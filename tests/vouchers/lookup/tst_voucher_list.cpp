// The voucher lookup's list: the columns of each voucher group and their widths, the
// row icons, and sorting by a clicked column (dates by date, amounts by value).
#include "LookupRows.h"

#include "platform/ui/ImageList.h"
#include "platform/ui/ListView.h"
#include "platform/ui/Metrics.h"
#include "tests/support/RegionalPin.h"
#include "tests/support/TestMain.h"
#include "tests/support/vouchers/VoucherFixture.h"

#include <QHeaderView>
#include <QTest>

using lookuptest::Loaded;
using testsupport::VoucherFixture;

namespace {

// Image indexes of the image list.
enum Imagen { PR = 1, Anulado, Aprobado, FC, NC, ND, OT, Generico, T3, OC, OCG };

QStringList column(FrmConsComprobantes& form, int k)
{
    QStringList out;
    for (const QString& row : lookuptest::Rows(form))
        out << row.split(QLatin1Char('|')).value(k);
    return out;
}

void clickHeader(FrmConsComprobantes& form, int index)
{
    QHeaderView* header = form.ListView1->header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(index - 1) + 4, header->height() / 2));
}

} // namespace

class TstVoucherList : public QObject {
    Q_OBJECT

private slots:
    void columnsByGroup_data()
    {
        QTest::addColumn<QString>("tc");
        QTest::addColumn<QStringList>("headers");
        QTest::addColumn<QList<int>>("letters");
        const QStringList sales{"FECHA", "COMPROBANTE", "ID", "NOMBRE", "Referencia", "IMPORTE"};
        const QStringList others{"FECHA", "COMPROBANTE", "CUENTA", "NOMBRE", "CONCEPTO", "IMPORTE"};
        const QList<int> othersX{13, 15, 15, 21, 21, 10};
        QTest::newRow("transport, small letters") << "rm-t" << QStringList{"ID", "COMPROBANTE", "COMPLEMENTO", "FECHA", "CUENTA"}
                                                  << QList<int>{5, 15, 6, 20, 13};
        QTest::newRow("sales, mixed case") << "Rm" << sales << QList<int>{20, 15, 5, 21, 15, 10};
        QTest::newRow("purchases") << "NDPR" << QStringList{"FECHA", "COMPROBANTE", "PROVEEDOR", "NOMBRE", "CONCEPTO", "IMPORTE"}
                                   << QList<int>{13, 15, 15, 21, 21, 10};
        QTest::newRow("budgets") << "PR" << QStringList{"FECHA", "COMPROBANTE", "NOMBRE", "ID", "Referencia", "IMPORTE"}
                                 << QList<int>{13, 15, 21, 5, 21, 10};
        QTest::newRow("third parties") << "T3" << QStringList{"Nº Int.", "FECHA", "COMPROBANTE", "ID", "FH Envio", "FH Recep"}
                                       << QList<int>{7, 13, 15, 4, 10, 10};
        QTest::newRow("purchase orders: supplier before voucher")
            << "OC" << QStringList{"FECHA", "PROVEEDOR", "COMPROBANTE", "IMPORTE", "COMENTARIOS", "Inf. Recepción"}
            << QList<int>{13, 13, 17, 9, 15, 15};
        QTest::newRow("any other type") << "XYZ" << others << othersX;
        QTest::newRow("no type") << "" << others << othersX;
        QTest::newRow("a type with a trailing blank") << "RM " << others << othersX;
    }
    void columnsByGroup()
    {
        QFETCH(QString, tc);
        QFETCH(QStringList, headers);
        QFETCH(QList<int>, letters);
        VoucherFixture db;
        FrmConsComprobantes form;
        form.TC = tc;
        form.Encolumnar();
        QCOMPARE(lookuptest::Headers(form), headers);
        // Each column its run of "X", or its header with the sort arrow where that is wider
        // ("COMPLEMENTO" has 6 X).
        for (int i = 0; i < letters.size(); ++i)
            QCOMPARE(form.ListView1->ColumnHeaders(i + 1).Width(),
                     qMax(ui::TextWidthX(form, letters[i]), form.ListView1->HeaderWidth(headers[i])));
        const int complemento = int(headers.indexOf(QStringLiteral("COMPLEMENTO")));
        if (complemento >= 0)
            QVERIFY(form.ListView1->ColumnHeaders(complemento + 1).Width() > ui::TextWidthX(form, letters[complemento]));
    }

    void imageIndexByTag_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<int>("index");
        QTest::newRow("FC") << "FC" << int(FC);
        QTest::newRow("small letters") << "fc" << int(FC);
        QTest::newRow("blanks around") << " FC  " << int(FC);
        QTest::newRow("no picture of its own") << "RM" << int(Generico);
        QTest::newRow("Generico") << "Generico" << int(Generico);
        QTest::newRow("OCG") << "OCG" << int(OCG);
        QTest::newRow("OC") << "OC" << int(OC);
        QTest::newRow("Anulado") << "anulado" << int(Anulado);
        QTest::newRow("empty") << "" << int(Generico);
    }
    void imageIndexByTag()
    {
        QFETCH(QString, tag);
        QFETCH(int, index);
        FrmConsComprobantes form;
        QCOMPARE(form.ImageList1->ListImages().Count(), 11);
        QCOMPARE(int(form.ObtieneIndiceImagen(tag)), index);
        QCOMPARE(form.ImageList1->ListImages().Item(index).Picture().size(), QSize(16, 16));
    }

    void rowIcons_data()
    {
        QTest::addColumn<QString>("tc");
        QTest::addColumn<QString>("id");
        QTest::addColumn<int>("icon");
        QTest::newRow("an approved invoice") << "FC" << "000100000118A" << int(Aprobado);
        QTest::newRow("a voided invoice") << "FC" << "000100000119A" << int(Anulado);
        QTest::newRow("an order prepared, not approved, pending") << "NP/PENDIENTES" << "000100000046X" << int(Aprobado);
        QTest::newRow("the same order among all") << "NP" << "000100000046X" << int(Generico);
        QTest::newRow("an order neither approved nor prepared") << "NP/PENDIENTES" << "999900000002X" << int(Generico);
        QTest::newRow("a budget") << "PR" << "000100000003X" << int(PR);
        QTest::newRow("a purchase order") << "OC" << "000100000021X" << int(OC);
        QTest::newRow("a purchase order with a guarantee") << "OC" << "000100000022X" << int(OCG);
        QTest::newRow("a purchase invoice") << "FCC" << "000100004512A" << int(Generico);
        QTest::newRow("a supplier credit note") << "NCPE" << "000300000871A" << int(Generico);
        QTest::newRow("a transport delivery note") << "RM/TRANSPORTE" << "000100000058R" << 0;
        QTest::newRow("sent to a third party") << "T3" << "000100000118A" << 0;
    }
    void rowIcons()
    {
        QFETCH(QString, tc);
        QFETCH(QString, id);
        QFETCH(int, icon);
        VoucherFixture db;
        auto form = Loaded(tc);
        const ui::ListItem item = lookuptest::ItemOf(*form, id);
        QVERIFY2(!item.isNothing(), qPrintable(id));
        QCOMPARE(item.SmallIcon(), icon);
        QCOMPARE(item.Icon(), icon);
    }

    void aVoidedPurchaseVoucherShowsVoided()
    {
        VoucherFixture db({QStringLiteral("UPDATE C_MV_CPTE SET ANULADA = 1 WHERE TC = 'FCC' AND IDCOMPROBANTE = '000100004512A'"),
                           QStringLiteral("UPDATE C_MV_CPTE SET ANULADA = NULL WHERE TC = 'RMC' AND IDCOMPROBANTE = '000100003310R'")});
        auto invoices = Loaded(QStringLiteral("FCC"));
        QCOMPARE(lookuptest::ItemOf(*invoices, QStringLiteral("000100004512A")).SmallIcon(), int(Anulado));
        // A Null voided mark is no.
        auto notes = Loaded(QStringLiteral("RMC"));
        QCOMPARE(lookuptest::ItemOf(*notes, QStringLiteral("000100003310R")).SmallIcon(), int(Generico));
    }

    void clickingAColumnSortsAndTurnsTheOrder_data()
    {
        QTest::addColumn<QString>("tc");
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("descending");
        // Dates by date (a text sort would put 20/11 before 02/12), amounts by value (a
        // text sort would put 62840 first).
        QTest::newRow("dates") << "OC" << 1 << QStringList{"02/12/26", "20/11/26"};
        QTest::newRow("dates and times") << "FC" << 1
                                         << QStringList{"10/12/2026 09:20:00", "05/12/2026 10:15:00", "04/12/2026 11:30:00",
                                                        "04/12/2026 11:10:00"};
        QTest::newRow("amounts") << "FC" << 6 << QStringList{"105235", "62840", "23000", "18540.5"};
        QTest::newRow("names as text") << "OC" << 5
                                       << QStringList{"Termómetros con garantía de un año", "Reposición mensual"};
    }
    void clickingAColumnSortsAndTurnsTheOrder()
    {
        QFETCH(QString, tc);
        QFETCH(int, column);
        QFETCH(QStringList, descending);
        testsupport::RegionalPin regional;
        VoucherFixture db;
        auto form = Loaded(tc);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        const QString chosen = lookuptest::Rows(*form).first();
        clickHeader(*form, column);
        QCOMPARE(form->ListView1->SortKey(), column - 1);
        QCOMPARE(form->ListView1->SortOrder(), int(ui::lvwDescending));
        QVERIFY(form->ListView1->Sorted());
        QCOMPARE(::column(*form, column - 1), descending);
        clickHeader(*form, column);
        QCOMPARE(form->ListView1->SortOrder(), int(ui::lvwAscending));
        QStringList ascending = descending;
        std::reverse(ascending.begin(), ascending.end());
        QCOMPARE(::column(*form, column - 1), ascending);
        // The chosen row stays chosen, and a click on another column turns the order again.
        QCOMPARE(lookuptest::RowText(form->ListView1->SelectedItem(), 6), chosen);
        clickHeader(*form, 2);
        QCOMPARE(form->ListView1->SortOrder(), int(ui::lvwDescending));
        QCOMPARE(form->ListView1->SortKey(), 1);
    }
};

TESTSUPPORT_MAIN(TstVoucherList)
#include "tst_voucher_list.moc"
