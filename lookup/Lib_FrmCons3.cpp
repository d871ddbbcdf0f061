// The list lookup form: loading, columns and widths, rows and colours, accept and cancel,
// the search boxes and the keyboard.
#include "lookup/Lib_FrmCons3.h"
#include "data/DB_Dll.h"
#include "frame/MenuExes.h"
#include "frame/ModGlobal.h"
#include "lookup/ConsultaSql.h"
#include "lookup/FormButtons.h"
#include "lookup/LookupListModel.h"
#include "lookup/TextAdvances.h"
#include "platform/ui/CellFit.h"
#include "platform/ui/Keys.h"
#include "platform/ui/Metrics.h"
#include "platform/ui/Operator.h"
#include "platform/vb/App.h"
#include "platform/vb/ErrorAnswer.h"
#include "platform/vb/Strings.h"
#include "platform/vb/TextFile.h"
#include "platform/zeltrix/Services.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyleOptionHeader>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

namespace {

constexpr int kQuantityMissing = 0;

const QString kCantidad = QStringLiteral("**Cantidad**");

// The frame's error dialog as the error answer of a guarded step.
int frameHandler(const vb::VbError& e, const QString& routine)
{
    return ManejaError(e, std::nullopt, routine);
}

bool isNumericType(int type)
{
    switch (type) {
    case ado::adSmallInt: case ado::adInteger: case ado::adSingle: case ado::adDouble: case ado::adCurrency:
    case ado::adDecimal: case ado::adTinyInt: case ado::adUnsignedTinyInt: case ado::adBigInt: case ado::adNumeric:
    case ado::adBoolean:
        return true;
    default:
        return false;
    }
}

// How the list sorts a column of the field type: numbers and dates by value, the rest
// as texts.
ui::SortAs sortAsOf(int type)
{
    if (ado::IsDateType(type))
        return ui::SortAs::Date;
    if (type != ado::adBoolean && isNumericType(type))
        return ui::SortAs::Number;
    return ui::SortAs::Text;
}

// A field's value as the list shows it: never Null (0 for numbers, "" for the rest).
QString cellText(const vb::Variant& value, int type)
{
    if (value.isNull())
        return isNumericType(type) ? QStringLiteral("0") : QString();
    if (value.isEmpty())
        return QString();
    return value.toString();
}

vb::Currency money(const vb::Variant& value)
{
    if (value.isNull() || value.isEmpty())
        return vb::Currency();
    try {
        return value.toCurrency();
    } catch (const vb::VbError&) {
        return Utilidades->TextoAMoneda(value.toString());
    }
}

// A configured colour (&HBBGGRR as a number or a text); invalid when it is blank.
QColor configuredColour(const vb::Variant& colour)
{
    const QString text = colour.isNull() ? QString() : colour.toString();
    if (vb::Trim(text).isEmpty())
        return QColor();
    return ui::FromVbColor(long(vb::Val(text)));
}

// Quantities are typed and shown in the workstation's format, as every number.
QString quantityText(double value, int decimals)
{
    return vb::Format(vb::Variant(value), QStringLiteral("########0.") + QString(decimals, QLatin1Char('0')));
}

double quantity(const QString& text)
{
    return Utilidades->TextoADoble(text);
}

// The programs that maintain the master tables a list may show, started by "N&uevo".
// Customers and suppliers share one program, told which by its mode.
struct Maestro {
    const char* tabla;
    const char* programa;
    const char* modo;
};
constexpr Maestro kMaestros[] = {
    {"V_TA_RUBROS", "SHELL:ABMRubros", ""},
    {"V_TA_UNIDAD", "SHELL:ABMUnidades", ""},
    {"VT_CLIENTES", "SHELL:ABMClientesProveedores", "1"},
    {"VT_PROVEEDORES", "SHELL:ABMClientesProveedores", "0"},
    {"V_TA_TECNICOS", "SHELL:ABMTecnicos", ""},
    {"V_TA_VENDEDORES", "SHELL:ABMVendedores", ""},
    {"V_MA_ARTICULOS", "SHELL:ABMArticulos", ""},
    {"VT_MA_ARTICULOS", "SHELL:ABMArticulos", ""},
    {"STK_MA_ARTICULOS", "SHELL:ABMArticulos", ""},
};

// The master table's entry, when the table is one and its program is installed.
const Maestro* maestroDe(const QString& tabla)
{
    for (const Maestro& m : kMaestros)
        if (vb::Trim(tabla).compare(QLatin1String(m.tabla), Qt::CaseInsensitive) == 0)
            return ExisteProgramaHermano(QLatin1String(m.programa)) ? &m : nullptr;
    return nullptr;
}

// The two quoted fields of a line of the widths file.
bool splitWidthsLine(const QString& line, QString& table, QString& widths)
{
    QStringList fields;
    QString current;
    bool quoted = false;
    for (const QChar c : line) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (c == QLatin1Char(',') && !quoted) {
            fields << current;
            current.clear();
        } else
            current += c;
    }
    fields << current;
    if (fields.size() < 2)
        return false;
    table = vb::Trim(fields.at(0));
    widths = vb::Trim(fields.at(1));
    return true;
}

} // namespace

