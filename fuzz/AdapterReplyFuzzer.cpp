// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as the adapter's answers: the host's link and command set, and the model's read and
// write of the connector, meet them through an in-process device and must neither crash nor
// take a bad image.

#include "Library/Serial/USB/UsbUart.h"
#include "adapter/TarnAdapter.h"
#include "model/Q47.h"
#include "platform/d2xx/DeviceList.h"
#include "platform/d2xx/InProcessDevice.h"
#include "platform/framework/Exceptions.h"

#include <cstdint>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

// Answers every request with the next piece of the input; once the input is used up, it is
// pulled out, so that nothing waits for answers that will never come.
class ScriptedAdapter : public d2xx::InProcessDevice {
public:
    explicit ScriptedAdapter(FuzzedDataProvider& input)
        : InProcessDevice("USB FETCHer Adapter", "FUZZ"), Input(input) {
        d2xx::attach(*this);
    }
    ~ScriptedAdapter() override { d2xx::detach(*this); }

    // Every answer is queued as the request comes in: nothing comes later.
    bool answersOnlyWhenWritten() const override { return true; }

    void received(const std::uint8_t*, std::size_t) override {
        if (Input.remaining_bytes() == 0) {
            d2xx::detach(*this);
            return;
        }
        const std::string reply = Input.ConsumeRandomLengthString(40);
        send(reinterpret_cast<const std::uint8_t*>(reply.data()), reply.size());
    }

private:
    FuzzedDataProvider& Input;
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Only the scripted adapter is listed: no kernel devices, no port files.
    d2xx::setSystemRoots({"/nonexistent", "/nonexistent"});
    setenv("BROOKFETCH_PORTS", "/nonexistent/ports", 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const int operations = input.ConsumeIntegralInRange(1, 6);
    ScriptedAdapter adapter(input);
    TTarnDevice device;
    // Short replies cost a read time-out each, and a failed exchange a wait for a quiet line;
    // a millisecond or so is enough here.
    device.Timing = {1, 0, std::chrono::milliseconds(0), std::chrono::milliseconds(1),
                     std::chrono::milliseconds(5)};
    TQ47 model;
    model.Device = &device;
    try {
        if (!device.Connect())
            return 0;
        for (int i = 0; i < operations && input.remaining_bytes() > 0; ++i) {
            std::uint8_t block[32];
            TPresence presence = TPresence::Absent;
            switch (input.ConsumeIntegralInRange(0, 5)) {
            case 0:
                device.ReadVersion();
                break;
            case 1:
                device.CheckConnector(presence);
                break;
            case 2:
                device.ReadBlock(input.ConsumeIntegral<std::uint16_t>(), block,
                                 input.ConsumeIntegralInRange(1, 32));
                break;
            case 3:
                device.WriteBlock(input.ConsumeIntegral<std::uint16_t>(), block,
                                  input.ConsumeIntegralInRange(1, 32));
                break;
            case 4:
                if (model.ReadConnector() && !model.ImageValid())
                    std::abort();
                break;
            case 5:
                model.WriteConnector();
                break;
            }
        }
    } catch (const Exception&) {
        // The program's own internal errors (a receive queue that never drains) are shown to
        // the user; anything else escaping would be a fault.
    }
    return 0;
}
