// The size-colour-sex dialog: its controls, loading, the entry line, the grid's quantity
// cells, OK and Cancel.
#include "vouchers/lots/FrmTalle.h"

#include "data/DB_Dll.h"
#include "frame/Format.h"
#include "frame/ManejaError.h"
#include "frame/Skin.h"
#include "platform/ui/CajaTexto.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Keys.h"
#include "platform/ui/Metrics.h"
#include "platform/ui/Operator.h"
#include "platform/vb/ErrorAnswer.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"
#include "vouchers/grids/GridHelpers.h"
#include "vouchers/lots/DialogButtons.h"
#include "vouchers/lots/DialogGrid.h"

#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using lotdialogs::CellQuantity;
using lotdialogs::ConfirmingKey;
using lotdialogs::QuantityText;

namespace {

const QString kAviso = QStringLiteral("Aviso al operador...");
const QString kSinDefinir = QStringLiteral("SIN DEFINIR");

// A statement under the library's error routine: 4 repeats it, 5 goes on, any other
// answer leaves the procedure (false). With `salvo5`, error 5 goes on without a word.
bool conTrataError(const QString& rutina, const std::function<void()>& sentencia, bool salvo5 = false)
{
    const auto manejador = [salvo5](const vb::VbError& e, const QString& r) {
        return salvo5 && e.Number == vb::ErrInvalidCall ? int(vb::AnswerIgnore) : Utilidades->TrataError(e, r);
    };
    return vb::guarded(manejador, rutina, sentencia) != vb::Step::Leave;
}

// Why a quantity typed for a combination cannot stand, or "" when it can.
QString rechazoDeCantidad(const QString& texto)
{
    vb::Currency cantidad;
    if (!lotdialogs::ReadQuantity(texto, cantidad))
        return QStringLiteral("La Cantidad debe ser un Número");
    if (cantidad < vb::Currency())
        return QStringLiteral("La Cantidad no puede ser Menor a Cero");
    return QString();
}

void avisa(const QString& mensaje)
{
    ui::MsgBox(mensaje, ui::vbCritical + ui::vbOKOnly, kAviso);
}

bool esVerdadero(const vb::Variant& valor)
{
    if (valor.isNumeric())
        return valor.toDouble() != 0;
    return ValorBooleano(vb::Trim(valor.toString()), false);
}

} // namespace

void ExtraeTalles_colores_sexo(const QString& Lista, const QString& Separador, QStringList& Talles, QStringList& Colores,
                               QStringList& Sexos)
{
    const auto paso = [](const std::function<void()>& sentencia) {
        return vb::guarded([](const vb::VbError& e, const QString& r) { return int(ManejaError(e, std::nullopt, r)); },
                           QStringLiteral("ExtraeTalles_colores_sexo%"), sentencia)
            != vb::Step::Leave;
    };
    Talles = Colores = Sexos = QStringList{QString()};
    QString resto = vb::Trim(Lista);
    if (resto.startsWith(QLatin1Char('|')))
        resto.remove(0, 1);
    if (!paso([&] {
            while (resto.contains(QLatin1Char('|'))) {
                const qsizetype fin = resto.indexOf(QLatin1Char('|'));
                Talles.last() = vb::Trim(resto.left(fin));
                Talles.append(QString());
                resto = resto.mid(fin + 1);
                if (vb::Trim(resto).isEmpty())
                    break;
            }
        }))
        return;
    // A part is cut at its first separator: what follows belongs to the next array.
    const auto corta = [&](QStringList& de, QStringList& a) {
        for (int i = 0; i + 1 < de.size(); ++i) {
            const int en = vb::InStr(1, de[i], Separador, vb::vbTextCompare);
            a.last() = en > 0 ? vb::Mid(de[i], en + vb::Len(Separador)) : QString();
            a.append(QString());
            if (en > 0)
                de[i] = vb::Left(de[i], en - 1);
        }
    };
    if (paso([&] { corta(Talles, Colores); }))
        paso([&] { corta(Colores, Sexos); });
}

// ---- construction and loading ----

