// The tree lookup form: the family tree and the prefix tree, the quick filter, the
// incremental find, ticks passed down the tree, and the choice with its re-lookups.
#include "lookup/Lib_FrmCons3Tree.h"
#include "data/DB_Dll.h"
#include "frame/ModGlobal.h"
#include "lookup/ConsultaSql.h"
#include "lookup/FormButtons.h"
#include "lookup/TextAdvances.h"
#include "platform/ui/Keys.h"
#include "platform/ui/Metrics.h"
#include "platform/ui/Operator.h"
#include "platform/vb/ErrorAnswer.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleFactory>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <functional>

namespace {

constexpr int kKeyRole = Qt::UserRole + 1;
// Ticks reach this many generations below the node the operator ticked.
constexpr int kCheckDepth = 6;
constexpr int kErrKeyNotUnique = 35602;

const QString kRootKey = QStringLiteral("A");
const QString kRootText = QStringLiteral("Consulta...");
const QString kFamilias = QStringLiteral("v_ta_familias");

int frameHandler(const vb::VbError& e, const QString& routine)
{
    return ManejaError(e, std::nullopt, routine);
}

QString text(const vb::Variant& value)
{
    return Utilidades->ValorATexto(value);
}

// Runs the steps of a procedure under the frame's error dialog; false when it was left.
bool runSteps(const QString& routine, std::initializer_list<std::function<void()>> steps)
{
    for (const auto& step : steps)
        if (vb::guarded(frameHandler, routine, step) == vb::Step::Leave)
            return false;
    return true;
}

bool startsWithNoCase(const QString& s, const QString& prefix)
{
    return s.startsWith(prefix, Qt::CaseInsensitive);
}

} // namespace

