// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's texts of the parameters: what show prints and what NAME=VALUE accepts.
#include "cli/ParameterText.h"
#include "cli/ImageFile.h"
#include "model/Q47.h"
#include "model/Q47Parameters.h"
#include "platform/framework/Convert.h"
#include "platform/framework/Exceptions.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <gtest/gtest.h>

namespace {

using cli::ApplyAssignment;
using cli::ApplyAssignments;

struct Accepted {
    const char* Assignment;
    const char* Name;
    const char* Shown; // what show prints afterwards
};

TEST(ParameterText, AssignmentsGoThroughTheSettersAndShowBackInTheirTextForms) {
    const Accepted cases[] = {
        {"DeadTime=15:00:00", "DeadTime", "15:00:00"},
        {"DeadTime=1:5:7", "DeadTime", "01:05:07"},
        {"DeadTime=00:00:00", "DeadTime", "00:00:00"},
        {"SamplingInterval=00:00:01", "SamplingInterval", "00:00:01"},
        {"PrePurge=240", "PrePurge", "240"},
        {"PostPurge= 1 ", "PostPurge", "1"},
        {"Aeration=0", "Aeration", "0"},
        {"MaxSuctionTime=255", "MaxSuctionTime", "255"},
        {"PurgesCount=5", "PurgesCount", "5"},
        {"SamplesCount=1", "SamplesCount", "1"},
        {"AccuWarning=15.6", "AccuWarning", "15.6"},
        {"AccuOff=0.6", "AccuOff", "0.6"},
        {"AccuOff=0.55", "AccuOff", "0.6"},
        {"AccuWarning=11.04", "AccuWarning", "11.0"},
        {"AccuOff=+.7", "AccuOff", "0.7"},
        {"Continuous=Continuous", "Continuous", "Continuous"},
        {"Continuous=true", "Continuous", "Continuous"},
        {"continuous=acc. to samples count", "Continuous", "Acc. to Samples Count"},
        {"VarMode=4 - 20mA", "VarMode", "4 - 20mA"},
        {"VarMode=0-20mA", "VarMode", "0 - 20mA"},
        {"VarMode=disabled", "VarMode", "Disabled"},
        {"VarMode=3", "VarMode", "4 - 20mA"},
        {"VarMode=2", "VarMode", "2"}, // passes the model's setter, has no name
    };
    for (const Accepted& c : cases) {
        SCOPED_TRACE(c.Assignment);
        TQ47 model;
        QString error;
        ASSERT_TRUE(ApplyAssignment(model, QString::fromUtf8(c.Assignment), error))
            << error.toStdString();
        EXPECT_EQ(cli::ParameterValueText(model, QString::fromUtf8(c.Name)),
                  QString::fromUtf8(c.Shown));
    }
}

struct Refused {
    const char* Assignment;
    std::vector<const char*> MessageParts; // the parameter, the value, the accepted range
};

TEST(ParameterText, RefusedValuesNameParameterValueAndRangeAndChangeNothing) {
    const Refused cases[] = {
        {"DeadTime=15:00:01", {"DeadTime", "\"15:00:01\"", "out of range", "00:00:00..15:00:00"}},
        {"DeadTime=24:00:00", {"DeadTime", "\"24:00:00\"", "hh:mm:ss", "00:00:00..15:00:00"}},
        {"DeadTime=12:30", {"DeadTime", "\"12:30\"", "hh:mm:ss"}},
        {"DeadTime=1:60:00", {"DeadTime", "\"1:60:00\"", "hh:mm:ss"}},
        {"DeadTime=-1:00:00", {"DeadTime", "hh:mm:ss"}},
        {"SamplingInterval=00:00:00", {"SamplingInterval", "out of range", "00:00:01..15:00:00"}},
        {"PrePurge=0", {"PrePurge", "\"0\"", "out of range", "1..240 s"}},
        {"PostPurge=241", {"PostPurge", "\"241\"", "1..240 s"}},
        {"Aeration=256", {"Aeration", "0..255 s"}},
        {"Aeration=-1", {"Aeration", "\"-1\"", "out of range"}},
        {"PurgesCount=6", {"PurgesCount", "0..5"}},
        {"SamplesCount=256", {"SamplesCount", "1..255"}},
        {"SamplesCount=0", {"SamplesCount", "1..255"}},
        {"PrePurge=ten", {"PrePurge", "\"ten\"", "not a whole number", "1..240 s"}},
        {"PrePurge=", {"PrePurge", "\"\"", "not a whole number"}},
        {"PrePurge=10s", {"PrePurge", "not a whole number"}},
        {"PrePurge=99999999999", {"PrePurge", "\"99999999999\" is out of range", "1..240 s"}},
        {"AccuWarning=15.61", {"AccuWarning", "\"15.61\"", "out of range", "0.6..15.6 V"}},
        {"AccuOff=-0.1", {"AccuOff", "out of range", "0.6..15.6 V"}},
        {"AccuOff=0.5", {"AccuOff", "\"0.5\"", "out of range"}},
        {"AccuOff=10,5", {"AccuOff", "\"10,5\"", "not a voltage"}},
        {"AccuOff=1e1", {"AccuOff", "not a voltage"}},
        {"AccuOff=nan", {"AccuOff", "not a voltage"}},
        {"VarMode=4", {"VarMode", "out of range", "4 - 20mA"}},
        {"VarMode=5 - 20mA", {"VarMode", "not a VAR mode"}},
        {"Continuous=maybe", {"Continuous", "\"maybe\"", "not a sampling mode"}},
        {"PumpPulses=100", {"PumpPulses", "read-only"}},
        {"Pressure=3", {"unknown parameter", "\"Pressure\"", "PrePurge"}},
        {"PrePurge", {"not an assignment"}},
    };
    const QString untouched = cli::ShowText(TQ47());
    for (const Refused& c : cases) {
        SCOPED_TRACE(c.Assignment);
        TQ47 model;
        QString error;
        EXPECT_FALSE(ApplyAssignment(model, QString::fromUtf8(c.Assignment), error));
        for (const char* part : c.MessageParts)
            EXPECT_TRUE(error.contains(QString::fromUtf8(part))) << error.toStdString();
        EXPECT_EQ(cli::ShowText(model), untouched);
    }
}

// One reading of a voltage for both programs: in a locale with a decimal point the window takes
// exactly the texts the command line takes.
TEST(ParameterText, VoltagesAreReadAsTheParameterPageReadsThem) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    for (const char* text : {"11.5", " 11.5 ", "+.7", "12.", "-0.1", "1e1", "1E1", "0x1A", "11,5",
                             "1,000.5", "inf", "nan", "", ".", "1.2.3", "1 1"}) {
        bool window = true;
        try {
            StrToFloat(QString::fromUtf8(text));
        } catch (const EConvertError&) {
            window = false;
        }
        EXPECT_EQ(window, cli::TextToVolts(QString::fromUtf8(text)).has_value()) << text;
    }
    QLocale::setDefault(before);
}