Lib_FrmCons3::Lib_FrmCons3(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Lib_FrmCons3"));
    setWindowTitle(QStringLiteral("Consulta..."));
    setSizeGripEnabled(true);

    Label1 = new QLabel(QStringLiteral("CONSULTA"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    QFont titleFont = Label1->font();
    titleFont.setBold(true);
    Label1->setFont(titleFont);
    Label1->setFrameShape(QFrame::Panel);
    Label1->setFrameShadow(QFrame::Sunken);

    lblFieldName = new QLabel(this);
    lblFieldName->setObjectName(QStringLiteral("lblFieldName"));
    lblFieldName->hide();

    picFields = new QWidget(this);
    picFields->setObjectName(QStringLiteral("picFields"));

    ListView1 = new QTableView(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    model_ = new lookup::LookupListModel(ListView1);
    ListView1->setModel(model_);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setShowGrid(false);
    ListView1->setWordWrap(false);
    ListView1->setTabKeyNavigation(false);
    ListView1->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    ListView1->verticalHeader()->hide();
    ListView1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    ListView1->horizontalHeader()->setSectionsClickable(true);
    ListView1->horizontalHeader()->setHighlightSections(false);
    ListView1->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ListView1->horizontalHeader()->setStretchLastSection(false);
    ListView1->installEventFilter(this);
    ListView1->viewport()->installEventFilter(this);
    HScroll1 = ListView1->horizontalScrollBar();
    HScroll1->setObjectName(QStringLiteral("HScroll1"));

    // Rows are one line high in the list's font, whatever the style would pad them to.
    QFont listFont = ListView1->font();
    listFont.setBold(true);
    listFont.setPointSize(10);
    ListView1->setFont(listFont);
    ListView1->verticalHeader()->setDefaultSectionSize(QFontMetrics(listFont).height() + 4);

    connect(ListView1->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int section) { ListView1_ColumnClick(section + 1); });
    connect(ListView1->horizontalHeader(), &QHeaderView::sectionResized, this, [this] { placeSearchBoxes(); });
    connect(ListView1->horizontalHeader(), &QHeaderView::geometriesChanged, this, [this] { placeSearchBoxes(); });
    connect(HScroll1, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });

    Frame1 = lookup::NewButtonFrame(this);
    CmdNueva = lookup::NewButton(Frame1, "CmdNueva", "&Nueva Busqueda");
    CmdNuevo = lookup::NewButton(Frame1, "CmdNuevo", "N&uevo");
    CmdTodos = lookup::NewButton(Frame1, "CmdTodos", "&Marcar");
    CmdAceptar = lookup::NewButton(Frame1, "CmdAceptar", "&Aceptar");
    CmdCancelar = lookup::NewButton(Frame1, "CmdCancelar", "&Cancelar");
    lookup::LayOutButtons(Frame1, {CmdNueva, CmdNuevo, CmdTodos}, {CmdAceptar, CmdCancelar});
    CmdNuevo->setVisible(false);   // until a loaded list names a table with a program to maintain it
    for (QPushButton* b : {CmdNueva, CmdNuevo, CmdTodos, CmdAceptar, CmdCancelar})
        b->installEventFilter(this);
    connect(CmdAceptar, &QPushButton::clicked, this, [this] { CmdAceptar_Click(); });
    connect(CmdCancelar, &QPushButton::clicked, this, [this] { CmdCancelar_Click(); });
    connect(CmdNueva, &QPushButton::clicked, this, [this] { CmdNueva_Click(); });
    connect(CmdNuevo, &QPushButton::clicked, this, [this] { CmdNuevo_Click(); });
    connect(CmdTodos, &QPushButton::clicked, this, [this] { cmdTodos_Click(); });

    QComboBox* first = searchBox(0);
    first->setEditText(QStringLiteral("IdArticulo"));
    picFields->setFixedHeight(first->sizeHint().height());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(2);
    layout->addWidget(Label1);
    layout->addWidget(picFields);
    layout->addWidget(ListView1, 1);
    layout->addWidget(Frame1);
    resize(ui::TwipsToPixels(9000), ui::TwipsToPixels(6600));
}

Lib_FrmCons3::~Lib_FrmCons3()
{
    // The boxes go before the list does; the list's last signals must not reach them.
    ListView1->horizontalHeader()->disconnect(this);
    HScroll1->disconnect(this);
    ListView1->removeEventFilter(this);
    ListView1->viewport()->removeEventFilter(this);
    for (QPushButton* b : {CmdNueva, CmdNuevo, CmdTodos, CmdAceptar, CmdCancelar})
        b->removeEventFilter(this);
    for (QComboBox* box : std::as_const(CmbSearch)) {
        box->removeEventFilter(this);
        box->lineEdit()->removeEventFilter(this);
    }
    CmbSearch.clear();
}

QComboBox* Lib_FrmCons3::searchBox(int index)
{
    while (CmbSearch.size() <= index) {
        auto* box = new QComboBox(picFields);
        box->setObjectName(QStringLiteral("CmbSearch"));
        box->setProperty("Index", int(CmbSearch.size()));
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setToolTip(QStringLiteral("F5 realiza nueva busqueda"));
        box->installEventFilter(this);
        box->lineEdit()->installEventFilter(this);
        const int i = int(CmbSearch.size());
        connect(box, &QComboBox::editTextChanged, this, [this, i] { CmbSearch_Change(i); });
        connect(box, &QComboBox::activated, this, [this, i] { CmbSearch_Click(i); });
        CmbSearch << box;
    }
    return CmbSearch.at(index);
}

// ---------------------------------------------------------------------------------------
// Loading

void Lib_FrmCons3::Form_Load()
{
    const QString routine = QStringLiteral("FORM_LOAD");
    bool stop = false;
    const std::function<void()> steps[] = {
        [&] { EsConsultaArticulos = SQL.contains(QLatin1String("articulos"), Qt::CaseInsensitive); },
        [&] {
            Valores = std::make_shared<QStringList>();
            Cantidades = std::make_shared<QStringList>();
        },
        [&] { model_->clear(); },
        [&] {
            if (vb::Trim(SQL).isEmpty()) {
                Utilidades->PreparaFormulario(this, false);
                stop = true;
            }
        },
        [&] { SQL += QLatin1Char(' '); },
        [&] {
            // The table is the word after the first "from".
            const int at = vb::InStr(SQL, QStringLiteral("from"), vb::vbTextCompare);
            const int blank = vb::InStr(at + 5, SQL, QStringLiteral(" "));
            tablaConsulta_ = vb::Trim(vb::Mid(SQL, at + 4, qMax(0, blank - (at + 4))));
        },
        [&] {
            if (SQLOriginal.isEmpty())
                SQLOriginal = SQL;
            SQLBase = SQL;
        },
        // "N&uevo" is there only when the list's table has a program to maintain it.
        [&] { CmdNuevo->setVisible(maestroDe(tablaConsulta_) != nullptr); },
        [&] {
            DB_Dll& db = UsarUDBC ? *gDBConsultas : *gDBPrincipal;
            db.AbrirRecordset(SQL, rs_, nullptr, ado::adOpenForwardOnly, ado::adLockReadOnly, -1, true);
        },
        [&] { model_->setCheckable(CheckBoxes); },
        [&] {
            Encolumnar();
            Leer(1, 0);
        },
        [&] {
            if (OrdenarPorLwv)
                sorted_ = true;
            applySort();
        },
        [&] {
            if (!vb::Trim(FiltroInicial).isEmpty())
                searchBox(0)->setEditText(FiltroInicial);
        },
        [&] {
            DB_Dll& db = UsarUDBC ? *gDBConsultas : *gDBPrincipal;
            db.CierraRecordset(rs_);
        },
        [&] {
            CargarAnchoColumnas();
            CalcularAncho();
        },
        [&] {
            // The list opens with a row chosen, so that Enter accepts at once.
            if (selectedRow() < 0 && model_->rowCount() > 0)
                selectRow(0);
        },
        [&] { Utilidades->PreparaFormulario(this, false); },
    };
    for (const auto& step : steps) {
        if (vb::guarded(frameHandler, routine, step) == vb::Step::Leave || stop)
            return;
    }
}

void Lib_FrmCons3::Encolumnar()
{
    try {
        headers_.clear();
        sortAs_.clear();
        widths_.clear();
        fieldNames_.clear();
        // The first box is emptied of its items and of its design-time text, which would
        // otherwise stand in front of whatever the operator types.
        searchBox(0)->clear();
        {
            const QSignalBlocker quiet(searchBox(0));
            searchBox(0)->setEditText(QString());
        }
        // A query that failed has been reported already: the list stays without columns.
        if (rs_.State() != ado::adStateOpen) {
            model_->clear();
            for (QComboBox* box : CmbSearch)
                box->setVisible(box == CmbSearch.first());
            return;
        }
        ado::Fields& fields = rs_.Fields();
        const bool articles = SQL.contains(QLatin1String("V_MA_ARTICULOS"), Qt::CaseInsensitive)
                           || SQL.contains(QLatin1String("STK_MA_ARTICULOS"), Qt::CaseInsensitive);
        // "@10" widens every column of a list that is not of articles by ten letters.
        widening_ = !articles && ValoresDefault.compare(QLatin1String("@10"), Qt::CaseInsensitive) == 0
                        ? ui::TextWidthX(*this, 10)
                        : 0;
        for (int i = 0; i < fields.Count(); ++i) {
            ado::Field& field = fields.Item(i);
            QComboBox* box = searchBox(i);
            box->setProperty("Field", field.Name());
            box->setVisible(true);
            fieldNames_ << field.Name();
            QString header = field.Name();
            if (articles) {
                for (int k = 1; k <= 8; ++k)
                    if (header.compare(QStringLiteral("PRECIO%1").arg(k), Qt::CaseInsensitive) == 0)
                        header = Cfg(QStringLiteral("NOM_PCLASE%1").arg(k));
            }
            headers_ << header;
            sortAs_ << sortAsOf(field.Type());
            widths_ << 0;
        }
        fitColumns();
        for (int i = int(fields.Count()); i < CmbSearch.size(); ++i)
            CmbSearch.at(i)->setVisible(false);
        model_->reset(headers_, sortAs_, {}, {}, {});
        applyWidths();
    } catch (const vb::VbError& e) {
        ui::MsgBox(e.Description, ui::vbOKOnly);
    }
}

void Lib_FrmCons3::Leer(qint32 Cdesde, qint32 Cuantas)
{
    Q_UNUSED(Cdesde);
    Q_UNUSED(Cuantas);
    try {
        if (rs_.State() != ado::adStateOpen || rs_.BOF() || rs_.EOF())
            return;
        const int cols = int(headers_.size());
        QVector<int> types(cols);
        int stockCol = -1, reorderCol = -1, returnedCol = -1;
        for (int j = 0; j < cols; ++j) {
            types[j] = rs_.Fields(j).Type();
            const QString name = fieldNames_.value(j);
            if (name.compare(QLatin1String("Stock"), Qt::CaseInsensitive) == 0 && stockCol < 0)
                stockCol = j;
            if (name.compare(QLatin1String("PUNTOPEDIDO"), Qt::CaseInsensitive) == 0 && reorderCol < 0)
                reorderCol = j;
            if (!CampoDevuelto.isEmpty() && name.compare(CampoDevuelto, Qt::CaseInsensitive) == 0 && returnedCol < 0)
                returnedCol = j;
        }
        const QVector<QVector<vb::Variant>> values = rs_.GetRows(-1);
        const int rows = values.isEmpty() ? 0 : int(values.first().size());
        const bool colouring = MuestraStock.compare(QLatin1String("SI"), Qt::CaseInsensitive) == 0 && EsConsultaArticulos
                            && stockCol >= 0 && reorderCol >= 0;
        const QColor levels[4] = {configuredColour(StkNivel1), configuredColour(StkNivel2), configuredColour(StkNivel3),
                                  configuredColour(StkNivel4)};
        QVector<QString> cells;
        cells.reserve(qsizetype(rows) * cols);
        QVector<char> ticks(rows, 0);
        QVector<QColor> colours(colouring ? rows : 0);
        for (int r = 0; r < rows; ++r) {
            if (colouring) {
                const vb::Currency reorder = money(values[reorderCol][r]);
                const vb::Currency stock = money(values[stockCol][r]);
                const vb::Currency zero;
                int level = 3;
                if (reorder == zero && stock > zero)
                    level = 0;
                else if (reorder > zero && stock > reorder)
                    level = 1;
                else if (reorder > zero && stock < reorder)
                    level = 2;
                colours[r] = levels[level];
            }
            for (int j = 0; j < cols; ++j) {
                const QString text = cellText(values[j][r], types[j]);
                cells << (j == 0 ? vb::Trim(text) : text);
            }
            if (CheckBoxes && returnedCol >= 0) {
                const QString value = vb::Trim(cellText(values[returnedCol][r], types[returnedCol]));
                // An empty value would be "found" in any list of values.
                if (!value.isEmpty() && ValoresDefault.contains(value, Qt::CaseInsensitive))
                    ticks[r] = 1;
            }
        }
        model_->reset(headers_, sortAs_, std::move(cells), std::move(ticks), std::move(colours));
        fitColumns();
    } catch (const vb::VbError& e) {
        ManejaError(e, std::nullopt, QStringLiteral("FORM_LOAD"));
    }
}

void Lib_FrmCons3::fitColumns()
{
    const QScreen* s = screen();
    const int screenWidth = s ? ui::PixelsToTwips(s->availableGeometry().width()) : 19200;
    // No column is wider than sixty letters "X", so that one long text cannot push the
    // others off the screen (it shows cut, and whole in its cell's tool tip); nor wider
    // than the screen, the list's margins and the form's frame counted.
    const int cap = ui::TextWidthX(*this, 60);
    const int screenCap = qMax(ui::TextWidthX(*this, 10), screenWidth - 1120);
    QHeaderView* header = ListView1->horizontalHeader();
    // A list may hold a hundred thousand rows: only the widest text of a column is
    // measured whole.
    lookup::TextAdvances advances(ListView1->font());
    const int margins = ui::TwipsToPixels(ui::CellTextWidth(*ListView1, QString()));
    for (int j = 0; j < widths_.size(); ++j) {
        QStyleOptionHeader opt;
        opt.initFrom(header);
        opt.text = headers_.value(j);
        // Room for the sort arrow: the operator sorts by any column.
        opt.sortIndicator = QStyleOptionHeader::SortDown;
        int width = ui::PixelsToTwips(header->style()->sizeFromContents(QStyle::CT_HeaderSection, &opt, QSize(), header).width());
        int widestSum = -1;
        QString widestText;
        for (int row = 0; row < model_->rowCount(); ++row) {
            const QString text = model_->text(row, j);
            const int sum = advances.sum(text);
            if (sum > widestSum) {
                widestSum = sum;
                widestText = text;
            }
        }
        if (widestSum >= 0)
            width = std::max({width, ui::CellTextWidth(*ListView1, widestText), ui::PixelsToTwips(widestSum + margins)});
        if (j == 0 && CheckBoxes)
            width += ui::PixelsToTwips(ListView1->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, ListView1) + 6);
        // "@10" widens a column beyond the cap, as it widens every other.
        widths_[j] = qMin(qMin(width, cap) + widening_, screenCap);
    }
    applyWidths();
}

