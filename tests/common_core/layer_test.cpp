// The computations link QtCore alone. A widget or GUI header in a core source
// would still compile in some spellings (the Qt include root is on the path),
// and so would any other library's header found on the system's path, so the
// rule is checked on the sources themselves: a core source includes QtCore
// headers, the C++ standard library's and the POSIX system interface's
// headers and other core sources, nothing else.

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QTemporaryDir>

namespace {

struct Layout
{
    QString root;            // the source tree
    QString qtCoreHeaders;   // QtCore's include folder
    QStringList toolboxes;   // folders whose non-window sources are cores
};

bool isWindowSource(const QString &relativePath)
{
    return QFileInfo(relativePath).fileName().contains(QLatin1String("_window"));
}

// A path relative to the root names a core source: the QtCore rooms of
// common/, or a toolbox source that is not a window's.
bool isCorePath(const Layout &layout, const QString &relativePath)
{
    if (relativePath.startsWith(QLatin1String("common/numbers/"))
        || relativePath.startsWith(QLatin1String("common/files/")))
        return true;
    const QString folder = relativePath.section(QLatin1Char('/'), 0, 0);
    return layout.toolboxes.contains(folder) && relativePath.count(QLatin1Char('/')) == 1
           && !isWindowSource(relativePath);
}

// The headers of the C++ standard library (C++23) and of the POSIX system
// interface (POSIX.1-2017, which holds the C library's).
bool isStandardHeader(const QString &header)
{
    static const QSet<QString> names = [] {
        const QString list = QStringLiteral(R"(
            algorithm any array atomic barrier bit bitset charconv chrono compare complex concepts
            condition_variable coroutine deque exception execution expected filesystem flat_map flat_set
            format forward_list fstream functional future generator initializer_list iomanip ios iosfwd
            iostream istream iterator latch limits list locale map mdspan memory memory_resource mutex new
            numbers numeric optional ostream print queue random ranges ratio regex scoped_allocator
            semaphore set shared_mutex source_location span spanstream sstream stack stacktrace stdexcept
            stdfloat stop_token streambuf string string_view syncstream system_error thread tuple
            type_traits typeindex typeinfo unordered_map unordered_set utility valarray variant vector
            version
            cassert cctype cerrno cfenv cfloat cinttypes climits clocale cmath csetjmp csignal cstdarg
            cstddef cstdint cstdio cstdlib cstring ctime cuchar cwchar cwctype
            aio.h arpa/inet.h assert.h complex.h cpio.h ctype.h dirent.h dlfcn.h errno.h fcntl.h fenv.h
            float.h fmtmsg.h fnmatch.h ftw.h glob.h grp.h iconv.h inttypes.h iso646.h langinfo.h
            libgen.h limits.h locale.h math.h monetary.h mqueue.h ndbm.h net/if.h netdb.h netinet/in.h
            netinet/tcp.h nl_types.h poll.h pthread.h pwd.h regex.h sched.h search.h semaphore.h
            setjmp.h signal.h spawn.h stdarg.h stdbool.h stddef.h stdint.h stdio.h stdlib.h string.h
            strings.h sys/ipc.h sys/mman.h sys/msg.h sys/resource.h sys/select.h sys/sem.h sys/shm.h
            sys/socket.h sys/stat.h sys/statvfs.h sys/time.h sys/times.h sys/types.h sys/uio.h sys/un.h
            sys/utsname.h sys/wait.h syslog.h tar.h termios.h tgmath.h time.h uchar.h ulimit.h unistd.h
            utime.h utmpx.h wchar.h wctype.h wordexp.h
        )");
        const QStringList words = list.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        return QSet<QString>(words.begin(), words.end());
    }();
    return names.contains(header);
}

// Why `header`, included by the core source `file`, breaks the rule; empty
// when it is allowed.
QString refusal(const Layout &layout, const QString &file, const QString &header, bool quoted)
{
    static const QRegularExpression qtModule(QStringLiteral("^Qt[A-Za-z]+$"));
    const QString first = header.section(QLatin1Char('/'), 0, 0);
    if (qtModule.match(first).hasMatch()) {
        // <QtWidgets/QLabel>, <QtGui>, <QtCore/QString>, <QtCore>
        return first == QLatin1String("QtCore") ? QString() : QStringLiteral("a header of %1").arg(first);
    }
    if (!header.contains(QLatin1Char('/')) && QFileInfo::exists(layout.qtCoreHeaders + QLatin1Char('/') + header))
        return {};  // <QString>, <qstring.h>
    if (!header.contains(QLatin1Char('/')) && header.startsWith(QLatin1Char('Q')))
        return QStringLiteral("a Qt header that is not QtCore's");  // <QLabel>
    QString project;
    if (QFileInfo::exists(layout.root + QLatin1Char('/') + header))
        project = header;
    else if (quoted) {
        const QString beside = QFileInfo(file).path() + QLatin1Char('/') + header;
        if (QFileInfo::exists(layout.root + QLatin1Char('/') + beside))
            project = QDir::cleanPath(beside);
    }
    if (!project.isEmpty())
        return isCorePath(layout, project) ? QString() : QStringLiteral("a source outside the computations");
    if (isStandardHeader(header))
        return {};
    return QStringLiteral("neither QtCore's, the standard library's nor a computation's");
}

// Every include of every core source under the root that breaks the rule,
// as "file:line: header (reason)".
QStringList layerFaults(const Layout &layout)
{
    static const QRegularExpression include(QStringLiteral(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])"));
    QStringList folders{QStringLiteral("common/numbers"), QStringLiteral("common/files")};
    folders += layout.toolboxes;
    QStringList faults;
    for (const QString &folder : folders) {
        QDirIterator it(layout.root + QLatin1Char('/') + folder, {QStringLiteral("*.h"), QStringLiteral("*.cpp")},
                        QDir::Files);
        while (it.hasNext()) {
            const QString path = it.next();
            const QString relative = QDir(layout.root).relativeFilePath(path);
            if (!isCorePath(layout, relative))
                continue;
            QFile source(path);
            if (!source.open(QIODevice::ReadOnly | QIODevice::Text)) {
                faults << relative + QStringLiteral(": cannot be read");
                continue;
            }
            int number = 0;
            while (!source.atEnd()) {
                const QString line = QString::fromUtf8(source.readLine());
                ++number;
                const auto match = include.match(line);
                if (!match.hasMatch())
                    continue;
                const QString header = match.captured(2).trimmed();
                const QString why = refusal(layout, relative, header, match.captured(1) == QLatin1String("\""));
                if (!why.isEmpty())
                    faults << QStringLiteral("%1:%2: %3 (%4)").arg(relative).arg(number).arg(header, why);
            }
        }
    }
    return faults;
}

Layout treeLayout()
{
    return {QStringLiteral(CORVALEN_SOURCE_DIR), QStringLiteral(CORVALEN_QTCORE_HEADERS),
            QStringLiteral(CORVALEN_TOOLBOXES).split(QLatin1Char(','), Qt::SkipEmptyParts)};
}

void writeFile(const QString &path, const QByteArray &text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

} // namespace

TEST(Layers, EveryCoreSourceIncludesOnlyQtCoreStandardOrCoreHeaders)
{
    const Layout layout = treeLayout();
    ASSERT_TRUE(QFileInfo::exists(layout.qtCoreHeaders + QStringLiteral("/QString")));
    ASSERT_FALSE(layout.toolboxes.isEmpty());
    EXPECT_EQ(layerFaults(layout).join(QLatin1Char('\n')).toStdString(), "");
}

TEST(Layers, EveryIncludeButQtCoreStandardOrCoreIsRefused)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Layout layout = treeLayout();
    layout.root = dir.path();
    layout.toolboxes = {QStringLiteral("box")};
    writeFile(dir.filePath(QStringLiteral("box/sum_window.h")), "");
    writeFile(dir.filePath(QStringLiteral("common/forms/form.h")), "");
    writeFile(dir.filePath(QStringLiteral("common/numbers/number_text.h")), "");
    writeFile(dir.filePath(QStringLiteral("box/sum.cpp")),
              "#include \"common/numbers/number_text.h\"\n"
              "#include <QString>\n"
              "#include <QtCore/QList>\n"
              "#include <cmath>\n"
              "#include <QLabel>\n"
              "#include <QtWidgets/QLabel>\n"
              "#  include <QtGui>\n"
              "#include <QPainter>\n"
              "#include \"sum_window.h\"\n"
              "#include \"common/forms/form.h\"\n"
              "#include <unistd.h>\n"
              "#include <qstring.h>\n"
              "#include <X11/Xlib.h>\n"
              "#include <gtest/gtest.h>\n"
              "#include <qlabel.h>\n"
              "#include \"missing.h\"\n");
    // A window source may include anything.
    writeFile(dir.filePath(QStringLiteral("box/sum_window.cpp")), "#include <QLabel>\n");
    const QStringList expected{
        QStringLiteral("box/sum.cpp:5: QLabel (a Qt header that is not QtCore's)"),
        QStringLiteral("box/sum.cpp:6: QtWidgets/QLabel (a header of QtWidgets)"),
        QStringLiteral("box/sum.cpp:7: QtGui (a header of QtGui)"),
        QStringLiteral("box/sum.cpp:8: QPainter (a Qt header that is not QtCore's)"),
        QStringLiteral("box/sum.cpp:9: sum_window.h (a source outside the computations)"),
        QStringLiteral("box/sum.cpp:10: common/forms/form.h (a source outside the computations)"),
        QStringLiteral("box/sum.cpp:13: X11/Xlib.h (neither QtCore's, the standard library's nor a computation's)"),
        QStringLiteral("box/sum.cpp:14: gtest/gtest.h (neither QtCore's, the standard library's nor a computation's)"),
        QStringLiteral("box/sum.cpp:15: qlabel.h (neither QtCore's, the standard library's nor a computation's)"),
        QStringLiteral("box/sum.cpp:16: missing.h (neither QtCore's, the standard library's nor a computation's)"),
    };
    EXPECT_EQ(layerFaults(layout).join(QLatin1Char('\n')).toStdString(),
              expected.join(QLatin1Char('\n')).toStdString());
}
