// Opening the data-access object's connection: on a server, again after a lost
// connection, or on a local database file.
#include "data/AccessDialog.h"
#include "data/DB_Dll.h"
#include "platform/ado/ConnectionString.h"
#include "platform/ui/Operator.h"
#include "platform/vb/App.h"
#include "platform/vb/ErrorAnswer.h"
#include "platform/vb/Strings.h"
#include <QComboBox>
#include <QLineEdit>

using vb::vbTextCompare;

namespace {

const QString CR = QStringLiteral("\r");
const QString CRLF = QStringLiteral("\r\n");

QString connectionErrorText(const ado::Error& e)
{
    return QStringLiteral(" Estado de Sql: ") + e.SQLState + CR + QStringLiteral("Numero de Error: ") + QString::number(e.Number) + CR
         + QStringLiteral("Descripcion: ") + e.Description + CR + QStringLiteral("Codigo Nativo: ") + QString::number(e.NativeError)
         + CR + CRLF + QStringLiteral("Nombre de Proceso: ") + vb::App::EXEName() + CR + CRLF + CRLF
         + QStringLiteral("1. Verifique el Usuario, contraseña y base de datos") + CRLF
         + QStringLiteral("2. Verifique el nombre del servidor, quizas necesite agregarle el nombre de la instancia, por ejemplo : ")
         + gDBPrincipal->gServidor + QStringLiteral("\\ZELTRIX") + CRLF
         + QStringLiteral("3. Verifique si el inicio de sesion para el usuario ") + gDBPrincipal->gUsuario + QStringLiteral(" existe") + CRLF
         + CRLF + CRLF + QStringLiteral(" - Desea Intentarlo Nuevamente??? ");
}

QString boxText(QDialog& d, const char* name)
{
    auto* box = d.findChild<QLineEdit*>(QString::fromLatin1(name));
    return box ? box->text() : QString();
}

void setBoxText(QDialog& d, const char* name, const QString& text)
{
    if (auto* box = d.findChild<QLineEdit*>(QString::fromLatin1(name)))
        box->setText(text);
}

} // namespace

QString data::OracleConnectionString(const QString& DataSource, const QString& User, const QString& Password)
{
    using ado::QuoteConnectionValue;
    return QStringLiteral("Provider=OraOLEDB.Oracle.1;Data Source=") + QuoteConnectionValue(DataSource) + QStringLiteral(";User Id=")
         + QuoteConnectionValue(User) + QStringLiteral(";Password=") + QuoteConnectionValue(Password) + QStringLiteral(";");
}

QString data::SqlServerConnectionString(const QString& Provider, const QString& Server, const QString& Database,
                                        const QString& User, const QString& Password)
{
    using ado::QuoteConnectionValue;
    return QStringLiteral("PROVIDER=") + Provider + QStringLiteral(";") + QStringLiteral("Server=") + QuoteConnectionValue(Server)
         + QStringLiteral(";") + QStringLiteral("Database =") + QuoteConnectionValue(Database) + QStringLiteral(";")
         + QStringLiteral("UId=") + QuoteConnectionValue(User) + QStringLiteral(";") + QStringLiteral("Pwd=")
         + QuoteConnectionValue(Password) + QStringLiteral(";");
}

void DB_Dll::BuildConnectionString()
{
    if (vb::InStr(gServidor, QStringLiteral("#"), vbTextCompare) > 0) {
        gConnString = data::OracleConnectionString(gDBName, gUsuario, gUserPassWord);
        return;
    }
    gConnString = data::SqlServerConnectionString(gDBPrincipal->pSQLOLEDB(), gServidor, gDBName, gUsuario, gUserPassWord) + gExtended;
}

