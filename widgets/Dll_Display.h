#pragma once
// The progress notice that long loops on the user-interface thread show: open it with
// CartelInicio, call CartelMostrar on every pass (it writes the lines, lets pending
// events run and tells whether the operator cancelled), close it with CartelCerrar.
//
// While the notice is open and its loop runs, the events CartelMostrar (or any
// DoEvents) lets through keep painting, timers and the notice's own button working,
// but user input to every other window is dropped: a key or click there would run that
// window's commands inside the loop. Input flows again once the notice is closed, or as
// soon as the program waits idle for events (a message box asked inside the loop, or a
// loop that ended without closing the notice).
#include "platform/vb/Holder.h"
#include "platform/vb/Variant.h"

#include <QPointer>
#include <QString>
#include <memory>
#include <optional>

class Lbf_CtrlDisplay;

class Dll_Display {
public:
    Dll_Display();
    ~Dll_Display();
    Dll_Display(const Dll_Display&) = delete;
    Dll_Display& operator=(const Dll_Display&) = delete;

    // Sets the window's caption, shows the cancel button only when cancelling is
    // allowed and shows the window without waiting. An open notice keeps its cancel state.
    void CartelInicio(const QString& Titulo, bool PermiteCancelar);
    // Each line given replaces its line of the notice (Null gives an empty line); a line
    // left out keeps its text. Cancelado is True exactly when the cancel button has been
    // pressed since the notice was created; then pending events run once.
    void CartelMostrar(bool& Cancelado, const std::optional<vb::Variant>& L1 = std::nullopt,
                       const std::optional<vb::Variant>& l2 = std::nullopt,
                       const std::optional<vb::Variant>& l3 = std::nullopt);
    // Hides and releases the window; the next operation starts a fresh, uncancelled one.
    // Harmless when no notice is shown.
    void CartelCerrar();
    // True keeps the window above every other window; False (as it starts) keeps it
    // above the window that was active when it opened.
    void SetSiempre_Visible(bool vNewValue);

    // The current window, if one exists (it is created by the operations above).
    Lbf_CtrlDisplay* Window() const;

private:
    Lbf_CtrlDisplay* window();
    static QString TextoNoNulo(const vb::Variant& value);

    QPointer<Lbf_CtrlDisplay> m_window;
    class InputGuard;
    std::unique_ptr<InputGuard> m_guard;
};

// The program-wide notice, created on first use; the frame releases it at shutdown.
extern vb::AutoHolder<Dll_Display> gDisplay;
