// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ParameterText.h"

#include "cli/NativeName.h"

#include "model/Q47.h"
#include "model/Q47Differences.h"
#include "model/Q47Parameters.h"
#include "model/Q47Validation.h"
#include "platform/framework/Convert.h"
#include "platform/framework/Exceptions.h"

#include <QLocale>
#include <QRegularExpression>

namespace cli {
namespace {

using K = TParameterKind;

QString NameOf(const TQ47Parameter& parameter) {
    return QLatin1String(parameter.Name);
}

const TQ47Parameter* Find(const QString& name) {
    return FindQ47Parameter(name.toStdString());
}

const TQ47Parameter& Get(const QString& name) {
    const TQ47Parameter* parameter = Find(name);
    if (parameter == nullptr)
        throw Exception(ErrorOnFile());
    return *parameter;
}

// Lower case without spaces, so "0-20mA" and "0 - 20 mA" name the same mode.
QString Folded(const QString& text) {
    QString folded = text.toLower();
    folded.remove(QLatin1Char(' '));
    return folded;
}

// A named value by its name, whatever its case and spacing.
std::optional<int> ChoiceOf(const TQ47Parameter& parameter, const QString& text) {
    for (const TQ47Choice& choice : parameter.Choices) {
        if (Folded(text) == Folded(QLatin1String(choice.Name)))
            return choice.Value;
    }
    return std::nullopt;
}

QString ChoiceText(const TQ47Parameter& parameter, int value) {
    for (const TQ47Choice& choice : parameter.Choices) {
        if (choice.Value == value)
            return QLatin1String(choice.Name);
    }
    // A code without a name (VarMode 2, or anything a connector may hold) is shown as it is.
    return QString::number(value);
}

std::optional<bool> TextToMode(const TQ47Parameter& parameter, const QString& text) {
    if (const std::optional<int> mode = ChoiceOf(parameter, text))
        return *mode != 0;
    const QString folded = Folded(text);
    for (const char* yes : {"true", "yes", "1"}) {
        if (folded == QLatin1String(yes))
            return true;
    }
    for (const char* no : {"false", "no", "0"}) {
        if (folded == QLatin1String(no))
            return false;
    }
    return std::nullopt;
}

std::optional<int> TextToCode(const TQ47Parameter& parameter, const QString& text) {
    if (const std::optional<int> code = ChoiceOf(parameter, text))
        return code;
    try {
        return StrToInt(text);
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

// A text of the user's in a message: control characters and bytes that are no character
// escaped, so that an argument cannot move the terminal's cursor or start a line of its own.
QString Quoted(const QString& text) {
    return QLatin1Char('"') + DisplayName(text) + QLatin1Char('"');
}

// The names of a parameter's values, quoted: "\"A\", \"B\" or \"C\"".
QString ChoiceNames(const TQ47Parameter& parameter) {
    QStringList names;
    for (const TQ47Choice& choice : parameter.Choices)
        names << Quoted(QLatin1String(choice.Name));
    const QString last = names.takeLast();
    return names.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
}

QString RangeMessage(const TQ47Parameter& parameter, const QString& value) {
    return QStringLiteral("%1: %2 is out of range (accepted %3)")
        .arg(NameOf(parameter), Quoted(value), AcceptedText(NameOf(parameter)));
}

QString FormatMessage(const TQ47Parameter& parameter, const QString& value, const char* what) {
    return QStringLiteral("%1: %2 is not %3 (accepted %4)")
        .arg(NameOf(parameter), Quoted(value), QLatin1String(what),
             AcceptedText(NameOf(parameter)));
}

QString ValueText(const TQ47& model, const TQ47Parameter& parameter) {
    switch (parameter.Kind) {
    case K::Pulses:
    case K::Count:
    case K::Seconds:
    case K::Samples:
        return QString::number(model.*parameter.Value);
    case K::Duration:
        return SecondsToText(model.*parameter.Value);
    case K::Volts:
        return VoltsToText(model.*parameter.Volts);
    case K::Mode:
        return ChoiceText(parameter, model.Continuous ? 1 : 0);
    case K::VarMode:
        return ChoiceText(parameter, model.*parameter.Value);
    }
    throw Exception(ErrorSwitchFile());
}

// Sets one parameter from its text through the model's setter; false with `error` for a text
// that is no value of its kind. A value out of range raises the setter's ERangeError.
bool Assign(TQ47& model, const TQ47Parameter& parameter, const QString& value, QString& error) {
    switch (parameter.Kind) {
    case K::Pulses:
        error = QStringLiteral("%1 is %2").arg(NameOf(parameter), AcceptedText(NameOf(parameter)));
        return false;
    case K::Count:
    case K::Seconds:
    case K::Samples: {
        int number = 0;
        try {
            number = StrToInt(value);
        } catch (const EConvertError&) {
            // Digits too many for an int are a whole number, only far out of range.
            static const QRegularExpression digits(QStringLiteral("^\\s*[+-]?\\d+\\s*$"));
            error = digits.match(value).hasMatch()
                        ? RangeMessage(parameter, value.trimmed())
                        : FormatMessage(parameter, value, "a whole number");
            return false;
        }
        (model.*parameter.Set)(number);
        return true;
    }
    case K::Duration: {
        int seconds = 0;
        if (!TimeTextToSeconds(value, seconds)) {
            error = FormatMessage(parameter, value, "a time hh:mm:ss");
            return false;
        }
        (model.*parameter.Set)(seconds);
        return true;
    }
    case K::Volts: {
        const std::optional<double> volts = TextToVolts(value);
        if (!volts) {
            error = FormatMessage(parameter, value, "a voltage like 11.0");
            return false;
        }
        (model.*parameter.SetVolts)(*volts);
        return true;
    }
    case K::Mode: {
        const std::optional<bool> continuous = TextToMode(parameter, value);
        if (!continuous) {
            error = FormatMessage(parameter, value, "a sampling mode");
            return false;
        }
        model.Continuous = *continuous;
        return true;
    }
    case K::VarMode: {
        const std::optional<int> code = TextToCode(parameter, value);
        if (!code) {
            error = FormatMessage(parameter, value, "a VAR mode");
            return false;
        }
        (model.*parameter.Set)(*code);
        return true;
    }
    }
    throw Exception(ErrorSwitchFile());
}

} // namespace

const QStringList& ParameterNames() {
    static const QStringList names = [] {
        QStringList list;
        for (const TQ47Parameter& parameter : Q47Parameters())
            list << NameOf(parameter);
        return list;
    }();
    return names;
}

QString VoltsToText(double volts) {
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::OmitGroupSeparator);
    return c.toString(volts, 'f', 1);
}

std::optional<double> TextToVolts(const QString& text) {
    // The window's own reading, with a decimal point whatever the user's locale.
    return TextToDecimal(text, QLocale::c());
}

QString ParameterValueText(const TQ47& model, const QString& name) {
    return ValueText(model, Get(name));
}

QString ShowText(const TQ47& model) {
    QString text;
    for (const TQ47Parameter& parameter : Q47Parameters())
        text +=
            NameOf(parameter) + QLatin1Char('=') + ValueText(model, parameter) + QLatin1Char('\n');
    return text;
}

QStringList ChangeLines(const TQ47& held, const TQ47& written) {
    // "NAME:", not "NAME=": the line is no assignment for set, and reads as the window's write
    // question does.
    QStringList lines;
    for (const TQ47Parameter* parameter : Q47Differences(held, written))
        lines << QStringLiteral("%1: %2 \u2192 %3")
                     .arg(NameOf(*parameter), ValueText(held, *parameter),
                          ValueText(written, *parameter));
    return lines;
}

QString ShowJson(const TQ47& model) {
    QStringList fields;
    for (const TQ47Parameter& parameter : Q47Parameters()) {
        QString value;
        switch (parameter.Kind) {
        case K::Pulses:
        case K::Count:
        case K::Seconds:
        case K::Duration:
        case K::Samples:
        case K::VarMode:
            value = QString::number(model.*parameter.Value);
            break;
        case K::Volts:
            // On the 0.1 V grid the sampler stores; one decimal keeps 11.0 from printing as
            // 11.000000000000002.
            value = VoltsToText(model.*parameter.Volts);
            break;
        case K::Mode:
            value = model.Continuous ? QStringLiteral("true") : QStringLiteral("false");
            break;
        }
        fields << QStringLiteral("\"%1\":%2").arg(NameOf(parameter), value);
    }
    return QLatin1Char('{') + fields.join(QLatin1Char(',')) + QLatin1Char('}');
}

QString AcceptedText(const QString& name) {
    const TQ47Parameter& parameter = Get(name);
    const QString range = QStringLiteral("%1..%2").arg(parameter.Low).arg(parameter.High);
    switch (parameter.Kind) {
    case K::Pulses:
        return QStringLiteral("read-only: it changes only when a connector is read");
    case K::Count:
    case K::Samples:
        return range;
    case K::Seconds:
        return range + QStringLiteral(" s");
    case K::Duration:
        return SecondsToText(parameter.Low) + QStringLiteral("..") + SecondsToText(parameter.High);
    case K::Volts:
        // The voltages of the lowest and the highest code.
        return VoltsToText(TQ47::CodeToVolts(static_cast<std::uint8_t>(parameter.Low))) +
               QStringLiteral("..") +
               VoltsToText(TQ47::CodeToVolts(static_cast<std::uint8_t>(parameter.High))) +
               QStringLiteral(" V");
    case K::Mode:
        return ChoiceNames(parameter) + QStringLiteral(", also false or true");
    case K::VarMode:
        return ChoiceNames(parameter) + QStringLiteral(" or a code ") + range;
    }
    throw Exception(ErrorSwitchFile());
}

bool ApplyAssignment(TQ47& model, const QString& assignment, QString& error) {
    const qsizetype equals = assignment.indexOf(QLatin1Char('='));
    if (equals < 0) {
        error = QStringLiteral("%1 is not an assignment NAME=VALUE").arg(Quoted(assignment));
        return false;
    }
    const QString name = assignment.left(equals).trimmed();
    const QString value = assignment.mid(equals + 1);
    const TQ47Parameter* parameter = Find(name);
    if (parameter == nullptr) {
        error = QStringLiteral("unknown parameter %1 (parameters: %2)")
                    .arg(Quoted(name), ParameterNames().join(QStringLiteral(", ")));
        return false;
    }
    try {
        return Assign(model, *parameter, value, error);
    } catch (const ERangeError&) {
        error = RangeMessage(*parameter, value.trimmed());
        return false;
    }
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
    const TQ47Parameter* refused = FirstRefusedParameter(model);
    if (refused != nullptr)
        error = RangeMessage(*refused, ValueText(model, *refused));
    return refused == nullptr;
}

QString ImageOffsetName(int offset) {
    const std::string_view part = Q47ImagePart(offset);
    return QString::fromLatin1(part.data(), static_cast<qsizetype>(part.size()));
}

} // namespace cli
