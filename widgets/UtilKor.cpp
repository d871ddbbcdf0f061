#include "widgets/UtilKor.h"
#include "platform/ui/Keys.h"
#include "platform/vb/App.h"
#include "platform/vb/Strings.h"
#include "platform/vb/TextFile.h"
#include "platform/zeltrix/ArchivoIni.h"
#include "platform/zeltrix/InfoEquipo.h"

#include <QAction>
#include <QBoxLayout>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QShowEvent>
#include <QToolBar>
#include <QToolButton>

namespace {

// The buttons in the order they stand on the bar, which is also the order of the
// images in the strip. The ids do not follow it; the caption gives the button key.
struct ButtonDef {
    int id;
    const char* caption;
};
constexpr ButtonDef kButtons[] = {
    {1, "Nuevo"}, {2, "Borrar"}, {3, " Reporte"}, {6, " Consultar"},
    {7, "  Planilla"}, {8, "Cancelar"}, {4, "Grabar"}, {5, "   Cerrar"},
};
// The id each image of the strip goes to, in strip order.
constexpr int kStripIds[] = {1, 2, 3, 6, 7, 8, 4, 5};

constexpr int kIconSize = 24;
const QRgb kTransparentKey = qRgb(255, 0, 255);

} // namespace

UtilKor::UtilKor(QWidget* parent)
    : QWidget(parent)
{
    m_layout = new QBoxLayout(QBoxLayout::TopToBottom, this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    UserControl_Initialize();
}

UtilKor::~UtilKor() = default;

QString UtilKor::IconStripFor(const QString& style)
{
    // Compared as text, exactly: " 1" or "01" are not "1".
    if (style == QLatin1String("1")) return QStringLiteral("ABM2021B.bmp");
    if (style == QLatin1String("2")) return QStringLiteral("ABM2021M.bmp");
    if (style == QLatin1String("3")) return QStringLiteral("ABM2021V.bmp");
    if (style == QLatin1String("4")) return QStringLiteral("ABM2021i.bmp");
    return QStringLiteral("ABM2021.bmp");
}

void UtilKor::UserControl_Initialize()
{
    m_ConTitulo = true;
    m_Enabled = true;
    m_NuevoVisible = m_BorrarVisible = m_ReporteVisible = m_consultarVisible = true;
    m_PlanillaVisible = m_CancelarVisible = m_GrabarVisible = m_CerrarVisible = true;
    SetNuevoEnabled(true);
    SetBorrarEnabled(true);
    SetReporteEnabled(true);
    SetConsultaEnabled(true);
    SetPlanillaEnabled(true);
    SetGrabarEnabled(true);
    SetCancelarEnabled(true);
    SetCerrarEnabled(true);

    if (m_bar) {
        // Later, not now: the rebuild may run inside a handler of the old bar's click.
        m_bar->hide();
        m_layout->removeWidget(m_bar);
        m_bar->deleteLater();
    }
    m_bar = new QToolBar(QStringLiteral("Standard"), this);
    m_bar->setObjectName(QStringLiteral("Standard"));
    m_bar->setMovable(false);
    m_bar->setFloatable(false);
    m_bar->setIconSize(QSize(kIconSize, kIconSize));
    m_layout->insertWidget(0, m_bar);
    if (m_layout->count() == 1)
        m_layout->addStretch(1);

    for (const ButtonDef& b : kButtons) {
        QAction* action = m_bar->addAction(QString::fromLatin1(b.caption));
        action->setData(b.id);
        // No shortcut of its own: the host passes keys to KeyAnalisis, and a shortcut
        // would raise the same click a second time.
        action->setShortcuts({});
        if (QWidget* button = m_bar->widgetForAction(action))
            button->setFocusPolicy(Qt::NoFocus);   // a press leaves the focus where it was
        connect(action, &QAction::triggered, this, [this, action] { CommandBars_Execute(action); });
    }

    const QString user = zeltrix::InfoEquipo().NombreUsuario();
    const QString style = zeltrix::ArchivoIni().LeeIni(
        QStringLiteral("tz417qv.ini"), vb::UCase(user) + QStringLiteral("Styles"),
        QStringLiteral("Styles"), QStringLiteral("1"));
    LoadIcons(IconStripFor(style));
    CommandBars_Update();
    if (isVisible())
        dockBar();   // a rebuilt bar stands where the old one stood
}

void UtilKor::ActualizarBotones()
{
    UserControl_Initialize();
}

void UtilKor::LoadIcons(const QString& stripFile)
{
    m_IconStrip = stripFile;
    m_IconsLoaded = false;
    if (!m_bar)
        return;
    QImage strip;
    const QString path = vb::FindFileNoCase(vb::App::Path(), stripFile);
    // A missing or unreadable strip leaves the buttons without icons, showing captions.
    if (!strip.load(path) || strip.height() <= 0 || strip.width() < 8 * strip.height()) {
        for (QAction* action : m_bar->actions())
            action->setIcon(QIcon());
        return;
    }
    // Square icons side by side, the key colour transparent.
    const int side = strip.height();
    const QImage argb = strip.convertToFormat(QImage::Format_ARGB32);
    QMap<int, QIcon> byId;
    for (int i = 0; i < 8; ++i) {
        QImage tile = argb.copy(i * side, 0, side, side);
        for (int y = 0; y < side; ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(tile.scanLine(y));
            for (int x = 0; x < side; ++x)
                if ((line[x] & 0x00ffffff) == (kTransparentKey & 0x00ffffff))
                    line[x] = 0;
        }
        byId.insert(kStripIds[i], QIcon(QPixmap::fromImage(tile)));
    }
    for (QAction* action : m_bar->actions())
        action->setIcon(byId.value(action->data().toInt()));
    m_IconsLoaded = true;
}

void UtilKor::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    dockBar();
}

