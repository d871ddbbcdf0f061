// The column chooser: loading the previous choice, ticking, moving and applying.
#include "lookup/FrmCampos.h"
#include "platform/vb/Strings.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QString withoutBrackets(QString text)
{
    text.remove(QLatin1Char('['));
    text.remove(QLatin1Char(']'));
    return text;
}

// Cuts the first entry off `list` at `separator`; a last entry without one is the rest.
QString takeEntry(QString& list, QChar separator)
{
    const qsizetype at = list.indexOf(separator);
    QString entry = at < 0 ? list : list.left(at);
    list = at < 0 ? QString() : list.mid(at + 1);
    return entry;
}

int countEntries(QString list)
{
    int n = 0;
    while (!list.isEmpty()) {
        takeEntry(list, QLatin1Char('|'));
        ++n;
    }
    return n;
}

void append(QString& list, const QString& separator, const QString& entry)
{
    if (!list.isEmpty())
        list += separator;
    list += entry;
}

} // namespace

FrmCampos::FrmCampos(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmCampos"));
    setWindowTitle(QStringLiteral("Seleccionar Columnas"));
    setMouseTracking(true);

    Label1 = new QLabel(QStringLiteral("Seleccionar Columnas"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    Label1->setMouseTracking(true);
    Label1->installEventFilter(this);

    Shape1 = new QFrame(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setFrameShape(QFrame::Box);
    ImgCancelar = new QToolButton(Shape1);
    ImgCancelar->setObjectName(QStringLiteral("ImgCancelar"));
    ImgCancelar->setToolTip(QStringLiteral("Cerrar"));
    ImgCancelar->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    ImgCancelar->setAutoRaise(true);
    ImgCancelar->installEventFilter(this);
    auto* shapeLayout = new QHBoxLayout(Shape1);
    shapeLayout->setContentsMargins(1, 1, 1, 1);
    shapeLayout->addWidget(ImgCancelar);

    LstLista = new QListWidget(this);
    LstLista->setObjectName(QStringLiteral("LstLista"));
    LstLista->setSelectionMode(QAbstractItemView::SingleSelection);

    LstCampos = new QListWidget(this);
    LstCampos->setObjectName(QStringLiteral("LstCampos"));
    LstCampos->setSelectionMode(QAbstractItemView::ExtendedSelection);
    LstCampos->setMaximumHeight(80);

    Label2 = new QLabel(QStringLiteral("Control o Mayúscula para selección Múltiple"), this);
    Label2->setObjectName(QStringLiteral("Label2"));

    auto makeButton = [this](const char* name, const char* caption) {
        auto* b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    CmdAll = makeButton("CmdAll", "Todos");
    CmdAplica = makeButton("CmdAplica", "Aplicar");
    cmdTodos = makeButton("cmdTodos", "&Todas");
    cmdAplicar = makeButton("cmdAplicar", "&Aplicar Seleccón");

    auto makeArrow = [this](const char* name, Qt::ArrowType arrow, QWidget* parent) {
        auto* b = new QToolButton(parent ? parent : this);
        b->setObjectName(QString::fromLatin1(name));
        b->setArrowType(arrow);
        b->setAutoRaise(true);
        return b;
    };
    shpSubir = new QFrame(this);
    shpSubir->setObjectName(QStringLiteral("shpSubir"));
    shpSubir->setFrameShape(QFrame::Box);
    shpBajar = new QFrame(this);
    shpBajar->setObjectName(QStringLiteral("shpBajar"));
    shpBajar->setFrameShape(QFrame::Box);
    ImgSubir = makeArrow("ImgSubir", Qt::UpArrow, shpSubir);
    ImgBajar = makeArrow("ImgBajar", Qt::DownArrow, shpBajar);
    (new QHBoxLayout(shpSubir))->addWidget(ImgSubir);
    (new QHBoxLayout(shpBajar))->addWidget(ImgBajar);
    shpSubir->layout()->setContentsMargins(1, 1, 1, 1);
    shpBajar->layout()->setContentsMargins(1, 1, 1, 1);
    // The second pair moves the same way; the strip shows the framed pair.
    ImgSube = makeArrow("ImgSube", Qt::UpArrow, nullptr);
    ImgBaja = makeArrow("ImgBaja", Qt::DownArrow, nullptr);
    ImgSube->hide();
    ImgBaja->hide();

    connect(CmdAll, &QPushButton::clicked, this, [this] { CmdAll_Click(); });
    connect(CmdAplica, &QPushButton::clicked, this, [this] { CmdAplica_Click(); });
    connect(cmdTodos, &QPushButton::clicked, this, [this] { cmdTodos_Click(); });
    connect(cmdAplicar, &QPushButton::clicked, this, [this] { cmdAplicar_Click(); });
    // One move per press: the click alone moves.
    connect(ImgSube, &QToolButton::clicked, this, [this] { ImgSube_Click(); });
    connect(ImgSubir, &QToolButton::clicked, this, [this] { ImgSubir_Click(); });
    connect(ImgBaja, &QToolButton::clicked, this, [this] { ImgBaja_Click(); });
    connect(ImgBajar, &QToolButton::clicked, this, [this] { ImgBajar_Click(); });
    connect(ImgCancelar, &QToolButton::clicked, this, [this] { ImgCancelar_Click(); });

    auto* title = new QHBoxLayout;
    title->addWidget(Label1, 1);
    title->addWidget(Shape1);

    auto* arrows = new QVBoxLayout;
    arrows->addStretch(1);
    arrows->addWidget(shpSubir);
    arrows->addWidget(shpBajar);
    arrows->addStretch(1);

    auto* lista = new QHBoxLayout;
    lista->addWidget(LstLista, 1);
    lista->addLayout(arrows);

    auto* listaButtons = new QHBoxLayout;
    listaButtons->addWidget(CmdAll);
    listaButtons->addStretch(1);
    listaButtons->addWidget(CmdAplica);

    auto* camposButtons = new QHBoxLayout;
    camposButtons->addWidget(cmdTodos);
    camposButtons->addStretch(1);
    camposButtons->addWidget(cmdAplicar);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(title);
    layout->addLayout(lista, 1);
    layout->addLayout(listaButtons);
    layout->addWidget(LstCampos);
    layout->addWidget(Label2);
    layout->addLayout(camposButtons);
    resize(280, 380);
}

FrmCampos::~FrmCampos()
{
    Label1->removeEventFilter(this);
    ImgCancelar->removeEventFilter(this);
}

// ---------------------------------------------------------------------------------------
// Loading

void FrmCampos::Form_Load()
{
    loaded_ = true;
    cancelar = false;
    LstLista->clear();
    fixed_.clear();
    hasFixed_ = false;

    // The previous choice first, ticked, in the order it was chosen.
    QStringList taken;
    QString rest = gCamposSel;
    if (!vb::Trim(gCamposSel).isEmpty()) {
        const int chosen = countEntries(gOrdinalSel);
        for (int i = 0; i < chosen && !rest.isEmpty(); ++i) {
            const QString name = vb::Trim(withoutBrackets(takeEntry(rest, QLatin1Char(','))));
            auto* item = new QListWidgetItem(name, LstLista);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Checked);
            taken << name;
        }
    }
    const QString previousFixed = vb::Trim(withoutBrackets(rest));

    // Then every other column, whole names compared; the previous fixed column comes again.
    while (!gCampos.isEmpty()) {
        const QString entry = withoutBrackets(takeEntry(gCampos, QLatin1Char('|')));
        const QString name = vb::Trim(entry);
        if (!taken.contains(name) || (!previousFixed.isEmpty() && name == previousFixed)) {
            auto* item = new QListWidgetItem(entry, LstLista);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Unchecked);
        }
    }

    // The last column is always shown and never offered.
    if (LstLista->count() > 0) {
        QListWidgetItem* last = LstLista->takeItem(LstLista->count() - 1);
        fixed_ = last->text();
        hasFixed_ = true;
        delete last;
    }
}

void FrmCampos::showEvent(QShowEvent* event)
{
    if (!loaded_)
        Form_Load();
    QDialog::showEvent(event);
}

// ---------------------------------------------------------------------------------------
// Applying

void FrmCampos::apply(const QStringList& names, const QList<bool>& chosen, int firstPosition)
{
    cancelar = false;
    gCamposSel.clear();
    gOrdinalSel.clear();
    // A second apply in the same show writes the order again instead of adding to it.
    gCamposOrden.clear();
    for (int i = 0; i < names.size(); ++i) {
        const QString entry = QLatin1Char('[') + names.at(i) + QLatin1Char(']');
        if (chosen.at(i)) {
            append(gCamposSel, QStringLiteral(", "), entry);
            append(gOrdinalSel, QStringLiteral("|"), QString::number(i + firstPosition));
        }
        append(gCamposOrden, QStringLiteral(", "), entry);
    }
    if (hasFixed_) {
        const QString fixed = QLatin1Char('[') + fixed_ + QLatin1Char(']');
        if (!vb::Trim(gCamposSel).isEmpty())
            gCamposSel += QStringLiteral(", ") + fixed;
        append(gCamposOrden, QStringLiteral(", "), fixed);
    }
    if (!gOrdinalSel.isEmpty())
        gOrdinalSel += QLatin1Char('|');
    hide();
}

void FrmCampos::CmdAplica_Click()
{
    QStringList names;
    QList<bool> chosen;
    for (int i = 0; i < LstLista->count(); ++i) {
        names << LstLista->item(i)->text();
        chosen << (LstLista->item(i)->checkState() == Qt::Checked);
    }
    apply(names, chosen, 1);
}

void FrmCampos::CmdAll_Click()
{
    for (int i = 0; i < LstLista->count(); ++i)
        LstLista->item(i)->setCheckState(Qt::Checked);
    CmdAplica_Click();
}

void FrmCampos::cmdAplicar_Click()
{
    QStringList names;
    QList<bool> chosen;
    for (int i = 0; i < LstCampos->count(); ++i) {
        names << LstCampos->item(i)->text();
        chosen << LstCampos->item(i)->isSelected();
    }
    apply(names, chosen, 0);
}

void FrmCampos::cmdTodos_Click()
{
    for (int i = 0; i < LstCampos->count(); ++i)
        LstCampos->item(i)->setSelected(true);
    cmdAplicar_Click();
}

// ---------------------------------------------------------------------------------------
// Moving

void FrmCampos::moveUp(bool keepSelected)
{
    const int row = LstLista->currentRow();
    if (row < 1 || !LstLista->item(row)->isSelected())
        return;
    QListWidgetItem* item = LstLista->takeItem(row);
    LstLista->insertItem(row - 1, item);
    if (keepSelected)
        LstLista->setCurrentRow(row - 1);
    else
        LstLista->setCurrentRow(-1);
}

void FrmCampos::moveDown(bool keepSelected)
{
    const int row = LstLista->currentRow();
    if (row < 0 || row >= LstLista->count() - 1 || !LstLista->item(row)->isSelected())
        return;
    QListWidgetItem* item = LstLista->takeItem(row);
    LstLista->insertItem(row + 1, item);
    if (keepSelected)
        LstLista->setCurrentRow(row + 1);
    else
        LstLista->setCurrentRow(-1);
}

void FrmCampos::ImgSube_Click()
{
    moveUp(true);
}

void FrmCampos::ImgSubir_Click()
{
    moveUp(true);
}

void FrmCampos::ImgBaja_Click()
{
    moveDown(true);
}

void FrmCampos::ImgBajar_Click()
{
    moveDown(false);
}

// ---------------------------------------------------------------------------------------
// Closing and the close image's highlight

void FrmCampos::ImgCancelar_Click()
{
    cancelar = true;
    hide();
}

void FrmCampos::reject()
{
    ImgCancelar_Click();
    QDialog::reject();
}

void FrmCampos::setShape1(int state)
{
    if (state == shape1State_)
        return;
    shape1State_ = state;
    Shape1->setFrameShadow(state ? QFrame::Sunken : QFrame::Plain);
    Shape1->setStyleSheet(state ? QStringLiteral("QFrame#Shape1 { background: #c0d8ff; }") : QString());
}

void FrmCampos::mouseMoveEvent(QMouseEvent* event)
{
    setShape1(0);
    QDialog::mouseMoveEvent(event);
}

bool FrmCampos::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ImgCancelar && (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove))
        setShape1(1);
    else if (watched == Label1 && event->type() == QEvent::MouseMove)
        setShape1(0);
    return QDialog::eventFilter(watched, event);
}
