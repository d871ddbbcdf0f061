#pragma once
// VB's App object and the process-level seams tests set: program folder, executable
// name, command line, clock, end of the program and the environment.
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>

namespace vb::App {

// The program folder: where INI, BASES.TXT, consultas.qkx, QKERR.LOG, Styles/, icons
// and reports live. Default: the RECEPCION_PROGRAM_DIR environment variable when set,
// else the executable's folder (the current folder when no QCoreApplication exists).
QString Path();
void SetPath(const QString& folder);

// The executable's base name without extension ("RecepcionMutuales").
QString EXEName();
void SetEXEName(const QString& name);

// The command line: argv after the program name joined by blanks.
QString Command();
void SetCommand(const QString& commandLine);
void SetCommandFromArgs(const QStringList& argsWithoutProgram);

// The program clock; naive local date-time (see Variant.h).
QDateTime Now();
void SetClock(std::function<QDateTime()> clock);   // empty function: the real clock

// Ends the program (VB's End). Tests install a handler that throws instead; when a
// handler returns, the process ends anyway (std::exit).
[[noreturn]] void End(int exitCode = 0);
void SetEndHandler(std::function<void(int)> handler); // empty function: quit the process
// What the program does last whenever End is called, before the process goes (the
// program closes its database connections there).
void SetBeforeEnd(std::function<void()> action);

QString Environ(const QString& name);

// Puts every seam back to its default.
void ResetAll();

} // namespace vb::App
