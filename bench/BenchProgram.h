#pragma once
// The start of a timed program on a database: an offscreen application (unless the
// caller chose a platform) over a temporary program folder, with SQLite files built
// there from the source tree's SQL. Needs BENCH_SOURCE_DIR.
#include "platform/ado/Connection.h"
#include "platform/vb/App.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace bench {

inline double ms(const QElapsedTimer& t) { return t.nsecsElapsed() / 1e6; }

inline void pump() { QCoreApplication::processEvents(); }

inline double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

class Program {
public:
    Program(int& argc, char** argv) : app_(offscreen(argc), argv) { vb::App::SetPath(dir_.path()); }

    QString filePath(const QString& name) const { return dir_.filePath(name); }

    // Creates `file` in the program folder, runs the SQL files (relative to the source
    // tree) on it, then the statements; false, with a line on stderr, when a file cannot be read.
    bool createDatabase(const QString& file, const QStringList& sqlFiles, const QStringList& statements = {}) const
    {
        QFile(dir_.filePath(file)).open(QIODevice::WriteOnly);
        ado::Connection cnn;
        cnn.Open(QStringLiteral("Provider=SQLOLEDB;Server=SQLITE;Database=") + file);
        for (const QString& name : sqlFiles) {
            QFile f(QStringLiteral(BENCH_SOURCE_DIR "/") + name);
            if (!f.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(name));
                return false;
            }
            cnn.Execute(QString::fromUtf8(f.readAll()));
        }
        for (const QString& s : statements)
            cnn.Execute(s);
        cnn.Close();
        return true;
    }

private:
    // The platform has to be chosen before the application exists.
    static int& offscreen(int& argc)
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return argc;
    }

    QApplication app_;
    QTemporaryDir dir_;
};

} // namespace bench
