// The manual pages and the CLI's bash completion list what the programs' --help lists, the
// pages render without a warning, and every program tells the project's version.
#include "BrookfetchVersion.h"

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

TEST(ManPages, CliPageAndCompletionKnowEveryCommandAndOption) {
    const QString help = Output(QStringLiteral(BROOKFETCH_CLI_PROGRAM), {QStringLiteral("--help")});
    const QString commandsHelp = help.section(QStringLiteral("\nCommands:\n"), 1);
    const QStringList commands = Matches(commandsHelp, QStringLiteral("^  ([a-z]+)"));
    ASSERT_FALSE(commands.isEmpty()) << help.toStdString();
    EXPECT_EQ(Text(EntryCommands(Section(Page("brookfetch-cli"), QStringLiteral("COMMANDS")))),
              Text(commands));

    QFile completion(QStringLiteral(BROOKFETCH_COMPLETION));
    ASSERT_TRUE(completion.open(QIODevice::ReadOnly));
    const QString script = QString::fromUtf8(completion.readAll());
    const auto words = [&script](const char* variable) {
        const QRegularExpression line(QStringLiteral("local %1=\"([^\"]*)\"").arg(variable));
        QStringList list = line.match(script).captured(1).split(QLatin1Char(' '));
        return Sorted(list.filter(QRegularExpression(QStringLiteral("^[a-z-]"))));
    };
    EXPECT_EQ(Text(words("commands")), Text(commands));
    EXPECT_EQ(Text(words("options").filter(QStringLiteral("--"))),
              Text(Matches(help, HelpOptionsPattern())));
}

TEST(Programs, TellTheProjectsVersion) {
    for (const Program& program : Programs)
        EXPECT_EQ(Output(QLatin1String(program.Path), {QStringLiteral("--version")}).toStdString(),
                  std::string(program.Name) + ' ' + BrookfetchVersion + '\n');
}

} // namespace
