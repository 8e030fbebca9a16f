#pragma once

#include <QString>

namespace cli {

// The help of one command (brookfetch-cli help COMMAND, or COMMAND --help): its synopsis, what
// it does, the options that go with it and one example. Empty for an unknown command.
QString CommandHelp(const QString& command);

} // namespace cli
