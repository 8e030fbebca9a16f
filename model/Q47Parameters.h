// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <string_view>

class TQ47;

// What kind of value a parameter holds, and so how it is kept and written as text.
enum class TParameterKind {
    Pulses,   // a count that no setter changes (PumpPulses)
    Count,    // a plain number
    Seconds,  // whole seconds, written as a number
    Duration, // whole seconds, written as hh:mm:ss
    Mode,     // Continuous: no byte of its own, a samples count of 0 in the image means it
    Samples,  // the samples count, written as 0 in continuous mode
    Volts,    // a battery threshold, kept as a one-byte code
    VarMode,  // the VAR input's mode code
};

// A value of a parameter that has a name of its own (the sampling modes, the VAR modes).
struct TQ47Choice {
    int Value;
    const char* Name;
};

// One parameter of the sampler: where the connector image keeps it, what its setter accepts
// and how it is written as text. Encoding, decoding, the setters' checks and the command line's
// texts all come from this one table.
struct TQ47Parameter {
    const char* Name; // the member's name
    TParameterKind Kind;
    int Offset; // in the image
    int Width;  // bytes, little-endian
    int Low;    // what the setter accepts, both ends included; voltages as codes
    int High;
    int TQ47::*Value;       // the member of a whole number
    double TQ47::*Volts;    // the member of a voltage
    void (TQ47::*Set)(int); // the setter; none for PumpPulses and Continuous
    void (TQ47::*SetVolts)(double);
    std::span<const TQ47Choice> Choices; // named values, in the order they are offered
};

// Every parameter, in the model's member order.
std::span<const TQ47Parameter> Q47Parameters();
// The parameter of a name, whatever its case; null for none.
const TQ47Parameter* FindQ47Parameter(std::string_view name);
// What a byte of the image holds: a parameter's name, "constant", "reserved" or "checksum".
std::string_view Q47ImagePart(int offset);

// The VAR input's modes as the page's drop-down list offers them: item 0 "Disabled", 1
// "0 - 20mA", 2 "4 - 20mA" (codes 0, 1, 3). Code 2 passes the setter but has no item of its
// own, and shows as "Disabled", as does any other code without one.
int Q47VarModeItem(int code);
// The code of a list item; none for an item the list does not have.
std::optional<int> Q47VarModeCode(int item);
