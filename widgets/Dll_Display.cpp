#include "widgets/Dll_Display.h"
#include "widgets/Lbf_CtrlDisplay.h"

#include "platform/ui/InputFilter.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <QWindow>

vb::AutoHolder<Dll_Display> gDisplay;

// Drops user input to every window but the notice while the notice's loop runs.
// Armed by CartelInicio and CartelMostrar; disarmed when the event dispatcher is about
// to wait for events, which happens only when no loop is running: the program is back
// in an event loop (a modal box asked inside the loop, or the loop is over).
class Dll_Display::InputGuard : public QObject {
public:
    explicit InputGuard(Lbf_CtrlDisplay* notice)
        : m_notice(notice)
    {
        qApp->installEventFilter(this);
        if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance(qApp->thread()))
            connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, [this] { m_armed = false; });
    }
    ~InputGuard() override
    {
        if (qApp)
            qApp->removeEventFilter(this);
    }

    void arm() { m_armed = true; }

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        if (!m_armed || !ui::IsUserInput(event) || ui::InWindow(receiver, m_notice))
            return false;
        return ui::DropInput(event);
    }

private:
    QPointer<Lbf_CtrlDisplay> m_notice;
    bool m_armed = false;
};

Dll_Display::Dll_Display() = default;

Dll_Display::~Dll_Display()
{
    // At the very end of the process the application may be gone already; a window
    // cannot be destroyed then, and the process releases it.
    if (QCoreApplication::instance())
        CartelCerrar();
    else
        (void)m_guard.release();
}

Lbf_CtrlDisplay* Dll_Display::Window() const
{
    return m_window.data();
}

Lbf_CtrlDisplay* Dll_Display::window()
{
    if (!m_window) {
        m_guard.reset();
        m_window = new Lbf_CtrlDisplay();
        m_guard = std::make_unique<InputGuard>(m_window.data());
    }
    return m_window.data();
}

QString Dll_Display::TextoNoNulo(const vb::Variant& value)
{
    try {
        return value.isNull() ? QString() : value.toString();
    } catch (...) {
        return QString();
    }
}

void Dll_Display::CartelInicio(const QString& Titulo, bool PermiteCancelar)
{
    Lbf_CtrlDisplay* notice = window();
    notice->setWindowTitle(Titulo);
    notice->CmdDisplayCancelar->setVisible(PermiteCancelar);
    // The notice floats above the window it reports on, not above every window: a
    // message box asked inside the loop must come out on top of it.
    QWidget* owner = QApplication::activeWindow();
    if (owner && owner != notice) {
        notice->winId();
        if (QWindow* handle = notice->windowHandle())
            handle->setTransientParent(owner->windowHandle());
    }
    notice->show();
    notice->raise();
    m_guard->arm();
}

void Dll_Display::CartelMostrar(bool& Cancelado, const std::optional<vb::Variant>& L1,
                                const std::optional<vb::Variant>& l2, const std::optional<vb::Variant>& l3)
{
    Lbf_CtrlDisplay* notice = window();
    const std::optional<vb::Variant>* lines[3] = {&L1, &l2, &l3};
    for (int i = 0; i < 3; ++i)
        if (lines[i]->has_value())
            notice->LblCtrol[i]->setText(TextoNoNulo(**lines[i]));
    notice->repaint();
    // Read before the events run: a click arriving now is seen at the next call.
    Cancelado = notice->CmdDisplayCancelar->text() == QLatin1String("Abortado");
    // A notice never shown (no CartelInicio) holds no loop up.
    if (notice->isVisible())
        m_guard->arm();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void Dll_Display::CartelCerrar()
{
    m_guard.reset();
    if (m_window) {
        m_window->hide();
        delete m_window.data();
    }
    m_window = nullptr;
}

void Dll_Display::SetSiempre_Visible(bool vNewValue)
{
    Lbf_CtrlDisplay* notice = window();
    const bool shown = notice->isVisible();
    notice->setWindowFlag(Qt::WindowStaysOnTopHint, vNewValue);
    // Changing a window's flags hides it; a shown notice stays shown.
    if (shown)
        notice->show();
}
