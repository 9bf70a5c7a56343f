// musarix-bench-startup: time from process start to the first paint of the
// main menu, with the intro off, on a given data directory.
//
//   musarix-bench-startup <data-dir> [runs]
//
// Each run starts the probe program (the real start-up code plus a first-paint
// signal) as a fresh process with its own settings directory and a private
// odbc.ini whose data source "MUSARIX" points at <data-dir>/Musarix.db.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

bool WriteFile(const QString& Path, const QString& Text)
{
    QFile file(Path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(Text.toUtf8()) >= 0;
}

} // namespace

int main(int Argc, char** Argv)
{
    if (Argc < 2) {
        std::fprintf(stderr, "usage: musarix-bench-startup <data-dir> [runs]\n");
        return 2;
    }
    const QString dataDir = QDir(QString::fromLocal8Bit(Argv[1])).absolutePath() + QLatin1Char('/');
    const int runs = Argc > 2 ? std::max(1, std::atoi(Argv[2])) : 15;
    if (!QFile::exists(dataDir + QStringLiteral("Musarix.db"))) {
        std::fprintf(stderr, "no Musarix.db in %s\n", qPrintable(dataDir));
        return 2;
    }

    QTemporaryDir work;
    const QString programDir = work.path() + QStringLiteral("/program/");
    QDir().mkpath(programDir);
    WriteFile(programDir + QStringLiteral("Musarix.Ini"),
              QStringLiteral("[MUSARIX]\nDataPath=%1\nIntro=0\nAbspann=0\nClick=0\n").arg(dataDir));
    WriteFile(work.path() + QStringLiteral("/odbc.ini"),
              QStringLiteral("[MUSARIX]\nDriver=%1\nDatabase=%2Musarix.db\nStepAPI=1\n")
                  .arg(QStringLiteral(MUSARIX_SQLITE_ODBC_DRIVER_PATH), dataDir));
    WriteFile(work.path() + QStringLiteral("/odbcinst.ini"), QStringLiteral("[ODBC]\nTrace=No\n"));

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("MUSARIX_PROGRAM_DIR"), programDir);
    env.insert(QStringLiteral("ODBCINI"), work.path() + QStringLiteral("/odbc.ini"));
    env.insert(QStringLiteral("ODBCSYSINI"), work.path());
    if (!env.contains(QStringLiteral("QT_QPA_PLATFORM")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

    const QString probe = QStringLiteral(MUSARIX_STARTUP_PROBE);
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QProcess process;
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::SeparateChannels);
        QElapsedTimer timer;
        timer.start();
        process.start(probe, {});
        bool painted = false;
        while (process.waitForReadyRead(10000)) {
            if (process.readAllStandardOutput().contains("painted")) {
                painted = true;
                break;
            }
        }
        const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        process.waitForFinished(10000);
        if (!painted) {
            std::fprintf(stderr, "run %d: the main menu never painted\n%s\n", i + 1,
                         process.readAllStandardError().constData());
            return 1;
        }
        times.push_back(ms);
        std::printf("run %2d: %7.1f ms\n", i + 1, ms);
    }
    std::sort(times.begin(), times.end());
    std::printf("\nprocess start to first paint of the main menu, %d runs:\n", runs);
    std::printf("  median %.1f ms   min %.1f ms   max %.1f ms\n", times[times.size() / 2],
                times.front(), times.back());
    return 0;
}
