#pragma once
// The lookup driver: the single entry to the lookup dialogs. A caller names a table or
// view (or hands a full statement); the driver works out the statement, shows the list
// or tree lookup modally and keeps the operator's choice for the caller to read.
#include "lookup/Lib_FrmCons3.h"
#include "platform/vb/Holder.h"
#include "platform/vb/Variant.h"
#include "frame/QueryMasks.h"
#include <QString>
#include <functional>

class Lib_ClsCons3 {
public:
    Lib_ClsCons3();
    ~Lib_ClsCons3();

    // Public fields, in their interface order.
    vb::Variant StkNivel1;
    vb::Variant StkNivel2;
    vb::Variant StkNivel3;
    vb::Variant StkNivel4;
    QString MuestraStock;
    Coleccion CmpsDevueltos;
    Coleccion Valores;
    Coleccion Cantidades;
    bool Checks = false;
    vb::Variant ValorDevuelto;
    QString gConnString;
    QString gRutaMascaraConsultas;
    bool gUsarMascarasConsultas = false;
    bool UsaCantidades = false;
    QString CampoDevuelto;

    // Shows the lookup of SQL (a table or view name, or a statement holding "SELECT").
    // CmpsDevueltos is emptied and set to nothing; CampoBusqueda and Where come back as
    // the driver rewrote them.
    void ConsultaSearch(const QString& SQL, Coleccion& CmpsDevueltos, const QString& Clave, QString& CampoBusqueda,
                        QString& Where, const QString& SentenciaOpcional, bool TreeView, const QString& ValoresDefault);
    // The same for callers that read back neither their collection, search column nor condition.
    void ConsultaSearch(const QString& SQL, const Coleccion& CmpsDevueltos, const QString& Clave,
                        const QString& CampoBusqueda, const QString& Where, const QString& SentenciaOpcional,
                        bool TreeView, const QString& ValoresDefault);

    // The statement the lookup of SQL would list (steps before the dialog); empty when
    // the mask of the name must be configured first. Also used by ConsultaSearch.
    QString ArmaSentencia(const QString& SQL, QString& CampoBusqueda, QString& Where,
                          const QString& SentenciaOpcional, bool& configured);

    bool UsaConsultaLike() const { return usaConsultaLike_; }

private:
    RegMascaraConsulta mascara_;   // the last mask record read
    bool usaConsultaLike_ = false;
};

// What the tree lookup receives and hands back.
struct ConsultaArbol {
    QString SQL;
    QString CampoDevuelto;
    bool CheckBoxes = false;
    vb::Variant ValorDevuelto;
    Coleccion Valores;
};
// The tree lookup form registers how it is shown; without one a tree lookup chooses nothing.
void SetTreeLookup(std::function<void(ConsultaArbol&)> show);

// The program-wide lookup driver.
extern vb::AutoHolder<Lib_ClsCons3> gConsultas;

// Lets start-up hand gConsultas its connection string and query-mask settings. Runs by
// itself when the program starts; tests that reset the frame's hooks call it again.
void InstalaConsultas();