bool DB_Dll::RunConnectionDialog()
{
    std::unique_ptr<QDialog> dialog = data::CreateAccessDialog();
    setBoxText(*dialog, "TxtDbName", gDBName);
    setBoxText(*dialog, "TxtServidor", gServidor);
    setBoxText(*dialog, "TxtUserId", gUsuario);
    setBoxText(*dialog, "TxtUserPassword", gUserPassWord);
    auto* platform = dialog->findChild<QComboBox*>(QStringLiteral("CboPlataformaDB"));
    if (platform)
        platform->setCurrentIndex(0);
    ui::ShowModal(*dialog);
    if (dialog->property("Aceptar").toBool()) {
        gOpenFlag = true;
        gDBName = boxText(*dialog, "TxtDbName");
        gServidor = boxText(*dialog, "TxtServidor");
        gUsuario = boxText(*dialog, "TxtUserId");
        gUserPassWord = boxText(*dialog, "TxtUserPassword");
        if (platform && platform->currentIndex() > 0) {
            gProveedor = QStringLiteral("OraOLEDB.Oracle.1");
            if (vb::InStr(gServidor, QStringLiteral("#")) == 0)
                gServidor = QStringLiteral("#") + gServidor;
        } else {
            gProveedor = gDBPrincipal->pSQLOLEDB();
        }
    } else {
        gOpenFlag = false;
    }
    return gOpenFlag;
}

void DB_Dll::OpenServerADODB(bool PideParametrosSQL, int lCursor, const QString& ConnString, bool ValidaAdmin, bool MuestraError)
{
    bool retriedOpenObject = false;
    bool finished = false;   // a statement ended the procedure without an error
    auto closeForRetry = [this] {
        try { gCnn->Close(); } catch (const vb::VbError&) {}
    };
    auto handler = [&](const vb::VbError& e, const QString&) -> int {
        if (e.Number == ado::adErrObjectOpen && !retriedOpenObject && (!MuestraError || gCnn->Errors().Count() == 0)) {
            retriedOpenObject = true;
            closeForRetry();
            return vb::AnswerRetry;
        }
        if (!MuestraError) {
            gOpenFlag = false;
            return 0;
        }
        if (gCnn->Errors().Count() > 0) {
            const int answer = ui::MsgBox(connectionErrorText(gCnn->Errors().Item(0)), ui::vbYesNo + ui::vbCritical,
                                          QStringLiteral(" Error de Conexion a Base de Datos"));
            if (answer == ui::vbYes) {
                gCnn->Errors().Clear();
                if (!RunConnectionDialog())
                    return 0;
                BuildConnectionString();
                return vb::AnswerRetry;
            }
            gOpenFlag = false;
            return 0;
        }
        ui::MsgBox(e.Description, ui::vbOKOnly, QString());
        // Nothing is open after this error, whatever the flag said before.
        gOpenFlag = false;
        return 0;
    };

    const std::function<void()> statements[] = {
        [&] {
            gOpenFlag = true;
            if (gProveedor.isEmpty())
                gProveedor = QStringLiteral("SQLOLEDB");
        },
        [&] {
            if (vb::Trim(ConnString).isEmpty())
                BuildConnectionString();
            else
                gConnString = ConnString;
        },
        [&] {
            if (!PideParametrosSQL)
                return;
            if (!RunConnectionDialog()) {
                finished = true;
                return;
            }
            BuildConnectionString();
        },
        [&] { gCnn->SetCursorLocation(lCursor); },
        [&] { gCnn->Open(gConnString, QString(), QString(), -1); },
        [&] {
            if (!ValidaAdmin) {
                gEsAdmin = true;
                finished = true;
            }
        },
        [&] {
            if (vb::Trim(gDBName).isEmpty()) {
                finished = true;
                return;
            }
            gCnn->SetDefaultDatabase(gDBName);
        },
        [&] {
            if (!gDBPrincipal->ExisteTablaDB(QStringLiteral("TA_USUARIOS")))
                return;
            if (!MuestraError) {
                gEsAdmin = true;
                return;
            }
            const vb::Variant admin = DatosTabla(QStringLiteral("ta_usuarios"), vb::Variant(gUsuario), QStringLiteral("Administrador"),
                                                 QStringLiteral("nombre"), vb::Variant(8), QString(), true, false);
            gEsAdmin = vb::Val(admin.isNull() || admin.isEmpty() ? QString() : admin.toString()) == 1;
        },
    };
    for (const auto& statement : statements) {
        if (vb::guarded(handler, QStringLiteral("OpenServerADODB"), statement) == vb::Step::Leave || finished)
            return;
    }
}

