// SPDX-License-Identifier: GPL-3.0-or-later
// The programming history at the size of years on a busy bench: writes ENTRIES entries (default
// 100,000) over 100 days into a history of its own, then times appending one entry (as a
// transfer does, on disk before it returns), loading every entry (as the History window and
// brookfetch-cli history do), loading the last ten days' (--since), and what the History
// window adds: its table shown with every entry, and filtered by a typed text. Prints the
// figures; it does not judge them.
//
//   bench_history [ENTRIES]

#include "app/History.h"
#include "platform/files/Files.h"
#include "platform/framework/NativePath.h"
#include "ui/HistoryTable.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QRandomGenerator>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

constexpr int Days = 100;

// A write or a read of a connector, as a bench makes them: the odd failure among them.
THistoryEntry Entry(const QDateTime& time, QRandomGenerator& random) {
    THistoryEntry entry;
    entry.Time = time;
    entry.Operation = random.bounded(3) == 0 ? QStringLiteral("read") : QStringLiteral("write");
    entry.Ok = random.bounded(50) != 0;
    if (!entry.Ok)
        entry.Message = QStringLiteral("writing the connector failed: the connector was pulled; "
                                       "plug it in again and retry");
    entry.File = QStringLiteral("/home/bench/batches/river-%1.brk").arg(random.bounded(1000));
    entry.AdapterName = QStringLiteral("USB FETCHer Adapter");
    entry.AdapterVersion = QStringLiteral("1.05");
    entry.AdapterSerial = QStringLiteral("FT5XK2QA");
    entry.Connector = QStringLiteral("small");
    entry.Image.resize(128);
    for (char& byte : entry.Image)
        byte = static_cast<char>(random.bounded(256));
    entry.Checksum = QStringLiteral("0xFD40");
    entry.User = QStringLiteral("bench");
    entry.Computer = QStringLiteral("bench-3");
    entry.Program = QStringLiteral("brookfetch-cli 4.00");
    return entry;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct TTimes {
    double Median;  // ms
    double Slowest; // ms
    double Cpu;     // ms of processor time, the median: what a busy machine does not inflate
};

// `runs` runs of `work`.
template <typename Work>
TTimes Time(int runs, Work work) {
    std::vector<double> times;
    std::vector<double> cpu;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        const std::clock_t began = std::clock();
        work();
        cpu.push_back(1000.0 * static_cast<double>(std::clock() - began) / CLOCKS_PER_SEC);
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    return {Median(times), *std::max_element(times.begin(), times.end()), Median(cpu)};
}

void Print(const char* what, const TTimes& times, const QString& note) {
    std::printf("%-20s %8.2f ms median, %8.2f ms slowest, %8.2f ms processor (%s)\n", what,
                times.Median, times.Slowest, times.Cpu, qPrintable(note));
}

} // namespace

int main(int argc, char* argv[]) {
    // The window's table is drawn off screen, as the window tests draw it.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 100000;
    QTemporaryDir dir;
    if (!dir.isValid() || count <= 0) {
        std::fprintf(stderr, "bench_history: usage: bench_history [ENTRIES]\n");
        return 2;
    }
    const QString path = dir.filePath(QStringLiteral("history.jsonl"));

    // Made in one piece: a hundred thousand appends on disk one by one would take minutes.
    QRandomGenerator random(47);
    const QDateTime last = QDateTime::currentDateTime();
    const QDateTime first = last.addDays(-Days);
    const qint64 span = first.msecsTo(last);
    std::string bytes;
    for (int i = 0; i < count; ++i) {
        const QByteArray line = HistoryLine(Entry(first.addMSecs(span * i / count), random));
        bytes.append(line.constData(), static_cast<std::size_t>(line.size()));
        bytes += '\n';
    }
    if (SaveWholeFile(NativePath(path), bytes) != TSaveResult::Saved) {
        std::fprintf(stderr, "bench_history: cannot write %s\n", qPrintable(path));
        return 2;
    }
    std::printf("history: %d entries over %d days, %.1f MB, %.0f bytes an entry\n", count, Days,
                static_cast<double>(bytes.size()) / 1e6, static_cast<double>(bytes.size()) / count);

    // What any load pays before it reads a line.
    Print("read the file alone:",
          Time(5, [&] { ReadFileInParts(NativePath(path), [](std::string_view) {}); }),
          QStringLiteral("the bytes, no entries"));
    int loadedCount = 0;
    const TTimes all =
        Time(5, [&] { loadedCount = static_cast<int>(LoadHistory(path).Entries.size()); });
    Print("load all:", all, QStringLiteral("%1 entries").arg(loadedCount));

    THistoryFilter since;
    since.Since = last.addDays(-10);
    const TTimes recent =
        Time(5, [&] { loadedCount = static_cast<int>(LoadHistory(path, since).Entries.size()); });
    Print("--since 10 days ago:", recent, QStringLiteral("%1 entries").arg(loadedCount));

    THistoryFilter lines;
    lines.KeepLines = true;
    Print("load all with lines:", Time(3, [&] { LoadHistory(path, lines); }),
          QStringLiteral("history --json"));

    // Data › History… as it opens: every entry loaded, given to the table, the table shown with
    // its first rows drawn.
    const TTimes window = Time(3, [&] {
        THistoryTable table;
        table.SetEntries(LoadHistory(path).Entries);
        table.SetFilter({});
        QTableView view;
        view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        view.setModel(&table);
        view.resize(900, 500);
        view.show();
        QApplication::processEvents();
    });
    Print("window opens:", window, QStringLiteral("load, table, first rows drawn"));
    THistoryTable table;
    table.SetEntries(LoadHistory(path).Entries);
    THistoryFilter typed;
    typed.Text = QStringLiteral("river-47");
    const TTimes filtering = Time(5, [&] { table.SetFilter(typed); });
    Print("window filters:", filtering,
          QStringLiteral("%1 entries hold \"river-47\"").arg(table.rowCount()));

    QString failure;
    const TTimes append = Time(
        20, [&] { failure = RecordHistory(path, Entry(QDateTime::currentDateTime(), random)); });
    if (!failure.isEmpty())
        std::printf("append failed: %s\n", qPrintable(failure));
    Print("append one entry:", append, QStringLiteral("on disk before it returns, 20 appends"));
    return 0;
}
