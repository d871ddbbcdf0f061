// Writing and reading the query-mask file.
#include "frame/QueryMasks.h"
#include "frame/ProgramHooks.h"
#include "platform/vb/Strings.h"
#include "platform/vb/TextFile.h"
#include "platform/vb/VbError.h"
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

QByteArray field(const QString& text, int width)
{
    QByteArray bytes = vb::ToCp1252(text).left(width);
    bytes.append(QByteArray(width - int(bytes.size()), ' '));
    return bytes;
}

QString withoutMarkers(const QString& text)
{
    QString t = text;
    t.remove(QChar(0));
    t.remove(QChar(0xFF));
    return vb::Trim(t);
}

// The file's path as it is on disk, matched without regard to case.
QString onDisk(const QString& ruta)
{
    const QFileInfo fi(ruta);
    return vb::FindFileNoCase(fi.path(), fi.fileName());
}

} // namespace

QByteArray RegistroMascara(const RegMascaraConsulta& reg)
{
    return field(reg.Titulo, 100) + field(reg.Vista, 100) + field(reg.Campos, 500) + field(reg.Extra, 500) + QByteArray("\r\n");
}

bool LeeRegistroMascara(const QString& Ruta, int Numero, RegMascaraConsulta& reg)
{
    QByteArray bytes;
    if (!vb::ReadRecord(onDisk(Ruta), kLargoMascaraConsulta, Numero, bytes) || bytes.size() < kLargoMascaraConsulta)
        return false;
    reg.Titulo = vb::FromCp1252(bytes.mid(0, 100));
    reg.Vista = vb::FromCp1252(bytes.mid(100, 100));
    reg.Campos = vb::FromCp1252(bytes.mid(200, 500));
    reg.Extra = vb::FromCp1252(bytes.mid(700, 500));
    return true;
}

void CreaMascarasConsultas()
{
    CreaMascarasConsultas(gConsultasSetup.gRutaMascaraConsultas);
}

void CreaMascarasConsultas(const QString& Ruta)
{
    static const char* const defaults[][3] = {
        {"ARTICULOS", "V_MA_ARTICULOS", "|DESCRIPCION|IDARTICULO|"},
        {"CLIENTES", "VT_CLIENTES", "|RAZON_SOCIAL|CODIGO|CONTACTO|"},
        {"PROVEEDORES", "VT_PROVEEDORES", "|RAZON_SOCIAL|CODIGO|"},
        {"CONTACTOS", "MA_CONTACTOS", "|Nombre_y_Apellido|Domicilio|Localidad|Telefono|"},
        {"VENDEDORES", "V_TA_VENDEDORES", "|NOMBRE|IDVENDEDOR|"},
        {"TECNICOS", "V_TA_TECNICOS", "|NOMBRE|IDTECNICO|"},
        {"MANTENIMIENTOS", "V_MA_MANTENIMIENTOS", "|DESCRIPCION|CODIGO|"},
        {"CUENTAS", "MA_CUENTAS", "|DESCRIPCION|CODIGO|"},
        {"TAREAS", "V_TA_Tareas  ", "|Descripcion|IdTarea| "},
        {"UnidadNegocio", "V_TA_UnidadNegocio", "|Descripcion|Codigo|"},
        {"DEPOSITO", "V_TA_DEPOSITO", "|Descripcion|IdDeposito|"},
    };
    const QString path = onDisk(Ruta);
    // Records go after the last whole record of what is there already.
    QByteArray content;
    {
        QFile existing(path);
        if (existing.exists() && existing.open(QIODevice::ReadOnly)) {
            content = existing.readAll();
            content.truncate(content.size() / kLargoMascaraConsulta * kLargoMascaraConsulta);
        }
    }
    for (const auto& d : defaults) {
        RegMascaraConsulta reg;
        reg.Titulo = vb::Trim(QString::fromLatin1(d[0]));
        reg.Vista = QString::fromLatin1(d[1]);
        reg.Campos = vb::Trim(QString::fromLatin1(d[2]));
        content += RegistroMascara(reg);
    }
    // Written whole to a temporary file and renamed: an interrupted start never leaves a
    // partial file that later starts would take as complete.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
        vb::Raise(75, QStringLiteral("Error de acceso a la ruta o el archivo: ") + path);
}

bool BuscaMascaraConsulta(const QString& Ruta, const QString& Nombre, MascaraConsulta& mascara)
{
    const QString path = onDisk(Ruta);
    if (!QFileInfo(path).isFile())
        return false;
    const QString wanted = vb::Trim(Nombre);
    RegMascaraConsulta reg;
    for (int n = 1; LeeRegistroMascara(path, n, reg); ++n) {
        const QString vista = withoutMarkers(reg.Vista);
        if (vista.compare(wanted, Qt::CaseInsensitive) != 0)
            continue;
        mascara.Tabla = vista;
        QString campos = vb::Trim(vb::Replace(reg.Campos, QStringLiteral("|"), QStringLiteral(",")));
        if (campos.startsWith(QLatin1Char(',')))
            campos.remove(0, 1);
        if (campos.endsWith(QLatin1Char(',')))
            campos.chop(1);
        mascara.Campos = campos.isEmpty() ? QStringLiteral("*") : campos;
        mascara.Condicion = withoutMarkers(reg.Extra);
        return true;
    }
    return false;
}
