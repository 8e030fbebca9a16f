// SPDX-License-Identifier: GPL-3.0-or-later
// The window program as a whole: started in a folder of its own, it makes its settings file,
// shows its windows and ends with 0 when its main window closes. Driven through the screenshot
// tool, which runs the same start-up and closes the window as a user would.
#include "platform/registry/LanguageStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct ProgramRun {
    int ExitCode = -1;
    bool Finished = false;
    QString Output;
};

ProgramRun StartProgram(const QString& exe, const QString& configHome,
                        const QStringList& arguments) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_CONFIG_HOME", configHome);
    environment.insert("LANG", "C.UTF-8");
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::MergedChannels);
    program.start(exe, arguments);
    ProgramRun run;
    run.Finished = program.waitForFinished(60000);
    if (!run.Finished)
        program.kill();
    run.ExitCode = program.exitCode();
    run.Output = QString::fromLocal8Bit(program.readAll());
    return run;
}

} // namespace

TEST(Program, StartsWithFreshSettingsShowsItsWindowsAndEndsWithZero) {
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const QString exe = temp.filePath("brookfetch");
    ASSERT_TRUE(QFile::copy(QStringLiteral(SCREENSHOT_PROGRAM), exe));
    const QString pictures = temp.filePath("pictures");

    const ProgramRun run = StartProgram(exe, temp.filePath("config"), {pictures});
    ASSERT_TRUE(run.Finished) << run.Output.toStdString();
    EXPECT_EQ(run.ExitCode, 0) << run.Output.toStdString();
    for (const char* name : {"main-window.png", "about.png", "properties.png"})
        EXPECT_GT(QFileInfo(QDir(pictures).filePath(name)).size(), 0) << name;

    QFile settings(temp.filePath("brookfetch.INI"));
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    const QByteArray text = settings.readAll();
    EXPECT_TRUE(text.startsWith("[Properties]\nVersion=256\n[MainForm]\n")) << text.constData();
    EXPECT_TRUE(text.contains("MainState=0\nLanguageId=0\n")) << text.constData();
}

// Without a display Qt would abort with a page about reinstalling; the program says in one
// line what it needs and ends with 1.
TEST(Program, WithoutADisplaySaysSoInOneLineAndEndsWithOne) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE"})
        environment.remove(name);
    environment.insert("QT_QPA_PLATFORM", "xcb");
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(BROOKFETCH_PROGRAM), {});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 1);
    const QString error = QString::fromLocal8Bit(program.readAllStandardError());
    EXPECT_TRUE(error.startsWith("brookfetch: no display")) << error.toStdString();
    EXPECT_EQ(error.count('\n'), 1) << error.toStdString();
}

TEST(Program, TheShippedProgramReadsNoTestSwitch) {
    QFile program(QStringLiteral(BROOKFETCH_PROGRAM));
    ASSERT_TRUE(program.open(QIODevice::ReadOnly));
    const QByteArray bytes = program.readAll();
    ASSERT_GT(bytes.size(), 0);
    for (const char* name : {"BROOKFETCH_SCREENSHOT", "BROOKFETCH_PROBE"})
        EXPECT_FALSE(bytes.contains(name)) << name;
}
