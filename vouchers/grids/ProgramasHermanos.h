#pragma once
// The suite's sibling programs that change how the voucher library behaves, by the
// running program's executable name (App.EXEName, case ignored). Their names are facts
// of the installation, kept in the program folder's INI file:
//     [Programas]
//     MaestroArticulos=ARTICULOS,ARTICULOS2
//     Ventas=FACTURACION,VENTAS,PUNTOVENTA,PEDIDOS
// Names are separated by commas, with or without ".exe"; a missing key is an empty list,
// so by default the running program is neither.
#include <QString>

// One of the article master programs: codes are typed there as they are stored, with no
// quantity or lot in front.
bool EsProgramaMaestroArticulos();
// One of the sales and invoicing programs: the article's business unit is checked there.
bool EsProgramaDeVentas();