void Lib_FrmCons3::applyWidths()
{
    QHeaderView* header = ListView1->horizontalHeader();
    for (int i = 0; i < widths_.size() && i < header->count(); ++i)
        header->resizeSection(i, ui::TwipsToPixels(widths_.at(i)));
    placeSearchBoxes();
}

void Lib_FrmCons3::applySort()
{
    if (sorted_)
        model_->sort(sortKey_, sortOrder_ == 0 ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void Lib_FrmCons3::CalcularAncho()
{
    QHeaderView* header = ListView1->horizontalHeader();
    int total = 0;
    for (int i = 0; i < header->count(); ++i)
        total += ui::PixelsToTwips(header->sectionSize(i));
    const int listWidth = total + 360;
    const QScreen* s = screen();
    const int screenWidth = s ? ui::PixelsToTwips(s->availableGeometry().width()) : 19200;
    const int formWidth = listWidth + 360 < screenWidth ? listWidth + 280 : screenWidth - 480;
    resize(ui::TwipsToPixels(formWidth), height());
    placeSearchBoxes();
}

void Lib_FrmCons3::placeSearchBoxes()
{
    if (!picFields || !ListView1)
        return;
    QHeaderView* header = ListView1->horizontalHeader();
    const int offset = ListView1->x() - picFields->x() + ListView1->viewport()->x();
    const int gap = ui::TwipsToPixels(50);
    for (int i = 0; i < CmbSearch.size(); ++i) {
        QComboBox* box = CmbSearch.at(i);
        if (i >= header->count()) {
            if (i > 0 || header->count() > 0)
                continue;
            box->setGeometry(offset, 0, ui::TwipsToPixels(1500), picFields->height());
            continue;
        }
        box->setGeometry(offset + header->sectionViewportPosition(i), 0, qMax(0, header->sectionSize(i) - gap),
                         picFields->height());
    }
}

void Lib_FrmCons3::Form_Resize()
{
    // The layout sizes list, strip and buttons; the boxes follow their columns.
    placeSearchBoxes();
}

void Lib_FrmCons3::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    Form_Resize();
}

void Lib_FrmCons3::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    placeSearchBoxes();
    ListView1->setFocus();
}

