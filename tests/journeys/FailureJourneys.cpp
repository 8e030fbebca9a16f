// SPDX-License-Identifier: GPL-3.0-or-later
// What goes wrong, as a person meets it: a field the page refuses, a file that cannot be opened
// or saved, a file with more than a parameter set, a connector that is gone or of another kind.
// Each box must name the cause, and nothing may be lost or changed that the person did not ask
// for.
#include "tests/journeys/Journey.h"

#include "model/Q47.h"
#include "ui/Main.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>
#include <tuple>

#ifndef Q_OS_WIN
#include "tests/support/SimulatorProcess.h"
#endif

class FailureJourney : public Journey {
protected:
    // Ctrl+S as a person presses it.
    void PressSave() { person::Key(&Main(), Qt::Key_S, Qt::ControlModifier); }

    static QByteArray Read(const QString& file) {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }
    static bool WriteBytes(const QString& file, const QByteArray& bytes) {
        QFile out(file);
        return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size();
    }
};

// A refused field is named with its allowed range, and keeps the keyboard; a count of 0 is not
// continuous sampling in disguise, "1e1" is no voltage, and a voltage shows as it is stored.
TEST_P(FailureJourney, ARefusedFieldIsNamedWithItsRangeAndAVoltageShowsAsStored) {
    Start();
    const QString file = Path(QStringLiteral("page.brk"));
    person::TypeInto(Field("Q47SamplesCount"), QStringLiteral("0"));
    Answer(QStringLiteral("OK"));
    PressSave();
    EXPECT_EQ(Boxes(), QStringList{QStringLiteral(
                           "Error: Parameter out of range\n\nAllowed for Samples Count: "
                           "1..255.")});
    EXPECT_TRUE(
        person::WaitFor([&] { return QApplication::focusWidget() == Field("Q47SamplesCount"); }));

    // A typo in a time is refused, never read as another time; nothing is saved.
    person::TypeInto(Field("Q47SamplesCount"), QStringLiteral("24"));
    for (const auto& [field, typed, caption, range] :
         {std::tuple{"Q47DeadTime", "02:4O:00", "Time Delay", "00:00:00..15:00:00"},
          std::tuple{"Q47SamplingInterval", "00:01:30:00", "Sampling Interval",
                     "00:00:01..15:00:00"}}) {
        const QString before = Field(field)->text();
        person::TypeInto(Field(field), QString::fromLatin1(typed));
        Answer(QStringLiteral("OK"));
        PressSave();
        EXPECT_EQ(
            Boxes(),
            QStringList{QStringLiteral("Error: Invalid format of parameter\n\nAllowed for %1: %2.")
                            .arg(QLatin1String(caption), QLatin1String(range))});
        EXPECT_EQ(Field(field)->text(), QString::fromLatin1(typed)) << "left for retyping";
        EXPECT_FALSE(QFile::exists(file));
        person::TypeInto(Field(field), before);
    }
    // The hint says what the refusal says.
    EXPECT_TRUE(Field("Q47AccuOff")->toolTip().endsWith(QStringLiteral(": 0.6..15.6 V")));
    EXPECT_TRUE(Field("Q47SamplingInterval")
                    ->toolTip()
                    .endsWith(QStringLiteral(": 00:00:01..15:00:00 (hh:mm:ss)")));
    person::TypeInto(Field("Q47AccuOff"), QStringLiteral("1e1"));
    Answer(QStringLiteral("OK"));
    PressSave();
    EXPECT_EQ(Boxes(), QStringList{QStringLiteral(
                           "Error: Invalid format of parameter\n\nAllowed for Switch off at: "
                           "0.6..15.6 V.")});
    EXPECT_TRUE(
        person::WaitFor([&] { return QApplication::focusWidget() == Field("Q47AccuOff"); }));
    EXPECT_FALSE(QFile::exists(file));

    person::TypeInto(Field("Q47AccuOff"), QStringLiteral("10.04"));
    person::TypeInto(Field("Q47AccuWarning"), QStringLiteral("11.05"));
    AnswerFileDialog(file);
    PressSave();
    ASSERT_TRUE(person::WaitFor([&] { return Panel(1) == file; }));
    EXPECT_EQ(Boxes(), QStringList());
    const QJsonObject saved = Show(file);
    EXPECT_EQ(saved["SamplesCount"].toInt(), 24);
    EXPECT_DOUBLE_EQ(saved["AccuOff"].toDouble(), 10.0);
    // The page shows what the file holds, on the 0.1 V grid.
    EXPECT_EQ(Field("Q47AccuOff")->text(), QString::number(saved["AccuOff"].toDouble(), 'f', 1));
    EXPECT_EQ(Field("Q47AccuWarning")->text(),
              QString::number(saved["AccuWarning"].toDouble(), 'f', 1));
}

