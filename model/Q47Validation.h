// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <span>
#include <string_view>

class TQ47;
struct TQ47Parameter;

// The one check of a whole parameter set before it is kept: the window's page runs it before
// Save, Save As and Write, the command line's `set` and `new` before they save. It is the
// setters' own rule (the ranges of Q47Parameters.h), applied to every parameter at once, so
// that a value a decoded image or an edit brought in is refused wherever it would be stored.

// Takes the parameters of `set` into `model` one after another, in the model's member order or
// in `order` (parameter names; only those, so an empty order takes none), through model's own
// setters, as the parameter page stores its fields: each accepted value is stored at once, and the
// first one refused ends the walk with model's LastError 3, the parameters before it stored, the
// rest untouched. The samples count is neither checked nor stored in continuous mode, which does
// not use it; Continuous and PumpPulses, which have no setter, are copied. Returns the refused
// parameter, null when every one was taken (LastError then 0 when a setter ran). The page converts
// its fields first and, where field k cannot be converted, takes only those before it: a refusal
// among them comes first, as it would field by field.
const TQ47Parameter* TakeParameterSet(TQ47& model, const TQ47& set);
const TQ47Parameter* TakeParameterSet(TQ47& model, const TQ47& set,
                                      std::span<const std::string_view> order);

// The same check without storing anything: the first parameter of `set` in `order` that the
// setters refuse, null when the whole set would be accepted. What `set` and `new` run before
// they save, and what tells whether a decoded image may be written back.
const TQ47Parameter* FirstRefusedParameter(const TQ47& set);
const TQ47Parameter* FirstRefusedParameter(const TQ47& set,
                                           std::span<const std::string_view> order);

// The configuration files' extension, ".brk", and whether a file name carries it (in any case,
// as Windows names match): what the window takes from a drop or its command line.
inline constexpr std::string_view ConfigurationFileExtension = ".brk";
bool IsConfigurationFileName(const QString& path);