QString Lib_FrmCons3::ArchivoAnchos()
{
    const QString folder = Utilidades->CompletaRuta(vb::App::Path());
    return vb::FindFileNoCase(folder.isEmpty() ? QStringLiteral(".") : folder, QStringLiteral("CONSULTASLEN.QKX"));
}

void Lib_FrmCons3::CargarAnchoColumnas()
{
    const QString path = ArchivoAnchos();
    if (!QFileInfo(path).isFile())
        return;
    QString table = tablaConsulta_;
    if (table.compare(QLatin1String("Stk_ma_articulos"), Qt::CaseInsensitive) == 0)
        table = QStringLiteral("VT_MA_ARTICULOS");
    QStringList lines;
    if (!vb::ReadLines(path, lines))
        return;
    for (const QString& line : lines) {
        QString name, list;
        if (!splitWidthsLine(line, name, list) || name.compare(table, Qt::CaseInsensitive) != 0)
            continue;
        for (int i = 0; i < widths_.size(); ++i) {
            const int bar = int(list.indexOf(QLatin1Char('|')));
            if (bar < 0)
                return;   // a short list ends the reading; columns set so far keep their widths
            try {
                widths_[i] = vb::RoundToLong(Utilidades->TextoAMoneda(list.left(bar)).toDouble());
            } catch (const vb::VbError&) {
                return;
            }
            list = list.mid(bar + 1);
            ListView1->horizontalHeader()->resizeSection(i, ui::TwipsToPixels(widths_.at(i)));
        }
    }
    placeSearchBoxes();
}

