#include "cli/ParameterText.h"

#include "model/Q47.h"
#include "platform/framework/Convert.h"
#include "platform/framework/Exceptions.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>

namespace cli {
namespace {

enum class Kind {
    ReadOnly, // PumpPulses: no setter, changes only when an image is decoded
    Count,    // plain decimal integer
    Time,     // hh:mm:ss
    Volts,    // one decimal
    Mode,     // Continuous
    VarMode,  // by name or by code
};

struct Parameter {
    const char* Name;
    Kind Type;
    int TQ47::*IntMember;
    double TQ47::*VoltsMember;
    void (TQ47::*SetInt)(int);
    void (TQ47::*SetVolts)(double);
    const char* Accepted; // empty for voltages, which take the model's upper bound
};

// In the model's member order.
const Parameter Parameters[] = {
    {"PumpPulses", Kind::ReadOnly, &TQ47::PumpPulses, nullptr, nullptr, nullptr,
     "read-only: it changes only when a connector is read"},
    {"DeadTime", Kind::Time, &TQ47::DeadTime, nullptr, &TQ47::SetDeadTime, nullptr,
     "00:00:00..15:00:00"},
    {"PrePurge", Kind::Count, &TQ47::PrePurge, nullptr, &TQ47::SetPrePurge, nullptr, "1..240 s"},
    {"Aeration", Kind::Count, &TQ47::Aeration, nullptr, &TQ47::SetAeration, nullptr, "0..255 s"},
    {"PostPurge", Kind::Count, &TQ47::PostPurge, nullptr, &TQ47::SetPostPurge, nullptr, "1..240 s"},
    {"SamplingInterval", Kind::Time, &TQ47::SamplingInterval, nullptr, &TQ47::SetSamplingInterval,
     nullptr, "00:00:01..15:00:00"},
    {"Continuous", Kind::Mode, nullptr, nullptr, nullptr, nullptr,
     "\"Acc. to Samples Count\" or \"Continuous\", also false or true"},
    {"SamplesCount", Kind::Count, &TQ47::SamplesCount, nullptr, &TQ47::SetSamplesCount, nullptr,
     "0..255"},
    {"AccuWarning", Kind::Volts, nullptr, &TQ47::AccuWarning, nullptr, &TQ47::SetAccuWarning, ""},
    {"AccuOff", Kind::Volts, nullptr, &TQ47::AccuOff, nullptr, &TQ47::SetAccuOff, ""},
    {"MaxSuctionTime", Kind::Count, &TQ47::MaxSuctionTime, nullptr, &TQ47::SetMaxSuctionTime,
     nullptr, "0..255 s"},
    {"PurgesCount", Kind::Count, &TQ47::PurgesCount, nullptr, &TQ47::SetPurgesCount, nullptr,
     "0..5"},
    {"VarMode", Kind::VarMode, &TQ47::VarMode, nullptr, &TQ47::SetVarMode, nullptr,
     "\"Disabled\", \"0 - 20mA\", \"4 - 20mA\" or a code 0..3"},
};

const QString ModeCounted = QStringLiteral("Acc. to Samples Count");
const QString ModeContinuous = QStringLiteral("Continuous");

// The names of the VAR input's modes on the parameter page, with their codes.
struct VarModeName {
    const char* Name;
    int Code;
};
const VarModeName VarModeNames[] = {{"Disabled", 0}, {"0 - 20mA", 1}, {"4 - 20mA", 3}};

const Parameter* Find(const QString& name) {
    for (const Parameter& parameter : Parameters) {
        if (name.compare(QLatin1String(parameter.Name), Qt::CaseInsensitive) == 0)
            return &parameter;
    }
    return nullptr;
}

const Parameter& Get(const QString& name) {
    const Parameter* parameter = Find(name);
    if (parameter == nullptr)
        throw Exception(ErrorOnFile("ParameterText", __LINE__));
    return *parameter;
}

// Lower case without spaces, so "0-20mA" and "0 - 20 mA" name the same mode.
QString Folded(const QString& text) {
    QString folded = text.toLower();
    folded.remove(QLatin1Char(' '));
    return folded;
}

std::optional<bool> TextToMode(const QString& text) {
    const QString folded = Folded(text);
    for (const char* yes : {"continuous", "true", "yes", "1"}) {
        if (folded == QLatin1String(yes))
            return true;
    }
    for (const char* no : {"acc.tosamplescount", "false", "no", "0"}) {
        if (folded == QLatin1String(no))
            return false;
    }
    return std::nullopt;
}

std::optional<int> TextToVarMode(const QString& text) {
    for (const VarModeName& mode : VarModeNames) {
        if (Folded(text) == Folded(QLatin1String(mode.Name)))
            return mode.Code;
    }
    try {
        return StrToInt(text);
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

QString Quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString RangeMessage(const Parameter& parameter, const QString& value) {
    return QStringLiteral("%1: %2 is out of range (accepted %3)")
        .arg(QLatin1String(parameter.Name), Quoted(value), AcceptedText(parameter.Name));
}

QString FormatMessage(const Parameter& parameter, const QString& value, const char* what) {
    return QStringLiteral("%1: %2 is not %3 (accepted %4)")
        .arg(QLatin1String(parameter.Name), Quoted(value), QLatin1String(what),
             AcceptedText(parameter.Name));
}

} // namespace

const QStringList& ParameterNames() {
    static const QStringList names = [] {
        QStringList list;
        for (const Parameter& parameter : Parameters)
            list << QLatin1String(parameter.Name);
        return list;
    }();
    return names;
}

QString SecondsToText(int seconds) {
    return QString::asprintf("%02d:%02d:%02d", seconds / 3600, seconds / 60 % 60, seconds % 60);
}

std::optional<int> TextToSeconds(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^(\\d{1,5}):(\\d{1,2}):(\\d{1,2})$"));
    const QRegularExpressionMatch match = form.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const int hours = match.captured(1).toInt();
    const int minutes = match.captured(2).toInt();
    const int seconds = match.captured(3).toInt();
    if (minutes > 59 || seconds > 59)
        return std::nullopt;
    return hours * 3600 + minutes * 60 + seconds;
}

QString VoltsToText(double volts) {
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::OmitGroupSeparator);
    return c.toString(volts, 'f', 1);
}

std::optional<double> TextToVolts(const QString& text) {
    // Digits with an optional decimal point: no exponents, no group separators, no commas.
    static const QRegularExpression form(QStringLiteral("^[+-]?(\\d+(\\.\\d*)?|\\.\\d+)$"));
    const QString trimmed = text.trimmed();
    if (!form.match(trimmed).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = QLocale::c().toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString ParameterValueText(const TQ47& model, const QString& name) {
    const Parameter& parameter = Get(name);
    switch (parameter.Type) {
    case Kind::ReadOnly:
    case Kind::Count:
        return QString::number(model.*parameter.IntMember);
    case Kind::Time:
        return SecondsToText(model.*parameter.IntMember);
    case Kind::Volts:
        return VoltsToText(model.*parameter.VoltsMember);
    case Kind::Mode:
        return model.Continuous ? ModeContinuous : ModeCounted;
    case Kind::VarMode:
        for (const VarModeName& mode : VarModeNames) {
            if (mode.Code == model.VarMode)
                return QLatin1String(mode.Name);
        }
        // A code without a name (2, or anything a connector may hold) is shown as it is.
        return QString::number(model.VarMode);
    }
    throw Exception(ErrorSwitchFile("ParameterText", __LINE__));
}

QString ShowText(const TQ47& model) {
    QString text;
    for (const QString& name : ParameterNames())
        text += name + QLatin1Char('=') + ParameterValueText(model, name) + QLatin1Char('\n');
    return text;
}

QString ShowJson(const TQ47& model) {
    QStringList fields;
    for (const Parameter& parameter : Parameters) {
        QString value;
        switch (parameter.Type) {
        case Kind::ReadOnly:
        case Kind::Count:
        case Kind::Time:
        case Kind::VarMode:
            value = QString::number(model.*parameter.IntMember);
            break;
        case Kind::Volts:
            // On the 0.1 V grid the sampler stores; one decimal keeps 11.0 from printing as
            // 11.000000000000002.
            value = VoltsToText(model.*parameter.VoltsMember);
            break;
        case Kind::Mode:
            value = model.Continuous ? QStringLiteral("true") : QStringLiteral("false");
            break;
        }
        fields << QStringLiteral("\"%1\":%2").arg(QLatin1String(parameter.Name), value);
    }
    return QLatin1Char('{') + fields.join(QLatin1Char(',')) + QLatin1Char('}');
}

QString AcceptedText(const QString& name) {
    const Parameter& parameter = Get(name);
    // The voltages of the lowest and the highest code.
    if (parameter.Type == Kind::Volts)
        return VoltsToText(TQ47::CodeToVolts(0)) + QStringLiteral("..") +
               VoltsToText(TQ47::CodeToVolts(255)) + QStringLiteral(" V");
    return QString::fromUtf8(parameter.Accepted);
}

bool ApplyAssignment(TQ47& model, const QString& assignment, QString& error) {
    const qsizetype equals = assignment.indexOf(QLatin1Char('='));
    if (equals < 0) {
        error = QStringLiteral("%1 is not an assignment NAME=VALUE").arg(Quoted(assignment));
        return false;
    }
    const QString name = assignment.left(equals).trimmed();
    const QString value = assignment.mid(equals + 1);
    const Parameter* parameter = Find(name);
    if (parameter == nullptr) {
        error = QStringLiteral("unknown parameter %1 (parameters: %2)")
                    .arg(Quoted(name), ParameterNames().join(QStringLiteral(", ")));
        return false;
    }

    try {
        switch (parameter->Type) {
        case Kind::ReadOnly:
            error = QStringLiteral("%1 is %2")
                        .arg(QLatin1String(parameter->Name), QLatin1String(parameter->Accepted));
            return false;
        case Kind::Count: {
            int number = 0;
            try {
                number = StrToInt(value);
            } catch (const EConvertError&) {
                // Digits too many for an int are a whole number, only far out of range.
                static const QRegularExpression digits(QStringLiteral("^\\s*[+-]?\\d+\\s*$"));
                error = digits.match(value).hasMatch()
                            ? RangeMessage(*parameter, value.trimmed())
                            : FormatMessage(*parameter, value, "a whole number");
                return false;
            }
            (model.*parameter->SetInt)(number);
            return true;
        }
        case Kind::Time: {
            const std::optional<int> seconds = TextToSeconds(value);
            if (!seconds) {
                error = FormatMessage(*parameter, value, "a time hh:mm:ss");
                return false;
            }
            (model.*parameter->SetInt)(*seconds);
            return true;
        }
        case Kind::Volts: {
            const std::optional<double> volts = TextToVolts(value);
            if (!volts) {
                error = FormatMessage(*parameter, value, "a voltage like 11.0");
                return false;
            }
            (model.*parameter->SetVolts)(*volts);
            return true;
        }
        case Kind::Mode: {
            const std::optional<bool> continuous = TextToMode(value);
            if (!continuous) {
                error = FormatMessage(*parameter, value, "a sampling mode");
                return false;
            }
            model.Continuous = *continuous;
            return true;
        }
        case Kind::VarMode: {
            const std::optional<int> code = TextToVarMode(value);
            if (!code) {
                error = FormatMessage(*parameter, value, "a VAR mode");
                return false;
            }
            model.SetVarMode(*code);
            return true;
        }
        }
    } catch (const ERangeError&) {
        error = RangeMessage(*parameter, value.trimmed());
        return false;
    }
    throw Exception(ErrorSwitchFile("ParameterText", __LINE__));
}

bool ApplyAssignments(TQ47& model, const QStringList& assignments, QString& error) {
    TQ47 changed = model;
    for (const QString& assignment : assignments) {
        if (!ApplyAssignment(changed, assignment, error))
            return false;
    }
    model = changed;
    return true;
}

bool ValidateParameters(const TQ47& model, QString& error) {
    TQ47 scratch;
    for (const Parameter& parameter : Parameters) {
        if (parameter.Type == Kind::ReadOnly || parameter.Type == Kind::Mode)
            continue; // no setter
        if (parameter.IntMember == &TQ47::SamplesCount && model.Continuous)
            continue; // not used in continuous mode, so not checked
        try {
            if (parameter.SetInt != nullptr)
                (scratch.*parameter.SetInt)(model.*parameter.IntMember);
            else
                (scratch.*parameter.SetVolts)(model.*parameter.VoltsMember);
        } catch (const ERangeError&) {
            error = RangeMessage(parameter, ParameterValueText(model, parameter.Name));
            return false;
        }
    }
    return true;
}

QString ImageOffsetName(int offset) {
    // Offsets of the connector image: little-endian fields, then reserved bytes and the
    // checksum.
    static const char* const Fields[16] = {
        "PumpPulses",       "PumpPulses",   "DeadTime",    "DeadTime",
        "PrePurge",         "Aeration",     "PostPurge",   "SamplingInterval",
        "SamplingInterval", "SamplesCount", "AccuWarning", "AccuOff",
        "MaxSuctionTime",   "constant",     "PurgesCount", "VarMode"};
    if (offset >= 0 && offset < 16)
        return QLatin1String(Fields[offset]);
    if (offset >= 16 && offset < 126)
        return QStringLiteral("reserved");
    if (offset == 126 || offset == 127)
        return QStringLiteral("checksum");
    throw Exception(ErrorOnFile("ParameterText", __LINE__));
}

} // namespace cli