void DB_Dll::ReintentaConectar()
{
    auto handler = [this](const vb::VbError& e, const QString& routine) -> int {
        if (e.Number == ado::adErrObjectClosed)
            return vb::AnswerIgnore;
        if (e.Number == ado::hrUnspecified) {
            gOpenFlag = false;
            return 0;
        }
        return int(TratamientoErrores(e, std::nullopt, routine));
    };
    const std::function<void()> statements[] = {
        [&] { gOpenFlag = false; },
        [&] { gCnn->SetCommandTimeout(5); },
        [&] { gCnn->Close(); },
        // This object's own credentials: the main object's could belong to another database.
        [&] { gCnn->Open(gCnn->ConnectionString(), gUsuario, gUserPassWord, -1); },
        [&] { gOpenFlag = true; },
    };
    for (const auto& statement : statements)
        if (vb::guarded(handler, QStringLiteral("AbrirRecordset"), statement) == vb::Step::Leave)
            return;
}

void DB_Dll::OpenLocalADODB(const QString& ConnString, const QString& CadenaID, const QString& CadenaPWD)
{
    bool storedPasswordTried = false;
    for (;;) {
        if (vb::Trim(gDBName).isEmpty()) {
            CmdDlg->DialogTitle = QStringLiteral("Buscar Base de Datos");
            CmdDlg->Filter = QStringLiteral("Base de Datos de Microsoft Access |*.MDB");
            CmdDlg->ShowOpen();
            gDBName = CmdDlg->FileName;
            if (CmdDlg->Cancelado)
                return;
        }
        const QString text = !ConnString.isEmpty()
            ? ConnString
            : QStringLiteral("PROVIDER=") + gProveedor + QStringLiteral(";") + QStringLiteral("Data Source =")
                  + ado::QuoteConnectionValue(gDBName) + QStringLiteral(";") + CadenaID + QStringLiteral("=")
                  + ado::QuoteConnectionValue(gUsuario) + QStringLiteral(";") + CadenaPWD + QStringLiteral("=")
                  + ado::QuoteConnectionValue(gUserPassWord) + QStringLiteral(";") + gExtended;
        try {
            gCnn->Open(text, QString(), QString(), -1);
            gConnString = text;
            return;
        } catch (const vb::VbError& e) {
            const QString state = gCnn->Errors().Count() > 0 ? gCnn->Errors().Item(0).SQLState : QString();
            if (state == QLatin1String("3024") || state == QLatin1String("3051") || state == QLatin1String("3044")) {
                gDBName.clear();
                continue;
            }
            if (state == QLatin1String("3031")) {
                // The password joins the connection string through gUserPassWord.
                const bool useStored = !gIgnoraPassWord.isNull() && !gIgnoraPassWord.isEmpty() && gIgnoraPassWord.toBool();
                if (useStored && storedPasswordTried)
                    return;   // the stored password was refused once: trying it again cannot help
                storedPasswordTried = storedPasswordTried || useStored;
                if (!useStored) {
                    const QString typed = ui::InputBox(QStringLiteral("ingrese el password:"), QStringLiteral("Password Access"));
                    if (typed.isEmpty())
                        return;   // a cancelled prompt ends the attempt instead of asking forever
                    gUserPassWord = typed;
                }
                continue;
            }
            ui::MsgBox(QString::number(e.Number) + QStringLiteral("  ") + e.Description, ui::vbCritical, QString());
            return;
        }
    }
}
