// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/files/Files.h"

#include <cstdint>
#include <filesystem>
#include <string_view>

class TTarnDevice;

// One parameter set of the Q47 sampler: the parameters in engineering units with their
// ranges, the 128-byte connector image that carries them, and the outcome of the last
// operation in LastError (0 no error, 1 communication error, 2 file access error,
// 3 parameter out of range).
class TQ47 {
public:
    static constexpr int ImageSize = 128;
    // Where the image keeps what is not a parameter (Q47Parameters.h has the parameters).
    static constexpr int ConstantOffset = 13;  // the sampler expects 1 here
    static constexpr int ChecksumOffset = 126; // low byte, then high byte

    enum : int { NoError = 0, CommError = 1, FileError = 2, RangeError = 3 };
    // What a connector transfer that failed says of the connector itself, beside LastError 1.
    enum class TConnectorLeft {
        Unchanged,   // nothing was written, or the transfer was a read that met no checksum
        Mixed,       // a write stopped after it may have stored a block: old and new bytes mixed
        Unverified,  // every block was stored, but the read-back that checks them was cut
        Differs,     // the read-back found other bytes (two reads agree on them)
        BadChecksum, // a read came back whole, two reads alike, but its checksum is wrong
    };

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
    TTarnDevice* Device;      // not owned
    TConnectorLeft Left;      // of the last connector transfer
    TFileFailure FileFailure; // why the last load or save of a file failed, as the system said

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
    // Writes into Image only the parameters whose encoding differs from that of `before`
    // (the same set as it stood before some setters ran), touching only their bytes, and
    // renews the checksum: the constant, the reserved bytes and every other field stay as
    // Image had them, a voltage code off the 0.1 V grid included.
    void EncodeChanges(const TQ47& before);
    std::uint16_t Checksum() const;
    bool ImageValid() const; // the checksum matches bytes 126 and 127

    // Connector transfers through Device (raise when no device is attached). A read is taken
    // only when every byte came back the same from two reads and the checksum holds; a
    // read-back compares every byte. After a failure Left says what the connector holds.
    bool ReadConnector();
    bool WriteConnector();
    bool Verify();
    // Writes Image into the connector as it stands, without encoding it first, and reads it
    // back: a byte-exact copy of an image read from another connector or a file. False with
    // LastError 1 when the link failed or the read-back differs; `differs` tells the second
    // case (a connector that does not keep what it is given: two reads agree on other bytes)
    // apart.
    bool WriteImageToConnector(bool& differs);

    // ".brk" configuration files: exactly one image. Names are the system's own.
    bool LoadFromFile(const std::filesystem::path& name);
    bool SaveToFile(const std::filesystem::path& name);
    // Saves Image as it stands, without encoding it first, followed by `tail`: a file that held
    // more than the image keeps the rest of its bytes, however many.
    bool SaveImageToFile(const std::filesystem::path& name, const TFileTail* tail = nullptr);
    // Takes the image from a configuration file that was read (by LoadFromFile, or from
    // standard input): its first 128 bytes, any after them ignored. A valid image is decoded;
    // a file that could not be read is a file access error, one shorter than the image or
    // with a wrong checksum a communication error, and the members then stay as they were.
    bool LoadImage(const TLoadedFile& file);

    // The image as the bytes of a file.
    std::string_view ImageBytes() const {
        return {reinterpret_cast<const char*>(Image), ImageSize};
    }
};
