#include "bench_display.h"

#include <QFile>
#include <QStandardPaths>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#ifdef __linux__
#include <sys/prctl.h>
#endif

namespace corvalen::bench {
namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 1000;
// The longest the X server may take to say its display, in ms.
constexpr int kServerStartMs = 10000;

// Reads the display number the server writes on `fd` (-displayfd): digits
// and a line end; empty when none comes in time.
QByteArray readDisplayNumber(int fd)
{
    QByteArray number;
    pollfd watch{fd, POLLIN, 0};
    while (poll(&watch, 1, kServerStartMs) > 0) {
        char c = 0;
        const ssize_t got = read(fd, &c, 1);
        if (got <= 0)
            return {};
        if (c == '\n')
            return number;
        number.append(c);
    }
    return {};
}

} // namespace

BenchDisplay::BenchDisplay()
{
    const bool offscreenAsked = qEnvironmentVariable("CORVALEN_BENCH_PLATFORM") == QLatin1String("offscreen");
    if (!offscreenAsked && startServer()) {
        qputenv("DISPLAY", m_display);
        qputenv("QT_QPA_PLATFORM", "xcb");
        return;
    }
    // One screen of a desktop's size, so that a window opens as it does on
    // a desktop (the default offscreen screen, 800 by 600, gives large
    // windows scroll areas that a desktop never shows).
    const QString path = m_dir.filePath(QStringLiteral("screen.json"));
    QFile file(path);
    if (m_dir.isValid() && file.open(QIODevice::WriteOnly)) {
        file.write(R"({"screens": [{"name": "desktop", "x": 0, "y": 0, "width": )" + QByteArray::number(kWidth)
                   + R"(, "height": )" + QByteArray::number(kHeight) + R"(, "logicalDpi": 96, "dpr": 1}]})");
        file.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + path.toLocal8Bit());
    } else {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

BenchDisplay::~BenchDisplay()
{
    if (m_server > 0) {
        kill(m_server, SIGTERM);
        waitpid(m_server, nullptr, 0);
    }
}

QString BenchDisplay::description() const
{
    if (isX11())
        return QStringLiteral("xcb on a private Xvfb %1 (%2x%3x24)").arg(QString::fromLatin1(m_display)).arg(kWidth).arg(kHeight);
    return QStringLiteral("offscreen (one %1x%2 screen)").arg(kWidth).arg(kHeight);
}

bool BenchDisplay::startServer()
{
    const QByteArray server = QFile::encodeName(QStandardPaths::findExecutable(QStringLiteral("Xvfb")));
    int pipeEnds[2];
    if (server.isEmpty() || pipe(pipeEnds) != 0)
        return false;
    const QByteArray fd = QByteArray::number(pipeEnds[1]);
    const QByteArray screen = QByteArray::number(kWidth) + 'x' + QByteArray::number(kHeight) + "x24";
    const pid_t child = fork();
    if (child == 0) {
#ifdef __linux__
        // The server goes with the benchmark, however the benchmark ends.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
#endif
        close(pipeEnds[0]);
        const int quiet = open("/dev/null", O_WRONLY);
        if (quiet >= 0)
            dup2(quiet, STDERR_FILENO);
        execl(server.constData(), "Xvfb", "-displayfd", fd.constData(), "-screen", "0", screen.constData(),
              "-nolisten", "tcp", static_cast<char *>(nullptr));
        _exit(127);
    }
    close(pipeEnds[1]);
    const QByteArray number = child > 0 ? readDisplayNumber(pipeEnds[0]) : QByteArray();
    close(pipeEnds[0]);
    if (number.isEmpty()) {
        if (child > 0) {
            kill(child, SIGTERM);
            waitpid(child, nullptr, 0);
        }
        return false;
    }
    m_server = child;
    m_display = ':' + number;
    return true;
}

} // namespace corvalen::bench
