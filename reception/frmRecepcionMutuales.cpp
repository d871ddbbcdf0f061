// The reception form: its controls, start-up, layout and shutdown.
#include "reception/frmRecepcionMutuales.h"

#include "data/DB_Dll.h"
#include "frame/ModGlobal.h"
#include "frame/Skin.h"
#include "lookup/Lib_ClsCons3.h"
#include "platform/ui/Keys.h"
#include "platform/ui/Metrics.h"
#include "platform/ui/Operator.h"
#include "platform/vb/App.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"
#include "reception/ErrorTraps.h"
#include "reception/MutualesStore.h"
#include "widgets/Dll_Display.h"
#include "widgets/UtilKor.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

using reception::Ignora;
using reception::Paso;

namespace {

// Positions and sizes of the design, in twips.
constexpr int kMargin = 75;
constexpr int kHeaderHeight = 1620;
constexpr int kDetailHeight = 330;
constexpr int kBoxHeight = 330;
constexpr int kMarkColumnWidth = 1200;   // column 0, "Grabar Fila": the Grabar button's width

int px(int twips) { return ui::TwipsToPixels(twips); }

void place(QWidget* w, int left, int top, int width, int height)
{
    w->setGeometry(px(left), px(top), px(width), px(height));
}

QLabel* label(QWidget* parent, const QString& caption, int left, int top, int width)
{
    auto* l = new QLabel(caption, parent);
    l->setObjectName(QStringLiteral("Label1"));
    place(l, left, top, width, kBoxHeight);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

} // namespace

frmRecepcionMutuales::frmRecepcionMutuales(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmRecepcionMutuales"));
    setWindowTitle(QStringLiteral("Recepción de Mutuales"));
    buildControls();
    connectEvents();
    resize(1240, 720);
}

frmRecepcionMutuales::~frmRecepcionMutuales() = default;

void frmRecepcionMutuales::buildControls()
{
    UtilKor1 = new UtilKor(this);
    UtilKor1->setObjectName(QStringLiteral("UtilKor1"));
    const int toolbarHeight = ui::PixelsToTwips(qMax(UtilKor1->sizeHint().height(), 30));
    place(UtilKor1, 0, 0, 15000, toolbarHeight);

    frmEncabezado = new QGroupBox(this);
    frmEncabezado->setObjectName(QStringLiteral("frmEncabezado"));
    place(frmEncabezado, kMargin, toolbarHeight + 60, 15000, kHeaderHeight);
    // The frame has no caption: no room is kept above it for one.
    frmEncabezado->setStyleSheet(QStringLiteral("QGroupBox { margin-top: 0px; }"));

    // Reception date.
    Label1 << label(frmEncabezado, QStringLiteral("Fecha de Recepcion:"), 120, 240, 1900);
    for (int i = 0; i < int(txtFields.size()); ++i) {
        txtFields[i] = new CajaTexto(frmEncabezado, i);
        txtFields[i]->setObjectName(QStringLiteral("txtFields"));
    }
    const struct { const char* field; const char* tag; int maxLength; } design[5] = {
        {"FechaRecepcion", "fecha", 10},
        {"FHD", "fecha", 10},
        {"FHH", "fecha", 10},
        {"CUENTAD", "MA_CUENTAS", 15},
        {"UNEG_rpt", "V_TA_UNIDADNEGOCIO", 4},
    };
    for (int i = 0; i < 5; ++i) {
        txtFields[i]->SetDataField(QString::fromLatin1(design[i].field));
        txtFields[i]->SetTag(QString::fromLatin1(design[i].tag));
        txtFields[i]->SetMaxLength(design[i].maxLength);
        txtFields[i]->SetBackColor(0xFFFFFF);
    }
    place(txtFields[0], 2100, 240, 1400, kBoxHeight);
    QFont dateFont = txtFields[0]->font();
    dateFont.setBold(true);
    txtFields[0]->setFont(dateFont);

    lblTotal = new QLabel(QStringLiteral("Total Recepcion:"), frmEncabezado);
    lblTotal->setObjectName(QStringLiteral("lblTotal"));
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPointSize(11);
    tahoma.setBold(true);
    lblTotal->setFont(tahoma);
    lblTotal->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    place(lblTotal, 9000, 240, 4500, 400);

    // The reception report's filters.
    Picture1 = new QWidget(frmEncabezado);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    place(Picture1, 60, 720, 14000, 420);
    Label1 << label(Picture1, QStringLiteral("Fecha "), 0, 45, 2000);
    txtFields[1]->setParent(Picture1);
    place(txtFields[1], 2040, 45, 1400, kBoxHeight);
    Label1 << label(Picture1, QStringLiteral("Hasta"), 3500, 45, 700);
    txtFields[2]->setParent(Picture1);
    place(txtFields[2], 4260, 45, 1400, kBoxHeight);
    Label1 << label(Picture1, QStringLiteral("Cuenta :"), 5750, 45, 1000);
    txtFields[3]->setParent(Picture1);
    place(txtFields[3], 6810, 45, 1800, kBoxHeight);
    Label1 << label(Picture1, QStringLiteral("UNeg:"), 8700, 45, 800);
    txtFields[4]->setParent(Picture1);
    place(txtFields[4], 9560, 45, 800, kBoxHeight);
    ChkPendiente = new QCheckBox(QStringLiteral("Pendientes"), Picture1);
    ChkPendiente->setObjectName(QStringLiteral("ChkPendiente"));
    place(ChkPendiente, 10600, 45, 1600, kBoxHeight);

    Label2 = new QLabel(QStringLiteral("(*) Registros Grabados          (F) Registros Facturados       [F2] Grabar Línea"),
                        frmEncabezado);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setStyleSheet(QStringLiteral("color: #00007f;"));
    place(Label2, 180, 1200, 9000, 300);

    LblDetalle = new QLabel(QStringLiteral("Mutuales Recepcionadas"), this);
    LblDetalle->setObjectName(QStringLiteral("LblDetalle"));
    QFont detalle(QStringLiteral("Tahoma"));
    detalle.setPointSize(10);
    detalle.setBold(true);
    LblDetalle->setFont(detalle);
    LblDetalle->setAlignment(Qt::AlignCenter);
    LblDetalle->setAutoFillBackground(true);
    LblDetalle->setStyleSheet(QStringLiteral("background-color: #1f3f6f; color: white;"));
    const int detailTop = toolbarHeight + 60 + kHeaderHeight + 60;
    place(LblDetalle, kMargin, detailTop, 15000, kDetailHeight);

    MSFlexGrid1 = new ui::FlexGrid(this);
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    place(MSFlexGrid1, kMargin, detailTop + kDetailHeight, 15000, 6000);
    MSFlexGrid1->SetColWidth(0, kMarkColumnWidth);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    for (int i = 0; i < 2; ++i) {
        StatusBar1Panels[i] = new QLabel(StatusBar1);
        StatusBar1Panels[i]->setMinimumWidth(px(3600));
        StatusBar1->addWidget(StatusBar1Panels[i], i == 0 ? 0 : 1);
    }

    // The cell editor and the Grabar button float over the grid.
    txtEdit = new CajaTexto(this);
    txtEdit->setObjectName(QStringLiteral("txtEdit"));
    txtEdit->SetBackColor(0xE0FFFF);   // light yellow
    txtEdit->setFrame(false);
    txtEdit->setFocusPolicy(Qt::ClickFocus);   // never reached with Tab
    txtEdit->hide();

    cmdGrabar = new QPushButton(QStringLiteral("Grabar"), this);
    cmdGrabar->setObjectName(QStringLiteral("cmdGrabar"));
    cmdGrabar->setFocusPolicy(Qt::NoFocus);
    // It must fit the row it sits on whatever padding the skin gives buttons.
    cmdGrabar->setStyleSheet(QStringLiteral("QPushButton { padding: 0px; margin: 0px; min-height: 0px; }"));
    cmdGrabar->hide();

    // Tab order: the reception date first, then the report filters 3, 1, 2, 4 and the check.
    setTabOrder(txtFields[0], txtFields[3]);
    setTabOrder(txtFields[3], txtFields[1]);
    setTabOrder(txtFields[1], txtFields[2]);
    setTabOrder(txtFields[2], txtFields[4]);
    setTabOrder(txtFields[4], ChkPendiente);
    setTabOrder(ChkPendiente, MSFlexGrid1);
}

void frmRecepcionMutuales::connectEvents()
{
    connect(UtilKor1, &UtilKor::click, this, &frmRecepcionMutuales::UtilKor1_click);
    // After the command: what the toolbar shows then is what a later question gives back.
    connect(UtilKor1, &UtilKor::click, this, &frmRecepcionMutuales::RecuerdaBotones);
    connect(UtilKor1, &UtilKor::propertyChanged, this, &frmRecepcionMutuales::RecuerdaBotones);
    RecuerdaBotones();
    connect(cmdGrabar, &QPushButton::clicked, this, &frmRecepcionMutuales::cmdGrabar_Click);

    connect(MSFlexGrid1, &ui::FlexGrid::Click, this, &frmRecepcionMutuales::MSFlexGrid1_Click);
    connect(MSFlexGrid1, &ui::FlexGrid::EnterCell, this, &frmRecepcionMutuales::MSFlexGrid1_EnterCell);
    connect(MSFlexGrid1, &ui::FlexGrid::LeaveCell, this, &frmRecepcionMutuales::MSFlexGrid1_LeaveCell);
    connect(MSFlexGrid1, &ui::FlexGrid::RowColChange, this, &frmRecepcionMutuales::MSFlexGrid1_RowColChange);
    connect(MSFlexGrid1, &ui::FlexGrid::GotFocus, this, &frmRecepcionMutuales::MSFlexGrid1_GotFocus);
    connect(MSFlexGrid1, &ui::FlexGrid::KeyDown, this, &frmRecepcionMutuales::MSFlexGrid1_KeyDown);
    connect(MSFlexGrid1, &ui::FlexGrid::KeyPress, this, &frmRecepcionMutuales::MSFlexGrid1_KeyPress);
    connect(MSFlexGrid1, &ui::FlexGrid::DblClick, this, &frmRecepcionMutuales::MSFlexGrid1_DblClick);
    connect(MSFlexGrid1, &ui::FlexGrid::MouseDown, this, &frmRecepcionMutuales::MSFlexGrid1_MouseDown);
    MSFlexGrid1->watchColumn(4, [this](int fila, const QString& antes, const QString& despues) {
        SumaCambio(fila, antes, despues);
    });

    connect(txtEdit, &CajaTexto::GotFocus, this, &frmRecepcionMutuales::txtEdit_GotFocus);
    connect(txtEdit, &CajaTexto::KeyPress, this, &frmRecepcionMutuales::txtEdit_KeyPress);
    connect(txtEdit, &CajaTexto::KeyDown, this, &frmRecepcionMutuales::txtEdit_KeyDown);
    connect(txtEdit, &CajaTexto::Validate, this, &frmRecepcionMutuales::txtEdit_Validate);

    for (CajaTexto* box : txtFields) {
        const int i = box->Index();
        connect(box, &CajaTexto::GotFocus, this, [this, i] { txtFields_GotFocus(i); });
        connect(box, &CajaTexto::LostFocus, this, [this, i] { txtFields_LostFocus(i); });
        connect(box, &CajaTexto::KeyPress, this, [this, i](int& k) { txtFields_KeyPress(i, k); });
        connect(box, &CajaTexto::KeyDown, this, [this, i](int& k, int s) { txtFields_KeyDown(i, k, s); });
        connect(box, &CajaTexto::MouseDown, this,
                [this, i](int b, int s, double x, double y) { txtFields_MouseDown(i, b, s, x, y); });
        connect(box, &CajaTexto::Validate, this, [this, i](bool& c) { txtFields_Validate(i, c); });
    }

    // The form sees every key before its controls (KeyPreview).
    const QList<QWidget*> previewed = {txtFields[0], txtFields[1], txtFields[2], txtFields[3], txtFields[4],
                                       txtEdit, MSFlexGrid1, ChkPendiente, cmdGrabar};
    for (QWidget* w : previewed)
        w->installEventFilter(this);
}

bool frmRecepcionMutuales::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        int keyCode = ui::VbKeyCode(*key);
        // Esc in the cell editor cancels the edit; it must not reach the toolbar's
        // Cerrar, which would end the program and lose the row being typed.
        const bool editorEscape = watched == txtEdit && keyCode == ui::vbKeyEscape;
        if (keyCode != 0 && !editorEscape) {
            Form_KeyDown(keyCode, ui::VbShift(key->modifiers()));
            if (keyCode == 0)
                return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---- load, size, unload ----

void frmRecepcionMutuales::Load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    Form_Load();
}

void frmRecepcionMutuales::setVisible(bool visible)
{
    if (visible && !m_loaded)
        Load();
    QWidget::setVisible(visible);
}

int frmRecepcionMutuales::Width() const { return ui::PixelsToTwips(frameGeometry().width()); }
int frmRecepcionMutuales::Height() const { return ui::PixelsToTwips(frameGeometry().height()); }

void frmRecepcionMutuales::Form_Load()
{
    const QString rutina = QStringLiteral("Form_Load");
    // The frame releases the progress notice at shutdown through this hook.
    SetProgressNoticeRelease([] { gDisplay.reset(); });
    // Start-up hands the lookup driver its connection and query-mask settings.
    InstalaConsultas();
    reception::RequiereTablasRecepcion();

    if (vb::shouldLeave(Paso(rutina, [] {
            QString conexion;
            InicializaSistema(false, QString(), conexion, 3);
        })))
        return;
    if (vb::shouldLeave(Paso(rutina, [] { reception::InstalaImpresorReportes(); })))
        return;
    if (vb::shouldLeave(Paso(rutina, [this] { AsignaIconoYEstilo(this); })))
        return;
    if (vb::shouldLeave(Paso(rutina, [this] { AplicaSkin(this); })))
        return;
    TablaActiva = QStringLiteral("V_MV_MUTUALES");
    if (vb::shouldLeave(Paso(rutina, [this] { AbrirRecordset(TablaActiva); })))
        return;
    if (vb::shouldLeave(Paso(rutina, [this] { Utilidades->PreparaFormulario(this, false); })))
        return;
    if (vb::shouldLeave(Paso(rutina, [this] { Inicializa(); })))
        return;
    if (vb::shouldLeave(Paso(rutina, [this] { TCMutuales = Cfg(QStringLiteral("TCMutuales")); })))
        return;
    if (vb::shouldLeave(Paso(rutina, [this] { CuentaMutualesAFacturar = Cfg(QStringLiteral("CuentaMutualesAFacturar")); })))
        return;
    if (vb::shouldLeave(Paso(rutina, [this] { CuentaMutualesAImputar = Cfg(QStringLiteral("CuentaMutualesAImputar")); })))
        return;

    const auto aviso = [](const QString& texto, const QString& valor) {
        ui::MsgBox(texto + valor
                       + QStringLiteral(" configurado para Mutuales, corrija la configuracion e intentelo nuevamente.. "
                                        "no se generaran asientos por recepcion de mutuales hasta corregir la configuracion")
                       + QStringLiteral("\r\n") + QStringLiteral("Configuracion del Sistema/Caja y Bancos"),
                   ui::vbInformation + ui::vbOKOnly, QStringLiteral("Aviso al operador"));
    };
    if (!vb::Trim(TCMutuales).isEmpty() && !vb::Trim(CuentaMutualesAFacturar).isEmpty()
        && !vb::Trim(CuentaMutualesAImputar).isEmpty()) {
        if (vb::shouldLeave(Paso(rutina, [&] {
                if (!gDBPrincipal->ExisteEnTabla(QStringLiteral("v_ta_cpte"), vb::Variant(TCMutuales), QStringLiteral("Codigo"),
                                                 nullptr, vb::Variant(8), QString(), true)) {
                    aviso(QStringLiteral("No existe el comprobante "), TCMutuales);
                    TCMutuales.clear();
                }
            })))
            return;
        const auto compruebaCuenta = [&](QString& cuenta, const QString& texto) {
            return Paso(rutina, [&] {
                const QString configurada = cuenta;
                ado::Recordset rs;
                const bool existe = ObtieneCuentaContable(cuenta, rs, true, false);
                gDBPrincipal->CierraRecordset(rs);
                if (!existe) {
                    aviso(texto, configurada);
                    TCMutuales.clear();
                }
            });
        };
        if (vb::shouldLeave(compruebaCuenta(CuentaMutualesAFacturar, QStringLiteral("No existe la cuenta mutuales a facturar "))))
            return;
        if (vb::shouldLeave(compruebaCuenta(CuentaMutualesAImputar, QStringLiteral("No existe la cuenta mutuales a Imputar "))))
            return;
    }
    Paso(rutina, [this] {
        txtFields[0]->setText(vb::Format(vb::Variant(vb::App::Now().date()), QStringLiteral("Short Date")));
        m_fechaFilas = vb::Trim(txtFields[0]->text());
    });
}

void frmRecepcionMutuales::AbrirRecordset(const QString& lTablaActiva)
{
    Paso(QStringLiteral("Abrir Recordser"), [&] {
        QString sql = QStringLiteral("SELECT TOP 1 * FROM ") + lTablaActiva;
        gDBPrincipal->AbrirRecordset(sql, *m_rsTrabajo, gDBPrincipal->gCnn.get(), 2, 3, -1, true);
    });
}

void frmRecepcionMutuales::Inicializa()
{
    // A new grid starts without an edit in progress: a text left in the editor must not
    // land in the emptied grid.
    Ignora([this] {
        txtEdit->SetDataChanged(false);
        hideEditor();
    });
    Ignora([this] { Detalleon(false); });
    Ignora([this] { UtilKor1->SetCerrarEnabled(true); });
    Ignora([this] {
        if (!m_inValidate)
            txtFields[0]->setFocus(Qt::OtherFocusReason);
    });
    m_antesEdicion.clear();
    m_filaAntes = -1;
    // Every amount goes: the total is 0 without reading each one on its way out.
    m_sumaImportes = vb::Currency();
    m_sumaConocida = true;
    m_limpiando = true;
    Ignora([this] { MSFlexGrid1->Clear(); });
    Ignora([this] { MSFlexGrid1->SetRow(0); });
    Ignora([this] { MSFlexGrid1->SetCols(8); });
    const struct { const char* header; int widthX; } columns[8] = {
        {"Grabar Fila", -1}, {"Cuenta", 13}, {"Descripción", 35}, {"Comprobante", 20},
        {"Importe", 10},     {"UNegocio", 10}, {"Observaciones", 52}, {"id", 0},
    };
    for (int c = 0; c < 8; ++c) {
        Ignora([&] { MSFlexGrid1->SetTextMatrix(0, c, QString::fromUtf8(columns[c].header)); });
        if (columns[c].widthX >= 0)
            Ignora([&] { MSFlexGrid1->SetColWidth(c, columns[c].widthX == 0 ? 0 : ui::TextWidthX(*this, columns[c].widthX)); });
    }
    // The amount column shows the largest amount, -999999999.99, whole: a narrower one
    // would cut its leading digits.
    Ignora([this] {
        const QString mayor = TextoImporte(-ImporteMaximo);
        MSFlexGrid1->SetColWidth(4, qMax(MSFlexGrid1->ColWidth(4), ui::CellTextWidth(*MSFlexGrid1, mayor)));
    });
    Ignora([this] { MSFlexGrid1->SetRows(2); });
    m_limpiando = false;
    Ignora([this] { MSFlexGrid1->SetRow(1); });
    Ignora([this] { MSFlexGrid1->SetCol(1); });
}

void frmRecepcionMutuales::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int barHeight = StatusBar1->sizeHint().height();
    StatusBar1->setGeometry(0, height() - barHeight, width(), barHeight);
    Form_Resize();
}