// A file opened with bytes after its parameter set is saved with them, however many, and with
// its image made as a write makes it; a save whose folder went away names the file and the cause
// and leaves the page as it was, to be saved elsewhere.
TEST_P(FailureJourney, AFileKeepsItsBytesAndAFailedSaveSaysWhy) {
    const QString file = Path(QStringLiteral("long.brk"));
    Start();
    // A parameter set with a tail, as some tools leave one, and an image another tool made:
    // the constant byte 13 not 1, a reserved byte set, the checksum right for them.
    person::TypeInto(Field("Q47Aeration"), QStringLiteral("17"));
    AnswerFileDialog(file);
    PressSave();
    ASSERT_TRUE(person::WaitFor([&] { return Panel(1) == file; }));
    const QByteArray written = Read(file);
    TQ47 other;
    std::copy(written.begin(), written.begin() + 128, other.Image);
    other.Image[TQ47::ConstantOffset] = 0;
    other.Image[20] = 0x33;
    other.Image[TQ47::ChecksumOffset] = static_cast<std::uint8_t>(other.Checksum());
    other.Image[TQ47::ChecksumOffset + 1] = static_cast<std::uint8_t>(other.Checksum() >> 8);
    ASSERT_TRUE(other.ImageValid());
    const QByteArray tail(2 << 20, '\xA5'); // far more than a parameter set
    ASSERT_TRUE(WriteBytes(file, QByteArray(other.ImageBytes().data(), 128) + tail));

    AnswerFileDialog(file);
    person::Key(&Main(), Qt::Key_O, Qt::ControlModifier);
    ASSERT_TRUE(person::WaitFor([&] { return Field("Q47Aeration")->text() == "17"; }));
    EXPECT_EQ(Boxes(), QStringList());
    person::TypeInto(Field("Q47Aeration"), QStringLiteral("25"));
    PressSave();
    ASSERT_TRUE(person::WaitFor([&] { return !Modified(); }));
    const QByteArray kept = Read(file);
    EXPECT_TRUE(kept.mid(128) == tail);
    EXPECT_EQ(Show(file)["Aeration"].toInt(), 25);
    EXPECT_EQ(kept[TQ47::ConstantOffset], 1) << "as a write makes the image";
    EXPECT_EQ(kept[20], 0);
    EXPECT_EQ(Boxes(), QStringList());

    // The file cannot be saved again: on Linux its folder is gone (a stick pulled, a share
    // dropped); on Windows it was made read-only (Windows keeps a folder that its file dialog
    // still watches). Ctrl+S names the file and the cause.
    const QString away = Path(QStringLiteral("stick/river.brk"));
    ASSERT_TRUE(QDir().mkpath(Path(QStringLiteral("stick"))));
    AnswerFileDialog(away);
    ASSERT_TRUE(person::ClickMenu(Menus(), QStringLiteral("File"), QStringLiteral("Save As")));
    ASSERT_TRUE(person::WaitFor([&] { return Panel(1) == away; }));
#ifdef Q_OS_WIN
    ASSERT_TRUE(QFile::setPermissions(away, QFile::ReadOwner | QFile::ReadUser));
    const QString cause = QStringLiteral("The file is read-only.");
#else
    ASSERT_TRUE(QDir(Path(QStringLiteral("stick"))).removeRecursively());
    const QString cause = QStringLiteral("Its folder does not exist.");
#endif
    person::TypeInto(Field("Q47Aeration"), QStringLiteral("30"));
    Answer(QStringLiteral("OK"));
    PressSave();
    ASSERT_TRUE(person::WaitFor([&] { return person::PendingAnswers() == 0; }));
    const QStringList boxes = Boxes();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes[0].contains(
        QStringLiteral("The file %1 was not saved.").arg(QDir::toNativeSeparators(away))))
        << boxes[0].toStdString();
    EXPECT_TRUE(boxes[0].contains(cause)) << boxes[0].toStdString();
    EXPECT_TRUE(Modified()) << "the changes are still to be saved";
    EXPECT_EQ(Field("Q47Aeration")->text(), "30");
}

// A connector swapped for one of another kind is neither written nor read, and a pulled one is
// named as what is missing: the boxes say so, and the memory holds what it held.
TEST_P(FailureJourney, AConnectorOfAnotherKindOrNoneIsNamedAndLeftAsItWas) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "the simulated driver's connector cannot be swapped while it is loaded";
#else
    PlugAdapter();
    Start();
    ASSERT_TRUE(ConnectorFound());
    ASSERT_TRUE(AdapterProcess().Command("large"));
    const QByteArray before = Read(Temp.filePath(QStringLiteral("connector.mem")));
    person::TypeInto(Field("Q47PrePurge"), QStringLiteral("44"));
    Answer(QStringLiteral("OK")); // refused before any question
    person::Click(Tool("ToolDataWrite"));
    ASSERT_TRUE(person::WaitFor([] { return person::PendingAnswers() == 0; }));
    QStringList boxes = Boxes();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes[0].contains(QStringLiteral("has a large memory")))
        << boxes.join(" | ").toStdString();
    EXPECT_EQ(Read(Temp.filePath(QStringLiteral("connector.mem"))), before);

    ASSERT_TRUE(AdapterProcess().Command("small"));
    ASSERT_TRUE(AdapterProcess().Command("unplug"));
    Answer(QStringLiteral("No")); // the changes need not be saved before the Read
    Answer(QStringLiteral("OK"));
    person::Click(Tool("ToolDataRead"));
    ASSERT_TRUE(person::WaitFor([] { return person::PendingAnswers() == 0; }));
    boxes = Boxes(); // the save question, then the failure
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_TRUE(boxes[1].contains(QStringLiteral("There is no connector in the adapter")))
        << boxes[1].toStdString();
    EXPECT_FALSE(boxes[1].contains(QStringLiteral("half-written"))) << boxes[1].toStdString();
    EXPECT_EQ(Field("Q47PrePurge")->text(), "44") << "the page stays as it was";
#endif
}

JOURNEY_STYLES(FailureJourney);
