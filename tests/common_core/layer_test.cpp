// The computations link QtCore alone. A widget or GUI header in a core source
// would still compile in some spellings (the Qt include root is on the path),
// so the rule is checked on the sources themselves: a core source includes
// QtCore headers, the standard library and other core sources, nothing else.

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
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
    if (!header.contains(QLatin1Char('/')) && header.startsWith(QLatin1Char('Q'))) {
        // A class header such as <QLabel>: only QtCore's own.
        return QFileInfo::exists(layout.qtCoreHeaders + QLatin1Char('/') + header)
                   ? QString()
                   : QStringLiteral("a Qt header that is not QtCore's");
    }
    QString project;
    if (QFileInfo::exists(layout.root + QLatin1Char('/') + header))
        project = header;
    else if (quoted) {
        const QString beside = QFileInfo(file).path() + QLatin1Char('/') + header;
        if (QFileInfo::exists(layout.root + QLatin1Char('/') + beside))
            project = QDir::cleanPath(beside);
    }
    if (!project.isEmpty() && !isCorePath(layout, project))
        return QStringLiteral("a source outside the computations");
    return {};
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

TEST(Layers, NoCoreSourceIncludesAWidgetOrGuiHeader)
{
    const Layout layout = treeLayout();
    ASSERT_TRUE(QFileInfo::exists(layout.qtCoreHeaders + QStringLiteral("/QString")));
    ASSERT_FALSE(layout.toolboxes.isEmpty());
    EXPECT_EQ(layerFaults(layout).join(QLatin1Char('\n')).toStdString(), "");
}

TEST(Layers, EverySpellingOfAWidgetIncludeIsRefused)
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
              "#include \"common/forms/form.h\"\n");
    // A window source may include anything.
    writeFile(dir.filePath(QStringLiteral("box/sum_window.cpp")), "#include <QLabel>\n");
    const QStringList expected{
        QStringLiteral("box/sum.cpp:5: QLabel (a Qt header that is not QtCore's)"),
        QStringLiteral("box/sum.cpp:6: QtWidgets/QLabel (a header of QtWidgets)"),
        QStringLiteral("box/sum.cpp:7: QtGui (a header of QtGui)"),
        QStringLiteral("box/sum.cpp:8: QPainter (a Qt header that is not QtCore's)"),
        QStringLiteral("box/sum.cpp:9: sum_window.h (a source outside the computations)"),
        QStringLiteral("box/sum.cpp:10: common/forms/form.h (a source outside the computations)"),
    };
    EXPECT_EQ(layerFaults(layout).join(QLatin1Char('\n')).toStdString(),
              expected.join(QLatin1Char('\n')).toStdString());
}