void Lib_FrmCons3::GrabarAnchoColumnas()
{
    if (!GrabarCfg)
        return;
    const QString path = ArchivoAnchos();
    QStringList lines;
    vb::ReadLines(path, lines);
    QStringList kept;
    for (const QString& line : lines) {
        QString name, list;
        if (line.isEmpty())
            continue;
        if (splitWidthsLine(line, name, list) && name.compare(tablaConsulta_, Qt::CaseInsensitive) == 0)
            continue;
        kept << line;
    }
    QString widths;
    QHeaderView* header = ListView1->horizontalHeader();
    for (int i = 0; i < header->count(); ++i)
        widths += QString::number(ui::PixelsToTwips(header->sectionSize(i))) + QLatin1Char('|');
    kept << QLatin1Char('"') + tablaConsulta_ + QStringLiteral("\",\"") + widths + QLatin1Char('"');
    const QString aux = QFileInfo(path).path() + QStringLiteral("/CONSULTASLEN.AUX");
    if (!vb::WriteLines(aux, kept))
        return;
    QFile::remove(path);
    QFile::rename(aux, path);
}

void Lib_FrmCons3::Form_Unload()
{
    try {
        UsarUDBC = false;
        GrabarAnchoColumnas();
        model_->clear();
    } catch (const vb::VbError& e) {
        ui::MsgBox(e.Description, ui::vbCritical, QStringLiteral("Aviso al Operador"));
    }
}

