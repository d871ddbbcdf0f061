// The connection dialog: boxes, the known-database list, registration of a tested
// connection and the desktop launcher.
#include "data/frmAcceso.h"
#include "data/AccessDialog.h"
#include "data/BasesTxt.h"
#include "data/DB_Dll.h"
#include "platform/ui/Operator.h"
#include "platform/vb/App.h"
#include "platform/vb/Strings.h"
#include "platform/vb/TextFile.h"
#include "platform/zeltrix/Services.h"
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <functional>

namespace {

const QString CR = QStringLiteral("\r");

vb::ErrorHandler& listErrorHandler()
{
    static vb::ErrorHandler handler;
    return handler;
}

// The registration tool beside the program, named ODBC.exe or ODBC in any case; "" when absent.
QString registrationTool()
{
    for (const QString& name : {QStringLiteral("ODBC.exe"), QStringLiteral("ODBC")}) {
        const QString path = vb::FindFileNoCase(vb::App::Path(), name);
        const QFileInfo info(path);
        if (info.exists() && info.isFile())
            return info.absoluteFilePath();
    }
    return QString();
}

// The program's icon file in the program folder, for the launcher; "" when there is none.
QString programIconFile()
{
    for (const QString& name : {QStringLiteral("vandrel.png"), QStringLiteral("vandrel.ico")}) {
        const QString path = vb::FindFileNoCase(vb::App::Path(), name);
        if (QFileInfo::exists(path))
            return QFileInfo(path).absoluteFilePath();
    }
    return QString();
}

// One argument of a launcher's Exec key, quoted as desktop entries require.
QString desktopExecArgument(const QString& arg)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool quote = arg.isEmpty();
    for (QChar c : arg)
        quote = quote || reserved.contains(c);
    QString out;
    for (QChar c : arg) {
        if (quote && (c == u'"' || c == u'`' || c == u'$' || c == u'\\'))
            out += u'\\';
        out += c;
    }
    if (quote)
        out = u'"' + out + u'"';
    // The value itself is an escaped string: backslashes double, "%" is a field code.
    return out.replace(QStringLiteral("\\"), QStringLiteral("\\\\")).replace(QStringLiteral("%"), QStringLiteral("%%"));
}

// A value of a desktop entry's string key.
QString desktopValue(const QString& text)
{
    QString out = text;
    out.replace(QStringLiteral("\\"), QStringLiteral("\\\\"));
    out.replace(QStringLiteral("\n"), QStringLiteral("\\n"));
    return out;
}

} // namespace

frmAcceso::frmAcceso(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAcceso"));
    setWindowTitle(QStringLiteral("Control de Acceso"));
    setModal(true);

    auto lineEdit = [this](const char* name, const QString& tip) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QString::fromLatin1(name));
        box->setToolTip(tip);
        return box;
    };
    framAcceso = new QGroupBox(QStringLiteral("Complete los datos de conexion"), this);
    framAcceso->setObjectName(QStringLiteral("framAcceso"));
    CboPlataformaDB = new QComboBox(framAcceso);
    CboPlataformaDB->setObjectName(QStringLiteral("CboPlataformaDB"));
    CboPlataformaDB->addItems({QStringLiteral("SQL Server"), QStringLiteral("ORACLE")});
    TxtServidor = lineEdit("TxtServidor", QStringLiteral("ingrese el nombre del servidor e instancia"));
    TxtPuerto = lineEdit("TxtPuerto", QStringLiteral("Ingrese el Puerto "));
    TxtPuerto->setText(QStringLiteral("1433"));
    TxtDbName = lineEdit("TxtDbName", QStringLiteral("ingrese el nombre de la base de datos"));
    TxtUserId = lineEdit("TxtUserId", QStringLiteral("Ingrese el nombre de usuario"));
    TxtUserPassword = lineEdit("TxtUserPassword", QStringLiteral("Ingrese la contraseña"));
    TxtUserPassword->setEchoMode(QLineEdit::Password);

    auto* boxes = new QGridLayout(framAcceso);
    int row = 0;
    auto addRow = [&](const QString& label, QWidget* w) {
        auto* l = new QLabel(label, framAcceso);
        l->setBuddy(w);
        boxes->addWidget(l, row, 0);
        boxes->addWidget(w, row++, 1);
    };
    addRow(QStringLiteral("Plataforma"), CboPlataformaDB);
    addRow(QStringLiteral("Servidor"), TxtServidor);
    addRow(QStringLiteral("Puerto"), TxtPuerto);
    addRow(QStringLiteral("Base de datos"), TxtDbName);
    addRow(QStringLiteral("Usuario"), TxtUserId);
    addRow(QStringLiteral("Contraseña"), TxtUserPassword);
    boxes->setColumnMinimumWidth(1, 290);

    auto* listFrame = new QGroupBox(QStringLiteral("Conexiones registradas"), this);
    lstBases = new QListWidget(listFrame);
    lstBases->setObjectName(QStringLiteral("lstBases"));
    lstBases->setMinimumWidth(240);
    auto* listLayout = new QVBoxLayout(listFrame);
    listLayout->addWidget(lstBases);

    auto button = [this](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    CmdRegistrar = button("CmdRegistrar", QStringLiteral("Registrar"));
    CmdLineaComando = button("CmdLineaComando", QStringLiteral("Crear Acceso Directo"));
    bcAceptar = button("bcAceptar", QStringLiteral("Aceptar"));
    bcCancelar = button("bcCancelar", QStringLiteral("Cancelar"));
    bcAceptar->setDefault(true);

    auto* top = new QHBoxLayout;
    top->addWidget(framAcceso, 3);
    top->addWidget(listFrame, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CmdRegistrar);
    buttons->addWidget(CmdLineaComando);
    buttons->addStretch(1);
    buttons->addWidget(bcAceptar);
    buttons->addWidget(bcCancelar);
    auto* main = new QVBoxLayout(this);
    main->addLayout(top);
    main->addLayout(buttons);

    connect(bcAceptar, &QPushButton::clicked, this, &frmAcceso::bcAceptar_Click);
    connect(bcCancelar, &QPushButton::clicked, this, &frmAcceso::bcCancelar_Click);
    connect(CmdRegistrar, &QPushButton::clicked, this, &frmAcceso::CmdRegistrar_Click);
    connect(CmdLineaComando, &QPushButton::clicked, this, &frmAcceso::CmdLineaComando_Click);
    // A move by mouse or keyboard shows the entry; a click on the current one shows it again.
    connect(lstBases, &QListWidget::currentRowChanged, this, [this](int r) {
        if (r >= 0)
            AsignarDatosBase();
    });
    connect(lstBases, &QListWidget::itemClicked, this, &frmAcceso::lstBases_Click);
    connect(lstBases, &QListWidget::itemDoubleClicked, this, &frmAcceso::lstBases_DblClick);

    Form_Load();
}

