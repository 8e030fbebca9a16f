#include "model/Q47.h"

#include "platform/framework/Exceptions.h"
#include "platform/framework/WholeFile.h"

#include <QFile>
#include <QFileDevice>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <fcntl.h>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

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

bool TQ47::LoadFromFile(const QString& name) {
    // Only a regular file holds an image. A directory or a device is a file access error, and
    // a pipe is not opened at all: that would block the window, or cut off its writer. What
    // was opened is judged again, in case something else was put in the file's place.
    const QByteArray path = QFile::encodeName(name);
    struct stat info {};
    if (::stat(path.constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return Fail(LastError, FileError);
    const int file = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (file < 0)
        return Fail(LastError, FileError);
    if (::fstat(file, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(file);
        return Fail(LastError, FileError);
    }
    // Never more than the image: bytes after the first 128 are not looked at, however many.
    constexpr std::size_t size = ImageSize;
    char* const into = reinterpret_cast<char*>(Image);
    std::size_t got = 0;
    while (got < size) {
        const ssize_t count = ::read(file, into + got, size - got);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0) {
            ::close(file);
            return Fail(LastError, FileError);
        }
        if (count == 0)
            break;
        got += static_cast<std::size_t>(count);
    }
    ::close(file);
    if (got < size || !ImageValid())
        return Fail(LastError, CommError);
    Decode();
    LastError = NoError;
    return true;
}

bool TQ47::SaveToFile(const QString& name) {
    Encode();
    // Written aside and renamed over the target once complete, so a failed save leaves the
    // previous file as it was; in place only where the folder takes no file beside it.
    switch (SaveWholeFile(name, [this](QIODevice& file) { return WriteImage(file) == NoError; })) {
    case TSaveResult::Saved:
        LastError = NoError;
        return true;
    case TSaveResult::NotWritten:
        return Fail(LastError, CommError);
    case TSaveResult::NotOpened:
    case TSaveResult::NotReplaced:
        break;
    }
    return Fail(LastError, FileError);
}

int TQ47::WriteImage(QIODevice& device) const {
    const char* const from = reinterpret_cast<const char*>(Image);
    qint64 done = 0;
    while (done < ImageSize) {
        const qint64 count = device.write(from + done, ImageSize - done);
        if (count <= 0)
            return CommError;
        done += count;
    }
    // A file keeps small writes in its buffer, so a full disk shows only when they go out.
    // QSaveFile's commit() flushes too, but renames even when that flush fails.
    if (auto* file = qobject_cast<QFileDevice*>(&device)) {
        if (!file->flush() || file->error() != QFileDevice::NoError)
            return CommError;
    }
    return NoError;
}
