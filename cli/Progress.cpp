// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Progress.h"

#include <algorithm>

namespace cli {

namespace {

constexpr int BarWidth = 30;
constexpr int AroundBar = 18; // label, brackets and percentage

} // namespace

TProgress::TProgress(QTextStream& stream, bool enabled, int columns)
    : Stream(stream), IsEnabled(enabled),
      Width(columns > 0 ? std::clamp(columns - 1 - AroundBar, 0, BarWidth) : BarWidth) {}

TProgress::~TProgress() {
    End();
}

void TProgress::Begin(const QStringList& phases) {
    Phases = phases;
    Phase = 0;
    Last = -1;
    Active = IsEnabled;
}

void TProgress::Report(int percent) {
    if (!Active)
        return;
    percent = std::clamp(percent, 0, 100);
    if (percent < Last && Phase + 1 < Phases.size())
        ++Phase;
    Last = percent;
    const QString label = Phase < Phases.size() ? Phases[Phase] : QString();
    Stream << '\r' << Bar(label, percent, Width);
    Stream.flush();
}

void TProgress::End() {
    if (!Active)
        return;
    Active = false;
    // Blank the bar so that the next line starts clean.
    Stream << '\r' << QString(Bar(QString(), 0, Width).size(), QLatin1Char(' ')) << '\r';
    Stream.flush();
}

QString TProgress::Bar(const QString& label, int percent, int width) {
    const int filled = width * std::clamp(percent, 0, 100) / 100;
    return QStringLiteral("%1 [%2%3] %4%")
        .arg(label, -10)
        .arg(QString(filled, QLatin1Char('#')), QString(width - filled, QLatin1Char('.')))
        .arg(percent, 3);
}

} // namespace cli
