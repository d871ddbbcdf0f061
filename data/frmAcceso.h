#pragma once
// "Control de Acceso": the connection dialog. The operator names server, database, user
// and password, picks one of the known databases of BASES.TXT, registers a new one, or
// puts a launcher of the program on the desktop. The data-access object opens it when it
// needs connection parameters, fills the four boxes, shows it modally and reads them back.
#include "platform/vb/ErrorAnswer.h"
#include <QDialog>
#include <QString>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;

class frmAcceso : public QDialog {
    Q_OBJECT
    // Read by the opener: True after "Aceptar", False after "Cancelar".
    Q_PROPERTY(bool Aceptar MEMBER Aceptar)

public:
    explicit frmAcceso(QWidget* parent = nullptr);

    bool Aceptar = false;

    QGroupBox* framAcceso = nullptr;
    QLineEdit* TxtServidor = nullptr;
    QLineEdit* TxtDbName = nullptr;
    QLineEdit* TxtUserId = nullptr;
    QLineEdit* TxtUserPassword = nullptr;
    QLineEdit* TxtPuerto = nullptr;
    QComboBox* CboPlataformaDB = nullptr;
    QListWidget* lstBases = nullptr;
    QPushButton* bcAceptar = nullptr;
    QPushButton* bcCancelar = nullptr;
    QPushButton* CmdRegistrar = nullptr;
    QPushButton* CmdLineaComando = nullptr;

    void llenarlist();
    void DatosBase(const QString& Nombre);
    void AsignarDatosBase();
    // The box's hint, shown while the box is empty and never handed to the opener.
    void MensajeInicial(QLineEdit* ObjTxt);
    // True when a connection with these values opens; works on the main connection and
    // leaves it closed.
    bool ExisteBaseDeDatos(const QString& Servidor, const QString& Dbname, const QString& Usuario, const QString& Password,
                           const QString& Proveedor = QStringLiteral("SQLOLEDB"));
    // Runs a command (never through a shell) and waits for it while the form stays usable.
    bool EjecutarCmdRegDB(const QString& Archivo, QString& ErrDevuelto);

    void bcAceptar_Click();
    void bcCancelar_Click();
    void CmdRegistrar_Click();
    void CmdLineaComando_Click();
    void lstBases_Click();
    void lstBases_DblClick();

    // The launcher "Crear Acceso Directo" writes: <desktop>/<executable name>.desktop.
    static QString RutaAccesoDirecto();

private:
    void Form_Load();
    // Reports an error of llenarlist; the answer follows the shared error answer.
    int reportListError(const vb::VbError& e, const QString& routine);

    // The entry last looked up by DatosBase / AsignarDatosBase.
    QString selServidor_;
    QString selDbName_;
    QString selUsuario_;
    QString selPassword_;
    QString selPuerto_;
};

namespace data {

// Installs frmAcceso as the connection dialog of the data-access object. The program's
// error dialog reports failures to read the list; without one, the library's error box.
void InstalaFormularioAcceso(vb::ErrorHandler manejaError = {});

} // namespace data
