#pragma once
// The voucher types the lookup treats alike, for its statements, columns, rows and accept
// rule, and how a type is told: letter case ignored.
#include <QString>
#include <initializer_list>

namespace voucherlookup {

using Tipos = std::initializer_list<const char*>;

// Sales, orders and work orders: number and complement.
inline constexpr Tipos kTiposVenta = {"OT", "FC", "RM", "ND", "NC", "NCFP", "OP", "NP", "FP", "GF"};
// Purchases: number and supplier.
inline constexpr Tipos kTiposCompra = {"FCC", "NCC", "LNCC", "NCCP", "NDC", "LNDC", "RMC"};
// Entries of their own kept in the journal, listed as purchases.
inline constexpr Tipos kTiposAsiento = {"NCPE", "NDPR"};

bool EsTipo(const QString& tc, const char* tipo);
bool EsTipo(const QString& tc, Tipos tipos);

} // namespace voucherlookup
