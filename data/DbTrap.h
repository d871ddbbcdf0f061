#pragma once
// The error trap of a procedure whose errors go to the data layer's error dialog
// (gDBPrincipal's TratamientoErrores, default buttons, the routine's name or none): each
// statement runs under it; Retry runs the statement again. Errors whose numbers are
// passed over are dropped without a message, and the procedure goes on with the next
// statement.
#include <QList>
#include <QString>
#include <functional>
#include <optional>

class DbTrap {
public:
    explicit DbTrap(std::optional<QString> routine, QList<int> passedOver = {})
        : routine_(std::move(routine)), passedOver_(std::move(passedOver))
    {
    }
    // False when the procedure must be left.
    bool operator()(const std::function<void()>& statement) const;

private:
    std::optional<QString> routine_;
    QList<int> passedOver_;
};
