// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class TQ47;

// The text forms of the sampler's parameters on the command line: what `show` prints and
// what NAME=VALUE assignments accept. Times are hh:mm:ss, voltages carry one decimal with a
// decimal point whatever the user's locale, the two modes go by their names on the
// parameter page. Names, kinds and ranges are the model's parameter table (Q47Parameters.h),
// and every value reaches the model through its setter.
namespace cli {

// The member names of the model, in the model's order.
const QStringList& ParameterNames();

// One decimal, decimal point.
QString VoltsToText(double volts);
// A decimal number with a decimal point (never a comma), finite.
std::optional<double> TextToVolts(const QString& text);

// The value of one parameter as `show` prints it; name must be one of ParameterNames().
QString ParameterValueText(const TQ47& model, const QString& name);
// "NAME=VALUE" lines, one per parameter, in the model's order.
QString ShowText(const TQ47& model);
// What a write of `written` changes on a connector that holds `held`: one "NAME: OLD → NEW" line
// per parameter that differs as the sampler would take it (Q47Differences), values as `show`
// prints them; none when the connector holds these parameters already.
QStringList ChangeLines(const TQ47& held, const TQ47& written);
// One JSON object on one line: seconds and volts as numbers, Continuous a boolean,
// VarMode its code.
QString ShowJson(const TQ47& model);

// What a parameter accepts, for messages: "1..240 s", "00:00:00..15:00:00", ...
QString AcceptedText(const QString& name);

// Applies one "NAME=VALUE" through the model's setter. On failure returns false, leaves the
// model's parameters as they were and says in `error` which parameter, which value and what
// is accepted.
bool ApplyAssignment(TQ47& model, const QString& assignment, QString& error);
// All or nothing: on the first failure nothing at all has changed.
bool ApplyAssignments(TQ47& model, const QStringList& assignments, QString& error);

// The model's check of a whole set (FirstRefusedParameter, model/Q47Validation.h), which the
// parameter page runs before a write too. A decoded image may hold values the setters refuse;
// `error` then names the first of them with what it accepts.
bool ValidateParameters(const TQ47& model, QString& error);

// The parameter that a byte of the connector image belongs to: a member name, "constant",
// "reserved" or "checksum".
QString ImageOffsetName(int offset);

} // namespace cli
