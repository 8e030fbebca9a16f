// SPDX-License-Identifier: GPL-3.0-or-later
// The command line from the command table, in process: what a lane is given parses back to
// the call it came from, and every command has its help both ways round.
#include "cli/CommandLine.h"
#include "platform/framework/NativePath.h"

#include <gtest/gtest.h>

namespace {

QStringList Words(const char* line) {
    return QString::fromUtf8(line).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

TEST(CommandLine, ALanesArgumentsParseBackToTheSameCallForItsAdapter) {
    const QStringList calls[] = {
        Words("write --all river.brk"),
        Words("read --all --wait -q --retries 7 --log bench.log batch.brk"),
        Words("verify --trace t.txt --all --log=/tmp/a=b.log --retries=0 site.brk"),
        // Names that look like options or assignments stay names.
        {"read", "--all", "--log", "--x.log", "--", "-odd name.brk"},
        {"write", "--all", "--", "--wait"},
        // A byte that is not UTF-8, kept as the system gave it (U+DC00 + byte).
        {"read", "--all", QStringLiteral("made") + QChar(0xDCFF) + QStringLiteral(".brk")},
    };
    for (const QStringList& arguments : calls) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        cli::TInvocation call;
        QString problem;
        ASSERT_TRUE(cli::Parse(arguments, false, call, problem)) << problem.toStdString();
        ASSERT_TRUE(call.Options.All);

        const QString file = QStringLiteral("lane-") + call.File();
        for (const bool byPort : {false, true}) {
            const QString adapter = byPort ? QStringLiteral("/dev/pts/7") : QStringLiteral("-SN 1");
            const QStringList lane = cli::LaneArguments(call, byPort, adapter, file);
            EXPECT_EQ(lane.value(0), QStringLiteral("brookfetch-cli"));
            cli::TInvocation parsed;
            ASSERT_TRUE(cli::Parse(lane.mid(1), false, parsed, problem)) << problem.toStdString();
            cli::TInvocation expected = call;
            expected.Options.All = false;
            (byPort ? expected.Options.Port : expected.Options.Serial) = adapter;
            expected.Operands[0] = file;
            EXPECT_EQ(parsed.Command, expected.Command);
            EXPECT_EQ(parsed.Operands, expected.Operands);
            EXPECT_TRUE(parsed.Options == expected.Options);
        }
    }
}

TEST(CommandLine, EveryCommandHasItsHelpBothWaysRound) {
    for (const cli::TCommandSpec& command : cli::CommandSpecs()) {
        SCOPED_TRACE(command.Name);
        const QString name = QLatin1String(command.Name);
        for (const QStringList& arguments :
             {QStringList{QStringLiteral("help"), name}, QStringList{name, QStringLiteral("-h")},
              QStringList{QStringLiteral("--help"), name}}) {
            cli::TInvocation call;
            QString problem;
            // Beside -h, nothing else takes effect.
            const QStringList more = arguments.contains(QStringLiteral("help"))
                                         ? QStringList()
                                         : QStringList{"--all", "--log", "x.log"};
            ASSERT_TRUE(cli::Parse(arguments + more, false, call, problem))
                << problem.toStdString();
            EXPECT_EQ(call.Command, cli::FindCommand(QStringLiteral("help")));
            EXPECT_EQ(call.Operands, QStringList{name});
            EXPECT_FALSE(call.Options.All); // only the help, no lanes
        }
        const QString help = cli::CommandHelp(command);
        EXPECT_TRUE(help.startsWith(QStringLiteral("Usage: brookfetch-cli ") + name));
        EXPECT_TRUE(help.contains(QStringLiteral("\nOptions:\n")));
        EXPECT_TRUE(help.contains(QStringLiteral("\nExample:\n  ")));
        EXPECT_TRUE(cli::ProgramHelp().contains(QStringLiteral("\n  ") + name));
    }
}

TEST(CommandLine, AUsageMessageShowsTheArgumentsEscaped) {
    const QString odd = QStringLiteral("a\x1b[2J\nb") + QChar(0xDCFF);
    for (const QStringList& arguments :
         {QStringList{odd}, QStringList{QStringLiteral("--") + odd},
          QStringList{QStringLiteral("verify"), QStringLiteral("x.brk"), odd},
          QStringList{QStringLiteral("set"), QStringLiteral("x.brk"), odd}}) {
        cli::TInvocation call;
        QString problem;
        ASSERT_FALSE(cli::Parse(arguments, false, call, problem));
        // The last character is a byte kept from a Linux name; a Windows name has none.
        const bool kept = KeptByteAt(odd, odd.size() - 1) >= 0;
        EXPECT_TRUE(problem.contains(kept ? QStringLiteral("a\\x1b[2J\\nb\\xff")
                                          : QStringLiteral("a\\x1b[2J\\nb")))
            << problem.toStdString();
    }
}

} // namespace
