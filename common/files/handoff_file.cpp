#include "common/files/handoff_file.h"

#include "common/numbers/number_text.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <cmath>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvalen {
namespace {

QString &directoryOverride()
{
    static QString directory;
    return directory;
}

// A directory of ours only: a real directory (not a link), owned by this
// user, closed to everyone else. Tightens the permissions of our own
// directory when they are too wide.
bool isPrivateDirectory(const QString &path)
{
    struct stat st;
    const QByteArray native = QFile::encodeName(path);
    if (::lstat(native.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid())
        return false;
    if ((st.st_mode & 077) != 0 && ::chmod(native.constData(), 0700) != 0)
        return false;
    return true;
}

} // namespace

QString GridHandOffFile::text() const
{
    const QChar cr(u'\r');
    QString out = QStringLiteral("X=\\c/Y=;");
    for (double y : yValues)
        out += QStringLiteral("y=") + DoubleText(y) + u';';
    out += cr;
    qsizetype index = 0;
    for (double x : xValues) {
        out += QStringLiteral("x=") + DoubleText(x) + u';';
        for (qsizetype column = 0; column < yValues.size(); ++column)
            out += valueTexts.value(index++) + u';';
        out += cr;
    }
    return out;
}

void setHandOffDirectoryOverride(const QString &directory)
{
    directoryOverride() = directory;
}

QString HandOffDirectory()
{
    if (!directoryOverride().isEmpty())
        return directoryOverride();
    QString directory;
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (!runtime.isEmpty())
            directory = runtime + QStringLiteral("/corvalen");
    }
    if (directory.isEmpty())
        directory = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    if (directory.isEmpty())
        return {};
    // mkdir with 0700 so the directory is never open to others, not even
    // for a moment; an existing one is checked instead.
    QDir().mkpath(QFileInfo(directory).path());
    ::mkdir(QFile::encodeName(directory).constData(), 0700);
    return isPrivateDirectory(directory) ? directory : QString();
}

QString HandOffPath(const QString &fileName)
{
    const QString directory = HandOffDirectory();
    return directory.isEmpty() ? QString() : directory + u'/' + fileName;
}

bool SaveHandOffFile(const QString &fileName, const QString &text)
{
    const QString path = HandOffPath(fileName);
    if (path.isEmpty())
        return false;
    // QSaveFile would write through a symbolic link to its target; whatever
    // is not a plain file at our path is removed first.
    struct stat st;
    const QByteArray native = QFile::encodeName(path);
    if (::lstat(native.constData(), &st) == 0 && !S_ISREG(st.st_mode)
        && ::unlink(native.constData()) != 0)
        return false;

    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    // Our own files, so our own encoding: UTF-8 without a byte-order mark.
    // The grid texts are ASCII, so the bytes are those of any ANSI page too.
    const QByteArray bytes = (text + QStringLiteral("\r\n")).toUtf8();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QString LoadHandOffFile(const QString &fileName)
{
    const QString path = HandOffPath(fileName);
    if (path.isEmpty())
        return {};
    // O_NOFOLLOW: a link at our path is not read through; O_NONBLOCK: a
    // pipe planted there cannot hang the window.
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return {};
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return {};
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

void DeleteHandOffFile(const QString &fileName)
{
    const QString path = HandOffPath(fileName);
    if (!path.isEmpty())
        ::unlink(QFile::encodeName(path).constData());
}

} // namespace corvalen
