// SPDX-License-Identifier: GPL-3.0-or-later
// The manual pages list what the programs' --help lists and render without a warning, the CLI's
// page and bash completion follow its command table, and every program tells the project's
// version.
#include "BrookfetchVersion.h"
#include "cli/CommandLine.h"
#include "cli/ParameterText.h"
#include "model/Q47.h"
#include "model/Q47Parameters.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

struct Program {
    const char* Name;
    const char* Path;
};

const Program Programs[] = {
    {"brookfetch", BROOKFETCH_PROGRAM},
    {"brookfetch-cli", BROOKFETCH_CLI_PROGRAM},
    {"brookfetch-adapter-sim", BROOKFETCH_SIM_PROGRAM},
};

QString Output(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000))
        return QStringLiteral("<%1 did not run>").arg(program);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString Page(const char* name) {
    QFile file(QStringLiteral(BROOKFETCH_MAN_DIR "/%1.1").arg(QLatin1String(name)));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The lines of a page's section, from its .SH line to the next.
QStringList Section(const QString& page, const QString& title) {
    const QStringList lines = page.split(QLatin1Char('\n'));
    const qsizetype start = lines.indexOf(QStringLiteral(".SH ") + title);
    if (start < 0)
        return {};
    QStringList section;
    for (qsizetype i = start + 1; i < lines.size() && !lines[i].startsWith(QLatin1String(".SH"));
         ++i)
        section << lines[i];
    return section;
}

QStringList Sorted(QStringList list) {
    list.removeDuplicates();
    list.sort();
    return list;
}

// A list as gtest shows it on a failure: "--help --json".
std::string Text(const QStringList& list) {
    return list.join(QLatin1Char(' ')).toStdString();
}

QStringList Matches(const QString& text, const QString& pattern) {
    QStringList found;
    const QRegularExpression expression(pattern, QRegularExpression::MultilineOption);
    for (const QRegularExpressionMatch& match : expression.globalMatch(text))
        found << match.captured(1);
    return Sorted(found);
}

// The long options at the heads of the entries (the line after each .TP) of a section.
QStringList EntryOptions(const QStringList& section) {
    QString heads;
    for (qsizetype i = 1; i < section.size(); ++i)
        if (section[i - 1] == QLatin1String(".TP"))
            heads += section[i] + QLatin1Char('\n');
    return Matches(heads.replace(QLatin1String("\\-"), QLatin1String("-")),
                   QStringLiteral("(--[a-z][a-z-]*)"));
}

// The first word of each entry's head: the commands of a COMMANDS section.
QStringList EntryCommands(const QStringList& section) {
    QStringList commands;
    for (qsizetype i = 1; i < section.size(); ++i)
        if (section[i - 1] == QLatin1String(".TP"))
            commands << section[i].section(QLatin1Char(' '), 1, 1);
    return Sorted(commands);
}

QString HelpOptionsPattern() {
    return QStringLiteral("^  (?:-[A-Za-z], )?(--[a-z][a-z-]*)");
}

TEST(ManPages, ListTheOptionsOfEveryProgramsHelpAndRenderCleanly) {
    for (const Program& program : Programs) {
        const QString help = Output(QLatin1String(program.Path), {QStringLiteral("--help")});
        const QStringList helpOptions = Matches(help, HelpOptionsPattern());
        ASSERT_FALSE(helpOptions.isEmpty()) << program.Name << ": " << help.toStdString();
        const QString page = Page(program.Name);
        ASSERT_FALSE(page.isEmpty()) << program.Name;
        EXPECT_EQ(Text(EntryOptions(Section(page, QStringLiteral("OPTIONS")))), Text(helpOptions))
            << program.Name << "'s manual page and --help list other options";

        QProcess groff;
        groff.start(QStringLiteral("groff"),
                    {QStringLiteral("-man"), QStringLiteral("-ww"), QStringLiteral("-z"),
                     QStringLiteral(BROOKFETCH_MAN_DIR "/%1.1").arg(program.Name)});
        ASSERT_TRUE(groff.waitForFinished(30000)) << "groff is missing (Debian package groff-base)";
        EXPECT_EQ(groff.exitCode(), 0);
        EXPECT_EQ(groff.readAllStandardError().toStdString(), "") << program.Name;
    }
}

// The command table of brookfetch-cli is what its page and its completion must know.
TEST(ManPages, CliPageAndCompletionFollowTheCommandTable) {
    QStringList commands;
    for (const cli::TCommandSpec& command : cli::CommandSpecs())
        commands << QLatin1String(command.Name);
    commands = Sorted(commands);
    EXPECT_EQ(Text(EntryCommands(Section(Page("brookfetch-cli"), QStringLiteral("COMMANDS")))),
              Text(commands));

    // Every option by each of its names, the options each command takes.
    const auto names = [](unsigned options) {
        QStringList list;
        for (const cli::TOptionSpec& option : cli::OptionSpecs()) {
            if (!(options & option.Bit))
                continue;
            list << QStringLiteral("--") + QLatin1String(option.Long);
            if (option.Short != 0)
                list << QStringLiteral("-") + QLatin1Char(option.Short);
        }
        return Sorted(list);
    };
    QFile completion(QStringLiteral(BROOKFETCH_COMPLETION));
    ASSERT_TRUE(completion.open(QIODevice::ReadOnly));
    const QString script = QString::fromUtf8(completion.readAll());
    const auto words = [&script](const QString& pattern) {
        return Sorted(QRegularExpression(pattern).match(script).captured(1).split(
            QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts));
    };
    EXPECT_EQ(Text(words(QStringLiteral("local commands=\"([^\"]*)\""))), Text(commands));
    EXPECT_EQ(Text(words(QStringLiteral("local options=\"([^\"]*)\""))), Text(names(~0u)));
    for (const cli::TCommandSpec& command : cli::CommandSpecs())
        EXPECT_EQ(Text(words(QStringLiteral("\\[%1\\]=\"([^\"]*)\"").arg(command.Name))),
                  Text(names(command.Options & ~unsigned(cli::OptHelp))))
            << command.Name;

    // The parameters that can be set, and values that set them.
    QStringList writable;
    for (const TQ47Parameter& parameter : Q47Parameters()) {
        if (parameter.Kind != TParameterKind::Pulses)
            writable << QLatin1String(parameter.Name) + QLatin1Char('=');
    }
    EXPECT_EQ(Text(words(QStringLiteral("local parameters=\"([^\"]*)\""))), Text(Sorted(writable)));
    const QRegularExpression valueLine(QStringLiteral("^\\s*([a-z]+)\\) values=\"([^\"]*)\""),
                                       QRegularExpression::MultilineOption);
    int named = 0;
    for (const QRegularExpressionMatch& match : valueLine.globalMatch(script)) {
        for (const QString& value : match.captured(2).split(QLatin1Char(' '))) {
            TQ47 model;
            QString error;
            EXPECT_TRUE(cli::ApplyAssignment(model, match.captured(1) + '=' + value, error))
                << error.toStdString();
            ++named;
        }
    }
    EXPECT_GT(named, 0);
}

// What bash offers at the end of a line, "=" breaking words as it does by default.
QStringList Completed(const QString& line) {
    QProcess bash;
    bash.start(QStringLiteral("bash"),
               {QStringLiteral("-c"),
                QStringLiteral(
                    "source /usr/share/bash-completion/bash_completion && source \"$1\" && "
                    "COMP_LINE=$2 && COMP_POINT=${#COMP_LINE} && COMP_WORDS=() && "
                    "for w in $COMP_LINE; do if [[ $w == *=* ]]; then "
                    "COMP_WORDS+=(\"${w%%=*}\" = \"${w#*=}\"); else COMP_WORDS+=(\"$w\"); fi; "
                    "done && [[ $COMP_LINE != *\\  ]] || COMP_WORDS+=('') && "
                    "COMP_CWORD=$((${#COMP_WORDS[@]} - 1)) && "
                    "_brookfetch_cli brookfetch-cli \"${COMP_WORDS[-1]}\" \"${COMP_WORDS[-2]}\" "
                    "2>/dev/null; printf '%s\\n' \"${COMPREPLY[@]}\""),
                QStringLiteral("bash"), QStringLiteral(BROOKFETCH_COMPLETION), line});
    if (!bash.waitForFinished(30000))
        return {QStringLiteral("<bash did not run>")};
    return QString::fromUtf8(bash.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

std::string CompletedText(const char* line) {
    return Text(Sorted(Completed(QLatin1String(line))));
}

TEST(Completion, OffersParametersThatCanBeSetAndTheValuesAfterTheirEqualsSign) {
    ASSERT_TRUE(QFile::exists(QStringLiteral("/usr/share/bash-completion/bash_completion")))
        << "bash-completion is missing (scripts/setup installs it)";
    EXPECT_EQ(CompletedText("brookfetch-cli new f.brk Dead"), "DeadTime=");
    EXPECT_EQ(CompletedText("brookfetch-cli set f.brk Pump"), "");
    // Only what follows "=" is on the line to replace.
    EXPECT_EQ(CompletedText("brookfetch-cli new f.brk DeadTime="), "");
    EXPECT_EQ(CompletedText("brookfetch-cli set f.brk varmode=4"), "4-20mA");
    EXPECT_EQ(CompletedText("brookfetch-cli show --"),
              "--help --history --json --port --quiet --retries --serial --trace");
}

TEST(Programs, TellTheProjectsVersion) {
    for (const Program& program : Programs)
        EXPECT_EQ(Output(QLatin1String(program.Path), {QStringLiteral("--version")}).toStdString(),
                  std::string(program.Name) + ' ' + BrookfetchVersion + '\n');
}

} // namespace
