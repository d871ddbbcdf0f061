// The lookup driver and the program-wide gConsultas.
#include "lookup/Lib_ClsCons3.h"
#include "data/DB_Dll.h"
#include "frame/ModGlobal.h"
#include "lookup/ConsultaSql.h"
#include "lookup/LookupListModel.h"
#include "lookup/Lib_FrmCons3Tree.h"
#include "platform/ui/Operator.h"
#include "platform/vb/Strings.h"
#include "platform/vb/TextFile.h"
#include <QFileInfo>
#include <memory>

vb::AutoHolder<Lib_ClsCons3> gConsultas;

namespace {

std::function<void(ConsultaArbol&)>& treeLookup()
{
    static std::function<void(ConsultaArbol&)> show = MuestraConsultaArbol;
    return show;
}

// Runs one step; a failing step is skipped and the next one runs.
template <class F>
void resumeNext(F&& step)
{
    try {
        step();
    } catch (const vb::VbError&) {
    }
}

vb::Variant levelColour(const QString& key)
{
    const QString text = Cfg(key);
    return text.isEmpty() ? vb::Variant(0) : vb::Variant(text);
}

// Installed as soon as the program (or a test) links the driver.
[[maybe_unused]] const bool installed = (InstalaConsultas(), true);

} // namespace

void SetTreeLookup(std::function<void(ConsultaArbol&)> show)
{
    treeLookup() = std::move(show);
}

void InstalaConsultas()
{
    SetLookupDriverHook([](const LookupDriverSetup& setup) {
        gConsultas->gConnString = setup.gConnString;
        gConsultas->gUsarMascarasConsultas = setup.gUsarMascarasConsultas;
        gConsultas->gRutaMascaraConsultas = setup.gRutaMascaraConsultas;
    });
}

Lib_ClsCons3::Lib_ClsCons3()
{
    resumeNext([&] {
        CmpsDevueltos = std::make_shared<QStringList>();
        Valores = std::make_shared<QStringList>();
    });
    resumeNext([&] { MuestraStock = Cfg(QStringLiteral("MostrarStockenConsultas")); });
    resumeNext([&] { StkNivel1 = levelColour(QStringLiteral("Stk_Nivel1")); });
    resumeNext([&] { StkNivel2 = levelColour(QStringLiteral("Stk_Nivel2")); });
    resumeNext([&] { StkNivel3 = levelColour(QStringLiteral("Stk_Nivel3")); });
    resumeNext([&] { StkNivel4 = levelColour(QStringLiteral("Stk_Nivel4")); });
    resumeNext([&] {
        usaConsultaLike_ = Cfg(QStringLiteral("UsaConsultaLike")).compare(QLatin1String("SI"), Qt::CaseInsensitive) == 0;
    });
}

Lib_ClsCons3::~Lib_ClsCons3() = default;

QString Lib_ClsCons3::ArmaSentencia(const QString& SQL, QString& CampoBusqueda, QString& Where,
                                    const QString& SentenciaOpcional, bool& configured)
{
    configured = true;
    QString statement = SQL;
    resumeNext([&] { Where = lookup::WrapCondition(Where); });
    qint32 rows = 1000;
    resumeNext([&] { rows = lookup::RowLimit(Cfg(QStringLiteral("TopConsArt"))); });

    const bool full = SQL.contains(QLatin1String("SELECT"), Qt::CaseInsensitive);
    bool generic = !full;
    if (!full && gUsarMascarasConsultas) {
        // A mask file that is missing or unreadable leaves the generic way.
        MascaraConsulta mask;
        bool found = false;
        resumeNext([&] { found = BuscaMascaraConsulta(gRutaMascaraConsultas, SQL, mask); });
        if (found) {
            generic = false;
            mascara_.Vista = mask.Tabla;
            mascara_.Campos = mask.Campos;
            mascara_.Extra = mask.Condicion;
            resumeNext([&] { configured = lookup::MaskStatement(mask, Where, rows, CampoBusqueda, statement); });
            if (!configured)
                return QString();
        }
    }
    if (full)
        resumeNext([&] { statement = lookup::FullStatement(SQL, Where); });
    if (generic) {
        if (!SentenciaOpcional.isEmpty())
            return SentenciaOpcional;
        QStringList columns;
        if (vb::Trim(SQL).compare(QLatin1String("V_TA_DEPOSITO"), Qt::CaseInsensitive) != 0) {
            resumeNext([&] {
                ado::Recordset rs;
                gDBPrincipal->AbrirRecordset(QStringLiteral("select top 1 * from ") + SQL, rs, nullptr,
                                             ado::adOpenForwardOnly, ado::adLockReadOnly);
                if (rs.State() == ado::adStateOpen) {
                    for (int i = 0; i < rs.Fields().Count(); ++i)
                        columns << rs.Fields(i).Name();
                    gDBPrincipal->CierraRecordset(rs);
                }
            });
        }
        resumeNext([&] { statement = lookup::GenericStatement(SQL, columns, Where, rows, CampoBusqueda); });
    }
    return statement;
}

