// The code examples of the README and of docs/ are quoted from the sources,
// so that each one compiles and stays what the code does. A ```cpp block
// names its file, relative to the source tree, in its first line
// ("// fuel/flue_gas_window.cpp"); a line "// …" stands for code left out.
// Every part between such lines stands in that file, white space aside, and
// the parts in the block's order.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>

namespace {

QString readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QString withoutSpace(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (!c.isSpace())
            out.append(c);
    }
    return out;
}

// Every quoted part of `block` (its lines after the first, which names
// the file) that does not stand in the file, or not after the part before it.
QStringList blockFaults(const QString &root, const QString &where, int firstLine, const QStringList &block)
{
    static const QRegularExpression fileLine(QStringLiteral(R"(^\s*//\s*(\S+)\s*$)"));
    const auto named = fileLine.match(block.value(0));
    const QString file = named.captured(1);
    if (!named.hasMatch() || file == QStringLiteral("…"))
        return {QStringLiteral("%1:%2: names no source file in its first line").arg(where).arg(firstLine)};
    if (!QFileInfo(root + QLatin1Char('/') + file).isFile())
        return {QStringLiteral("%1:%2: names %3, which is no source file").arg(where).arg(firstLine).arg(file)};

    const QString source = withoutSpace(readText(root + QLatin1Char('/') + file));
    QStringList faults;
    qsizetype from = 0;
    QString part;
    int partLine = firstLine + 1;
    const auto endPart = [&](int nextLine) {
        const QString quoted = withoutSpace(part);
        if (!quoted.isEmpty()) {
            const qsizetype at = source.indexOf(quoted, from);
            if (at < 0)
                faults << QStringLiteral("%1:%2: not in %3 as quoted").arg(where).arg(partLine).arg(file);
            else
                from = at + quoted.size();
        }
        part.clear();
        partLine = nextLine;
    };
    for (int i = 1; i < block.size(); ++i) {
        if (block[i].trimmed() == QStringLiteral("// …"))
            endPart(firstLine + i + 1);
        else
            part += block[i] + QLatin1Char('\n');
    }
    endPart(0);
    return faults;
}

// The faults of every ```cpp block of the document `where` (relative to root).
QStringList exampleFaults(const QString &root, const QString &where, int *blocks = nullptr)
{
    const QStringList lines = readText(root + QLatin1Char('/') + where).split(QLatin1Char('\n'));
    QStringList faults;
    int count = 0;
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].trimmed() != QStringLiteral("```cpp"))
            continue;
        const int opening = i;
        QStringList block;
        while (++i < lines.size() && lines[i].trimmed() != QStringLiteral("```"))
            block << lines[i];
        if (i == lines.size()) {
            faults << QStringLiteral("%1:%2: the block is not closed").arg(where).arg(opening + 1);
            break;
        }
        ++count;
        faults += blockFaults(root, where, opening + 2, block);
    }
    if (blocks)
        *blocks = count;
    return faults;
}

void writeFile(const QString &path, const QString &text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
}

} // namespace

TEST(GuideExamples, EveryCodeExampleIsQuotedFromTheSourceItNames)
{
    const QString root = QStringLiteral(CORVALEN_SOURCE_DIR);
    QStringList documents{QStringLiteral("README.md")};
    for (const QString &name : QDir(root + QStringLiteral("/docs")).entryList({QStringLiteral("*.md")}))
        documents << QStringLiteral("docs/") + name;
    QStringList faults;
    int guideBlocks = 0;
    for (const QString &document : documents) {
        int blocks = 0;
        faults += exampleFaults(root, document, &blocks);
        if (document == QStringLiteral("docs/DEVELOPING.md"))
            guideBlocks = blocks;
    }
    EXPECT_GT(guideBlocks, 0);
    EXPECT_EQ(faults.join(QLatin1Char('\n')).toStdString(), "");
}

TEST(GuideExamples, AnExampleThatIsNotTheSourcesIsFound)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    writeFile(dir.filePath(QStringLiteral("box/sum.cpp")),
              QStringLiteral("int first(int a)\n{\n    return a + 1;\n}\n\nint second(int b)\n{\n    return b * 2;\n}\n"));
    writeFile(dir.filePath(QStringLiteral("docs/guide.md")),
              QStringLiteral("Quoted, laid out anew, with code left out:\n"
                             "```cpp\n// box/sum.cpp\nint first(int a) { return a + 1; }\n// …\n"
                             "int second(int b)\n```\n"
                             "```cpp\n// box/sum.cpp\nint first(int a) { return a - 1; }\n```\n"  // a changed sign
                             "```cpp\nint first(int a) { return a + 1; }\n```\n"  // no file named
                             "```cpp\n// box/gone.cpp\nint first(int a);\n```\n"  // no such file
                             "```cpp\n// box/sum.cpp\nint second(int b)\n// …\nint first(int a)\n```\n"  // parts out of order
                             "```cpp\n// box/sum.cpp\nint first(int a)\n"));  // never closed
    const QStringList expected{
        QStringLiteral("docs/guide.md:10: not in box/sum.cpp as quoted"),
        QStringLiteral("docs/guide.md:13: names no source file in its first line"),
        QStringLiteral("docs/guide.md:16: names box/gone.cpp, which is no source file"),
        QStringLiteral("docs/guide.md:23: not in box/sum.cpp as quoted"),
        QStringLiteral("docs/guide.md:25: the block is not closed"),
    };
    EXPECT_EQ(exampleFaults(dir.path(), QStringLiteral("docs/guide.md")).join(QLatin1Char('\n')).toStdString(),
              expected.join(QLatin1Char('\n')).toStdString());
}
