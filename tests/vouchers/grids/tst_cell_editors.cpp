// TextPropiedades: the field, lookup and length a cell editor takes for a column.
#include "platform/ui/CajaTexto.h"
#include "tests/support/TestMain.h"
#include "tests/support/vouchers/VoucherFixture.h"
#include "vouchers/ClsCmnCptes.h"

#include <QTest>

class TstCellEditors : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { db_ = std::make_unique<testsupport::VoucherFixture>(); }
    void cleanupTestCase() { db_.reset(); }

    void binding_data()
    {
        QTest::addColumn<QString>("editor");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("dataField");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<int>("maxLength");

        QTest::newRow("task code") << "TxtEdit" << int(ColTarea::IdTarea) << "IdTarea" << "v_ta_tareas" << 4;
        QTest::newRow("task description") << "txtEdit" << int(ColTarea::Descripcion) << "Descripcion" << "" << 0;
        QTest::newRow("task hours") << "TXTEDIT" << int(ColTarea::Cantidad) << "HorasEstimadas" << "" << 0;
        QTest::newRow("task hourly value") << "TxtEdit" << int(ColTarea::Importe) << "ValorHora" << "" << 0;
        QTest::newRow("task total") << "TxtEdit" << int(ColTarea::Total) << "Total" << "" << 0;
        QTest::newRow("task column 5") << "TxtEdit" << int(ColTarea::EsExento) << "" << "" << 0;

        QTest::newRow("article code") << "TxtEdit2" << int(ColArticulo::IdArticulo) << "IdArticulo" << "v_ma_articulos" << 35;
        QTest::newRow("article description") << "TxtEdit2" << int(ColArticulo::Descripcion) << "Descripcion" << "" << 50;
        QTest::newRow("price list") << "TXTAUX1" << int(ColArticulo::ListaPrecio) << "IdListaPrecioArticulo" << "V_MA_PRECIOS" << 4;
        QTest::newRow("thickness") << "TXTAUX2" << int(ColArticulo::Espesor) << "Espesor" << "" << 0;
        QTest::newRow("width") << "TXTAUX3" << int(ColArticulo::Ancho) << "Ancho" << "" << 0;
        QTest::newRow("unit") << "TxtEdit2" << int(ColArticulo::Unidad) << "IdUnidad" << "V_TA_UNIDAD" << 4;
        QTest::newRow("deposit") << "TxtEdit2" << int(ColArticulo::Deposito) << "IdDepositoArt" << "V_TA_DEPOSITO" << 4;
        QTest::newRow("quantity") << "TxtEdit2" << int(ColArticulo::Cantidad) << "Cantidad" << "" << 0;
        QTest::newRow("length") << "TxtEdit2" << int(ColArticulo::Largo) << "Largo" << "" << 0;
        QTest::newRow("equivalent unit") << "TxtEdit2" << int(ColArticulo::UnidadEquiv) << "IdUnidadEquiv" << "V_TA_UNIDAD" << 4;
        QTest::newRow("equivalent quantity") << "TxtEdit2" << int(ColArticulo::CantidadEquiv) << "CantidadEquiv" << "" << 0;
        QTest::newRow("discount") << "TxtEdit2" << int(ColArticulo::PorcDescuento) << "PorcDtoArticulo" << "" << 0;
        QTest::newRow("price unit") << "TxtEdit2" << int(ColArticulo::UnidadPrecio) << "Ud_Pr" << "V_TA_UNIDAD" << 4;
        QTest::newRow("unit amount") << "TxtEdit2" << int(ColArticulo::ImporteUnidad) << "Importe_Ud" << "" << 0;
        QTest::newRow("amount") << "TxtEdit2" << int(ColArticulo::Importe) << "ArtImporte" << "" << 0;
        QTest::newRow("total") << "TxtEdit2" << int(ColArticulo::Total) << "Total" << "" << 0;
        QTest::newRow("taxes") << "TxtEdit2" << int(ColArticulo::Impuestos) << "Impuestos" << "" << 0;
        QTest::newRow("fuel tax") << "TxtEdit2" << int(ColArticulo::ITC) << "ITC" << "" << 0;
        QTest::newRow("article column 16") << "TxtEdit2" << int(ColArticulo::EsExento) << "" << "" << 0;
        QTest::newRow("article column 18") << "TxtEdit2" << int(ColArticulo::TotalLinea) << "" << "" << 0;
        QTest::newRow("name with blanks") << "  txtedit2 " << int(ColArticulo::IdArticulo) << "IdArticulo" << "v_ma_articulos" << 35;

        QTest::newRow("concept detail") << "TxtEdit3" << int(ColOtroConcepto::Detalle) << "OCDescripcion"
                                        << "MA_CUENTAS/SOLOIMPUTABLES" << 200;
        QTest::newRow("concept amount without VAT") << "TxtEdit3" << int(ColOtroConcepto::ImporteSinIVA) << "OCImporteSinIva" << "" << 0;
        QTest::newRow("concept amount") << "TxtEdit3" << int(ColOtroConcepto::Importe) << "OCImporte" << "" << 0;
        QTest::newRow("concept column 3") << "TxtEdit3" << int(ColOtroConcepto::Cuenta) << "" << "" << 0;

        // The editor decides the table: the same column means another field elsewhere.
        QTest::newRow("task editor on column 7") << "TxtEdit" << 7 << "" << "" << 0;
        QTest::newRow("concept editor on column 5") << "TxtEdit3" << 5 << "" << "" << 0;
        QTest::newRow("other editor") << "txtFecha" << 0 << "" << "" << 0;
        QTest::newRow("TXTAUX4 is no article editor") << "TXTAUX4" << 0 << "" << "" << 0;
    }
    void binding()
    {
        QFETCH(QString, editor);
        QFETCH(int, column);
        QFETCH(QString, dataField);
        QFETCH(QString, tag);
        QFETCH(int, maxLength);
        CajaTexto box;
        box.setObjectName(editor);
        // Whatever the editor held before is reset.
        box.SetDataField(QStringLiteral("Anterior"));
        box.SetTag(QStringLiteral("V_TA_ANTERIOR"));
        box.SetMaxLength(9);
        ClsCmnCptes().TextPropiedades(box, column);
        QCOMPARE(box.DataField(), dataField);
        QCOMPARE(box.Tag(), tag);
        QCOMPARE(box.MaxLength(), maxLength);
    }

private:
    std::unique_ptr<testsupport::VoucherFixture> db_;
};

TESTSUPPORT_MAIN(TstCellEditors)
#include "tst_cell_editors.moc"