void frmAcceso::Form_Load()
{
    Utilidades->PreparaFormulario(this);   // centred on the screen
    llenarlist();
    MensajeInicial(TxtUserId);
    MensajeInicial(TxtUserPassword);
    MensajeInicial(TxtDbName);
    MensajeInicial(TxtServidor);
}

int frmAcceso::reportListError(const vb::VbError& e, const QString& routine)
{
    if (listErrorHandler())
        return listErrorHandler()(e, routine);
    return Utilidades->TrataError(e, routine);
}

void frmAcceso::llenarlist()
{
    auto handler = [this](const vb::VbError& e, const QString& routine) { return reportListError(e, routine); };
    QList<data::RegistroBase> records;
    const std::function<void()> steps[] = {
        [&] { lstBases->clear(); },
        [&] {
            if (!data::LeeBasesTxt(records))
                vb::Raise(75, QString(), data::RutaBasesTxt());
        },
        [&] {
            for (const data::RegistroBase& r : records)
                if (!vb::Trim(r.Clave).isEmpty())
                    lstBases->addItem(r.Clave);
        },
        // The first entry is shown in the boxes as a click would show it.
        [&] {
            if (lstBases->count() > 0)
                lstBases->setCurrentRow(0);
        },
    };
    for (const auto& step : steps)
        if (vb::guarded(handler, QStringLiteral("FormLoad"), step) == vb::Step::Leave)
            return;
}

void frmAcceso::DatosBase(const QString& Nombre)
{
    QList<data::RegistroBase> records;
    if (!data::LeeBasesTxt(records)) {
        Utilidades->TrataError(vb::VbError(75, vb::StandardDescription(75), data::RutaBasesTxt()), QStringLiteral("DatosBase"));
        return;
    }
    const QString wanted = vb::Trim(Nombre);
    for (const data::RegistroBase& r : records) {
        if (vb::Trim(r.Clave) != wanted)
            continue;
        selServidor_ = r.Servidor;
        selDbName_ = r.DbName;
        selUsuario_ = r.Usuario;
        selPassword_ = Utilidades->DecodificaClave(r.Password);
        return;
    }
}

void frmAcceso::AsignarDatosBase()
{
    QListWidgetItem* item = lstBases->currentItem();
    if (!item)
        return;
    DatosBase(vb::Trim(item->text()));
    const int colon = vb::InStr(selServidor_, QStringLiteral(":"));
    if (colon > 0) {
        selPuerto_ = vb::Mid(selServidor_, colon + 1);
        selServidor_ = vb::Trim(vb::UCase(vb::Left(selServidor_, colon - 1)));
    }
    TxtServidor->setText(selServidor_);
    TxtDbName->setText(selDbName_);
    if (!selPuerto_.isNull())
        TxtPuerto->setText(selPuerto_);
    // The operator always types the user and the password.
    TxtUserId->clear();
    TxtUserPassword->clear();
}

