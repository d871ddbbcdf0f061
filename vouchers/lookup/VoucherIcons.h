#pragma once
// The voucher lookup's row pictures, drawn here: a sheet of paper marked by the kind of
// voucher or by its state, 16 by 16 pixels, in the image list's order with their tags.
#include <QList>
#include <QPixmap>
#include <QString>

namespace voucherlookup {

struct VoucherIcon {
    QString tag;
    QPixmap picture;
};

// "PR", "Anulado", "Aprobado", "FC", "NC", "ND", "OT", "Generico", "T3", "OC", "OCG".
QList<VoucherIcon> VoucherIcons();

} // namespace voucherlookup
