#pragma once
// The connection dialog the data-access object shows when it needs connection
// parameters. Its controls are found by name: TxtDbName, TxtServidor, TxtUserId,
// TxtUserPassword (line edits), CboPlataformaDB (combo: 0 SQL Server, 1 Oracle), and
// its dynamic property "Aceptar" (bool) tells whether the operator accepted.
#include <QDialog>
#include <functional>
#include <memory>

namespace data {

using AccessDialogFactory = std::function<std::unique_ptr<QDialog>()>;

// Makes the dialog; the connection dialog form installs itself here.
std::unique_ptr<QDialog> CreateAccessDialog();
void SetAccessDialogFactory(AccessDialogFactory factory);   // empty: the plain built-in one

} // namespace data
