// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of brookfetch-cli, one row each: operands, the options that matter, help,
// example and what runs it. A new command is a new row here and the operation it runs.

#include "app/AdapterWords.h"
#include "cli/Cli.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/ExitCode.h"

namespace cli {
namespace {

constexpr unsigned Quiet = OptQuiet | OptTrace;
constexpr unsigned Adapter = OptSerial | OptPort | Quiet;
constexpr unsigned Transfer = Adapter | OptRetries | OptLog | OptAll | OptHistory;

const TCommandSpec Commands[] = {
    {.Name = "status",
     .Operands = "",
     .MinOperands = 0,
     .MaxOperands = 0,
     .First = TOperandKind::None,
     .Assignments = false,
     .Options = OptJson | Adapter,
     .ImageOut = false,
     .InPlace = false,
     .Summary = "the adapter's description and version, the connector",
     .Text = "The adapter's description, firmware version and serial number, and whether a\n"
             "connector is plugged in and which memory it has. Exit code 0 only when a sampler\n"
             "connector is plugged in, 4 otherwise.",
     .Example = WaitForConnectorExample,
     .Run = [](TCli& cli, const TInvocation&) { return cli.Commands().Status(); }},
    {.Name = "list",
     .Operands = "",
     .MinOperands = 0,
     .MaxOperands = 0,
     .First = TOperandKind::None,
     .Assignments = false,
     .Options = OptJson | OptTrace,
     .ImageOut = false,
     .InPlace = false,
     .Summary = "every attached adapter: serial number, port, version, connector",
     .Text = "Every device the USB driver lists: its serial number, port and description, and\n"
             "for each adapter its firmware version and whether a connector is plugged in\n"
             "(or why it could not be asked: in use by another program, ...). Exit code 0 when\n"
             "an adapter is attached, 4 otherwise.",
     .Example = "brookfetch-cli list --json",
     .Run = [](TCli& cli, const TInvocation&) { return cli.Commands().List(); }},
    {.Name = "read",
     .Operands = "FILE",
     .MinOperands = 1,
     .MaxOperands = 1,
     .First = TOperandKind::File,
     .Assignments = false,
     .Options = OptWait | Transfer,
     .ImageOut = true,
     .InPlace = false,
     .Summary = "read the connector into FILE (- for standard output)",
     .Text =
         "Reads the connector and saves its 128 bytes exactly as read into FILE (- for standard\n"
         "output). With --wait, saves each connector into the next free numbered file:\n"
         "FILE batch.brk gives batch-0001.brk, batch-0002.brk, ... With --all, each adapter's\n"
         "lane saves into batch-<serial>.brk (with --wait batch-<serial>-0001.brk, ...).",
     .Example = "brookfetch-cli read site-12.brk",
     .Run =
         [](TCli& cli, const TInvocation& call) {
             return call.Options.Wait ? cli.Commands().ReadEach(call.File())
                                      : cli.Commands().Read(call.File());
         }},
    {.Name = "write",
     .Operands = "FILE",
     .MinOperands = 1,
     .MaxOperands = 1,
     .First = TOperandKind::File,
     .Assignments = false,
     .Options = OptWait | OptDryRun | Transfer,
     .ImageOut = false,
     .InPlace = false,
     .Summary = "write FILE into the connector and verify it",
     .Text = "Checks the checksum of FILE (- for standard input) and that every parameter is in\n"
             "range, writes its 128 bytes into the connector exactly as they are and reads them "
             "back.\n"
             "Nothing is sent when a value is out of range (exit code 3). A read-back that "
             "differs is\n"
             "written once more; a second difference ends with exit code 5.\n"
             "First it reads the connector and says what the write changes: each parameter that\n"
             "differs with its old and its new value as show prints them, or that the connector\n"
             "holds these parameters already, holds no valid set (blank, or a wrong checksum) or\n"
             "could not be read. --dry-run stops there and writes nothing: exit code 0, or 1 when\n"
             "the connector could not be read or holds no valid set. With --wait (production\n"
             "mode) nothing is read first.",
     .Example = "brookfetch-cli write --wait --log bench.log river.brk",
     .Run =
         [](TCli& cli, const TInvocation& call) {
             return call.Options.Wait ? cli.Commands().WriteEach(call.File())
                                      : cli.Commands().Write(call.File());
         }},
    {.Name = "verify",
     .Operands = "FILE",
     .MinOperands = 1,
     .MaxOperands = 1,
     .First = TOperandKind::File,
     .Assignments = false,
     .Options = Transfer,
     .ImageOut = false,
     .InPlace = false,
     .Summary = "compare the connector with FILE",
     .Text =
         "Compares the connector with FILE byte for byte. A difference names its first offset,\n"
         "both bytes and the parameter there, and ends with exit code 5.",
     .Example = "brookfetch-cli verify site-12.brk",
     .Run = [](TCli& cli, const TInvocation& call) { return cli.Commands().Verify(call.File()); }},
    {.Name = "show",
     .Operands = "[FILE]",
     .MinOperands = 0,
     .MaxOperands = 1,
     .First = TOperandKind::File,
     .Assignments = false,
     .Options = OptJson | OptRetries | OptHistory | Adapter,
     .ImageOut = false,
     .InPlace = false,
     .Summary = "the parameters of FILE, or of the connector",
     .Text = "The parameters of FILE (- for standard input), or of the connector when no FILE is\n"
             "given, one NAME=VALUE line each.",
     .Example = "brookfetch-cli show --json river.brk",
     .Run = [](TCli& cli, const TInvocation& call) { return cli.Commands().Show(call.File()); }},
    {.Name = "new",
     .Operands = "FILE [NAME=VALUE...]",
     .MinOperands = 1,
     .MaxOperands = -1,
     .First = TOperandKind::File,
     .Assignments = true,
     .Options = OptQuiet,
     .ImageOut = true,
     .InPlace = false,
     .Summary = "a file with the default parameters, changed as given",
     .Text = "Creates FILE (- for standard output) with the default parameters, changed by the\n"
             "assignments. A refused value names the parameter and its range (exit code 3).",
     .Example = "brookfetch-cli new river.brk DeadTime=01:30:00 PrePurge=20 AccuOff=9.8",
     .Run =
         [](TCli& cli, const TInvocation& call) {
             return cli.Commands().New(call.File(), call.Assignments());
         }},
    {.Name = "set",
     .Operands = "FILE NAME=VALUE...",
     .MinOperands = 2,
     .MaxOperands = -1,
     .First = TOperandKind::File,
     .Assignments = true,
     .Options = OptQuiet,
     .ImageOut = false,
     .InPlace = true,
     .Summary = "change parameters of FILE (all or nothing)",
     .Text =
         "Changes parameters of FILE, all or nothing. Only the bytes of the changed parameters\n"
         "and the checksum are rewritten; the file is replaced atomically.",
     .Example = "brookfetch-cli set river.brk Aeration=20 PurgesCount=3",
     .Run =
         [](TCli& cli, const TInvocation& call) {
             return cli.Commands().Set(call.File(), call.Assignments());
         }},
    {.Name = "sheet",
     .Operands = "FILE OUT.pdf",
     .MinOperands = 2,
     .MaxOperands = 2,
     .First = TOperandKind::File,
     .Assignments = false,
     .Options = OptPaper | OptLanguage | OptForce | OptQuiet,
     .ImageOut = false,
     .InPlace = false,
     .Summary = "the parameter sheet of FILE as a PDF (- for standard output)",
     .Text =
         "Makes the parameter sheet of FILE (- for standard input) as a one-page PDF in OUT.pdf\n"
         "(- for standard output): every parameter with its unit and allowed range, the\n"
         "checksum, what the sampler does in time, and room for the signatures of who\n"
         "programmed and who checked it. Print it, or keep it with the sampling records.\n"
         "Its language and paper are the user's locale's unless --language and --paper\n"
         "say otherwise; the messages of brookfetch-cli stay English. OUT is never FILE\n"
         "itself, and an existing OUT that is not a PDF (a configuration, say) is replaced\n"
         "only with --force.",
     .Example = "brookfetch-cli sheet --language de --paper a4 river.brk river.pdf",
     .Run =
         [](TCli& cli, const TInvocation& call) {
             return cli.Commands().Sheet(call.File(), call.Operands.value(1));
         },
     .Draws = true},
    {.Name = "history",
     .Operands = "",
     .MinOperands = 0,
     .MaxOperands = 0,
     .First = TOperandKind::None,
     .Assignments = false,
     .Options = OptSince | OptJson | OptCsv | OptHistory | OptQuiet,
     .ImageOut = false,
     .InPlace = false,
     .Summary = "every read, write and verify so far: when, who, the file, the checksum",
     .Text = "The programming history: every read, write and verify of a connector that this\n"
             "program or the window program made, oldest first, one line each: the time, what\n"
             "was done and how it ended, the image's checksum, the adapter, who did it on which\n"
             "computer, and the file or what went wrong. --json gives the stored lines (one JSON\n"
             "object each, with the 128 bytes), --csv a table for a spreadsheet. The history is\n"
             "kept in the user's data folder unless --history or BROOKFETCH_HISTORY names\n"
             "another file (or a folder a team shares); a damaged line is skipped with a warning.",
     .Example = "brookfetch-cli history --since 2026-12-01 --csv > december.csv",
     .Run = [](TCli& cli, const TInvocation&) { return cli.Commands().History(); }},
    {.Name = "help",
     .Operands = "[COMMAND]",
     .MinOperands = 0,
     .MaxOperands = 1,
     .First = TOperandKind::Command,
     .Assignments = false,
     .Options = 0,
     .ImageOut = false,
     .InPlace = false,
     .Summary = "the synopsis, options and an example of a command",
     .Text = "The synopsis of COMMAND, what it does, the options that go with it and one example;\n"
             "brookfetch-cli COMMAND --help prints the same. Without a command, the program's "
             "help.",
     .Example = "brookfetch-cli help write",
     .Run =
         [](TCli& cli, const TInvocation& call) {
             const TCommandSpec* described = FindCommand(call.File());
             cli.Out() << (described != nullptr ? CommandHelp(*described) : ProgramHelp());
             cli.Out().flush();
             return int(ExitOk);
         }},
};

} // namespace

std::span<const TCommandSpec> CommandSpecs() {
    return Commands;
}

} // namespace cli
