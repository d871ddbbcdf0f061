#pragma once
// Starts stock workstation processes on a fixture's database (three at once, or one), each
// posting its own run of voucher numbers, and waits for them all.
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
// One workstation alone, posting from 1000, in the same way.
QString RunWorkstation(const QString& exe, const testsupport::VoucherFixture& db, int vouchers, int posted,
                       const QString& mode = QString());

} // namespace stocktest