Lib_FrmCons3Tree::Lib_FrmCons3Tree(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Lib_FrmCons3Tree"));
    setWindowTitle(QStringLiteral("Consulta..."));
    setSizeGripEnabled(true);

    picFields = new QWidget(this);
    picFields->setObjectName(QStringLiteral("picFields"));
    lblFieldName = new QLabel(picFields);
    lblFieldName->setObjectName(QStringLiteral("lblFieldName"));
    lblFieldName->hide();
    auto* box = new QComboBox(picFields);
    box->setObjectName(QStringLiteral("CmbSearch"));
    box->setProperty("Index", 0);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setToolTip(QStringLiteral("F5 realiza nueva busqueda"));
    box->installEventFilter(this);
    box->lineEdit()->installEventFilter(this);
    connect(box, &QComboBox::editTextChanged, this, [this] { CmbSearch_Change(0); });
    connect(box, &QComboBox::activated, this, [this] { CmbSearch_Click(0); });
    CmbSearch << box;
    auto* strip = new QHBoxLayout(picFields);
    strip->setContentsMargins(0, 0, 0, 0);
    strip->addWidget(box);

    TreeV = new QTreeWidget(this);
    TreeV->setObjectName(QStringLiteral("TreeV"));
    TreeV->setHeaderHidden(true);
    TreeV->setColumnCount(1);
    TreeV->setRootIsDecorated(true);
    TreeV->setUniformRowHeights(true);
    TreeV->setSelectionMode(QAbstractItemView::SingleSelection);
    TreeV->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TreeV->setExpandsOnDoubleClick(false);
    // The column is sized to the widest node when the tree is built; left narrower than
    // its texts, or stretched to the window, it would cut them and not scroll to them.
    TreeV->header()->setStretchLastSection(false);
    TreeV->header()->setSectionResizeMode(QHeaderView::Fixed);
    // Lines between a node and its children, as the operators know the tree.
    if (QStyle* lines = QStyleFactory::create(QStringLiteral("Windows"))) {
        lines->setParent(TreeV);
        TreeV->setStyle(lines);
    }
    connect(TreeV, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int column) {
        if (!building_ && column == 0 && CheckBoxes)
            TreeV_NodeCheck(item);
    });
    connect(TreeV, &QTreeWidget::itemDoubleClicked, this, [this] { TreeV_DblClick(); });

    Frame1 = lookup::NewButtonFrame(this);
    CmdNueva = lookup::NewButton(Frame1, "CmdNueva", "&Nueva Busqueda");
    CmdAceptar = lookup::NewButton(Frame1, "CmdAceptar", "&Aceptar");
    CmdCancelar = lookup::NewButton(Frame1, "CmdCancelar", "&Cancelar");
    lookup::LayOutButtons(Frame1, {CmdNueva}, {CmdAceptar, CmdCancelar});
    connect(CmdAceptar, &QPushButton::clicked, this, [this] { CmdAceptar_Click(); });
    connect(CmdCancelar, &QPushButton::clicked, this, [this] { CmdCancelar_Click(); });
    connect(CmdNueva, &QPushButton::clicked, this, [this] { CmdNueva_Click(); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(2);
    layout->addWidget(picFields);
    layout->addWidget(TreeV, 1);
    layout->addWidget(Frame1);
    resize(ui::TwipsToPixels(6000), ui::TwipsToPixels(6600));
}

Lib_FrmCons3Tree::~Lib_FrmCons3Tree()
{
    TreeV->disconnect(this);
    for (QComboBox* box : std::as_const(CmbSearch)) {
        box->removeEventFilter(this);
        box->lineEdit()->removeEventFilter(this);
        box->disconnect(this);
    }
}

// ---------------------------------------------------------------------------------------
// Nodes

QString Lib_FrmCons3Tree::Key(const QTreeWidgetItem* node)
{
    return node ? node->data(0, kKeyRole).toString() : QString();
}

QTreeWidgetItem* Lib_FrmCons3Tree::Node(const QString& key) const
{
    return byKey_.value(key, nullptr);
}

void Lib_FrmCons3Tree::clearNodes()
{
    TreeV->clear();
    nodes_.clear();
    byKey_.clear();
}

QTreeWidgetItem* Lib_FrmCons3Tree::addNode(QTreeWidgetItem* parent, const QString& key, const QString& text)
{
    if (Node(key))
        throw vb::VbError{kErrKeyNotUnique, QStringLiteral("Key is not unique in collection"), QStringLiteral("TreeView")};
    auto* node = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(TreeV);
    node->setText(0, text);
    node->setData(0, kKeyRole, key);
    if (CheckBoxes)
        node->setCheckState(0, Qt::Unchecked);
    nodes_ << node;
    byKey_.insert(key, node);
    return node;
}

bool Lib_FrmCons3Tree::startTree(QVector<QVector<vb::Variant>>& rows, const QString& routine)
{
    bool hasRows = false;
    ado::Recordset rs;
    const bool ran = runSteps(routine, {
        [&] {
            clearNodes();
        },
        [&] {
            QTreeWidgetItem* root = addNode(nullptr, kRootKey, kRootText);
            root->setExpanded(true);
        },
        [&] { gDBPrincipal->AbrirRecordset(SQL, rs, nullptr, ado::adOpenForwardOnly, ado::adLockReadOnly); },
        [&] {
            // A query that failed was reported when it was opened: the tree keeps its root.
            if (rs.State() != ado::adStateOpen || (rs.BOF() && rs.EOF()))
                return;
            rs.MoveFirst();
            rows = rs.GetRows(-1);
            hasRows = !rows.isEmpty() && !rows.first().isEmpty();
        },
    });
    if (rs.State() == ado::adStateOpen)
        rs.Close();
    return ran && hasRows;
}

void Lib_FrmCons3Tree::ArmarTreeVFamilias()
{
    const QString routine = QStringLiteral("ArmarTreeVAutomatico");
    building_ = true;
    // The parent of a family is the greatest code before it that is shorter once trimmed.
    SQL = QStringLiteral("SELECT     TOP 100 PERCENT IdFamilia, Descripcion, ")
        + QStringLiteral("(SELECT     TOP 1 idfamilia FROM @Admin_v_ta_familias a  ")
        + QStringLiteral(" Where a.IdFamilia < b.IdFamilia And (Len(LTrim(RTrim(a.IdFamilia))) < Len(LTrim(RTrim(b.IdFamilia)))) ")
        + QStringLiteral(" ORDER BY idfamilia DESC) AS [relative] FROM dbo.V_TA_FAMILIAS b Where IdFamilia<>''");
    // The operator's F5 words narrow the families listed (this statement replaces any other).
    for (const QString& words : std::as_const(familyFilters_))
        SQL += QStringLiteral(" and Descripcion like '%") + lookup::Quoted(words) + QStringLiteral("%'");
    SQL += QStringLiteral(" ORDER BY IdFamilia");
    QVector<QVector<vb::Variant>> rows;
    if (startTree(rows, routine)) {
        const int count = int(rows.first().size());
        for (int r = 0; r < count; ++r) {
            const vb::Step step = vb::guarded(frameHandler, routine, [&] {
                const QString code = text(rows[0][r]);
                const vb::Variant relative = rows.size() > 2 ? rows[2][r] : vb::Variant();
                // A parent that is not listed (filtered out, or hidden from this user) leaves
                // its family under the root.
                QTreeWidgetItem* parent = nullptr;
                if (!relative.isNull() && !relative.isEmpty())
                    parent = Node(kRootKey + text(relative));
                if (!parent)
                    parent = nodes_.first();
                addNode(parent, kRootKey + code, code + QStringLiteral(" - ") + text(rows[1][r]));
            });
            if (step == vb::Step::Leave)
                break;
        }
    }
    building_ = false;
    fitColumn();
}

void Lib_FrmCons3Tree::ArmarTreeVAutomatico()
{
    const QString routine = QStringLiteral("ArmarTreeVAutomatico");
    building_ = true;
    QVector<QVector<vb::Variant>> rows;
    if (startTree(rows, routine)) {
        // The nodes by their key without regard to case; of keys equal that way the
        // earliest is kept.
        QHash<QString, QTreeWidgetItem*> byFoldedKey;
        byFoldedKey.insert(kRootKey.toCaseFolded(), nodes_.first());
        const int count = int(rows.first().size());
        for (int r = 0; r < count; ++r) {
            const vb::Step step = vb::guarded(frameHandler, routine, [&] {
                const QString code = text(rows[0][r]);
                const QString key = kRootKey + code;
                // The parent is the earliest of the longest keys that begin the new key:
                // its beginnings are looked up from the longest down to the root's "A".
                const QString folded = key.toCaseFolded();
                QTreeWidgetItem* parent = nodes_.first();
                for (qsizetype length = folded.size(); length > 0; --length) {
                    if (QTreeWidgetItem* node = byFoldedKey.value(folded.left(length))) {
                        parent = node;
                        break;
                    }
                }
                QTreeWidgetItem* node =
                    addNode(parent, key, code + QStringLiteral(" - ") + (rows.size() > 1 ? text(rows[1][r]) : QString()));
                byFoldedKey.insert(folded, byFoldedKey.value(folded, node));
            });
            if (step == vb::Step::Leave)
                break;
        }
    }
    building_ = false;
    fitColumn();
}

void Lib_FrmCons3Tree::fitColumn()
{
    if (nodes_.isEmpty())
        return;
    // A node is drawn after one indentation per level, the root's included. Of many
    // nodes only the one that reaches furthest is measured whole.
    const int indentation = TreeV->indentation();
    auto indent = [&](const QTreeWidgetItem* node) {
        int levels = TreeV->rootIsDecorated() ? 1 : 0;
        for (const QTreeWidgetItem* p = node->parent(); p; p = p->parent())
            ++levels;
        return levels * indentation;
    };
    lookup::TextAdvances advances(TreeV->font());
    const QTreeWidgetItem* widest = nullptr;
    int reach = -1;
    int widestSum = 0;
    for (const QTreeWidgetItem* node : std::as_const(nodes_)) {
        const int sum = advances.sum(node->text(0));
        const int end = indent(node) + sum;
        if (end > reach) {
            reach = end;
            widest = node;
            widestSum = sum;
        }
    }
    // The delegate's size hint holds the node's text, check box and margins, not its
    // indentation.
    const int cell = TreeV->sizeHintForIndex(TreeV->indexFromItem(widest)).width();
    const int measured = advances.metrics().horizontalAdvance(widest->text(0));
    TreeV->header()->resizeSection(0, indent(widest) + cell + qMax(0, widestSum - measured));
}

// ---------------------------------------------------------------------------------------
// Loading

void Lib_FrmCons3Tree::Form_Load()
{
    runSteps(QStringLiteral("FORM_LOAD"), {
        [&] { Valores = std::make_shared<QStringList>(); },
        [&] {
            building_ = true;
            clearNodes();
            building_ = false;
        },
        [&] {
            if (SQL.contains(kFamilias, Qt::CaseInsensitive))
                ArmarTreeVFamilias();
            else
                ArmarTreeVAutomatico();
        },
    });
}

void Lib_FrmCons3Tree::Form_Unload()
{
    try {
        building_ = true;
        clearNodes();
        building_ = false;
    } catch (const vb::VbError& e) {
        ui::MsgBox(e.Description, ui::vbCritical, QStringLiteral("Aviso al Operador"));
    }
}

void Lib_FrmCons3Tree::CmdNueva_Click()
{
    if (SQL.contains(kFamilias, Qt::CaseInsensitive))
        ArmarTreeVFamilias();
    else
        ArmarTreeVAutomatico();
}

// ---------------------------------------------------------------------------------------
// Choosing

QString Lib_FrmCons3Tree::selectedCode() const
{
    const QList<QTreeWidgetItem*> selected = TreeV->selectedItems();
    const QString key = selected.isEmpty() ? QString() : Key(selected.first());
    return key.mid(1);
}

void Lib_FrmCons3Tree::CmdAceptar_Click()
{
    const QString routine = QStringLiteral("HScroll1_Change");
    // The value the owning table stores for the code; empty when the table lacks it.
    auto lookup = [&](const QString& table, const QString& column, const QString& code, bool& found) {
        ado::Recordset rs;
        vb::Variant value{QString()};
        found = gDBPrincipal->ExisteEnTabla(table, code, column, &rs, vb::Variant(8), QString(), true);
        if (found)
            value = Utilidades->ValorCampo(rs.Fields(CampoDevuelto));
        if (rs.State() == ado::adStateOpen)
            gDBPrincipal->CierraRecordset(rs);
        return value;
    };
    const QString campo = CampoDevuelto.toUpper();
    const bool familia = campo == QLatin1String("IDFAMILIA");
    const bool posicion = campo == QLatin1String("IDPOSICION");
    const bool codigo = campo == QLatin1String("CODIGO");

    const bool ran = runSteps(routine, {[&] {
        if (!CheckBoxes) {
            // Nothing chosen is the empty code, not an error: the three columns that are
            // looked up come back empty, any other stays as it was.
            const QString code = selectedCode();
            bool found = false;
            if (familia)
                ValorDevuelto = lookup(QStringLiteral("@admin_V_TA_FAMILIAS"), QStringLiteral("IDFAMILIA"), code, found);
            else if (posicion)
                ValorDevuelto = lookup(QStringLiteral("MA_POSICIONES"), QStringLiteral("IDPOSICION"), code, found);
            else if (codigo) {
                ValorDevuelto = lookup(QStringLiteral("TA_CCOSTO"), QStringLiteral("CODIGO"), code, found);
                if (!found)
                    ValorDevuelto = lookup(QStringLiteral("MA_CUENTAS"), QStringLiteral("CODIGO"), code, found);
            }
            return;
        }
        if (!Valores)
            Valores = std::make_shared<QStringList>();
        // The root is walked as any node: its code is empty.
        for (QTreeWidgetItem* node : std::as_const(nodes_)) {
            if (node->checkState(0) != Qt::Checked)
                continue;
            const QString code = Key(node).mid(1);
            if (familia || codigo) {
                Valores->append(vb::Trim(code));
            } else if (posicion) {
                bool found = false;
                const vb::Variant value = lookup(QStringLiteral("MA_POSICIONES"), QStringLiteral("IDPOSICION"), code, found);
                if (found)
                    Valores->append(text(value));
            }
        }
    }});
    if (ran)
        hide();
}

void Lib_FrmCons3Tree::CmdCancelar_Click()
{
    ValorDevuelto = QString();
    CmpsDevueltos = nullptr;
    Valores = nullptr;
    hide();
}

void Lib_FrmCons3Tree::reject()
{
    CmdCancelar_Click();
    QDialog::reject();
}

void Lib_FrmCons3Tree::TreeV_DblClick()
{
    CmdAceptar_Click();
}

// ---------------------------------------------------------------------------------------
// Search box

void Lib_FrmCons3Tree::CmbSearch_KeyDown(int Index, int& KeyCode, int Shift)
{
    Q_UNUSED(Shift);
    QComboBox* box = CmbSearch.value(Index);
    if (!box)
        return;
    try {
        if (KeyCode == ui::vbKeyF5 && SQL.contains(kFamilias, Qt::CaseInsensitive)) {
            familyFilters_ << box->currentText();
            box->setEditText(QString());
            Form_Load();
        } else if (KeyCode == ui::vbKeyF5) {
            // The operator's words narrow the query on the server; each F5 adds one more.
            filterTail_.clear();
            const int orderBy = vb::InStr(SQL, QStringLiteral("order by"), vb::vbTextCompare);
            if (orderBy > 0) {
                filterTail_ = SQL.mid(orderBy - 1);
                filterBase_ = SQL.left(orderBy - 1);
            } else {
                filterBase_ = SQL;
            }
            const QString joiner = SQL.contains(QLatin1String("where"), Qt::CaseInsensitive) ? QStringLiteral(" and ")
                                                                                                : QStringLiteral(" where ");
            SQL = filterBase_ + joiner + QStringLiteral("Descripcion") + QStringLiteral(" like '%")
                + lookup::Quoted(box->currentText()) + QStringLiteral("%' ") + filterTail_;
            box->setEditText(QString());
            filterBase_ = SQL;
            Form_Load();
        } else if (KeyCode == ui::vbKeyDown || KeyCode == ui::vbKeyUp || KeyCode == ui::vbKeyPageDown
                   || KeyCode == ui::vbKeyPageUp) {
            TreeV->setFocus();
        }
    } catch (const vb::VbError&) {
    }
}

void Lib_FrmCons3Tree::CmbSearch_Change(int Index)
{
    QComboBox* box = CmbSearch.value(Index);
    if (!box || building_)
        return;
    const QString t = box->currentText();
    for (QTreeWidgetItem* node : std::as_const(nodes_)) {
        // Code and description either side of the first dash; the root has only a description.
        const QString nodeText = node->text(0);
        const int dash = int(nodeText.indexOf(QLatin1Char('-')));
        const QString code = dash < 0 ? QString() : vb::Trim(nodeText.left(dash));
        const QString description = vb::Trim(dash < 0 ? nodeText : nodeText.mid(dash + 1));
        if ((dash >= 0 && startsWithNoCase(code, t)) || startsWithNoCase(description, t)) {
            TreeV->setCurrentItem(node);
            node->setSelected(true);
            TreeV->scrollToItem(node, QAbstractItemView::EnsureVisible);
            return;
        }
    }
}

void Lib_FrmCons3Tree::CmbSearch_Click(int Index)
{
    CmbSearch_Change(Index);
}

// ---------------------------------------------------------------------------------------
// Ticks

void Lib_FrmCons3Tree::TreeV_NodeCheck(QTreeWidgetItem* Node)
{
    if (!Node)
        return;
    const bool wasBuilding = building_;
    building_ = true;
    setDescendants(Node, Node->checkState(0), 1);
    building_ = wasBuilding;
}

void Lib_FrmCons3Tree::setDescendants(QTreeWidgetItem* node, Qt::CheckState state, int depth)
{
    if (depth > kCheckDepth)
        return;
    for (int i = 0; i < node->childCount(); ++i) {
        QTreeWidgetItem* child = node->child(i);
        child->setCheckState(0, state);
        setDescendants(child, state, depth + 1);
    }
}

// ---------------------------------------------------------------------------------------
// Qt events to the event procedures

bool Lib_FrmCons3Tree::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && !CmbSearch.isEmpty()
        && (watched == CmbSearch.first() || watched == CmbSearch.first()->lineEdit())) {
        auto* key = static_cast<QKeyEvent*>(event);
        int code = ui::VbKeyCode(*key);
        if (code == ui::vbKeyF5 || code == ui::vbKeyDown || code == ui::vbKeyUp || code == ui::vbKeyPageDown
            || code == ui::vbKeyPageUp) {
            CmbSearch_KeyDown(0, code, ui::VbShift(key->modifiers()));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------
// The driver's hand-off

void MuestraConsultaArbol(ConsultaArbol& tree)
{
    Lib_FrmCons3Tree form;
    form.SQL = tree.SQL;
    form.CampoDevuelto = tree.CampoDevuelto;
    form.CheckBoxes = tree.CheckBoxes;
    form.Form_Load();
    ui::ShowModal(form);
    tree.ValorDevuelto = form.ValorDevuelto;
    tree.Valores = form.Valores;
    form.Form_Unload();
}
