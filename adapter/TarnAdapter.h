#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

class TUsbUart;

// Receives the bytes that pass the adapter link; nothing in the window program attaches one.
class TTraceSink {
public:
    enum : int { Reply = 1, Request = 2, Unexpected = 3 };

    virtual ~TTraceSink() = default;
    // direction 1: a reply received in full (after the acknowledge byte); 2: a request sent
    // (without the lead byte); 3: unexpected bytes (wrong acknowledge, short reply).
    virtual void TraceData(int direction, const std::uint8_t* bytes, int count) = 0;
    // "Unable send\n" and "Rx timeout\n".
    virtual void TraceText(const QString& text) = 0;
};

// The host side of the framed request/reply link to the USB adapter. The link comes up on
// demand at the first exchange and goes down when a send fails.
class TTarnAdapter {
public:
    static constexpr std::uint8_t LeadByte = 0x5A;
    static constexpr std::uint8_t AckByte = 0xA5;
    static constexpr int Attempts = 5;

    TTarnAdapter();
    ~TTarnAdapter();
    TTarnAdapter(const TTarnAdapter&) = delete;
    TTarnAdapter& operator=(const TTarnAdapter&) = delete;

    std::unique_ptr<TUsbUart> Uart; // null while the link is down
    TTraceSink* Monitor;            // not owned
    QString Description;            // "USB FETCHer Adapter"

    bool Connect();
    // Opens the device at this index of the device list with the adapter's line settings and
    // time-outs and keeps it as Uart. Connect uses it after finding the adapter by its
    // description; a caller that picks one of several adapters itself may use it directly.
    bool OpenUart(std::int32_t index); // finds and opens the adapter unless the link is up
    void Disconnect();
    // A request of 1 to 63 bytes goes out behind the lead byte; other lengths raise.
    bool Send(const std::uint8_t* request, int length);
    // Exactly `length` (at least 1) reply bytes behind the acknowledge byte.
    bool Receive(std::uint8_t* reply, int length);
    // One exchange, tried up to Attempts times.
    bool Transact(const std::uint8_t* request, int requestLength, std::uint8_t* reply,
                  int replyLength);
};

// The adapter's command set: version, connector presence and memory kind, block transfers.
class TTarnDevice : public TTarnAdapter {
public:
    TTarnDevice();

    std::function<void(int)> OnProgress; // percent done, called between blocks
    std::uint16_t Version;               // high byte major, low byte minor
    bool SmallMemory;
    int BlockSize; // 8 small, 32 large; the small values until a connector is found
    int Capacity;  // 256 small, 32768 large

    bool ReadVersion();
    bool CheckConnector(bool& present);
    // One command each; a block is 1 to 32 bytes, other counts raise.
    bool ReadBlock(int address, std::uint8_t* destination, int count);
    bool WriteBlock(int address, const std::uint8_t* source, int count); // true when stored
    // Any length of at least 1 (less raises), in blocks, with OnProgress between them. Writes
    // never cross a multiple of BlockSize. Both stop at the first failed block.
    bool ReadMemory(int address, std::uint8_t* destination, int length);
    bool WriteMemory(int address, const std::uint8_t* source, int length);
};
