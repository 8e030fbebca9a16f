// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace cli {

// A one-line progress bar for connector transfers, redrawn in place with a carriage return.
// It draws only when enabled (the program enables it when standard error is a terminal and
// --quiet is not given), so results on standard output never mix with it.
//
// A write reports 0..100 twice, once for the write and once for the verifying read; a fall
// back to 0 switches the label to the next phase.
class TProgress {
public:
    // `columns`: the terminal's width, 0 when unknown; the bar never fills a whole line, which
    // would wrap and leave a line behind at every redraw.
    TProgress(QTextStream& stream, bool enabled, int columns = 0);
    ~TProgress();

    // Starts a transfer: the label of each phase, in order ("writing", "verifying").
    void Begin(const QStringList& phases);
    void Report(int percent);
    // Clears the line.
    void End();

    bool Enabled() const { return IsEnabled; }

    static QString Bar(const QString& label, int percent, int width = 30);

private:
    QTextStream& Stream;
    bool IsEnabled;
    int Width; // of the bar itself
    bool Active = false;
    QStringList Phases;
    int Phase = 0;
    int Last = -1;
};

} // namespace cli
