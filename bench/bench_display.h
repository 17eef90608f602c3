#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace corvalen::bench {

// The screen the benchmarks run on, set up before the QApplication: a
// private X server (Xvfb, 1600×1000×24) reached through the xcb platform,
// as a user's desktop is, when Xvfb is installed; otherwise the offscreen
// platform with one 1600×1000 screen. CORVALEN_BENCH_PLATFORM=offscreen
// chooses the offscreen one. The choice goes into the environment, so that
// the child processes (openings, starts) run on the same screen; the X
// server stops when this goes, after the QApplication.
class BenchDisplay
{
public:
    BenchDisplay();
    ~BenchDisplay();
    BenchDisplay(const BenchDisplay &) = delete;
    BenchDisplay &operator=(const BenchDisplay &) = delete;

    bool isX11() const { return m_server > 0; }
    // "xcb" or "offscreen", for the benchmarks' labels.
    QString platform() const { return isX11() ? QStringLiteral("xcb") : QStringLiteral("offscreen"); }
    // One line saying where the benchmarks run.
    QString description() const;

private:
    bool startServer();

    int m_server = 0;       // the X server's process, 0 when none
    QByteArray m_display;   // ":N"
    QTemporaryDir m_dir;    // holds the offscreen screen's description
};

} // namespace corvalen::bench
