#pragma once

#include <QString>
#include <cstdint>

class QIODevice;
class TTarnDevice;

// One parameter set of the Q47 sampler: the parameters in engineering units with their
// ranges, the 128-byte connector image that carries them, and the outcome of the last
// operation in LastError (0 no error, 1 communication error, 2 file access error,
// 3 parameter out of range).
class TQ47 {
public:
    static constexpr int ImageSize = 128;

    enum : int { NoError = 0, CommError = 1, FileError = 2, RangeError = 3 };

    TQ47();

    int PumpPulses;       // pulses; no setter, changes only by decoding an image
    int DeadTime;         // s
    int PrePurge;         // s
    int Aeration;         // s
    int PostPurge;        // s
    int SamplingInterval; // s
    bool Continuous;      // set directly by its users, no check
    int SamplesCount;
    double AccuWarning; // V, kept as given; rounded to 0.1 V only when encoded
    double AccuOff;     // V
    int MaxSuctionTime; // s
    int PurgesCount;
    int VarMode; // 0 disabled, 1 0-20 mA, 3 4-20 mA (2 passes the setter)
    std::uint8_t Image[ImageSize];
    int LastError;
    TTarnDevice* Device; // not owned

    // Each setter stores an accepted value and clears LastError; a rejected value sets
    // LastError 3, keeps the member and raises ERangeError with an empty message.
    void SetDeadTime(int value);
    void SetPrePurge(int value);
    void SetAeration(int value);
    void SetPostPurge(int value);
    void SetSamplingInterval(int value);
    void SetSamplesCount(int value);
    void SetMaxSuctionTime(int value);
    void SetPurgesCount(int value);
    void SetVarMode(int value);
    void SetAccuWarning(double value);
    void SetAccuOff(double value);

    // The sampler's one-byte battery threshold codes.
    static double CodeToVolts(std::uint8_t code);
    static std::uint8_t VoltsToCode(double volts);

    void Encode();
    void Decode();
    std::uint16_t Checksum() const;
    bool ImageValid() const; // the checksum matches bytes 126 and 127

    // Connector transfers through Device (raise when no device is attached). A read is taken
    // only when every byte came back the same from two reads and the checksum holds; a
    // read-back compares every byte.
    bool ReadConnector();
    bool WriteConnector();
    bool Verify();
    // Writes Image into the connector as it stands, without encoding it first, and reads it
    // back: a byte-exact copy of an image read from another connector or a file. False with
    // LastError 1 when the link failed or the read-back differs; `differs` tells the second
    // case (a connector that does not keep what it is given: two reads agree on other bytes)
    // apart.
    bool WriteImageToConnector(bool& differs);

    // ".brk" configuration files: exactly one image.
    bool LoadFromFile(const QString& name);
    bool SaveToFile(const QString& name);

    // Writes Image to a device open for writing and pushes it out of the device's buffer:
    // NoError, or CommError when the device takes fewer than ImageSize bytes (a full disk).
    // SaveToFile writes through it; it leaves LastError alone.
    int WriteImage(QIODevice& device) const;
};
