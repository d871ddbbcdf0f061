#pragma once
// ADO's Errors collection and the error numbers the data layer raises.
#include "platform/vb/VbError.h"
#include <QList>
#include <QString>

namespace ado {

// Numbers raised by the objects themselves (VB's Err.Number for ADO errors).
enum AdoErrorNumber : int {
    adErrNoCurrentRecord = 3021,       // BOF or EOF, no current record
    adErrItemNotFound = 3265,          // no field of that name or ordinal
    adErrObjectClosed = 3704,          // operation on a closed object
    adErrObjectOpen = 3705,            // Open on an object already open
    adErrInvalidConnection = 3709,     // the connection cannot be used
    adErrIllegalOperation = 3219,      // not allowed in this context
    adErrFeatureNotAvailable = 3251,   // the provider does not support it
};

// HRESULT-style numbers of provider failures, as ADO reports them.
enum ProviderErrorNumber : int {
    hrUnspecified = -2147467259,        // 80004005 unspecified failure (login, open)
    hrErrorsInCommand = -2147217900,    // 80040E14 syntax and most statement errors
    hrIntegrityViolation = -2147217873, // 80040E2F duplicate key, constraint, not null
    hrNoTable = -2147217865,            // 80040E37 missing object
    hrCantConvert = -2147217913,        // 80040E07 conversion of a value failed
    hrTimeout = -2147217871,            // 80040E31 query timeout expired
    hrRowNotFound = -2147217864,        // 80040E38 row cannot be located for updating
};

struct Error {
    int Number = 0;
    QString Description;
    QString Source;
    QString SQLState;
    int NativeError = 0;
};

class Errors {
public:
    int Count() const { return int(items_.size()); }
    // Item(i), 0-based as in ADO; out of range raises 3265.
    const Error& Item(int index) const
    {
        if (index < 0 || index >= items_.size())
            throw vb::VbError(adErrItemNotFound, QStringLiteral("Item cannot be found in the collection corresponding to the requested name or ordinal."), QStringLiteral("ADODB.Errors"));
        return items_[index];
    }
    const Error& operator[](int index) const { return Item(index); }
    void Clear() { items_.clear(); }

    // Used by the providers.
    void Add(const Error& e) { items_.append(e); }
    const QList<Error>& all() const { return items_; }

private:
    QList<Error> items_;
};

} // namespace ado
