#include "frame/SaveTransaction.h"
#include "data/DB_Dll.h"

SaveTransaction::~SaveTransaction()
{
    Rollback();
}

bool SaveTransaction::Run(const QString& statement, ado::Recordset* rows)
{
    DB_Dll& db = *gDBPrincipal;
    db.EjecutaConsultaSQL(statement, nullptr, rows);
    ado::Errors& errors = db.gCnn->Errors();
    if (errors.Count() == 0)
        return true;
    failureText_ = errors.Item(0).Description;
    failureNumber_ = errors.Item(0).NativeError;
    lockWait_ = data::IsLockWait(errors);
    errors.Clear();
    return false;
}

void SaveTransaction::ended()
{
    open_ = false;
    if (gDBPrincipal.exists())
        gDBPrincipal->raiseErrorsToHolder = false;
}

bool SaveTransaction::Begin()
{
    if (open_)
        return true;
    if (!Run(QStringLiteral("BEGIN TRANSACTION")))
        return false;
    open_ = true;
    gDBPrincipal->raiseErrorsToHolder = true;
    return true;
}

bool SaveTransaction::Save(const QString& point)
{
    return open_ && Run(QStringLiteral("SAVE TRANSACTION ") + point);
}

bool SaveTransaction::RollbackTo(const QString& point)
{
    return open_ && Run(QStringLiteral("ROLLBACK TRANSACTION ") + point);
}

bool SaveTransaction::Commit()
{
    if (!open_)
        return false;
    if (Run(QStringLiteral("COMMIT TRANSACTION"))) {
        ended();
        return true;
    }
    const QString text = failureText_;
    const bool lockWait = lockWait_;
    Rollback();
    failureText_ = text;
    lockWait_ = lockWait;
    return false;
}

void SaveTransaction::Rollback()
{
    if (!open_)
        return;
    if (gDBPrincipal.exists()) {
        gDBPrincipal->EjecutaConsultaSQL(QStringLiteral("ROLLBACK TRANSACTION"));
        gDBPrincipal->gCnn->Errors().Clear();
    }
    ended();
}