void UtilKor::dockBar()
{
    if (!m_bar)
        return;
    // A control wider than high carries its bar along the top; otherwise (a square
    // included) along the left side.
    if (width() > height()) {
        m_bar->setOrientation(Qt::Horizontal);
        m_layout->setDirection(QBoxLayout::TopToBottom);
    } else {
        m_bar->setOrientation(Qt::Vertical);
        m_layout->setDirection(QBoxLayout::LeftToRight);
    }
}

bool* UtilKor::enabledFlag(int id)
{
    switch (id) {
    case 1: return &m_NuevoEnabled;
    case 2: return &m_BorrarEnabled;
    case 3: return &m_ReporteEnabled;
    case 4: return &m_GrabarEnabled;
    case 5: return &m_CerrarEnabled;
    case 6: return &m_ConsultaEnabled;
    case 7: return &m_PlanillaEnabled;
    case 8: return &m_CancelarEnabled;
    default: return nullptr;
    }
}

bool* UtilKor::visibleFlag(int id)
{
    switch (id) {
    case 1: return &m_NuevoVisible;
    case 2: return &m_BorrarVisible;
    case 3: return &m_ReporteVisible;
    case 4: return &m_GrabarVisible;
    case 5: return &m_CerrarVisible;
    case 6: return &m_consultarVisible;
    case 7: return &m_PlanillaVisible;
    case 8: return &m_CancelarVisible;
    default: return nullptr;
    }
}

void UtilKor::CommandBars_Update()
{
    if (!m_bar)
        return;
    // Captions always show when there are no icons to show instead.
    m_bar->setToolButtonStyle(!m_IconsLoaded ? Qt::ToolButtonTextOnly
                              : m_ConTitulo  ? Qt::ToolButtonTextUnderIcon
                                             : Qt::ToolButtonIconOnly);
    for (QAction* action : m_bar->actions()) {
        const int id = action->data().toInt();
        const bool* enabled = enabledFlag(id);
        const bool* visible = visibleFlag(id);
        if (!enabled || !visible)
            continue;
        action->setEnabled(*enabled);
        action->setVisible(*visible);
    }
}

void UtilKor::CommandBars_Execute(QAction* control)
{
    // The bar's notification runs with errors ignored: nothing may escape into Qt's
    // event dispatch.
    try {
        const QString key = vb::Trim(vb::UCase(control->text()));
        if (key == QLatin1String("NUEVO"))
            m_BorrarEnabled = false;
        else if (key == QLatin1String("GRABAR") || key == QLatin1String("CERRAR"))
            m_BorrarEnabled = true;
        CommandBars_Update();
        emit click(key);
    } catch (...) {
    }
}

void UtilKor::KeyAnalisis(const int& KeyCode)
{
    QString key;
    switch (KeyCode) {
    case ui::vbKeyEscape:
        if (m_CancelarEnabled)
            key = QStringLiteral("CANCELAR");
        else if (m_CerrarEnabled)
            key = QStringLiteral("CERRAR");
        break;
    case ui::vbKeyF2: if (m_GrabarEnabled) key = QStringLiteral("GRABAR"); break;
    case ui::vbKeyF3: if (m_NuevoEnabled) key = QStringLiteral("NUEVO"); break;
    case ui::vbKeyF4: if (m_ReporteEnabled) key = QStringLiteral("REPORTE"); break;
    case ui::vbKeyF5: if (m_ConsultaEnabled) key = QStringLiteral("CONSULTAR"); break;
    case ui::vbKeyF6: if (m_PlanillaEnabled) key = QStringLiteral("PLANILLA"); break;
    case ui::vbKeyF10: if (m_BorrarEnabled) key = QStringLiteral("BORRAR"); break;
    default: break;
    }
    if (!key.isEmpty())
        emit click(vb::Trim(vb::UCase(key)));
}