void frmAcceso::MensajeInicial(QLineEdit* ObjTxt)
{
    if (!ObjTxt)
        return;
    QString hint;
    if (ObjTxt == TxtUserId)
        hint = QStringLiteral("Ingrese el usuario");
    else if (ObjTxt == TxtDbName)
        hint = QStringLiteral("ingrese el nombre de la base de datos");
    else if (ObjTxt == TxtServidor)
        hint = QStringLiteral("ingrese el nombre del servidor e instancia");
    // A placeholder: shown while the box is empty, never part of its text.
    ObjTxt->setPlaceholderText(hint);
}

bool frmAcceso::ExisteBaseDeDatos(const QString& Servidor, const QString& Dbname, const QString& Usuario, const QString& Password,
                                  const QString& Proveedor)
{
    ado::Connection& cnn = *gDBPrincipal->gCnn;
    auto closeIfOpen = [&cnn] {
        try {
            if (cnn.State() == ado::adStateOpen)
                cnn.Close();
        } catch (const vb::VbError&) {
        }
    };
    closeIfOpen();
    const QString text = data::SqlServerConnectionString(Proveedor, Servidor, Dbname, Usuario, Password);
    bool opened = true;
    try {
        cnn.Open(text, QString(), QString(), -1);
    } catch (const vb::VbError&) {
        opened = false;
    }
    closeIfOpen();
    return opened;
}

bool frmAcceso::EjecutarCmdRegDB(const QString& Archivo, QString& ErrDevuelto)
{
    QStringList parts = QProcess::splitCommand(Archivo);
    if (!parts.isEmpty()) {
        QProcess process;
        const QString program = parts.takeFirst();
        process.start(program, parts);
        if (process.waitForStarted(-1)) {
            // The form stays usable while the command runs.
            QEventLoop loop;
            connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
            if (process.state() != QProcess::NotRunning)
                loop.exec();
            return true;
        }
    }
    ErrDevuelto = QStringLiteral("Error al ejecutar el comando");
    return false;
}

void frmAcceso::bcAceptar_Click()
{
    Aceptar = true;
    accept();
}

void frmAcceso::bcCancelar_Click()
{
    Aceptar = false;
    reject();
}

void frmAcceso::lstBases_Click()
{
    AsignarDatosBase();
}

void frmAcceso::lstBases_DblClick()
{
    AsignarDatosBase();
    bcAceptar_Click();
}

