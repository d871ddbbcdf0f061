#pragma once
// The state behind a Connection, shared with the recordsets opened on it. Internal.
#include "platform/ado/ConnectionString.h"
#include "platform/ado/Errors.h"
#include "platform/ado/Provider.h"
#include <memory>

namespace ado {

class ConnectionData {
public:
    std::unique_ptr<Provider> provider;   // set while open
    Errors errors;
    ConnectionSpec target;
    QString connectionString;
    QString defaultDatabase;
    int commandTimeout = 30;
    int connectionTimeout = 15;
    int cursorLocation = 2;     // adUseServer, as ADO starts
    int isolationLevel = 4096;  // adXactReadCommitted

    bool isOpen() const { return provider != nullptr; }
    // 3709 when closed; clears the error list for the operation about to start.
    Provider& begin();
};

} // namespace ado