void UtilKor::setFlag(bool& flag, const vb::Variant& value, const char* name)
{
    flag = value.toBool();
    emit propertyChanged(QString::fromLatin1(name));
    CommandBars_Update();
}

void UtilKor::SetTheme(qint16 New_Theme)
{
    m_Theme = (New_Theme < 0 || New_Theme > 2) ? 0 : New_Theme;
    emit propertyChanged(QStringLiteral("Theme"));
}

void UtilKor::SetNuevoEnabled(const vb::Variant& v) { setFlag(m_NuevoEnabled, v, "NuevoEnabled"); }
void UtilKor::SetBorrarEnabled(const vb::Variant& v) { setFlag(m_BorrarEnabled, v, "BorrarEnabled"); }
void UtilKor::SetReporteEnabled(const vb::Variant& v) { setFlag(m_ReporteEnabled, v, "ReporteEnabled"); }
void UtilKor::SetConsultaEnabled(const vb::Variant& v) { setFlag(m_ConsultaEnabled, v, "ConsultaEnabled"); }
void UtilKor::SetPlanillaEnabled(const vb::Variant& v) { setFlag(m_PlanillaEnabled, v, "PlanillaEnabled"); }
void UtilKor::SetCancelarEnabled(const vb::Variant& v) { setFlag(m_CancelarEnabled, v, "CancelarEnabled"); }
void UtilKor::SetGrabarEnabled(const vb::Variant& v) { setFlag(m_GrabarEnabled, v, "GrabarEnabled"); }
void UtilKor::SetCerrarEnabled(const vb::Variant& v) { setFlag(m_CerrarEnabled, v, "CerrarEnabled"); }
void UtilKor::SetNuevoVisible(const vb::Variant& v) { setFlag(m_NuevoVisible, v, "NuevoVisible"); }
void UtilKor::SetConTitulo(const vb::Variant& v) { setFlag(m_ConTitulo, v, "ConTitulo"); }
void UtilKor::SetEnabled(const vb::Variant& v) { setFlag(m_Enabled, v, "Enabled"); }
void UtilKor::SetBorrarVisible(const vb::Variant& v) { setFlag(m_BorrarVisible, v, "BorrarVisible"); }
void UtilKor::SetReporteVisible(const vb::Variant& v) { setFlag(m_ReporteVisible, v, "ReporteVisible"); }
void UtilKor::SetconsultarVisible(const vb::Variant& v) { setFlag(m_consultarVisible, v, "consultarVisible"); }
void UtilKor::SetPlanillaVisible(const vb::Variant& v) { setFlag(m_PlanillaVisible, v, "PlanillaVisible"); }
void UtilKor::SetCancelarVisible(const vb::Variant& v) { setFlag(m_CancelarVisible, v, "CancelarVisible"); }
void UtilKor::SetGrabarVisible(const vb::Variant& v) { setFlag(m_GrabarVisible, v, "GrabarVisible"); }
void UtilKor::SetCerrarVisible(const vb::Variant& v) { setFlag(m_CerrarVisible, v, "CerrarVisible"); }

// Reading and writing go through one table of the saved keys, in their order;
// "ConsultarVisible" is spelt with a capital C there.
#define UTILKOR_SAVED_FLAGS(X)                                                         \
    X("ConTitulo", m_ConTitulo) X("Enabled", m_Enabled)                                \
    X("NuevoEnabled", m_NuevoEnabled) X("BorrarEnabled", m_BorrarEnabled)              \
    X("ReporteEnabled", m_ReporteEnabled) X("ConsultaEnabled", m_ConsultaEnabled)      \
    X("PlanillaEnabled", m_PlanillaEnabled) X("CancelarEnabled", m_CancelarEnabled)    \
    X("GrabarEnabled", m_GrabarEnabled) X("CerrarEnabled", m_CerrarEnabled)            \
    X("NuevoVisible", m_NuevoVisible) X("BorrarVisible", m_BorrarVisible)              \
    X("ReporteVisible", m_ReporteVisible) X("ConsultarVisible", m_consultarVisible)    \
    X("PlanillaVisible", m_PlanillaVisible) X("CancelarVisible", m_CancelarVisible)    \
    X("GrabarVisible", m_GrabarVisible) X("CerrarVisible", m_CerrarVisible)

void UtilKor::ReadProperties(const QMap<QString, bool>& PropBag)
{
    // Straight into the flags, without change notices.
#define UTILKOR_READ(key, member) member = PropBag.value(QStringLiteral(key), true);
    UTILKOR_SAVED_FLAGS(UTILKOR_READ)
#undef UTILKOR_READ
    CommandBars_Update();
}

QMap<QString, bool> UtilKor::WriteProperties() const
{
    QMap<QString, bool> bag;
#define UTILKOR_WRITE(key, member) bag.insert(QStringLiteral(key), member);
    UTILKOR_SAVED_FLAGS(UTILKOR_WRITE)
#undef UTILKOR_WRITE
    return bag;
}
