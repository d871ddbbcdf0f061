#pragma once
// The error trap of a procedure whose errors go to the data layer's error dialog
// (gDBPrincipal's TratamientoErrores, default buttons, the routine's name): each
// statement runs under it; Retry runs the statement again.
#include <QString>
#include <functional>

class DbTrap {
public:
    explicit DbTrap(QString routine) : routine_(std::move(routine)) {}
    // False when the procedure must be left.
    bool operator()(const std::function<void()>& statement) const;

private:
    QString routine_;
};
