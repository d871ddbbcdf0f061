#pragma once
// The voucher key as it reaches SQL and the tables: type code (four characters),
// branch ("0000"), number ("00000000") and letter; and IdComprobante, the branch,
// number and letter of tables with a single voucher column (13 characters).
#include <QString>
#include <QStringList>

namespace voucherkey {

// The letters a voucher may carry, as the messages list them.
inline const QString kLetras = QStringLiteral("A,B,C,E,R,X,M");

// The type code brought to four characters: AjustaLargo(Trim(TC), 4).
QString TypeCode(const QString& TC);
// The branch written "0000" from the numeric value of the text (TextoAMoneda).
QString Branch(const QString& Sucursal);
// The number written "00000000" from the numeric value of the text (TextoAMoneda);
// nine digits once the value passes 99999999.
QString Number(const QString& Numero);
// The letter trimmed; "X" when empty.
QString Letter(const QString& Letra);
// Whether the trimmed text is one of A, B, C, E, R, X, M, in any case.
bool IsValidLetter(const QString& Letra);

// Branch & number & letter, each in its width: "0001" "00000015" "B" → "000100000015B".
QString IdComprobante(const QString& Sucursal, const QString& Numero, const QString& Letra);
// The parts of an IdComprobante: characters 1-4, 5-12 and 13.
QString BranchOf(const QString& IdComprobante);
QString NumberOf(const QString& IdComprobante);
QString LetterOf(const QString& IdComprobante);

// A text put between apostrophes in SQL: its apostrophes doubled.
QString SqlText(const QString& text);

} // namespace voucherkey
