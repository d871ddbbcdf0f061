#pragma once
// The run-time error of the VB runtime: what Err.Raise throws and error traps catch.
#include <QString>
#include <exception>
#include <string>

namespace vb {

struct VbError : std::exception {
    int Number = 0;
    QString Description;
    QString Source;

    VbError() = default;
    VbError(int number, QString description = {}, QString source = {});
    const char* what() const noexcept override;

private:
    mutable std::string what_;
};

// VB's standard text for the run-time error numbers the system raises.
QString StandardDescription(int number);

// Throws VbError; an empty description takes the standard text of the number.
[[noreturn]] void Raise(int number, const QString& description = {}, const QString& source = {});

// Error numbers used across the runtime.
enum ErrorNumber : int {
    ErrInvalidCall = 5,      // invalid procedure call or argument
    ErrOverflow = 6,
    ErrDivisionByZero = 11,
    ErrTypeMismatch = 13,
    ErrInvalidUseOfNull = 94,
};

} // namespace vb
