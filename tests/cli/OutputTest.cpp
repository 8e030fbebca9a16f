// SPDX-License-Identifier: GPL-3.0-or-later
// The progress bar and the JSON texts, in process.

#include "cli/Json.h"
#include "cli/Progress.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

TEST(Progress, DrawsInPlaceAndSwitchesToTheVerifyingPass) {
    QString text;
    QTextStream stream(&text);
    cli::TProgress progress(stream, true);
    progress.Begin({QStringLiteral("writing"), QStringLiteral("verifying")});
    for (int percent : {0, 50, 100, 0, 100})
        progress.Report(percent);
    progress.End();

    const QStringList frames = text.split(QLatin1Char('\r'), Qt::SkipEmptyParts);
    ASSERT_EQ(frames.size(), 6) << text.toStdString();
    EXPECT_TRUE(frames[1].startsWith(QStringLiteral("writing "))) << frames[1].toStdString();
    EXPECT_TRUE(frames[1].endsWith(QStringLiteral(" 50%")));
    EXPECT_TRUE(frames[3].startsWith(QStringLiteral("verifying")));
    EXPECT_TRUE(frames[4].contains(QStringLiteral("##############################] 100%")));
    EXPECT_TRUE(frames[5].trimmed().isEmpty()); // the line is blanked at the end
    EXPECT_FALSE(text.contains(QLatin1Char('\n')));
}

TEST(Progress, NeverFillsTheLineOfANarrowTerminal) {
    for (const int columns : {24, 40}) {
        QString text;
        QTextStream stream(&text);
        cli::TProgress progress(stream, true, columns);
        progress.Begin({QStringLiteral("verifying")});
        progress.Report(100);
        progress.End();
        for (const QString& frame : text.split(QLatin1Char('\r'), Qt::SkipEmptyParts))
            EXPECT_LT(frame.size(), columns) << frame.toStdString();
    }
}

TEST(Progress, DisabledDrawsNothing) {
    QString text;
    QTextStream stream(&text);
    cli::TProgress progress(stream, false);
    progress.Begin({QStringLiteral("reading")});
    progress.Report(50);
    progress.End();
    EXPECT_TRUE(text.isEmpty());
}

TEST(Json, StringsKeepTheirTextAndEscapeWhatATerminalWouldObey) {
    const QString text = QStringLiteral("S\u00e4\x1b[2J\x7f\u0085\u009b\u202e\u2066\u2069\"\\") +
                         QChar(0xDCFF) + QStringLiteral("\U0001F600");
    const QByteArray json = cli::JsonObject(
        {{"serial", cli::JsonString(text)}, {"none", cli::JsonStringOrNull(QString())}});
    EXPECT_EQ(json,
              "{\"serial\":\"S\xc3\xa4\\u001b[2J\\u007f\\u0085\\u009b\\u202e\\u2066\\u2069\\\"\\\\"
              "\\udcff\xf0\x9f\x98\x80\",\"none\":null}");
    const QJsonObject parsed = QJsonDocument::fromJson(json).object();
    EXPECT_EQ(parsed.value("serial").toString().left(text.size() - 3), text.left(text.size() - 3));
    EXPECT_TRUE(parsed.value("none").isNull());
}

} // namespace