void Lib_ClsCons3::ConsultaSearch(const QString& SQL, const Coleccion& CmpsDevueltos, const QString& Clave,
                                  const QString& CampoBusqueda, const QString& Where, const QString& SentenciaOpcional,
                                  bool TreeView, const QString& ValoresDefault)
{
    Coleccion campos = CmpsDevueltos;
    QString busqueda = CampoBusqueda;
    QString condicion = Where;
    ConsultaSearch(SQL, campos, Clave, busqueda, condicion, SentenciaOpcional, TreeView, ValoresDefault);
}

void Lib_ClsCons3::ConsultaSearch(const QString& SQL, Coleccion& CmpsDevueltos, const QString& Clave,
                                  QString& CampoBusqueda, QString& Where, const QString& SentenciaOpcional,
                                  bool TreeView, const QString& ValoresDefault)
{
    bool configured = true;
    const QString statement = ArmaSentencia(SQL, CampoBusqueda, Where, SentenciaOpcional, configured);
    if (!configured) {
        ui::MsgBox(QStringLiteral("Debe configurar la consulta para esta tabla"), ui::vbInformation,
                   QStringLiteral("Aviso al operador"));
        return;
    }

    if (TreeView) {
        ConsultaArbol tree;
        resumeNext([&] {
            tree.SQL = statement;
            tree.CampoDevuelto = CampoDevuelto;
            tree.CheckBoxes = Checks;
            Valores = nullptr;
            if (treeLookup())
                treeLookup()(tree);
            ValorDevuelto = tree.ValorDevuelto;
            Valores = tree.Valores;
            Checks = false;
        });
    } else {
        auto form = std::make_unique<Lib_FrmCons3>();
        Lib_FrmCons3& frm = *form;
        resumeNext([&] {
            frm.StkNivel1 = StkNivel1;
            frm.StkNivel2 = StkNivel2;
            frm.StkNivel3 = StkNivel3;
            frm.StkNivel4 = StkNivel4;
            frm.MuestraStock = MuestraStock;
        });
        resumeNext([&] { frm.CfgUsaConsultaLIKE = usaConsultaLike_; });
        resumeNext([&] { frm.OrdenarPorLwv = !statement.contains(QLatin1String("ORDER BY"), Qt::CaseInsensitive); });
        resumeNext([&] { frm.FiltroInicial = Clave; });
        resumeNext([&] { frm.CampoBusqueda = CampoBusqueda; });
        resumeNext([&] {
            if (gConnString.isEmpty())
                gConnString = gDBPrincipal->gConnString;
        });
        resumeNext([&] {
            frm.SQL = statement;
            frm.gConnString = gConnString;
            frm.CampoDevuelto = CampoDevuelto;
            frm.CheckBoxes = Checks;
            frm.UsaCantidades = UsaCantidades;
            frm.ValoresDefault = ValoresDefault;
            Valores = nullptr;
            Cantidades = nullptr;
            frm.CmpsDevueltos = CmpsDevueltos;
            frm.Valores = nullptr;
            frm.Cantidades = nullptr;
        });
        // The form is new for every lookup, so its rows start unticked except those the
        // caller's ValoresDefault names.
        resumeNext([&] { frm.Form_Load(); });
        resumeNext([&] { ui::ShowModal(frm); });
        resumeNext([&] {
            Checks = false;
            Valores = frm.Valores;
            Cantidades = frm.Cantidades;
            ValorDevuelto = frm.ValorDevuelto;
            frm.CampoDevuelto.clear();
        });
        resumeNext([&] {
            frm.Valores = nullptr;
            frm.Cantidades = nullptr;
            frm.Form_Unload();
        });
    }

    CampoDevuelto.clear();
    if (CmpsDevueltos) {
        CmpsDevueltos->clear();
        CmpsDevueltos = nullptr;
    }
}
