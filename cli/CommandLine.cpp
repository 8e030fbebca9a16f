// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CommandLine.h"

#include "app/AdapterWords.h"
#include "app/History.h"
#include "cli/NativeName.h"
#include "platform/registry/Languages.h"

#include <QRegularExpression>
#include <algorithm>

namespace cli {
namespace {

constexpr int MaxRetries = 20; // more only keeps a failing connector on the bench longer

const TOptionSpec Options[] = {
    {.Bit = OptHelp,
     .Short = 'h',
     .Long = "help",
     .Value = nullptr,
     .Help = "this help; with a command, that command's help",
     .Switch = &TOptions::Help,
     .Anywhere = true,
     .Lane = false},
    {.Bit = OptVersion,
     .Short = 'V',
     .Long = "version",
     .Value = nullptr,
     .Help = "the program's version",
     .Switch = &TOptions::Version,
     .Anywhere = true,
     .Lane = false},
    {.Bit = OptQuiet,
     .Short = 'q',
     .Long = "quiet",
     .Value = nullptr,
     .Help = "no progress bar, notes or success lines",
     .Switch = &TOptions::Quiet,
     .Anywhere = true},
    {.Bit = OptTrace,
     .Short = 0,
     .Long = "trace",
     .Value = "FILE",
     .Help = "append every driver call and frame, with its time, to FILE (- for standard error)",
     .Text = &TOptions::Trace,
     .Anywhere = true},
    {.Bit = OptWait,
     .Short = 0,
     .Long = "wait",
     .Value = nullptr,
     .Help = "production mode: one connector after another until Ctrl+C",
     .Switch = &TOptions::Wait,
     .NeedsFileName = true},
    {.Bit = OptDryRun,
     .Short = 0,
     .Long = "dry-run",
     .Value = nullptr,
     .Help = "say what the write would change, and write nothing",
     .Switch = &TOptions::DryRun,
     .Excludes = OptWait},
    {.Bit = OptAll,
     .Short = 0,
     .Long = "all",
     .Value = nullptr,
     .Help = "every attached adapter at once, one lane per adapter",
     .Switch = &TOptions::All,
     .Excludes = OptSerial | OptPort,
     .NeedsFileName = true,
     .Lane = false},
    {.Bit = OptSerial,
     .Short = 0,
     .Long = "serial",
     .Value = "SN",
     .Help = "use the adapter with this serial number",
     .Text = &TOptions::Serial,
     .Anywhere = true,
     .Lane = false},
    {.Bit = OptPort,
     .Short = 0,
     .Long = "port",
     .Value = "PORT",
     .Help = PortOptionHelp,
     .Text = &TOptions::Port,
     .Excludes = OptSerial,
     .Anywhere = true,
     .Lane = false},
    {.Bit = OptRetries,
     .Short = 0,
     .Long = "retries",
     .Value = "N",
     .Help = "retry a transfer that failed on the link up to N times (default 2)",
     .Number = &TOptions::Retries,
     .Low = 0,
     .High = MaxRetries,
     .Anywhere = true},
    {.Bit = OptLog,
     .Short = 0,
     .Long = "log",
     .Value = "FILE",
     .Help = "append one JSON line per connector operation to FILE (- for standard output)",
     .Text = &TOptions::Log},
    {.Bit = OptHistory,
     .Short = 0,
     .Long = "history",
     .Value = "FILE",
     .Help = "keep the programming history in FILE instead of the user's own",
     .Text = &TOptions::History},
    {.Bit = OptSince,
     .Short = 0,
     .Long = "since",
     .Value = "DATE",
     .Help = "only entries from DATE on: YYYY-MM-DD or YYYY-MM-DDTHH:MM[:SS], local time",
     .Text = &TOptions::Since},
    {.Bit = OptJson,
     .Short = 0,
     .Long = "json",
     .Value = nullptr,
     .Help = "JSON on one line instead of text",
     .Switch = &TOptions::Json},
    {.Bit = OptCsv,
     .Short = 0,
     .Long = "csv",
     .Value = nullptr,
     .Help = "CSV for a spreadsheet instead of text",
     .Switch = &TOptions::Csv,
     .Excludes = OptJson},
    {.Bit = OptPaper,
     .Short = 0,
     .Long = "paper",
     .Value = "a4|letter",
     .Help = "the sheet's paper (default: the locale's)",
     .Text = &TOptions::Paper},
    {.Bit = OptLanguage,
     .Short = 0,
     .Long = "language",
     .Value = "CODE",
     .Help = "the sheet's language, one of the window program's: de, ru, ... (default: the "
             "locale's)",
     .Text = &TOptions::Language},
    {.Bit = OptForce,
     .Short = 0,
     .Long = "force",
     .Value = nullptr,
     .Help = "replace OUT even when it is a file other than a PDF",
     .Switch = &TOptions::Force},
};

// The program's languages by their two-letter or their three-letter code, any case.
bool IsLanguageCode(const QString& code) {
    for (const TLanguage& language : Languages)
        if (code.compare(QLatin1String(language.File), Qt::CaseInsensitive) == 0 ||
            code.compare(QLatin1String(language.Code), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QString LanguageCodes() {
    QStringList codes;
    for (const TLanguage& language : Languages)
        codes << QLatin1String(language.File);
    return codes.join(QStringLiteral(", "));
}

const TOptionSpec* FindLong(const QString& name) {
    for (const TOptionSpec& option : Options) {
        if (name == QLatin1String(option.Long))
            return &option;
    }
    return nullptr;
}

const TOptionSpec* FindShort(QChar letter) {
    for (const TOptionSpec& option : Options) {
        if (option.Short != 0 && letter == QLatin1Char(option.Short))
            return &option;
    }
    return nullptr;
}

const TOptionSpec& Option(TOptionBit bit) {
    for (const TOptionSpec& option : Options) {
        if (option.Bit == bit)
            return option;
    }
    return Options[0];
}

QString Dashed(const TOptionSpec& option) {
    return QStringLiteral("--") + QLatin1String(option.Long);
}

bool IsSet(const TOptions& options, const TOptionSpec& option) {
    if (option.Switch != nullptr)
        return options.*option.Switch;
    if (option.Text != nullptr)
        return !(options.*option.Text).isEmpty();
    return options.*option.Number != TOptions().*option.Number;
}

// "a", "a or b", "a, b or c".
QString Either(const QStringList& words) {
    if (words.size() < 2)
        return words.value(0);
    return words.mid(0, words.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" or ") +
           words.last();
}

// Takes an option's value; false with `problem` when it is no value the option accepts.
bool Take(const TOptionSpec& option, const QString& value, TOptions& options, QString& problem) {
    if (option.Text != nullptr) {
        if (value.isEmpty()) {
            problem =
                QStringLiteral("%1 needs %2").arg(Dashed(option), QLatin1String(option.Value));
            return false;
        }
        options.*option.Text = value;
        return true;
    }
    bool number = false;
    const int taken = value.toInt(&number);
    if (!number || taken < option.Low || taken > option.High) {
        problem = QStringLiteral("%1 needs a whole number %2..%3")
                      .arg(Dashed(option))
                      .arg(option.Low)
                      .arg(option.High);
        return false;
    }
    options.*option.Number = taken;
    return true;
}

// Options and operands, in the forms --name, --name=VALUE, --name VALUE, -q and -qV; "--" ends
// the options, and "-" alone is an operand.
bool Split(const QStringList& arguments, TOptions& options, QStringList& operands, unsigned& given,
           QString& problem) {
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (optionsEnded || argument == QLatin1String("-") ||
            !argument.startsWith(QLatin1Char('-'))) {
            operands << argument;
            continue;
        }
        if (argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        std::vector<const TOptionSpec*> named;
        QString value;
        bool inline_ = false;
        if (argument.startsWith(QLatin1String("--"))) {
            const qsizetype equals = argument.indexOf(QLatin1Char('='));
            const QString name = argument.mid(2, equals < 0 ? -1 : equals - 2);
            const TOptionSpec* option = FindLong(name);
            if (option == nullptr) {
                problem = QStringLiteral("unknown option \"--%1\"").arg(DisplayName(name));
                return false;
            }
            if (equals >= 0) {
                inline_ = true;
                value = argument.mid(equals + 1);
            }
            named.push_back(option);
        } else {
            for (qsizetype k = 1; k < argument.size(); ++k) {
                const TOptionSpec* option = FindShort(argument[k]);
                if (option == nullptr) {
                    problem =
                        QStringLiteral("unknown option \"-%1\"").arg(DisplayName(argument[k]));
                    return false;
                }
                named.push_back(option);
            }
        }
        for (const TOptionSpec* option : named) {
            given |= option->Bit;
            if (option->Switch != nullptr) {
                if (inline_) {
                    problem = QStringLiteral("%1 takes no value").arg(Dashed(*option));
                    return false;
                }
                options.*option->Switch = true;
                continue;
            }
            if (!inline_) {
                if (++i >= arguments.size()) {
                    problem = QStringLiteral("%1 needs %2")
                                  .arg(Dashed(*option), QLatin1String(option->Value));
                    return false;
                }
                value = arguments[i];
            }
            if (!Take(*option, value, options, problem))
                return false;
        }
    }
    return true;
}

// What is wrong with the operands and options of a command, or empty.
QString Problem(const TCommandSpec& command, const QStringList& operands, unsigned given,
                const TOptions& options, bool outIsTerminal) {
    const QString name = QLatin1String(command.Name);
    if (operands.size() < command.MinOperands) {
        QString needed = QLatin1String(command.Operands);
        needed.remove(QRegularExpression(QStringLiteral("\\s*\\[[^]]*\\]")));
        return QStringLiteral("%1 needs %2").arg(name, needed.trimmed());
    }
    if (command.MaxOperands >= 0 && operands.size() > command.MaxOperands)
        return QStringLiteral("too many operands for %1: %2")
            .arg(name, DisplayName(operands.mid(command.MaxOperands).join(QLatin1Char(' '))));
    for (const TOptionSpec& option : Options) {
        if (!(given & option.Bit))
            continue;
        if (!option.Anywhere && !(command.Options & option.Bit)) {
            QStringList with;
            for (const TCommandSpec& other : CommandSpecs()) {
                if (other.Options & option.Bit)
                    with << QLatin1String(other.Name);
            }
            return QStringLiteral("%1 goes with %2 only").arg(Dashed(option), Either(with));
        }
        for (const TOptionSpec& other : Options) {
            if ((option.Excludes & other.Bit) && (given & other.Bit))
                return QStringLiteral("%1 and %2 exclude each other")
                    .arg(Dashed(option), Dashed(other));
        }
    }
    if ((given & OptPaper) &&
        options.Paper.compare(QLatin1String("a4"), Qt::CaseInsensitive) != 0 &&
        options.Paper.compare(QLatin1String("letter"), Qt::CaseInsensitive) != 0)
        return QStringLiteral("--paper takes a4 or letter, not \"%1\"")
            .arg(DisplayName(options.Paper));
    if ((given & OptLanguage) && !IsLanguageCode(options.Language))
        return QStringLiteral("--language takes one of %1 (or the three-letter code, as deu for "
                              "de), not \"%2\"")
            .arg(LanguageCodes(), DisplayName(options.Language));
    if ((given & OptSince) && !HistorySince(options.Since))
        return QStringLiteral("--since takes a day YYYY-MM-DD or a time YYYY-MM-DDTHH:MM[:SS], "
                              "not \"%1\"")
            .arg(DisplayName(options.Since));
    if (command.Draws && operands.value(1) == QLatin1String("-") && outIsTerminal)
        return QStringLiteral("the PDF is not written to a terminal; redirect standard output, "
                              "e.g. > sheet.pdf");
    if (options.All && options.Log == QLatin1String("-"))
        return QStringLiteral("--all needs a log file: the lanes cannot share standard output");
    if (command.Assignments) {
        for (const QString& assignment : operands.mid(1)) {
            if (!assignment.contains(QLatin1Char('=')))
                return QStringLiteral("\"%1\" is not an assignment NAME=VALUE")
                    .arg(DisplayName(assignment));
        }
    }
    if (operands.isEmpty() || command.First != TOperandKind::File)
        return QString();
    const QString file = operands[0];
    // An empty FILE would make show read the connector instead.
    if (file.isEmpty())
        return QStringLiteral("an empty file name");
    if (file != QLatin1String("-"))
        return QString();
    if (command.InPlace)
        return QStringLiteral("%1 changes a file in place; give its name, not -").arg(name);
    for (const TOptionSpec& option : Options) {
        if (option.NeedsFileName && (given & option.Bit))
            return QStringLiteral("%1 needs a file name, not -").arg(Dashed(option));
    }
    if (command.ImageOut && options.Log == QLatin1String("-"))
        return QStringLiteral("the image and the log cannot both go to standard output");
    if (command.ImageOut && outIsTerminal)
        return QStringLiteral("the 128-byte image is not written to a terminal; redirect "
                              "standard output, e.g. > file.brk");
    return QString();
}

} // namespace

std::span<const TOptionSpec> OptionSpecs() {
    return Options;
}

const TCommandSpec* FindCommand(const QString& name) {
    for (const TCommandSpec& command : CommandSpecs()) {
        if (name == QLatin1String(command.Name))
            return &command;
    }
    return nullptr;
}

bool Parse(const QStringList& arguments, bool outIsTerminal, TInvocation& invocation,
           QString& problem) {
    invocation = TInvocation();
    TOptions& options = invocation.Options;
    QStringList operands;
    unsigned given = 0;
    if (!Split(arguments, options, operands, given, problem))
        return false;
    // "COMMAND --help" is "help COMMAND"; --help or --version alone need no command.
    if (options.Help) {
        // Only the help: nothing else that was given (--all, --log) takes effect.
        options = TOptions();
        options.Help = true;
        invocation.Command = FindCommand(QStringLiteral("help"));
        const TCommandSpec* described = FindCommand(operands.value(0));
        // "help write --help" asks for write's help like "help write".
        if (described == invocation.Command && FindCommand(operands.value(1)) != nullptr)
            described = FindCommand(operands[1]);
        if (described != nullptr)
            invocation.Operands = QStringList{QLatin1String(described->Name)};
        return true;
    }
    if (options.Version) {
        options = TOptions();
        options.Version = true;
        return true;
    }
    if (operands.isEmpty()) {
        problem = QStringLiteral("no command given");
        return false;
    }
    const QString name = operands.takeFirst();
    invocation.Command = FindCommand(name);
    if (invocation.Command == nullptr) {
        problem = QStringLiteral("unknown command \"%1\"").arg(DisplayName(name));
        return false;
    }
    problem = Problem(*invocation.Command, operands, given, options, outIsTerminal);
    if (problem.isEmpty() && invocation.Command->First == TOperandKind::Command &&
        !operands.isEmpty() && FindCommand(operands[0]) == nullptr)
        problem = QStringLiteral("unknown command \"%1\"").arg(DisplayName(operands[0]));
    invocation.Operands = operands;
    return problem.isEmpty();
}

bool Draws(const QStringList& arguments) {
    TInvocation invocation;
    QString problem;
    return Parse(arguments, false, invocation, problem) && invocation.Command != nullptr &&
           invocation.Command->Draws;
}

QString ProgramHelp() {
    QString text = QStringLiteral(
        "Usage: brookfetch-cli [options] command [operands...]\n"
        "\n"
        "Reads, writes and verifies the configuration connector of the Q47 water sampler\n"
        "through the USB adapter, and edits .brk files.\n"
        "\n"
        "Options:\n");
    for (const TOptionSpec& option : Options) {
        QString head =
            option.Short ? QStringLiteral("-%1, ").arg(QLatin1Char(option.Short)) : QString();
        head += Dashed(option);
        if (option.Value != nullptr)
            head += QLatin1Char(' ') + QLatin1String(option.Value);
        QString line = QStringLiteral("  %1%2")
                           .arg(head, -std::max(16, int(head.size()) + 2))
                           .arg(QLatin1String(option.Help));
        if (!option.Anywhere) {
            QStringList commands;
            for (const TCommandSpec& command : CommandSpecs()) {
                if (command.Options & option.Bit)
                    commands << QLatin1String(command.Name);
            }
            const QString with = QStringLiteral("(with %1)").arg(Either(commands));
            line += line.size() + with.size() < 92 ? QLatin1Char(' ') + with
                                                   : QLatin1Char('\n') + QString(18, ' ') + with;
        }
        text += line + QLatin1Char('\n');
    }
    text += QStringLiteral("\nCommands:\n");
    for (const TCommandSpec& command : CommandSpecs()) {
        QString head = QLatin1String(command.Name);
        if (*command.Operands != '\0')
            head += QLatin1Char(' ') + QLatin1String(command.Operands);
        if (head.size() >= 24)
            text += QStringLiteral("  %1\n%2").arg(head, QString(26, QLatin1Char(' ')));
        else
            text += QStringLiteral("  %1").arg(head, -24);
        text += QLatin1String(command.Summary) + QLatin1Char('\n');
    }
    return text + QStringLiteral(
                      "FILE may be - for standard input or output.\n"
                      "\n"
                      "Parameters: PumpPulses (read-only), DeadTime=hh:mm:ss, PrePurge, "
                      "Aeration,\n"
                      "PostPurge (seconds), SamplingInterval=hh:mm:ss, Continuous=\"Acc. to "
                      "Samples Count\"\n"
                      "or Continuous, SamplesCount, AccuWarning, AccuOff (volts, e.g. 11.0),\n"
                      "MaxSuctionTime (seconds), PurgesCount, VarMode=Disabled, \"0 - 20mA\" or "
                      "\"4 - 20mA\".\n"
                      "A refused value names the parameter and its accepted range.\n"
                      "\n"
                      "Exit codes: 0 success, 1 communication error, 2 file access error,\n"
                      "3 parameter out of range or malformed, 4 no adapter or no connector (or "
                      "an adapter\n"
                      "in use by another program), 5 the connector's content differs, 64 usage "
                      "error.\n");
}

QString CommandHelp(const TCommandSpec& command) {
    QString text = QStringLiteral("Usage: brookfetch-cli %1 [options]").arg(command.Name);
    if (*command.Operands != '\0')
        text += QLatin1Char(' ') + QLatin1String(command.Operands);
    text += QStringLiteral("\n\n%1\n\nOptions:\n").arg(QLatin1String(command.Text));
    const unsigned shown = command.Options | OptHelp;
    QStringList heads;
    QStringList helps;
    for (const TOptionSpec& option : Options) {
        if (!(shown & option.Bit) || option.Bit == OptHelp)
            continue;
        QString head =
            option.Short ? QStringLiteral("-%1, ").arg(QLatin1Char(option.Short)) : QString();
        head += Dashed(option);
        if (option.Value != nullptr)
            head += QLatin1Char(' ') + QLatin1String(option.Value);
        heads << head;
        helps << QLatin1String(option.Help);
    }
    heads << QStringLiteral("-h, --help");
    helps << QStringLiteral("this help");
    // The help texts in one column, beside the longest option.
    qsizetype width = 14;
    for (const QString& head : heads)
        width = std::max(width, head.size() + 2);
    for (qsizetype i = 0; i < heads.size(); ++i)
        text += QStringLiteral("  %1%2\n").arg(heads[i], -int(width)).arg(helps[i]);
    return text + QStringLiteral("\nExample:\n  %1\n").arg(QLatin1String(command.Example));
}

QStringList LaneArguments(const TInvocation& invocation, bool byPort, const QString& adapter,
                          const QString& file) {
    const TOptions& options = invocation.Options;
    QStringList arguments{QStringLiteral("brookfetch-cli"),
                          QLatin1String(invocation.Command->Name)};
    for (const TOptionSpec& option : Options) {
        if (!option.Lane || !IsSet(options, option))
            continue;
        arguments << Dashed(option);
        if (option.Text != nullptr)
            arguments << options.*option.Text;
        else if (option.Number != nullptr)
            arguments << QString::number(options.*option.Number);
    }
    arguments << Dashed(Option(byPort ? OptPort : OptSerial)) << adapter << QStringLiteral("--")
              << file << invocation.Operands.mid(1);
    return arguments;
}

} // namespace cli
