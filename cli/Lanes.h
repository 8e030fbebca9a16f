#pragma once

#include "cli/Commands.h"

#include <QString>
#include <QTextStream>

namespace cli {

// What every lane of --all runs: the command, its file and the options that go with it.
struct TLaneRequest {
    QString Command; // read, write or verify
    QString File;
    TOptions Options; // Serial and Progress are the lanes' own
    QString Log;      // --log FILE, or empty
};

// Runs the command on every attached adapter at once, one lane per adapter, chosen by its
// serial number. Each line a lane prints goes to the same stream, led by the adapter's serial
// number ("FT5XK2QA: wrote ..."); `read` saves into NAME-<serial>.brk. Returns the exit code
// of the first lane that failed, else 0.
int RunLanes(const TLaneRequest& request, QTextStream& out, QTextStream& err);

// The file that the lane of an adapter reads into: "site.brk" gives "site-FT5XK2QA.brk".
// Characters of the serial number that do not belong in a file name become "_".
QString LaneFileName(const QString& name, const QString& serial);

} // namespace cli