void frmRecepcionMutuales::Form_Resize()
{
    const auto width = [](QWidget* w) { return ui::PixelsToTwips(w->width()); };
    const auto setWidth = [](QWidget* w, int twips) { w->resize(qMax(0, px(twips)), w->height()); };
    Ignora([&] { setWidth(LblDetalle, Width() - 150); });
    Ignora([&] { MSFlexGrid1->SetWidth(width(LblDetalle)); });
    Ignora([&] {
        MSFlexGrid1->SetHeight(Height() - MSFlexGrid1->Top() - 450 - ui::PixelsToTwips(StatusBar1->height()));
    });
    Ignora([&] { setWidth(frmEncabezado, width(LblDetalle)); });
    Ignora([&] { lblTotal->move(px(width(frmEncabezado) - width(lblTotal) - 80), lblTotal->y()); });
    Ignora([&] { setWidth(UtilKor1, width(LblDetalle) - 100); });
}

void frmRecepcionMutuales::Form_Unload(qint16& Cancel)
{
    Q_UNUSED(Cancel);
    const QString rutina = QStringLiteral("Form_Unload");
    if (vb::shouldLeave(Paso(rutina, [this] { Utilidades->CierraFormulario(this, QString()); })))
        return;
    if (vb::shouldLeave(Paso(rutina, [] { FinalizaSistema(); })))
        return;
    if (vb::shouldLeave(Paso(rutina, [this] { QWidget::setVisible(false); })))
        return;
    vb::App::End(0);
}

void frmRecepcionMutuales::closeEvent(QCloseEvent* event)
{
    // The window's close button, like Cerrar, asks before rows being typed are lost.
    if (!PuedeAbandonarCarga()) {
        event->ignore();
        return;
    }
    qint16 cancel = 0;
    Form_Unload(cancel);
    event->accept();
}
