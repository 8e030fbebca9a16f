// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "adapter/TarnAdapter.h"
#include "app/ConnectorSession.h"
#include "model/Q47.h"

#include <QString>
#include <functional>

// Why no adapter or connector could be used, or what a transfer met, in words for the user,
// with what to do about it: one home for both programs. What differs between the systems (the
// adapter's driver, how a user gets the right to open it, how an adapter is named on the command
// line) comes from the system's own file, AdapterWordsLinux.cpp or AdapterWordsWindows.cpp,
// whichever the build takes.

// Who reads the words.
enum class TAdapterReader {
    Window,      // the tool tip of "Adapter ?": short, in the window's language; empty when the
                 // system gave no reason
    CommandLine, // brookfetch-cli's error line: one line, with the options to type
    List,        // a listed adapter that could not be asked: a few words
};

// The adapter asked for on the command line (--serial, --port); empty: any.
struct TAdapterChoice {
    QString SerialNumber;
    QString Port;
};

// The window's texts come by label name from `label` (the main window's message texts).
QString AdapterProblemWords(const TAdapterOpen& found, TAdapterReader reader,
                            const TAdapterChoice& choice = {},
                            const std::function<QString(const QString&)>& label = {});

// Why a connector may not be read or written, with what to do: brookfetch-cli's error line
// (`mayWait`: the command could wait for a connector with --wait), or the window's paragraph
// under its communication error. Empty for None.
QString ConnectorRefusalWords(TConnectorRefusal refusal, TAdapterReader reader,
                              bool mayWait = false,
                              const std::function<QString(const QString&)>& label = {});
// What went away during a transfer, for brookfetch-cli's error line ("the connector was
// pulled"); empty for None.
QString ConnectorLossWords(TConnectorSession::TLoss loss);
// The window's paragraph for what a failed transfer met, with what to do; empty for None.
QString TransferFailureWords(TTransferFailure failure,
                             const std::function<QString(const QString&)>& label);
// The window's paragraph for what a failed write left on the connector and what it needs; empty
// when the write left nothing to fear.
QString ConnectorLeftWords(TQ47::TConnectorLeft left,
                           const std::function<QString(const QString&)>& label);

// The command line's help on this system: what --port takes, and how a script waits for a
// connector.
extern const char PortOptionHelp[];
extern const char WaitForConnectorExample[];
