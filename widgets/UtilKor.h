#pragma once
// The suite's data-entry toolbar: one bar "Standard" with eight fixed buttons. The
// control does no work of its own: it keeps an Enabled and a Visible flag per button
// and turns a button press, or a function key the host passes to KeyAnalisis, into its
// one signal click(BTag) with the button key in capitals ("NUEVO", "GRABAR", ...).
// The icons come from the strip ABM2021*.bmp in the program folder chosen by the
// workstation's "Styles" value; without a readable strip the buttons show captions.
#include "platform/vb/Variant.h"

#include <QMap>
#include <QString>
#include <QWidget>

class QAction;
class QBoxLayout;
class QToolBar;

class UtilKor : public QWidget {
    Q_OBJECT
public:
    explicit UtilKor(QWidget* parent = nullptr);
    ~UtilKor() override;

    // Stored only (0..2, anything else stores 0); it has no visible effect.
    qint16 Theme() const { return m_Theme; }
    void SetTheme(qint16 New_Theme);

    // The flags take any Variant and store it as a Boolean (CBool; a text that is no
    // number or truth value raises 13). The buttons show them at once.
    bool NuevoEnabled() const { return m_NuevoEnabled; }
    void SetNuevoEnabled(const vb::Variant& value);
    bool BorrarEnabled() const { return m_BorrarEnabled; }
    void SetBorrarEnabled(const vb::Variant& value);
    bool ReporteEnabled() const { return m_ReporteEnabled; }
    void SetReporteEnabled(const vb::Variant& value);
    bool ConsultaEnabled() const { return m_ConsultaEnabled; }
    void SetConsultaEnabled(const vb::Variant& value);
    bool PlanillaEnabled() const { return m_PlanillaEnabled; }
    void SetPlanillaEnabled(const vb::Variant& value);
    bool CancelarEnabled() const { return m_CancelarEnabled; }
    void SetCancelarEnabled(const vb::Variant& value);
    bool GrabarEnabled() const { return m_GrabarEnabled; }
    void SetGrabarEnabled(const vb::Variant& value);
    bool CerrarEnabled() const { return m_CerrarEnabled; }
    void SetCerrarEnabled(const vb::Variant& value);

    bool NuevoVisible() const { return m_NuevoVisible; }
    void SetNuevoVisible(const vb::Variant& value);
    // The bar shows the button captions.
    bool ConTitulo() const { return m_ConTitulo; }
    void SetConTitulo(const vb::Variant& value);
    // Stored and persisted only: it changes neither the buttons nor the keys (the
    // widget's own enabled state is QWidget::setEnabled).
    bool Enabled() const { return m_Enabled; }
    void SetEnabled(const vb::Variant& value);
    bool BorrarVisible() const { return m_BorrarVisible; }
    void SetBorrarVisible(const vb::Variant& value);
    bool ReporteVisible() const { return m_ReporteVisible; }
    void SetReporteVisible(const vb::Variant& value);
    bool consultarVisible() const { return m_consultarVisible; }
    void SetconsultarVisible(const vb::Variant& value);
    bool PlanillaVisible() const { return m_PlanillaVisible; }
    void SetPlanillaVisible(const vb::Variant& value);
    bool CancelarVisible() const { return m_CancelarVisible; }
    void SetCancelarVisible(const vb::Variant& value);
    bool GrabarVisible() const { return m_GrabarVisible; }
    void SetGrabarVisible(const vb::Variant& value);
    bool CerrarVisible() const { return m_CerrarVisible; }
    void SetCerrarVisible(const vb::Variant& value);

    // Back to the state right after construction: every flag True, bar and icons rebuilt.
    void ActualizarBotones();
    // Raises click for Esc (Cancelar, else Cerrar), F2 to F6 and F10 when the button's
    // Enabled flag is True; any other key raises nothing. KeyCode is a VB key code.
    void KeyAnalisis(const int& KeyCode);

    // The host form's saved values: the eighteen flags by their keys ("ConTitulo",
    // "Enabled", "NuevoEnabled", ..., "ConsultarVisible", ...), True where missing.
    void ReadProperties(const QMap<QString, bool>& PropBag);
    QMap<QString, bool> WriteProperties() const;

    // The icon strip file the construction chose ("ABM2021B.bmp", ...) and whether it
    // could be read.
    QString IconStrip() const { return m_IconStrip; }
    bool IconsLoaded() const { return m_IconsLoaded; }
    // The strip file for a "Styles" value: "1" B, "2" M, "3" V, "4" i, else the plain one.
    static QString IconStripFor(const QString& style);

signals:
    void click(const QString& BTag);
    // A property was set through its setter (the property's own name).
    void propertyChanged(const QString& name);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void UserControl_Initialize();
    void CommandBars_Execute(QAction* control);
    void CommandBars_Update();
    void LoadIcons(const QString& stripFile);
    void dockBar();
    void setFlag(bool& flag, const vb::Variant& value, const char* name);
    bool* enabledFlag(int id);
    bool* visibleFlag(int id);

    qint16 m_Theme = 0;
    bool m_NuevoEnabled = true, m_BorrarEnabled = true, m_ReporteEnabled = true,
         m_ConsultaEnabled = true, m_PlanillaEnabled = true, m_CancelarEnabled = true,
         m_GrabarEnabled = true, m_CerrarEnabled = true;
    bool m_NuevoVisible = true, m_BorrarVisible = true, m_ReporteVisible = true,
         m_consultarVisible = true, m_PlanillaVisible = true, m_CancelarVisible = true,
         m_GrabarVisible = true, m_CerrarVisible = true;
    bool m_ConTitulo = true, m_Enabled = true;

    QBoxLayout* m_layout = nullptr;
    QToolBar* m_bar = nullptr;    // the bar "Standard"
    QString m_IconStrip;
    bool m_IconsLoaded = false;
};
