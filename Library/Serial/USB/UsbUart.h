// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/d2xx/OpenFailure.h"
#include "platform/d2xx/ftd2xx.h"

#include <QList>
#include <QString>
#include <cstdint>

// Line settings, copied whole into and out of a UART.
struct TUartConfig {
    std::int32_t BaudRate = 9600;
    std::int32_t DataBits = 8;    // 7 or 8
    std::int32_t StopBits = 10;   // tenths of a bit time: 10 or 20
    std::uint8_t Parity = 0;      // 0 none, 1 odd, 2 even, 3 mark, 4 space
    std::uint8_t FlowControl = 0; // 0 none, 1 RTS/CTS, 2 XON/XOFF, 3 none
};

// A serial port: open a device by its index in the driver's list, move bytes.
class TSerial {
public:
    TSerial();
    virtual ~TSerial();
    virtual bool Open(std::int32_t index) = 0;
    virtual void Close() = 0;
    virtual std::uint32_t Write(const void* data, std::uint32_t count) = 0;
    virtual std::uint32_t Read(void* buffer, std::uint32_t count) = 0;
    virtual void Purge() = 0;
    virtual QString GetName() = 0;
    virtual bool IsOpen() = 0;

    std::int32_t DeviceIndex; // -1 while no device is open
};

// A UART: line settings, immediate or timed reads, modem lines.
class TUart : public virtual TSerial {
public:
    ~TUart() override;
    bool Open(std::int32_t index) override = 0;
    void Close() override = 0;
    std::uint32_t Write(const void* data, std::uint32_t count) override = 0;
    std::uint32_t Read(void* buffer, std::uint32_t count) override = 0;
    void Purge() override = 0;
    virtual bool SetReadImmediate() = 0;
    virtual bool SetReadTimeouts(std::int32_t total, std::int32_t perByte) = 0;
    virtual bool SetConfig(const TUartConfig& config) = 0;
    virtual void GetConfig(TUartConfig& config) = 0;
    QString GetName() override = 0;
    bool IsOpen() override = 0;
    virtual bool GetCts() = 0;
    virtual bool GetDsr() = 0;
    virtual bool GetRing() = 0;
    virtual bool GetDcd() = 0;
    virtual void SetDtr(bool state) = 0;
    virtual void SetRts(bool state) = 0;
    virtual void SetBreak(bool state) = 0;

    bool Dtr;
    bool Rts;
    bool Break;
    TUartConfig Config;
};

// An attached device as the D2XX driver lists it.
struct TUsbDevice {
    std::int32_t Index = -1;
    QString Description;
    QString SerialNumber; // empty when not listed, or the device has none or it cannot be listed
    QString Port;         // where the system reaches it (/dev/ttyUSB0); empty when unknown
};

// The UART of an FTDI USB-to-serial device, through the D2XX API.
class TUsbUart : public TUart {
public:
    TUsbUart();
    ~TUsbUart() override;

    // What a listing asks the driver for each device: its description, and its serial number
    // only where the serial number is wanted (each is one more FT_ListDevices call per device).
    enum class TListing { Descriptions, WithSerialNumbers };
    // Every attached device, in the driver's order; a device whose description cannot be
    // listed is left out. The one listing of both programs.
    static QList<TUsbDevice> ListDevices(TListing listing);
    // True only when exactly one attached device has this description (case-sensitive);
    // index is written only then.
    static bool FindDevice(const QString& description, std::int32_t& index);
    // Whether the D2XX driver is there at all (see d2xx::driverAvailable).
    static bool DriverAvailable();

    bool Open(std::int32_t index) override;
    // Open, and in `failure` why the device could not be opened when the system told.
    bool Open(std::int32_t index, d2xx::OpenFailure& failure);
    void Close() override;
    std::uint32_t Write(const void* data, std::uint32_t count) override;
    std::uint32_t Read(void* buffer, std::uint32_t count) override;
    void Purge() override;
    bool SetReadImmediate() override;
    bool SetReadTimeouts(std::int32_t total, std::int32_t perByte) override;
    bool SetConfig(const TUartConfig& config) override;
    void GetConfig(TUartConfig& config) override;
    QString GetName() override;
    bool IsOpen() override;
    bool GetCts() override;
    bool GetDsr() override;
    bool GetRing() override;
    bool GetDcd() override;
    void SetDtr(bool state) override;
    void SetRts(bool state) override;
    void SetBreak(bool state) override;

    FT_HANDLE Handle;
    bool ImmediateRead;
    QString Description;
    QString SerialNumber;
    std::int32_t LatencyMs;

private:
    void ApplyWriteTimeouts();
    DWORD ModemStatus();
};
