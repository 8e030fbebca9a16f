// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CommandLine.h"

#include <QString>
#include <QTextStream>

namespace cli {

// Runs a call of read, write or verify (with --wait too) on every attached adapter at once, one
// lane per adapter: this program started again for that adapter alone, chosen by its serial
// number, or by its port when its serial number is not its own (none, or one another attached
// adapter shares). Each line a lane prints goes to the same stream, led by the adapter's serial
// number or port ("FT5XK2QA: wrote ..."); `read` saves into NAME-<serial>.brk. A stop request
// reaches every lane at once. Returns the exit code of the first lane that failed, else 0.
int RunLanes(const TInvocation& call, QTextStream& out, QTextStream& err);

// The file that the lane of an adapter reads into: "site.brk" and "FT5XK2QA" give
// "site-FT5XK2QA.brk". Characters of the tag that do not belong in a file name become "_".
QString LaneFileName(const QString& name, const QString& tag);

} // namespace cli
