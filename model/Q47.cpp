#include "model/Q47.h"

#include "platform/files/Files.h"
#include "platform/framework/Exceptions.h"

#include <QString>
#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

// Where the parameters sit in the image; 16-bit fields are little-endian.
enum : int {
    OffsetPumpPulses = 0,
    OffsetDeadTime = 2,
    OffsetPrePurge = 4,
    OffsetAeration = 5,
    OffsetPostPurge = 6,
    OffsetSamplingInterval = 7,
    OffsetSamplesCount = 9, // 0 means continuous sampling
    OffsetAccuWarning = 10,
    OffsetAccuOff = 11,
    OffsetMaxSuctionTime = 12,
    OffsetConstant = 13, // the sampler expects 1 here
    OffsetPurgesCount = 14,
    OffsetVarMode = 15,
    ChecksumFirst = 2, // the pump pulses are not covered
    ChecksumLow = 126,
    ChecksumHigh = 127,
};

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

void Put16(std::uint8_t* image, int offset, int value) {
    image[offset] = static_cast<std::uint8_t>(value);
    image[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

int Get16(const std::uint8_t* image, int offset) {
    return image[offset] | image[offset + 1] << 8;
}

bool Fail(int& lastError, int code) {
    lastError = code;
    return false;
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

bool Within(int value, int low, int high) {
    return value >= low && value <= high;
}

// A threshold the sampler can hold: not above the voltage of the highest code, and not below
// what rounds to 0.6 V, the voltage of code 0 (below 0.55 V the code would be negative).
// Not-a-number fails the comparisons.
bool VoltageAccepted(double volts) {
    return volts >= 0.0 && volts <= TQ47::CodeToVolts(255) && Tenths(volts) >= 6;
}

} // namespace

TQ47::TQ47()
    : PumpPulses(1500), DeadTime(0), PrePurge(10), Aeration(10), PostPurge(10),
      SamplingInterval(900), Continuous(false), SamplesCount(8), AccuWarning(11.0), AccuOff(10.5),
      MaxSuctionTime(60), PurgesCount(0), VarMode(0),
      // Zeros until the first encoding, read or load: an all-zero image is never valid.
      Image{}, LastError(NoError), Device(nullptr) {}

void TQ47::SetDeadTime(int value) {
    Check(LastError, Within(value, 0, 54000));
    DeadTime = value;
}

void TQ47::SetPrePurge(int value) {
    Check(LastError, Within(value, 1, 240));
    PrePurge = value;
}

void TQ47::SetAeration(int value) {
    Check(LastError, Within(value, 0, 255));
    Aeration = value;
}

void TQ47::SetPostPurge(int value) {
    Check(LastError, Within(value, 1, 240));
    PostPurge = value;
}

void TQ47::SetSamplingInterval(int value) {
    Check(LastError, Within(value, 1, 54000));
    SamplingInterval = value;
}

void TQ47::SetSamplesCount(int value) {
    // 0 is accepted although the page's hint says 1..255; it is written as continuous mode.
    Check(LastError, Within(value, 0, 255));
    SamplesCount = value;
}

void TQ47::SetMaxSuctionTime(int value) {
    Check(LastError, Within(value, 0, 255));
    MaxSuctionTime = value;
}

void TQ47::SetPurgesCount(int value) {
    Check(LastError, Within(value, 0, 5));
    PurgesCount = value;
}

void TQ47::SetVarMode(int value) {
    Check(LastError, Within(value, 0, 3));
    VarMode = value;
}

void TQ47::SetAccuWarning(double value) {
    Check(LastError, VoltageAccepted(value));
    AccuWarning = value;
}

void TQ47::SetAccuOff(double value) {
    Check(LastError, VoltageAccepted(value));
    AccuOff = value;
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
    Put16(Image, OffsetPumpPulses, PumpPulses);
    Put16(Image, OffsetDeadTime, DeadTime);
    Image[OffsetPrePurge] = static_cast<std::uint8_t>(PrePurge);
    Image[OffsetAeration] = static_cast<std::uint8_t>(Aeration);
    Image[OffsetPostPurge] = static_cast<std::uint8_t>(PostPurge);
    Put16(Image, OffsetSamplingInterval, SamplingInterval);
    Image[OffsetSamplesCount] = Continuous ? 0 : static_cast<std::uint8_t>(SamplesCount);
    Image[OffsetAccuWarning] = VoltsToCode(AccuWarning);
    Image[OffsetAccuOff] = VoltsToCode(AccuOff);
    Image[OffsetMaxSuctionTime] = static_cast<std::uint8_t>(MaxSuctionTime);
    Image[OffsetConstant] = 1;
    Image[OffsetPurgesCount] = static_cast<std::uint8_t>(PurgesCount);
    Image[OffsetVarMode] = static_cast<std::uint8_t>(VarMode);
    Put16(Image, ChecksumLow, Checksum());
}

void TQ47::EncodeChanges(const TQ47& before) {
    TQ47 was = before;
    was.Encode();
    TQ47 now = *this;
    now.Encode();
    for (int offset = 0; offset < ChecksumLow; ++offset) {
        if (was.Image[offset] != now.Image[offset])
            Image[offset] = now.Image[offset];
    }
    Put16(Image, ChecksumLow, Checksum());
}

void TQ47::Decode() {
    // No range checks: a connector written by other means is shown as it is.
    PumpPulses = Get16(Image, OffsetPumpPulses);
    DeadTime = Get16(Image, OffsetDeadTime);
    PrePurge = Image[OffsetPrePurge];
    Aeration = Image[OffsetAeration];
    PostPurge = Image[OffsetPostPurge];
    SamplingInterval = Get16(Image, OffsetSamplingInterval);
    Continuous = Image[OffsetSamplesCount] == 0;
    SamplesCount = Continuous ? ContinuousSamplesCount : Image[OffsetSamplesCount];
    AccuWarning = CodeToVolts(Image[OffsetAccuWarning]);
    AccuOff = CodeToVolts(Image[OffsetAccuOff]);
    MaxSuctionTime = Image[OffsetMaxSuctionTime];
    PurgesCount = Image[OffsetPurgesCount];
    VarMode = Image[OffsetVarMode];
}

std::uint16_t TQ47::Checksum() const {
    std::uint16_t sum = 0;
    for (int i = ChecksumFirst; i < ChecksumLow; ++i)
        sum = static_cast<std::uint16_t>(sum + Image[i]);
    return static_cast<std::uint16_t>(~sum);
}

bool TQ47::ImageValid() const {
    const std::uint16_t sum = Checksum();
    return Image[ChecksumLow] == (sum & 0xFF) && Image[ChecksumHigh] == sum >> 8;
}

bool TQ47::LoadFromFile(const std::filesystem::path& name) {
    // Never more than the image: bytes after the first 128 are not looked at, however many.
    return LoadImage(LoadWholeFile(name, ImageSize, ImageSize));
}

bool TQ47::LoadImage(const TLoadedFile& file) {
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
    // Written aside and renamed over the target once complete, so a failed save leaves the
    // previous file as it was.
    switch (SaveWholeFile(name, ImageBytes())) {
    case TSaveResult::Saved:
        LastError = NoError;
        return true;
    case TSaveResult::NotWritten:
        return Fail(LastError, CommError); // fewer than 128 bytes reached the disk
    case TSaveResult::NotRegular:
    case TSaveResult::ReadOnly:
    case TSaveResult::ForeignLink:
    case TSaveResult::NotCreated:
    case TSaveResult::NotReplaced:
        break;
    }
    return Fail(LastError, FileError);
}
