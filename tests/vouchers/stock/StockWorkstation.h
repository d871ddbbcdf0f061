#pragma once
// What every stock workstation process sets up: the program folder and database of its
// command line, a fixed clock, pinned regional settings and an operator that answers every
// box OK, for the tests that run several workstations at once on one database file.
//
//   <workstation> <program folder> <database file> <first number> <vouchers> [<mode>]
#include "tests/support/CountingOperator.h"
#include "tests/support/FixedClock.h"
#include "tests/support/RegionalPin.h"

#include <QApplication>
#include <QDate>
#include <QString>

namespace stocktest {

class Workstation {
public:
    Workstation(int& argc, char** argv, QDate today);
    ~Workstation();

    // False when the command line lacks an argument (the usage has been printed).
    bool Started() const { return started_; }
    int Vouchers() const { return vouchers_; }
    // The mode the workstation was started in ("" when none was given).
    QString Mode() const { return mode_; }
    // The eight-digit number of voucher i.
    QString Numero(int i) const;
    // Prints "POSTED <posted> BOXES <message boxes shown>" and gives the exit status.
    int Finish(int posted);

private:
    bool prepared_;
    QApplication app_;
    testsupport::FixedClock clock_;
    testsupport::RegionalPin regional_;
    testsupport::CountingOperator op_;
    bool started_ = false;
    int first_ = 0;
    int vouchers_ = 0;
    QString mode_;
};

} // namespace stocktest
