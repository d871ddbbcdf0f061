#pragma once
// Starts three stock workstation processes at once on a fixture's database, each posting
// its own run of voucher numbers, and waits for them all.
#include <QString>

namespace testsupport {
class VoucherFixture;
}

namespace stocktest {

// Workstation w posts vouchers from 1000 × (w + 1), in `mode` when one is given. Empty
// when every workstation ended well, printed "POSTED <posted> BOXES 0" and so showed no
// message; otherwise what went wrong, with the workstation's output.
QString RunThreeWorkstations(const QString& exe, const testsupport::VoucherFixture& db, int perWorkstation, int posted,
                             const QString& mode = QString());

} // namespace stocktest