FrmTalle::FrmTalle(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmTalle"));
    setWindowTitle(QStringLiteral("Información de los Talles, Colores, Sexos"));

    const auto lista = [this](const QString& nombre) {
        auto* combo = new QComboBox(this);
        combo->setObjectName(nombre);
        combo->setEditable(true);
        // A typed entry is used as it is, never added to the offered ones.
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setMinimumContentsLength(10);
        return combo;
    };
    dpdTalle = lista(QStringLiteral("dpdTalle"));
    dpdColor = lista(QStringLiteral("dpdColor"));
    dpdSexo = lista(QStringLiteral("dpdSexo"));
    dpdSexo->addItems({QStringLiteral("H - HOMBRE"), QStringLiteral("M - MUJER"), QStringLiteral("U - UNISEX")});
    txtCantidad = new CajaTexto(this);
    txtCantidad->setObjectName(QStringLiteral("txtCantidad"));
    txtCantidad->setAlignment(Qt::AlignRight);
    txtCantidad->setToolTip(QStringLiteral(
        "El sistema propone la cantidad segun lo pedido en el formulario y las cantidades informadas en la grilla"));
    MSFlexGrid1 = new ui::FlexGrid(this);
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    txtEdit = lotdialogs::FloatingEditor(this);
    CmdAceptar = lotdialogs::DialogButton(this, QStringLiteral("CmdAceptar"), QStringLiteral("&Aceptar"));
    CmdAceptar->setToolTip(QStringLiteral("(F2) Graba la grilla"));
    CmdCancelar = lotdialogs::DialogButton(this, QStringLiteral("CmdCancelar"), QStringLiteral("&Cancelar"));
    CmdCancelar->setToolTip(QStringLiteral("(ESC) Borra la grilla"));

    auto* linea = new QGridLayout;
    const QStringList titulos = {QStringLiteral("Talle"), QStringLiteral("Color"), QStringLiteral("Sexo"),
                                 QStringLiteral("Cantidad")};
    const QList<QWidget*> cajas = {dpdTalle, dpdColor, dpdSexo, txtCantidad};
    for (int i = 0; i < cajas.size(); ++i) {
        auto* titulo = new QLabel(titulos.at(i), this);
        titulo->setBuddy(cajas.at(i));
        linea->addWidget(titulo, 0, i);
        linea->addWidget(cajas.at(i), 1, i);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(linea);
    layout->addWidget(MSFlexGrid1, 1);
    layout->addLayout(lotdialogs::ButtonRow(CmdAceptar, CmdCancelar));
    resize(520, 380);
    setTabOrder(dpdTalle, dpdColor);
    setTabOrder(dpdColor, dpdSexo);
    setTabOrder(dpdSexo, txtCantidad);
    setTabOrder(txtCantidad, MSFlexGrid1);
    setTabOrder(MSFlexGrid1, CmdAceptar);
    setTabOrder(CmdAceptar, CmdCancelar);

    editor_ = std::make_unique<lotdialogs::CellEditor>(*MSFlexGrid1, *txtEdit);

    connect(CmdAceptar, &QPushButton::clicked, this, &FrmTalle::CmdAceptar_Click);
    connect(CmdCancelar, &QPushButton::clicked, this, &FrmTalle::CmdCancelar_Click);
    connect(txtCantidad, &CajaTexto::KeyDown, this, &FrmTalle::txtCantidad_KeyDown);
    connect(txtCantidad, &CajaTexto::GotFocus, txtCantidad, &QLineEdit::selectAll);
    connect(MSFlexGrid1, &ui::FlexGrid::KeyDown, this, &FrmTalle::MSFlexGrid1_KeyDown);
    connect(MSFlexGrid1, &ui::FlexGrid::KeyPress, this, &FrmTalle::MSFlexGrid1_KeyPress);
    connect(MSFlexGrid1, &ui::FlexGrid::GotFocus, this, &FrmTalle::MSFlexGrid1_GotFocus);
    connect(MSFlexGrid1, &ui::FlexGrid::LeaveCell, this, &FrmTalle::MSFlexGrid1_LeaveCell);
    connect(MSFlexGrid1, &ui::FlexGrid::EnterCell, this, &FrmTalle::MSFlexGrid1_EnterCell);
    connect(MSFlexGrid1, &ui::FlexGrid::Click, this, [this] { TextPropiedades(txtEdit, MSFlexGrid1->Col()); });
    connect(MSFlexGrid1, &ui::FlexGrid::DblClick, this, [this] {
        int KeyAscii = ui::vbKeySpace;
        MsflexGridEdt(MSFlexGrid1, txtEdit, KeyAscii);
    });
    connect(txtEdit, &CajaTexto::KeyDown, this, &FrmTalle::txtEdit_KeyDown);
    connect(txtEdit, &CajaTexto::KeyPress, this, &FrmTalle::txtEdit_KeyPress);
    connect(txtEdit, &CajaTexto::GotFocus, this, [this] { TextPropiedades(txtEdit, MSFlexGrid1->Col()); });
    // The dialog sees every key before its controls.
    for (QWidget* w : {static_cast<QWidget*>(dpdTalle), static_cast<QWidget*>(dpdColor), static_cast<QWidget*>(dpdSexo),
                       static_cast<QWidget*>(txtCantidad), static_cast<QWidget*>(MSFlexGrid1),
                       static_cast<QWidget*>(txtEdit), static_cast<QWidget*>(CmdAceptar),
                       static_cast<QWidget*>(CmdCancelar)})
        w->installEventFilter(this);
    for (QComboBox* combo : {dpdTalle, dpdColor, dpdSexo})
        combo->lineEdit()->installEventFilter(this);
}

FrmTalle::~FrmTalle() = default;

void FrmTalle::Load()
{
    if (loaded_)
        return;
    loaded_ = true;
    Form_Load();
}

void FrmTalle::Form_Load()
{
    Utilidades->PreparaFormulario(this, false);
    AsignaIconoYEstilo(this);
    InicializaGrilla();
    AsignarDatos();
    MuestraCantidadRestante();
}

void FrmTalle::InicializaGrilla()
{
    ui::FlexGrid& g = *MSFlexGrid1;
    g.Clear();
    g.SetCols(2);
    g.SetFixedCols(0);
    g.SetRows(2);
    g.SetTextMatrix(0, ColCantidad, QStringLiteral("Cantidad"));
    g.SetColWidth(ColCodigo, ui::TextWidth(*this, QStringLiteral("XXXXXXXXXXXXX")));
    g.SetColWidth(ColCantidad, ui::TextWidth(*this, QStringLiteral("CantidadX")));
    g.SetColAlignment(ColCantidad, ui::flexAlignRightCenter);
    g.SetRow(1);
    g.SetCol(ColCantidad);
}

QStringList FrmTalle::Habilitados(const QString& Clave)
{
    DB_Dll& db = *gDBPrincipal;
    ado::Recordset rs;
    db.AbrirRecordset(QStringLiteral("SELECT valor from ta_configuracion where clave=") + vouchergrids::Literal(Clave), rs);
    QString valor;
    if (!rs.EOF())
        valor = vouchergrids::FieldText(rs, QStringLiteral("Valor"));
    db.CierraRecordset(rs);
    QStringList piezas;
    Divide(valor, QStringLiteral(","), piezas);
    QStringList habilitados;
    for (const QString& pieza : piezas)
        if (!vb::Trim(pieza).isEmpty())
            habilitados << vb::Trim(pieza);
    if (habilitados.isEmpty())
        habilitados << kSinDefinir;
    return habilitados;
}

void FrmTalle::AsignarDatos()
{
    talles_ = Habilitados(QStringLiteral("TallesHabilitados"));
    colores_ = Habilitados(QStringLiteral("ColoresHabilitados"));
    dpdTalle->clear();
    dpdTalle->addItems(talles_);
    dpdColor->clear();
    dpdColor->addItems(colores_);
    for (QComboBox* combo : {dpdTalle, dpdColor, dpdSexo})
        combo->setCurrentIndex(0);

    if (!TalleColorSexo.isEmpty()) {
        TalleColorSexo = vb::Trim(TalleColorSexo);
        Cantidades = vb::Trim(Cantidades);
        QStringList talles, colores, sexos, cantidades;
        ExtraeTalles_colores_sexo(TalleColorSexo, QStringLiteral("-"), talles, colores, sexos);
        QString resto = Cantidades.size() >= 2 ? Cantidades.mid(1, Cantidades.size() - 2) : QString();
        Divide(resto, QStringLiteral("|"), cantidades);
        // A combination whose size or colour is no longer offered, or whose quantity is
        // not above 0, is left out; a code given twice is added up into one row.
        for (int i = 0; i + 1 < talles.size(); ++i) {
            const QString cantidad = i < cantidades.size() ? cantidades.at(i) : QString();
            if (talles.at(i).isEmpty() || IndiceEnArray(talles_, talles.at(i), 0) < 0
                || IndiceEnArray(colores_, colores.at(i), 0) < 0 || CellQuantity(cantidad) <= vb::Currency())
                continue;
            AgregaEnGrilla(talles.at(i), colores.at(i), sexos.at(i), cantidad);
        }
    }
    SeleccionaDefaults();
}

void FrmTalle::SeleccionaDefaults()
{
    DB_Dll& db = *gDBPrincipal;
    ado::Recordset rs;
    db.AbrirRecordset(QStringLiteral("SELECT UsaTalle,TalleDefault,ColorDefault,SexoDefault from v_ma_articulos where idarticulo=")
                          + db.SQLValue(Utilidades->AjustaLargo(eIdArticulo, 25)).toString(),
                      rs);
    if (!rs.EOF() && esVerdadero(Utilidades->ValorCampo(rs.Fields(QStringLiteral("UsaTalle"))))) {
        const auto valor = [&](const QString& campo) {
            return vb::Trim(vouchergrids::FieldText(rs, campo));
        };
        dpdTalle->setCurrentIndex(qMax<int>(0, IndiceEnArray(talles_, valor(QStringLiteral("TalleDefault")), 0)));
        dpdColor->setCurrentIndex(qMax<int>(0, IndiceEnArray(colores_, valor(QStringLiteral("ColorDefault")), 0)));
        const int sexo = int(QStringLiteral("HMU").indexOf(valor(QStringLiteral("SexoDefault")).toUpper()));
        dpdSexo->setCurrentIndex(valor(QStringLiteral("SexoDefault")).size() == 1 && sexo >= 0 ? sexo : 0);
    }
    db.CierraRecordset(rs);
}

// ---- totals ----

double FrmTalle::CantidadEnGrilla()
{
    vb::Currency total;
    for (int fila = 1; fila < MSFlexGrid1->Rows(); ++fila)
        if (!vb::Trim(MSFlexGrid1->TextMatrix(fila, ColCodigo)).isEmpty())
            total += CellQuantity(MSFlexGrid1->TextMatrix(fila, ColCantidad));
    return total.toDouble();
}

void FrmTalle::MuestraCantidadRestante()
{
    const vb::Currency resto = vb::Currency::fromDouble(CantidadPedida) - vb::Currency::fromDouble(CantidadEnGrilla());
    CantidadRestante = resto.toDouble();
    txtCantidad->setText(resto >= vb::Currency() ? QuantityText(resto) : QStringLiteral("0"));
}

// ---- the entry line ----

bool FrmTalle::AgregaEnGrilla(const QString& Talle, const QString& Color, const QString& Sexo, const QString& Cantidad)
{
    if (Talle.isEmpty() || Color.isEmpty()) {
        avisa(QStringLiteral("Debe informar el Talle y el Color"));
        return false;
    }
    if (Talle.contains(QLatin1Char('-')) || Color.contains(QLatin1Char('-'))) {
        avisa(QStringLiteral("El Talle y el Color no pueden contener \"-\""));
        return false;
    }
    const QString codigo = Talle + QLatin1Char('-') + Color + QLatin1Char('-') + Sexo.left(1);
    ui::FlexGrid& g = *MSFlexGrid1;
    int fila = 0;
    if (ExisteEnGrid(codigo, -1, fila)) {
        g.SetTextMatrix(fila, ColCantidad, QuantityText(CellQuantity(g.TextMatrix(fila, ColCantidad)) + CellQuantity(Cantidad)));
        return true;
    }
    if (g.Rows() == 2 && vb::Trim(g.TextMatrix(1, ColCodigo)).isEmpty()) {
        fila = 1;
    } else {
        fila = g.Rows();
        g.SetRows(fila + 1);
    }
    g.SetTextMatrix(fila, ColCodigo, codigo);
    g.SetTextMatrix(fila, ColCantidad, QuantityText(CellQuantity(Cantidad)));
    return true;
}

bool FrmTalle::EnterEnCaja(QObject* caja)
{
    const QList<QPair<QComboBox*, QWidget*>> siguientes = {
        {dpdTalle, dpdColor}, {dpdColor, dpdSexo}, {dpdSexo, txtCantidad}};
    for (const auto& [combo, siguiente] : siguientes) {
        if (caja == combo || caja == combo->lineEdit()) {
            siguiente->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return false;
}

void FrmTalle::txtCantidad_KeyDown(int& KeyCode, int Shift)
{
    Q_UNUSED(Shift);
    if (KeyCode != ui::vbKeyReturn)
        return;
    KeyCode = 0;
    const QString texto = txtCantidad->text();
    const QString rechazo = rechazoDeCantidad(texto);
    if (!rechazo.isEmpty()) {
        avisa(rechazo);
        txtCantidad->selectAll();
        return;
    }
    if (CellQuantity(texto) <= vb::Currency()) {
        CmdAceptar->setFocus(Qt::TabFocusReason);
        return;
    }
    if (!AgregaEnGrilla(vb::Trim(dpdTalle->currentText()), vb::Trim(dpdColor->currentText()), dpdSexo->currentText().left(1),
                        texto))
        return;
    MuestraCantidadRestante();
    if (CantidadRestante > 0)
        dpdTalle->setFocus(Qt::TabFocusReason);
    else
        CmdAceptar->setFocus(Qt::TabFocusReason);
}

// ---- the grid's quantity cells ----

bool FrmTalle::ColEdit(int Col, int Row)
{
    return Col == ColCantidad && Row >= 1 && Row < MSFlexGrid1->Rows()
        && !vb::Trim(MSFlexGrid1->TextMatrix(Row, ColCodigo)).isEmpty();
}

void FrmTalle::TextPropiedades(CajaTexto* Edt, int Col)
{
    switch (Col) {
    case ColCodigo:
        Edt->SetDataField(QStringLiteral("TalleColorSexo"));
        Edt->SetMaxLength(40);
        break;
    case ColCantidad:
        Edt->SetDataField(QStringLiteral("Cantidad"));
        Edt->SetMaxLength(11);
        break;
    default:
        Edt->SetDataField(QString());
        Edt->SetMaxLength(25);
        break;
    }
}

void FrmTalle::BlanqueaFila(ui::FlexGrid* MsFlexGrid, int Fila, int Desde)
{
    for (int col = Desde; col < MsFlexGrid->Cols(); ++col)
        MsFlexGrid->SetTextMatrix(Fila, col, QString());
}

bool FrmTalle::ExisteEnGrid(const QString& Texto, int FilaOmitir, int& FilaEncontrada)
{
    const QString buscado = vb::Trim(Texto);
    for (int fila = 1; fila < MSFlexGrid1->Rows(); ++fila) {
        if (fila == FilaOmitir)
            continue;
        if (vb::Trim(MSFlexGrid1->TextMatrix(fila, ColCodigo)).compare(buscado, Qt::CaseInsensitive) == 0) {
            FilaEncontrada = fila;
            return true;
        }
    }
    return false;
}

void FrmTalle::MsflexGridEdt(ui::FlexGrid* MsFlexGrid, CajaTexto* Edt, int& KeyAscii)
{
    conTrataError(QStringLiteral("MSFLEXGRIDEDT"), [&] {
        const int fila = MsFlexGrid->Row();
        if (!ColEdit(MsFlexGrid->Col(), fila)) {
            // On a code, a key moves on to the next combination.
            if (fila >= 1 && !vb::Trim(MsFlexGrid->TextMatrix(fila, ColCodigo)).isEmpty() && fila < MsFlexGrid->Rows() - 1)
                MsFlexGrid->SetRow(fila + 1);
            return;
        }
        TextPropiedades(Edt, MsFlexGrid->Col());
        editor_->Open(KeyAscii);
    }, true);
}

void FrmTalle::MsflexKey(ui::FlexGrid* MsFlexGrid, int& KeyCode)
{
    if (KeyCode != ui::vbKeyDelete)
        return;
    conTrataError(QStringLiteral("MSFlexGrid1_KeyDown"), [&] {
        const int fila = MsFlexGrid->Row();
        if (fila < 1)
            return;
        // The only row is emptied instead, so that the grid keeps one.
        if (MsFlexGrid->Rows() > 2)
            MsFlexGrid->RemoveItem(fila);
        else
            BlanqueaFila(MsFlexGrid, fila, 0);
        MuestraCantidadRestante();
    });
}

void FrmTalle::CampoValida(CajaTexto* Texto, bool Flag)
{
    Q_UNUSED(Flag);
    errorEnCampo_ = false;
    conTrataError(QStringLiteral("CAMPO_VALIDA"), [&] {
        if (vb::Trim(Texto->DataField()) != QLatin1String("Cantidad"))
            return;
        const QString rechazo = rechazoDeCantidad(Texto->text());
        if (rechazo.isEmpty())
            return;
        avisa(rechazo);
        Texto->selectAll();
        errorEnCampo_ = true;
    });
}

bool FrmTalle::AsientaEdicion()
{
    const QString texto = vb::Trim(txtEdit->text());
    const int fila = MSFlexGrid1->Row();
    const int col = MSFlexGrid1->Col();
    txtEdit->hide();
    if (!ColEdit(col, fila))
        return true;
    QString rechazo = rechazoDeCantidad(texto);
    if (rechazo.isEmpty() && CellQuantity(texto) == vb::Currency())
        rechazo = QStringLiteral("La Cantidad debe ser Mayor a Cero");
    if (!rechazo.isEmpty()) {
        avisa(rechazo);
        return false;
    }
    MSFlexGrid1->SetTextMatrix(fila, col, QuantityText(CellQuantity(texto)));
    MuestraCantidadRestante();
    return true;
}

void FrmTalle::EditKeyCode(ui::FlexGrid* MsFlexGrid, CajaTexto* Edt, int& KeyCode, int Shift)
{
    Q_UNUSED(MsFlexGrid);
    Q_UNUSED(Edt);
    Q_UNUSED(Shift);
    // Enter lands the quantity and stays on its row.
    conTrataError(QStringLiteral("EditKeyCode"),
                  [&] { editor_->AfterConfirm(KeyCode, [this] { MSFlexGrid1_GotFocus(); }, {}); }, true);
}

void FrmTalle::MSFlexGrid1_KeyDown(int& KeyCode, int Shift)
{
    Q_UNUSED(Shift);
    MsflexKey(MSFlexGrid1, KeyCode);
    TextPropiedades(txtEdit, MSFlexGrid1->Col());
    txtEdit->setText(vb::Trim(txtEdit->text()));
}

void FrmTalle::MSFlexGrid1_KeyPress(int& KeyAscii)
{
    MsflexGridEdt(MSFlexGrid1, txtEdit, KeyAscii);
}

void FrmTalle::MSFlexGrid1_GotFocus()
{
    TextPropiedades(txtEdit, MSFlexGrid1->Col());
    if (editor_->IsOpen())
        AsientaEdicion();
}

void FrmTalle::MSFlexGrid1_LeaveCell()
{
    if (editor_->IsOpen())
        AsientaEdicion();
}

void FrmTalle::MSFlexGrid1_EnterCell()
{
    if (!editor_->IsOpen())
        txtEdit->clear();
    TextPropiedades(txtEdit, MSFlexGrid1->Col());
}

void FrmTalle::txtEdit_KeyPress(int& KeyAscii)
{
    TextPropiedades(txtEdit, MSFlexGrid1->Col());
    AyudaEdicion->FiltraTecla(txtEdit, KeyAscii);
}

void FrmTalle::txtEdit_KeyDown(int& KeyCode, int Shift)
{
    Q_UNUSED(Shift);
    const int tecla = KeyCode;
    ConfirmingKey(
        KeyCode,
        [this] {
            CampoValida(txtEdit);
            return !errorEnCampo_;
        },
        [&] {
            TextPropiedades(txtEdit, MSFlexGrid1->Col());
            if (tecla != ui::vbKeyEscape && CellQuantity(txtEdit->text()) == vb::Currency()) {
                // A quantity confirmed as 0 (or emptied) takes its combination out.
                editor_->Drop();
                int borrar = ui::vbKeyDelete;
                MsflexKey(MSFlexGrid1, borrar);
                return;
            }
            int confirma = tecla;
            EditKeyCode(MSFlexGrid1, txtEdit, confirma, 0);
        });
}

// ---- OK and Cancel ----

void FrmTalle::TomarDatos()
{
    TalleColorSexo.clear();
    Cantidades.clear();
    for (int fila = 1; fila < MSFlexGrid1->Rows(); ++fila) {
        const QString codigo = vb::Trim(MSFlexGrid1->TextMatrix(fila, ColCodigo));
        const vb::Currency cantidad = CellQuantity(MSFlexGrid1->TextMatrix(fila, ColCantidad));
        if (codigo.isEmpty() || cantidad <= vb::Currency())
            continue;
        TalleColorSexo += QLatin1Char('|') + codigo;
        Cantidades += QLatin1Char('|') + QuantityText(cantidad);
    }
    if (!vb::Trim(TalleColorSexo).isEmpty())
        TalleColorSexo += QLatin1Char('|');
    if (!vb::Trim(Cantidades).isEmpty())
        Cantidades += QLatin1Char('|');
}

void FrmTalle::BorraDatos()
{
    Talle.clear();
    Color.clear();
    Sexo.clear();
    TalleColorSexo.clear();
    Cantidades = QStringLiteral("0");
}

void FrmTalle::CmdAceptar_Click()
{
    if (editor_->IsOpen() && !AsientaEdicion()) {
        MSFlexGrid1->setFocus(Qt::OtherFocusReason);
        return;
    }
    const vb::Currency total = vb::Currency::fromDouble(CantidadEnGrilla());
    const vb::Currency pedida = vb::Currency::fromDouble(CantidadPedida);
    if (total != pedida) {
        const QString primera = total > pedida
            ? QStringLiteral("Las Cantidades informadas superan a las pedidas en el formulario.")
            : QStringLiteral("Las Cantidades informadas son inferiores a las pedidas en el formulario.");
        if (!ePermiteModificarCantidades) {
            ui::MsgBox(primera + QStringLiteral("\r\nAjuste la Cantidades Informadas !\r\nCantidad Pedida= ")
                           + QuantityText(pedida) + QStringLiteral("\r\nCantidad Informada= ") + QuantityText(total),
                       ui::vbExclamation + ui::vbOKOnly);
            return;
        }
        if (ui::MsgBox(primera + QStringLiteral("\r\nDesea modificar las cantidades del formulario?"),
                       ui::vbQuestion + ui::vbYesNo + ui::vbDefaultButton2)
            != ui::vbYes)
            return;
        CantidadPedida = total.toDouble();
    }
    TomarDatos();
    accept();
}

void FrmTalle::CmdCancelar_Click()
{
    BorraDatos();
    QDialog::reject();
}

void FrmTalle::reject()
{
    CmdCancelar_Click();
}

// ---- keys ----

void FrmTalle::Form_KeyDown(int& KeyCode, int Shift)
{
    Q_UNUSED(Shift);
    if (KeyCode == ui::vbKeyF2) {
        KeyCode = 0;
        CmdAceptar_Click();
    } else if (KeyCode == ui::vbKeyEscape) {
        KeyCode = 0;
        CmdCancelar_Click();
    }
}

bool FrmTalle::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        int KeyCode = ui::VbKeyCode(*key);
        // Esc in the cell editor closes the editor only.
        if (watched == txtEdit && KeyCode == ui::vbKeyEscape)
            return QDialog::eventFilter(watched, event);
        if (KeyCode == ui::vbKeyReturn && EnterEnCaja(watched))
            return true;
        if (KeyCode != 0) {
            Form_KeyDown(KeyCode, ui::VbShift(key->modifiers()));
            if (KeyCode == 0)
                return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FrmTalle::showEvent(QShowEvent* event)
{
    Load();
    QDialog::showEvent(event);
    dpdTalle->setFocus(Qt::OtherFocusReason);
}
