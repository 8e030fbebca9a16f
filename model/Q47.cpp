// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Q47.h"

#include "model/Q47Parameters.h"

#include "platform/files/Files.h"
#include "platform/framework/Exceptions.h"

#include <QString>
#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

// The checksum covers bytes 2 to 125: the pump pulses are not covered.
constexpr int ChecksumFirst = 2;

// Byte 9 of 0 reads back as continuous mode with this many samples.
constexpr int ContinuousSamplesCount = 8;

// The sampler's voltage scale: 5 V over 255 steps behind a divider of 0.333. The sampler's
// own figures are kept in extended precision; the codes of voltages that sit on a half step
// of the 0.1 V grid (0.15 V) depend on it.
constexpr long double OneBy255 = 1.0L / 255.0L;
constexpr long double OneByDivider = 3.003003003003003L;

// The voltage in whole tenths, halves up: trunc((v + 0.05) * 10) in extended precision.
long long Tenths(double volts) {
    return static_cast<long long>((volts + 0.05L) * 10.0L);
}

bool Fail(int& lastError, int code) {
    lastError = code;
    return false;
}

const TQ47Parameter& ParameterOf(int TQ47::*member) {
    for (const TQ47Parameter& parameter : Q47Parameters()) {
        if (parameter.Value == member)
            return parameter;
    }
    throw Exception(ErrorOnFile());
}

const TQ47Parameter& ParameterOf(double TQ47::*member) {
    for (const TQ47Parameter& parameter : Q47Parameters()) {
        if (parameter.Volts == member)
            return parameter;
    }
    throw Exception(ErrorOnFile());
}

// Every setter follows one rule: an accepted value clears LastError, a rejected one leaves
// the member as it was and raises the range error the parameter page catches.
void Check(int& lastError, bool accepted) {
    if (!accepted) {
        lastError = TQ47::RangeError;
        throw ERangeError(QString());
    }
    lastError = TQ47::NoError;
}

void SetChecked(TQ47& model, int TQ47::*member, int value) {
    const TQ47Parameter& parameter = ParameterOf(member);
    Check(model.LastError, value >= parameter.Low && value <= parameter.High);
    model.*member = value;
}

// A threshold the sampler can hold: not above the voltage of the highest code, and not below
// what rounds to the voltage of the lowest (below 0.55 V the code would be negative).
// Not-a-number fails the comparisons.
void SetChecked(TQ47& model, double TQ47::*member, double volts) {
    const TQ47Parameter& parameter = ParameterOf(member);
    const auto low = static_cast<std::uint8_t>(parameter.Low);
    const auto high = static_cast<std::uint8_t>(parameter.High);
    Check(model.LastError, volts >= 0.0 && volts <= TQ47::CodeToVolts(high) &&
                               Tenths(volts) >= Tenths(TQ47::CodeToVolts(low)));
    model.*member = volts;
}

// What a parameter puts into its bytes of the image.
int Stored(const TQ47& model, const TQ47Parameter& parameter) {
    switch (parameter.Kind) {
    case TParameterKind::Volts:
        return TQ47::VoltsToCode(model.*parameter.Volts);
    case TParameterKind::Samples:
        return model.Continuous ? 0 : model.*parameter.Value;
    case TParameterKind::Mode:
        return 0; // no byte of its own
    case TParameterKind::Pulses:
    case TParameterKind::Count:
    case TParameterKind::Seconds:
    case TParameterKind::Duration:
    case TParameterKind::VarMode:
        return model.*parameter.Value;
    }
    throw Exception(ErrorSwitchFile());
}

