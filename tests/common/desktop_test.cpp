// Addresses the desktop cannot open are named in one message, whether the
// stand-in opener or xdg-open reports the failure.
#include "common/forms/desktop.h"
#include "message_recorder.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <gtest/gtest.h>
#include <utility>

using namespace corvalen;

namespace {

const QString kWeb = QStringLiteral("http://www.pemberlow.example/sort/3");
const QString kMail = QStringLiteral("mailto:author@pemberlow.example");

TEST(Desktop, AnAddressThatCannotBeOpenedIsNamedOnce)
{
    const struct { const char *name; QString target; bool opens; const char *shown; } cases[] = {
        {"web page opened", kWeb, true, nullptr},
        {"web page not opened", kWeb, false, "\nhttp://www.pemberlow.example/sort/3"},
        {"mail not opened: the bare address", kMail, false, "\nauthor@pemberlow.example"},
    };
    for (const auto &c : cases) {
        UrlOpener previous = setUrlOpener([&](const QString &) { return c.opens; });
        MessageRecorder recorder;
        OpenWithDefaultHandler(c.target);
        setUrlOpener(std::move(previous));
        ASSERT_EQ(recorder.messages.size(), c.shown ? 1 : 0) << c.name;
        if (c.shown) {
            EXPECT_TRUE(recorder.messages[0].endsWith(QString::fromUtf8(c.shown))) << c.name;
        }
    }
}

// The real opener with PATH narrowed to a folder that holds a stand-in
// xdg-open of the given exit code (or none at all, where Qt finds no
// browser either).
TEST(Desktop, RealOpenerReportsWhatXdgOpenCannotOpen)
{
    const struct { const char *name; int exitCode; bool hasXdgOpen; int messages; } cases[] = {
        {"handler opened it", 0, true, 0},
        {"no handler for the address", 3, true, 1},
        {"handler failed", 4, true, 1},
        {"no xdg-open and no browser", 0, false, 1},
    };
    const QByteArray path = qgetenv("PATH");
    for (const auto &c : cases) {
        QTemporaryDir bin;
        if (c.hasXdgOpen) {
            QFile script(bin.filePath(QStringLiteral("xdg-open")));
            ASSERT_TRUE(script.open(QIODevice::WriteOnly));
            script.write(QByteArray("#!/bin/sh\nexit ") + QByteArray::number(c.exitCode) + '\n');
            script.close();
            script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        qputenv("PATH", bin.path().toLocal8Bit());
        MessageRecorder recorder;
        OpenWithDefaultHandler(kWeb);
        qputenv("PATH", path);
        // The handler has ended once its process is gone.
        EXPECT_TRUE(QTest::qWaitFor([] { return qApp->findChildren<QProcess *>().isEmpty(); }, 10000)) << c.name;
        ASSERT_EQ(recorder.messages.size(), c.messages) << c.name;
        if (c.messages) {
            EXPECT_TRUE(recorder.messages[0].endsWith(QLatin1Char('\n') + kWeb)) << c.name;
        }
    }
}

} // namespace