TEST(ParameterText, VoltagesUseADecimalPointWhateverTheUsersLocale) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TQ47 model;
    QString error;
    const bool point = ApplyAssignment(model, QStringLiteral("AccuOff=9.5"), error);
    const bool comma = ApplyAssignment(model, QStringLiteral("AccuWarning=12,5"), error);
    const QString shown = cli::ParameterValueText(model, QStringLiteral("AccuOff"));
    const QString json = cli::ShowJson(model);
    QLocale::setDefault(before);

    EXPECT_TRUE(point);
    EXPECT_FALSE(comma);
    EXPECT_EQ(shown, QStringLiteral("9.5"));
    EXPECT_TRUE(json.contains(QStringLiteral("\"AccuOff\":9.5"))) << json.toStdString();
}

TEST(ParameterText, AssignmentsAreAllOrNothing) {
    TQ47 model;
    QString error;
    EXPECT_FALSE(ApplyAssignments(model,
                                  {QStringLiteral("PrePurge=20"), QStringLiteral("PurgesCount=9"),
                                   QStringLiteral("DeadTime=01:00:00")},
                                  error));
    EXPECT_TRUE(error.contains(QStringLiteral("PurgesCount")));
    EXPECT_EQ(cli::ShowText(model), cli::ShowText(TQ47()));

    ASSERT_TRUE(ApplyAssignments(
        model, {QStringLiteral("PrePurge=20"), QStringLiteral("DeadTime=01:00:00")}, error));
    EXPECT_EQ(model.PrePurge, 20);
    EXPECT_EQ(model.DeadTime, 3600);
}

TEST(ParameterText, ShowOfTheDefaultsListsEveryParameterInTheModelsOrder) {
    EXPECT_EQ(cli::ShowText(TQ47()), QStringLiteral("PumpPulses=1500\n"
                                                    "DeadTime=00:00:00\n"
                                                    "PrePurge=10\n"
                                                    "Aeration=10\n"
                                                    "PostPurge=10\n"
                                                    "SamplingInterval=00:15:00\n"
                                                    "Continuous=Acc. to Samples Count\n"
                                                    "SamplesCount=8\n"
                                                    "AccuWarning=11.0\n"
                                                    "AccuOff=10.5\n"
                                                    "MaxSuctionTime=60\n"
                                                    "PurgesCount=0\n"
                                                    "VarMode=Disabled\n"));
}