// Each field takes the low 8 or 16 bits of its value.
void Put(std::uint8_t* image, const TQ47Parameter& parameter, int value) {
    for (int i = 0; i < parameter.Width; ++i)
        image[parameter.Offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

int Get(const std::uint8_t* image, const TQ47Parameter& parameter) {
    int value = 0;
    for (int i = 0; i < parameter.Width; ++i)
        value |= image[parameter.Offset + i] << (8 * i);
    return value;
}

bool SameBytes(int a, int b, const TQ47Parameter& parameter) {
    const int mask = (1 << (8 * parameter.Width)) - 1;
    return (a & mask) == (b & mask);
}

void PutChecksum(std::uint8_t* image, std::uint16_t sum) {
    image[TQ47::ChecksumOffset] = static_cast<std::uint8_t>(sum);
    image[TQ47::ChecksumOffset + 1] = static_cast<std::uint8_t>(sum >> 8);
}

} // namespace

TQ47::TQ47()
    : PumpPulses(1500), DeadTime(0), PrePurge(10), Aeration(10), PostPurge(10),
      SamplingInterval(900), Continuous(false), SamplesCount(8), AccuWarning(11.0), AccuOff(10.5),
      MaxSuctionTime(60), PurgesCount(0), VarMode(0),
      // Zeros until the first encoding, read or load: an all-zero image is never valid.
      Image{}, LastError(NoError), Device(nullptr), Left(TConnectorLeft::Unchanged), FileFailure() {
}

void TQ47::SetDeadTime(int value) {
    SetChecked(*this, &TQ47::DeadTime, value);
}

void TQ47::SetPrePurge(int value) {
    SetChecked(*this, &TQ47::PrePurge, value);
}

void TQ47::SetAeration(int value) {
    SetChecked(*this, &TQ47::Aeration, value);
}

void TQ47::SetPostPurge(int value) {
    SetChecked(*this, &TQ47::PostPurge, value);
}

void TQ47::SetSamplingInterval(int value) {
    SetChecked(*this, &TQ47::SamplingInterval, value);
}

void TQ47::SetSamplesCount(int value) {
    SetChecked(*this, &TQ47::SamplesCount, value);
}

void TQ47::SetMaxSuctionTime(int value) {
    SetChecked(*this, &TQ47::MaxSuctionTime, value);
}

void TQ47::SetPurgesCount(int value) {
    SetChecked(*this, &TQ47::PurgesCount, value);
}

void TQ47::SetVarMode(int value) {
    SetChecked(*this, &TQ47::VarMode, value);
}

void TQ47::SetAccuWarning(double value) {
    SetChecked(*this, &TQ47::AccuWarning, value);
}

void TQ47::SetAccuOff(double value) {
    SetChecked(*this, &TQ47::AccuOff, value);
}

double TQ47::CodeToVolts(std::uint8_t code) {
    const double volts = static_cast<double>(code * 5.0L * OneBy255 * OneByDivider + 0.6L);
    return static_cast<double>(Tenths(volts) * 0.1L);
}

std::uint8_t TQ47::VoltsToCode(double volts) {
    // Only values set directly on the members can be this far out; their code is meaningless,
    // but converting them must not overflow.
    if (!(std::fabs(volts) < 1.0e9))
        return 0;
    const double grid = static_cast<double>(Tenths(volts) * 0.1L);
    const double steps = static_cast<double>((grid - 0.6L) * 255.0L * 0.333L * 0.2L);
    // Low 8 bits, as the one-byte field takes them.
    return static_cast<std::uint8_t>(static_cast<long long>(steps + 0.5L));
}

void TQ47::Encode() {
    std::fill(std::begin(Image), std::end(Image), std::uint8_t{0});
    for (const TQ47Parameter& parameter : Q47Parameters())
        Put(Image, parameter, Stored(*this, parameter));
    Image[ConstantOffset] = 1;
    PutChecksum(Image, Checksum());
}

void TQ47::EncodeChanges(const TQ47& before) {
    for (const TQ47Parameter& parameter : Q47Parameters()) {
        const int value = Stored(*this, parameter);
        if (!SameBytes(value, Stored(before, parameter), parameter))
            Put(Image, parameter, value);
    }
    PutChecksum(Image, Checksum());
}

void TQ47::Decode() {
    // No range checks: a connector written by other means is shown as it is.
    for (const TQ47Parameter& parameter : Q47Parameters()) {
        const int stored = Get(Image, parameter);
        switch (parameter.Kind) {
        case TParameterKind::Volts:
            this->*parameter.Volts = CodeToVolts(static_cast<std::uint8_t>(stored));
            break;
        case TParameterKind::Samples:
            Continuous = stored == 0;
            this->*parameter.Value = Continuous ? ContinuousSamplesCount : stored;
            break;
        case TParameterKind::Mode:
            break; // decoded with the samples count
        case TParameterKind::Pulses:
        case TParameterKind::Count:
        case TParameterKind::Seconds:
        case TParameterKind::Duration:
        case TParameterKind::VarMode:
            this->*parameter.Value = stored;
            break;
        }
    }
}

std::uint16_t TQ47::Checksum() const {
    std::uint16_t sum = 0;
    for (int i = ChecksumFirst; i < ChecksumOffset; ++i)
        sum = static_cast<std::uint16_t>(sum + Image[i]);
    return static_cast<std::uint16_t>(~sum);
}

bool TQ47::ImageValid() const {
    const std::uint16_t sum = Checksum();
    return Image[ChecksumOffset] == (sum & 0xFF) && Image[ChecksumOffset + 1] == sum >> 8;
}

bool TQ47::LoadFromFile(const std::filesystem::path& name) {
    // Never more than the image: bytes after the first 128 are not looked at, however many.
    return LoadImage(LoadWholeFile(name, ImageSize, ImageSize));
}

bool TQ47::LoadImage(const TLoadedFile& file) {
    FileFailure = file.Failure;
    if (file.Result != TLoadResult::Loaded && file.Result != TLoadResult::Short)
        return Fail(LastError, FileError);
    const std::size_t size = std::min<std::size_t>(file.Bytes.size(), ImageSize);
    std::copy_n(file.Bytes.begin(), size, Image);
    if (size < ImageSize || !ImageValid())
        return Fail(LastError, CommError);
    Decode();
    LastError = NoError;
    return true;
}

bool TQ47::SaveToFile(const std::filesystem::path& name) {
    Encode();
    return SaveImageToFile(name);
}

bool TQ47::SaveImageToFile(const std::filesystem::path& name, const TFileTail* tail) {
    // Written aside and renamed over the target once complete, so a failed save leaves the
    // previous file as it was.
    switch (SaveWholeFile(name, ImageBytes(), TNewFile::Shared, &FileFailure, tail)) {
    case TSaveResult::Saved:
        LastError = NoError;
        return true;
    case TSaveResult::NotWritten:
        return Fail(LastError, CommError); // not every byte reached the disk
    case TSaveResult::NotRegular:
    case TSaveResult::ReadOnly:
    case TSaveResult::ForeignLink:
    case TSaveResult::NotCreated:
    case TSaveResult::NotReplaced:
        break;
    }
    return Fail(LastError, FileError);
}