// ---------------------------------------------------------------------------------------
// Rows and columns

int Lib_FrmCons3::selectedRow() const
{
    const QModelIndexList rows = ListView1->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void Lib_FrmCons3::selectRow(int row)
{
    if (row < 0 || row >= model_->rowCount())
        return;
    const QModelIndex index = model_->index(row, 0);
    ListView1->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    ListView1->scrollTo(index, QAbstractItemView::EnsureVisible);
}

QString Lib_FrmCons3::cellOfColumn(int row, int column) const
{
    return model_->text(row, column - 1);
}

qint16 Lib_FrmCons3::IndiceColumna(const QString& Columna) const
{
    const QString wanted = vb::Trim(Columna);
    for (int i = 0; i < model_->columnCount(); ++i)
        if (vb::Trim(model_->header(i)).compare(wanted, Qt::CaseInsensitive) == 0)
            return qint16(i + 1);
    return 0;
}

qint32 Lib_FrmCons3::Busqueda(qint32 Clave, const QString& QueValor)
{
    const int row = model_->findPrefix(Clave < 1 ? 0 : Clave, QueValor);
    return row < 0 ? 0 : row + 1;
}

// ---------------------------------------------------------------------------------------
// Accept and cancel

void Lib_FrmCons3::CmdAceptar_Click()
{
    const QString routine = QStringLiteral("CmdAceptar_Click");
    const std::function<void()> steps[] = {
        [&] {
            if (CheckBoxes) {
                if (CampoDevuelto.isEmpty())
                    CampoDevuelto = model_->header(0);
                const int k = IndiceColumna(CampoDevuelto);
                if (!Valores)
                    Valores = std::make_shared<QStringList>();
                if (k > 0)
                    for (int row = 0; row < model_->rowCount(); ++row)
                        if (model_->ticked(row))
                            Valores->append(cellOfColumn(row, k));
                return;
            }
            const int row = selectedRow();
            if (row < 0)
                return;
            if (CmpsDevueltos) {
                if (!Valores)
                    Valores = std::make_shared<QStringList>();
                for (const QString& name : std::as_const(*CmpsDevueltos)) {
                    const int k = IndiceColumna(name);
                    Valores->append(k > 0 ? cellOfColumn(row, k) : QString());
                }
            }
            if (!vb::Trim(CampoDevuelto).isEmpty()) {
                const int k = IndiceColumna(CampoDevuelto);
                if (k > 0)
                    ValorDevuelto = cellOfColumn(row, k);
            }
        },
        [&] { hide(); },
    };
    for (const auto& step : steps)
        if (vb::guarded(frameHandler, routine, step) == vb::Step::Leave)
            return;
}

void Lib_FrmCons3::CmdCancelar_Click()
{
    ValorDevuelto = QString();
    CmpsDevueltos = nullptr;
    Valores = nullptr;
    hide();
}

void Lib_FrmCons3::reject()
{
    CmdCancelar_Click();
    QDialog::reject();
}

void Lib_FrmCons3::CmdNueva_Click()
{
    try {
        SQL = SQLOriginal;
        Form_Load();
        searchBox(0)->setFocus();
    } catch (const vb::VbError&) {
    }
}

void Lib_FrmCons3::CmdNuevo_Click()
{
    try {
        if (const Maestro* m = maestroDe(tablaConsulta_)) {
            QString parametros = QLatin1String(m->modo);
            qint32 tarea = 0;
            MenuExes(QLatin1String(m->programa), parametros, tarea);
        }
    } catch (const vb::VbError&) {
    }
}

void Lib_FrmCons3::cmdTodos_Click()
{
    model_->invertTicks();
}

// ---------------------------------------------------------------------------------------
// Search boxes

void Lib_FrmCons3::CmbSearch_GotFocus(int Index)
{
    IndiceBusqueda = Index;
    QPalette p = searchBox(Index)->lineEdit()->palette();
    p.setColor(QPalette::Base, ui::FromVbColor(0xFFFF00));
    searchBox(Index)->lineEdit()->setPalette(p);
}

void Lib_FrmCons3::CmbSearch_LostFocus(int Index)
{
    QPalette p = searchBox(Index)->lineEdit()->palette();
    p.setColor(QPalette::Base, ui::FromVbColor(0xFFFFFF));
    searchBox(Index)->lineEdit()->setPalette(p);
}

void Lib_FrmCons3::CmbSearch_Change(int Index)
{
    try {
        const qint32 position = Busqueda(Index, vb::Trim(searchBox(Index)->currentText()));
        if (position != 0)
            selectRow(position - 1);
    } catch (const vb::VbError&) {
    }
}

void Lib_FrmCons3::CmbSearch_Click(int Index)
{
    CmbSearch_Change(Index);
}

void Lib_FrmCons3::CmbSearch_KeyDown(int Index, int& KeyCode, int Shift)
{
    try {
        if (KeyCode == ui::vbKeyF5) {
            QComboBox* box = searchBox(Index);
            const QString field = box->property("Field").toString();
            SQL = lookup::FilterStatement(SQL, SQLBase, SQLCola, field, box->currentText(), CfgUsaConsultaLIKE);
            box->setEditText(QString());
            SQLBase = SQL;
            Form_Load();
            return;
        }
        if (KeyCode == ui::vbKeyDown || KeyCode == ui::vbKeyUp || KeyCode == ui::vbKeyPageDown
            || KeyCode == ui::vbKeyPageUp) {
            int code = KeyCode;
            ListView1_KeyDown(code, 0);
            ListView1->setFocus();
        }
    } catch (const vb::VbError&) {
    }
}

// ---------------------------------------------------------------------------------------
// The list's keyboard

void Lib_FrmCons3::ListView1_KeyDown(int& KeyCode, int Shift, const QString& Text)
{
    if (KeyCode == ui::vbKeySpace && CheckBoxes) {
        const int row = selectedRow();
        if (row >= 0)
            model_->setTicked(row, !model_->ticked(row));
        return;
    }
    const QString routine = QStringLiteral("ListView1_KeyDown");
    vb::guarded(frameHandler, routine, [&] {
        const int quantityColumn = IndiceColumna(kCantidad);
        const int row = selectedRow();
        if (KeyCode == ui::vbKeyReturn) {
            CmdAceptar_Click();
        } else if (KeyCode == ui::vbKeyInsert && Shift == ui::vbShiftMask && UsaCantidades) {
            if (quantityColumn == kQuantityMissing || row < 0)
                return;
            const QString answer = ui::InputBox(QStringLiteral("Ingrese la Cantidad del Articulo..."),
                                                QStringLiteral("Carga de Datos"), cellOfColumn(row, quantityColumn));
            const double typed = quantity(answer);
            // No quantity (zero, an empty answer, a text) shows as zero and leaves the row unticked.
            model_->setText(row, quantityColumn - 1, quantityText(typed > 0 ? typed : 0, 2));
            model_->setTicked(row, typed > 0);
        } else if (KeyCode == ui::vbKeyInsert && Shift == 0 && UsaCantidades) {
            if (quantityColumn == kQuantityMissing || row < 0)
                return;
            model_->setText(row, quantityColumn - 1, quantityText(quantity(cellOfColumn(row, quantityColumn)) + 1, 1));
            model_->setTicked(row, true);
        } else if (KeyCode == ui::vbKeyDelete && Shift == 0 && UsaCantidades) {
            if (quantityColumn == kQuantityMissing || row < 0)
                return;
            const QString cell = quantityText(quantity(cellOfColumn(row, quantityColumn)) - 1, 1);
            model_->setText(row, quantityColumn - 1, cell);
            if (quantity(cell) <= 0) {
                model_->setTicked(row, false);
                model_->setText(row, quantityColumn - 1, quantityText(0, 2));
            }
        } else if (KeyCode == ui::vbKeyBack || !Text.isEmpty()) {
            // Typing in the list types into the search box that had the focus last.
            QComboBox* box = searchBox(IndiceBusqueda);
            QString text = box->currentText();
            if (KeyCode == ui::vbKeyBack)
                text.chop(1);
            else
                text += Text;
            box->setEditText(text);
            box->setFocus();
        }
    });
}

void Lib_FrmCons3::ListView1_DblClick()
{
    CmdAceptar_Click();
}

void Lib_FrmCons3::ListView1_ColumnClick(int ColumnIndex)
{
    sorted_ = true;
    sortKey_ = ColumnIndex - 1;
    sortOrder_ = sortOrder_ == 0 ? 1 : 0;
    applySort();
}

void Lib_FrmCons3::HScroll1_Change()
{
    placeSearchBoxes();
}

// ---------------------------------------------------------------------------------------
// Missing stock

void Lib_FrmCons3::Form_KeyDown(int& KeyCode, int Shift)
{
    if (KeyCode != ui::vbKeyF12 || !EsConsultaArticulos)
        return;
    KeyCode = 0;
    const int row = selectedRow();
    if (row < 0)
        return;
    const int codeColumn = IndiceColumna(QStringLiteral("idarticulo"));
    const int descriptionColumn = IndiceColumna(QStringLiteral("Descripcion"));
    const QString code = codeColumn > 0 ? cellOfColumn(row, codeColumn) : QString();
    const QString description = descriptionColumn > 0 ? cellOfColumn(row, descriptionColumn) : QString();
    const int answer = ui::MsgBox(QStringLiteral("Desea informar el articulo ") + vb::Trim(code) + QLatin1Char(' ')
                                      + vb::Trim(description) + QStringLiteral("\r\ncomo un faltante de stock?"),
                                  ui::vbYesNo + ui::vbQuestion, QStringLiteral("Atención!"));
    if (answer != ui::vbYes)
        return;
    DB_Dll& db = *gDBPrincipal;
    const QString sql = QStringLiteral("INSERT INTO V_MV_FALTANTES (FechaHora,IdArticulo,Descripcion,Usuario) values('")
                      + vb::Format(vb::Variant(vb::App::Now()), FormatoFechaHora()) + QStringLiteral("','")
                      + lookup::Quoted(Utilidades->AjustaLargo(code, 25)) + QStringLiteral("','")
                      + lookup::Quoted(vb::Trim(description)) + QStringLiteral("','") + lookup::Quoted(db.gUsuario)
                      + QStringLiteral("')");
    db.EjecutaConsultaSQL(sql);
    // The write reports nothing itself: the operator must know his report was not recorded.
    if (db.gCnn->Errors().Count() > 0)
        ui::MsgBox(QStringLiteral("No se pudo informar el faltante de stock:\r\n") + db.gCnn->Errors().Item(0).Description,
                   ui::vbExclamation, QStringLiteral("Aviso al operador"));
}

// ---------------------------------------------------------------------------------------
// Qt events to the event procedures

bool Lib_FrmCons3::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ListView1->viewport() && event->type() == QEvent::ToolTip) {
        ui::ShowCutCellText(*ListView1, *static_cast<QHelpEvent*>(event));
        return true;
    }
    if (watched == ListView1->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        const QModelIndex at = ListView1->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        if (at.isValid()) {
            selectRow(at.row());
            ListView1_DblClick();
            return true;
        }
        return false;
    }
    int boxIndex = -1;
    for (int i = 0; i < CmbSearch.size(); ++i)
        if (watched == CmbSearch.at(i) || watched == CmbSearch.at(i)->lineEdit())
            boxIndex = i;
    if (event->type() == QEvent::KeyPress && (watched == ListView1 || boxIndex >= 0)) {
        auto* key = static_cast<QKeyEvent*>(event);
        int code = ui::VbKeyCode(*key);
        const int shift = ui::VbShift(key->modifiers());
        // The form sees its keys before its controls; a key it takes (its code set to 0)
        // goes no further. Characters without a key code ("ó", "'", "%", "*", "¿") are
        // the box's or the list's to type.
        if (code != 0) {
            Form_KeyDown(code, shift);
            if (code == 0)
                return true;
        }
        if (watched == ListView1) {
            const bool typing = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
                             && !key->text().isEmpty() && key->text().at(0).isPrint();
            const bool handled = code == ui::vbKeyReturn || code == ui::vbKeyBack || typing
                              || ((code == ui::vbKeyInsert || code == ui::vbKeyDelete) && UsaCantidades);
            if (!handled)
                return false;
            ListView1_KeyDown(code, shift, typing ? key->text() : QString());
            return true;
        }
        if (code == ui::vbKeyF5 || code == ui::vbKeyDown || code == ui::vbKeyUp || code == ui::vbKeyPageDown
            || code == ui::vbKeyPageUp) {
            CmbSearch_KeyDown(boxIndex, code, shift);
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::KeyPress && qobject_cast<QPushButton*>(watched)) {
        int code = ui::VbKeyCode(*static_cast<QKeyEvent*>(event));
        if (code == 0)
            return false;
        Form_KeyDown(code, ui::VbShift(static_cast<QKeyEvent*>(event)->modifiers()));
        return code == 0;
    }
    if (boxIndex >= 0) {
        if (event->type() == QEvent::FocusIn)
            CmbSearch_GotFocus(boxIndex);
        else if (event->type() == QEvent::FocusOut)
            CmbSearch_LostFocus(boxIndex);
    }
    return QDialog::eventFilter(watched, event);
}