void frmAcceso::CmdRegistrar_Click()
{
    DB_Dll& db = *gDBPrincipal;
    QString key;
    bool stop = false;       // the procedure ends here
    bool toTool = false;     // an unexpected error: go on with the registration tool
    auto handler = [&](const vb::VbError& e, const QString&) -> int {
        switch (e.Number) {
        case ado::adErrObjectClosed: case -2147023840: case 1056: case 440: case 20480:
            return vb::AnswerIgnore;
        default:
            break;
        }
        ui::MsgBox(QStringLiteral("SQL Server start failed.  ") + CR + QStringLiteral("SQL-DMO error:  ") + vb::Str(e.Number)
                       + QStringLiteral(" ") + e.Description,
                   ui::vbOKOnly, QString());
        toTool = true;
        return vb::AnswerIgnore;
    };
    auto closeMain = [&db] {
        if (db.gCnn->State() == ado::adStateOpen)
            db.gCnn->Close();
    };

    const std::function<void()> beforeTool[] = {
        [&] {
            QString server = vb::UCase(vb::Trim(TxtServidor->text()));
            const int colon = vb::InStr(server, QStringLiteral(":"));
            if (colon > 0)
                server = vb::Left(server, colon - 1);
            key = vb::UCase(vb::Trim(TxtDbName->text())) + QStringLiteral(" / ") + server;
        },
        [&] {
            selServidor_.clear();
            DatosBase(key);
            if (!vb::Trim(selServidor_).isEmpty()) {
                ui::MsgBox(QStringLiteral("La conexion que intenta registrar ya existe "), ui::vbInformation, QStringLiteral("Atencion"));
                stop = true;
            }
        },
        [&] {
            TxtServidor->setText(vb::Trim(TxtServidor->text()));
            TxtUserId->setText(vb::Trim(TxtUserId->text()));
            TxtUserPassword->setText(vb::Trim(TxtUserPassword->text()));
            TxtDbName->setText(vb::Trim(TxtDbName->text()));
        },
        // The list has no quoting: a comma or a line break would split the record, so
        // nothing is written.
        [&] {
            QString problem = data::FieldProblem(TxtDbName->text());
            if (problem.isEmpty())
                problem = data::FieldProblem(TxtServidor->text());
            if (problem.isEmpty())
                return;
            ui::MsgBox(problem == data::FieldProblem(QStringLiteral(","))
                           ? QStringLiteral("El nombre de la base de datos y el del servidor no pueden contener comas (,)")
                           : QStringLiteral("El nombre de la base de datos y el del servidor no pueden contener saltos de línea"),
                       ui::vbExclamation, QStringLiteral("Atencion"));
            stop = true;
        },
        [&] {
            const QString dbName = vb::UCase(TxtDbName->text());
            if (ExisteBaseDeDatos(TxtServidor->text(), dbName, dbName, dbName, QStringLiteral("SQLOLEDB")))
                return;
            // The typed login; a failure is told below instead of reopening this dialog.
            closeMain();
            db.gServidor = TxtServidor->text();
            db.gUsuario = TxtUserId->text();
            db.gUserPassWord = TxtUserPassword->text();
            db.gDBName = TxtDbName->text();
            db.OpenServerADODB(false, 3, QString(), true, false);
            if (!db.gOpenFlag) {
                ui::MsgBox(QStringLiteral("NO SE PUDO CONECTAR AL SERVIDOR ") + TxtServidor->text()
                               + QStringLiteral(" VERIFIQUE EL NOMBRE DE USUARIO Y PASSWORD INGRESADO"),
                           ui::vbInformation, QStringLiteral("AVISO AL OPERADOR"));
                stop = true;
            }
        },
        // The typed user and password are never stored.
        [&] { RegistraBaseEnArchivo(key, TxtDbName->text(), TxtDbName->text(), TxtDbName->text(), TxtServidor->text(), false); },
    };
    for (const auto& step : beforeTool) {
        vb::guarded(handler, QStringLiteral("CmdRegistrar_Click"), step);
        if (stop)
            return;
        if (toTool)
            break;
    }

    const std::function<void()> afterTool[] = {
        [&] {
            const QString tool = registrationTool();
            if (tool.isEmpty())
                return;
            // The database just registered, as typed.
            const QString argument = QStringLiteral("Server=") + TxtServidor->text() + QStringLiteral(";DB=") + TxtDbName->text()
                                   + QStringLiteral(";");
            if (!QProcess::startDetached(tool, {argument}, vb::App::Path()))
                vb::Raise(53, QString(), tool);
        },
        [&] { closeMain(); },
        [&] { llenarlist(); },
    };
    for (const auto& step : afterTool)
        vb::guarded(handler, QStringLiteral("CmdRegistrar_Click"), step);
}

QString frmAcceso::RutaAccesoDirecto()
{
    QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (desktop.isEmpty())
        desktop = QDir::homePath() + QStringLiteral("/Desktop");
    return desktop + QLatin1Char('/') + vb::App::EXEName() + QStringLiteral(".desktop");
}

void frmAcceso::CmdLineaComando_Click()
{
    const QString path = RutaAccesoDirecto();
    QString program = QCoreApplication::applicationFilePath();
    if (program.isEmpty())
        program = QDir(vb::App::Path()).filePath(vb::App::EXEName());
    QStringList lines{
        QStringLiteral("[Desktop Entry]"),
        QStringLiteral("Type=Application"),
        QStringLiteral("Name=") + desktopValue(vb::App::EXEName()),
        QStringLiteral("Exec=") + desktopExecArgument(program),
        QStringLiteral("Path=") + desktopValue(QDir::toNativeSeparators(vb::App::Path())),
    };
    const QString icon = programIconFile();
    if (!icon.isEmpty())
        lines << QStringLiteral("Icon=") + desktopValue(icon);
    lines << QStringLiteral("Terminal=false");

    bool written = QDir().mkpath(QFileInfo(path).path());
    if (written) {
        QSaveFile file(path);   // an existing launcher of that name is replaced
        written = file.open(QIODevice::WriteOnly) && file.write((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8()) >= 0
               && file.commit();
    }
    if (written) {
        QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner | QFileDevice::ExeUser);
        return;
    }
    ui::MsgBox(QStringLiteral("No se pudo crear el acceso directo en el escritorio: ") + path, ui::vbExclamation,
               QStringLiteral("Atencion"));
}

namespace data {

void InstalaFormularioAcceso(vb::ErrorHandler manejaError)
{
    listErrorHandler() = std::move(manejaError);
    SetAccessDialogFactory([] { return std::make_unique<frmAcceso>(); });
}

} // namespace data