// Each parameter of the model's table, at a value other than its default: what show prints
// assigns the same value back, the JSON carries it, and the image keeps it.
TEST(ParameterText, EveryParameterRoundTripsThroughTextJsonAndTheImage) {
    for (const TQ47Parameter& parameter : Q47Parameters()) {
        const QString name = QString::fromLatin1(parameter.Name);
        SCOPED_TRACE(parameter.Name);
        TQ47 model;
        if (parameter.Kind == TParameterKind::Mode)
            model.Continuous = true;
        else if (parameter.Volts != nullptr)
            (model.*parameter.SetVolts)(TQ47::CodeToVolts(200));
        else if (parameter.Set != nullptr)
            (model.*parameter.Set)(parameter.High);
        else
            model.*parameter.Value = 0xBEEF; // PumpPulses: only an image changes it
        const QString text = cli::ParameterValueText(model, name);
        ASSERT_NE(text, cli::ParameterValueText(TQ47(), name));

        if (parameter.Kind != TParameterKind::Pulses) {
            TQ47 copy;
            QString error;
            ASSERT_TRUE(ApplyAssignment(copy, name + QLatin1Char('=') + text, error))
                << error.toStdString();
            EXPECT_EQ(cli::ShowText(copy), cli::ShowText(model));
        }
        const QJsonValue json =
            QJsonDocument::fromJson(cli::ShowJson(model).toUtf8()).object().value(name);
        if (parameter.Kind == TParameterKind::Mode)
            EXPECT_EQ(json.toBool(), model.Continuous);
        else if (parameter.Volts != nullptr)
            EXPECT_DOUBLE_EQ(json.toDouble(), model.*parameter.Volts);
        else
            EXPECT_EQ(json.toInt(), model.*parameter.Value);

        model.Encode();
        TQ47 decoded;
        std::copy(std::begin(model.Image), std::end(model.Image), decoded.Image);
        decoded.Decode();
        EXPECT_EQ(cli::ParameterValueText(decoded, name), text);
    }
}

TEST(ParameterText, JsonCarriesEngineeringUnits) {
    TQ47 model;
    model.Continuous = true;
    const QJsonObject json = QJsonDocument::fromJson(cli::ShowJson(model).toUtf8()).object();
    EXPECT_EQ(json.keys().size(), 13);
    EXPECT_EQ(json.value(QStringLiteral("SamplingInterval")).toInt(), 900);
    EXPECT_TRUE(json.value(QStringLiteral("Continuous")).isBool());
    EXPECT_TRUE(json.value(QStringLiteral("Continuous")).toBool());
    EXPECT_DOUBLE_EQ(json.value(QStringLiteral("AccuWarning")).toDouble(), 11.0);
    EXPECT_DOUBLE_EQ(json.value(QStringLiteral("AccuOff")).toDouble(), 10.5);
}

TEST(ParameterText, ValidationFindsWhatTheSettersRefuseInADecodedImage) {
    TQ47 model;
    QString error;
    EXPECT_TRUE(cli::ValidateParameters(model, error));

    model.PrePurge = 0; // as decoded from an image, past the setter
    EXPECT_FALSE(cli::ValidateParameters(model, error));
    EXPECT_TRUE(error.contains(QStringLiteral("PrePurge"))) << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("1..240 s")));

    TQ47 continuous;
    continuous.Continuous = true;
    continuous.SamplesCount = 999; // unused in continuous mode
    EXPECT_TRUE(cli::ValidateParameters(continuous, error));
    continuous.DeadTime = 65535;
    EXPECT_FALSE(cli::ValidateParameters(continuous, error));
    EXPECT_TRUE(error.contains(QStringLiteral("\"18:12:15\""))) << error.toStdString();
}

TEST(ParameterText, ImageOffsetsMapToTheirParameters) {
    const std::pair<int, const char*> cases[] = {
        {0, "PumpPulses"},   {1, "PumpPulses"},   {3, "DeadTime"},   {8, "SamplingInterval"},
        {9, "SamplesCount"}, {10, "AccuWarning"}, {11, "AccuOff"},   {13, "constant"},
        {15, "VarMode"},     {16, "reserved"},    {125, "reserved"}, {126, "checksum"},
        {127, "checksum"},
    };
    for (const auto& [offset, name] : cases)
        EXPECT_EQ(cli::ImageOffsetName(offset), QString::fromUtf8(name)) << offset;
}

TEST(ParameterText, NumberedNames) {
    EXPECT_EQ(cli::NumberedName(QStringLiteral("/a.b/batch.brk"), 7),
              QStringLiteral("/a.b/batch-0007.brk"));
    EXPECT_EQ(cli::NumberedName(QStringLiteral("/a.b/batch"), 12),
              QStringLiteral("/a.b/batch-0012"));
}

} // namespace
