// SPDX-License-Identifier: GPL-3.0-or-later
// The system driver of the Windows build: FTDI's own FTD2XX.DLL, loaded when devices are first
// looked for, lists its devices first; the in-process devices tests attach come after them.
// Without the library (the adapter maker's driver is not installed) there is no adapter, and
// DriverProblem() says why.
#include "platform/d2xx/DriverProblem.h"
#include "platform/d2xx/PortDriver.h"

#include <cstdint>
#include <map>
#include <mutex>
#include <windows.h>

namespace d2xx {

namespace {

constexpr const char* NotInstalled = "FTDI's D2XX driver (FTD2XX.DLL) is not installed";

// The vendor's entry points, found by name. Their types are those of our own declarations.
struct Vendor {
    decltype(&FT_ListDevices) ListDevices = nullptr;
    decltype(&FT_Open) Open = nullptr;
    decltype(&FT_SetLatencyTimer) SetLatencyTimer = nullptr;
    decltype(&FT_GetQueueStatus) GetQueueStatus = nullptr;
    decltype(&FT_Purge) Purge = nullptr;
    decltype(&FT_SetBaudRate) SetBaudRate = nullptr;
    decltype(&FT_SetDataCharacteristics) SetDataCharacteristics = nullptr;
    decltype(&FT_SetFlowControl) SetFlowControl = nullptr;
    decltype(&FT_SetDtr) SetDtr = nullptr;
    decltype(&FT_ClrDtr) ClrDtr = nullptr;
    decltype(&FT_SetRts) SetRts = nullptr;
    decltype(&FT_ClrRts) ClrRts = nullptr;
    decltype(&FT_SetBreakOn) SetBreakOn = nullptr;
    decltype(&FT_SetBreakOff) SetBreakOff = nullptr;
    decltype(&FT_W32_CloseHandle) W32_CloseHandle = nullptr;
    decltype(&FT_W32_ReadFile) W32_ReadFile = nullptr;
    decltype(&FT_W32_WriteFile) W32_WriteFile = nullptr;
    decltype(&FT_W32_GetCommTimeouts) W32_GetCommTimeouts = nullptr;
    decltype(&FT_W32_SetCommTimeouts) W32_SetCommTimeouts = nullptr;
    decltype(&FT_W32_GetCommModemStatus) W32_GetCommModemStatus = nullptr;
};

template <typename Function>
bool Bind(HMODULE library, const char* name, Function& function, std::string& missing) {
    // Through void(*)(), the one cast between function types the compiler takes as meant.
    function =
        reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
    if (!function && missing.empty())
        missing = name;
    return function != nullptr;
}

// The library from the program's own folder or the system's, never from the current folder,
// which may be a download folder holding anything.
HMODULE LoadVendorLibrary() {
    HMODULE library = LoadLibraryExW(L"FTD2XX.DLL", nullptr, LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
    if (!library && GetLastError() == ERROR_INVALID_PARAMETER) // a Windows without that search
        library = LoadLibraryExW(L"FTD2XX.DLL", nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    return library;
}

// Devices of this process only: the vendor's library has the rest.
class InProcessDevices : public DeviceSource {
public:
    std::vector<DeviceEntry> list() override { return listInProcessDevices(); }
    std::unique_ptr<Port> open(const DeviceEntry&, FT_STATUS& status, OpenRefusal&) override {
        status = FT_DEVICE_NOT_FOUND; // nothing but in-process devices is listed here
        return nullptr;
    }
};

class WindowsDriver : public ReasonedDriver {
public:
    // Whether devices can be listed at all: the vendor's library is there, or a test attached
    // devices of its own.
    bool available() { return load() != nullptr || !listInProcessDevices().empty(); }
    std::string problem() {
        load();
        std::lock_guard lock(mutex_);
        return problem_;
    }
    // FTDI's driver names no port; a device is reached by its serial number or by its index in
    // the list, which therefore stands as its port (brookfetch-cli's --port takes it).
    std::string DevicePort(int deviceNumber) override { return std::to_string(deviceNumber); }

    FT_STATUS ListDevices(PVOID arg1, PVOID arg2, DWORD flags) override {
        if (flags & FT_LIST_NUMBER_ONLY) {
            if (!arg1)
                return FT_INVALID_PARAMETER;
            DWORD vendorCount = 0;
            if (const Vendor* vendor = load())
                if (vendor->ListDevices(&vendorCount, nullptr, FT_LIST_NUMBER_ONLY) != FT_OK)
                    vendorCount = 0; // its devices cannot be listed, so none can be opened
            DWORD ownCount = 0;
            const FT_STATUS status = ports_->ListDevices(&ownCount, nullptr, FT_LIST_NUMBER_ONLY);
            {
                std::lock_guard lock(mutex_);
                vendorCount_ = vendorCount;
                counted_ = true;
            }
            *static_cast<DWORD*>(arg1) = vendorCount + ownCount;
            return status;
        }
        if (flags & FT_LIST_BY_INDEX) {
            const auto index = static_cast<DWORD>(reinterpret_cast<std::uintptr_t>(arg1));
            const DWORD vendorCount = counted();
            if (index < vendorCount)
                return vendor_.ListDevices(arg1, arg2, flags);
            return ports_->ListDevices(reinterpret_cast<PVOID>(std::uintptr_t{index - vendorCount}),
                                       arg2, flags);
        }
        if (flags & FT_LIST_ALL) {
            // arg1: one buffer per device, the vendor's first; arg2: the device count.
            if (!arg1 || !arg2)
                return FT_INVALID_PARAMETER;
            DWORD vendorCount = 0;
            if (const Vendor* vendor = load())
                if (vendor->ListDevices(arg1, &vendorCount, flags) != FT_OK)
                    vendorCount = 0;
            DWORD ownCount = 0;
            const FT_STATUS status =
                ports_->ListDevices(static_cast<char**>(arg1) + vendorCount, &ownCount, flags);
            {
                std::lock_guard lock(mutex_);
                vendorCount_ = vendorCount;
                counted_ = true;
            }
            *static_cast<DWORD*>(arg2) = vendorCount + ownCount;
            return status;
        }
        return FT_INVALID_PARAMETER;
    }

    // The vendor's FT_Open tells no reason; the in-process devices' driver does, and a device
    // beyond them while the vendor's library is missing is missing for that reason.
    FT_STATUS OpenWithReason(int deviceNumber, FT_HANDLE* handle, OpenFailure& failure) override {
        failure = {};
        if (!handle || deviceNumber < 0)
            return handle ? FT_DEVICE_NOT_FOUND : FT_INVALID_PARAMETER;
        const DWORD vendorCount = counted();
        const bool fromVendor = static_cast<DWORD>(deviceNumber) < vendorCount;
        FT_HANDLE inner = nullptr;
        const FT_STATUS status =
            fromVendor ? vendor_.Open(deviceNumber, &inner)
                       : ports_->OpenWithReason(deviceNumber - static_cast<int>(vendorCount),
                                                &inner, failure);
        if (status == FT_DEVICE_NOT_FOUND && !fromVendor && !load())
            failure.reason = OpenRefusal::DriverMissing;
        if (status != FT_OK)
            return status;
        std::lock_guard lock(mutex_);
        const std::uintptr_t id = ++lastId_;
        open_.emplace(id, Opened{fromVendor, inner});
        *handle = reinterpret_cast<FT_HANDLE>(id);
        return FT_OK;
    }

    FT_STATUS SetLatencyTimer(FT_HANDLE handle, UCHAR latency) override {
        return call(handle, &Vendor::SetLatencyTimer, &Driver::SetLatencyTimer, latency);
    }
    FT_STATUS GetQueueStatus(FT_HANDLE handle, DWORD* rxBytes) override {
        return call(handle, &Vendor::GetQueueStatus, &Driver::GetQueueStatus, rxBytes);
    }
    FT_STATUS Purge(FT_HANDLE handle, ULONG mask) override {
        return call(handle, &Vendor::Purge, &Driver::Purge, mask);
    }
    FT_STATUS SetBaudRate(FT_HANDLE handle, ULONG baudRate) override {
        return call(handle, &Vendor::SetBaudRate, &Driver::SetBaudRate, baudRate);
    }
    FT_STATUS SetDataCharacteristics(FT_HANDLE handle, UCHAR wordLength, UCHAR stopBits,
                                     UCHAR parity) override {
        return call(handle, &Vendor::SetDataCharacteristics, &Driver::SetDataCharacteristics,
                    wordLength, stopBits, parity);
    }
    FT_STATUS SetFlowControl(FT_HANDLE handle, USHORT flowControl, UCHAR xon, UCHAR xoff) override {
        return call(handle, &Vendor::SetFlowControl, &Driver::SetFlowControl, flowControl, xon,
                    xoff);
    }
    FT_STATUS SetDtr(FT_HANDLE handle) override {
        return call(handle, &Vendor::SetDtr, &Driver::SetDtr);
    }
    FT_STATUS ClrDtr(FT_HANDLE handle) override {
        return call(handle, &Vendor::ClrDtr, &Driver::ClrDtr);
    }
    FT_STATUS SetRts(FT_HANDLE handle) override {
        return call(handle, &Vendor::SetRts, &Driver::SetRts);
    }
    FT_STATUS ClrRts(FT_HANDLE handle) override {
        return call(handle, &Vendor::ClrRts, &Driver::ClrRts);
    }
    FT_STATUS SetBreakOn(FT_HANDLE handle) override {
        return call(handle, &Vendor::SetBreakOn, &Driver::SetBreakOn);
    }
    FT_STATUS SetBreakOff(FT_HANDLE handle) override {
        return call(handle, &Vendor::SetBreakOff, &Driver::SetBreakOff);
    }

    BOOL W32_CloseHandle(FT_HANDLE handle) override {
        Opened closing;
        {
            std::lock_guard lock(mutex_);
            auto it = open_.find(reinterpret_cast<std::uintptr_t>(handle));
            if (it == open_.end())
                return false;
            closing = it->second;
            open_.erase(it);
        }
        return closing.vendor ? vendor_.W32_CloseHandle(closing.inner)
                              : ports_->W32_CloseHandle(closing.inner);
    }
    BOOL W32_ReadFile(FT_HANDLE handle, LPVOID buffer, DWORD size, LPDWORD returned,
                      LPOVERLAPPED overlapped) override {
        return call<BOOL>(handle, &Vendor::W32_ReadFile, &Driver::W32_ReadFile, buffer, size,
                          returned, overlapped);
    }
    BOOL W32_WriteFile(FT_HANDLE handle, LPVOID buffer, DWORD size, LPDWORD written,
                       LPOVERLAPPED overlapped) override {
        return call<BOOL>(handle, &Vendor::W32_WriteFile, &Driver::W32_WriteFile, buffer, size,
                          written, overlapped);
    }
    BOOL W32_GetCommTimeouts(FT_HANDLE handle, LPFTTIMEOUTS timeouts) override {
        return call<BOOL>(handle, &Vendor::W32_GetCommTimeouts, &Driver::W32_GetCommTimeouts,
                          timeouts);
    }
    BOOL W32_SetCommTimeouts(FT_HANDLE handle, LPFTTIMEOUTS timeouts) override {
        return call<BOOL>(handle, &Vendor::W32_SetCommTimeouts, &Driver::W32_SetCommTimeouts,
                          timeouts);
    }
    BOOL W32_GetCommModemStatus(FT_HANDLE handle, LPDWORD modemStatus) override {
        return call<BOOL>(handle, &Vendor::W32_GetCommModemStatus, &Driver::W32_GetCommModemStatus,
                          modemStatus);
    }

private:
    struct Opened {
        bool vendor = false;
        FT_HANDLE inner = nullptr;
    };

    // The vendor's library once it is there with every function we call; it is looked for
    // again at every count until then, so a driver installed meanwhile is found. Once loaded it
    // stays: its handles may be open.
    const Vendor* load() {
        std::lock_guard lock(mutex_);
        if (loaded_)
            return &vendor_;
        HMODULE library = LoadVendorLibrary();
        if (!library) {
            problem_ = NotInstalled;
            return nullptr;
        }
        Vendor vendor;
        std::string missing;
        Bind(library, "FT_ListDevices", vendor.ListDevices, missing);
        Bind(library, "FT_Open", vendor.Open, missing);
        Bind(library, "FT_SetLatencyTimer", vendor.SetLatencyTimer, missing);
        Bind(library, "FT_GetQueueStatus", vendor.GetQueueStatus, missing);
        Bind(library, "FT_Purge", vendor.Purge, missing);
        Bind(library, "FT_SetBaudRate", vendor.SetBaudRate, missing);
        Bind(library, "FT_SetDataCharacteristics", vendor.SetDataCharacteristics, missing);
        Bind(library, "FT_SetFlowControl", vendor.SetFlowControl, missing);
        Bind(library, "FT_SetDtr", vendor.SetDtr, missing);
        Bind(library, "FT_ClrDtr", vendor.ClrDtr, missing);
        Bind(library, "FT_SetRts", vendor.SetRts, missing);
        Bind(library, "FT_ClrRts", vendor.ClrRts, missing);
        Bind(library, "FT_SetBreakOn", vendor.SetBreakOn, missing);
        Bind(library, "FT_SetBreakOff", vendor.SetBreakOff, missing);
        Bind(library, "FT_W32_CloseHandle", vendor.W32_CloseHandle, missing);
        Bind(library, "FT_W32_ReadFile", vendor.W32_ReadFile, missing);
        Bind(library, "FT_W32_WriteFile", vendor.W32_WriteFile, missing);
        Bind(library, "FT_W32_GetCommTimeouts", vendor.W32_GetCommTimeouts, missing);
        Bind(library, "FT_W32_SetCommTimeouts", vendor.W32_SetCommTimeouts, missing);
        Bind(library, "FT_W32_GetCommModemStatus", vendor.W32_GetCommModemStatus, missing);
        if (!missing.empty()) {
            FreeLibrary(library);
            problem_ = std::string(NotInstalled) + ": the FTD2XX.DLL found has no " + missing;
            return nullptr;
        }
        vendor_ = vendor;
        loaded_ = true;
        problem_.clear();
        return &vendor_;
    }

    // The vendor's share of the device list, counted now if no count came before.
    DWORD counted() {
        {
            std::lock_guard lock(mutex_);
            if (counted_)
                return vendorCount_;
        }
        DWORD count = 0;
        ListDevices(&count, nullptr, FT_LIST_NUMBER_ONLY);
        std::lock_guard lock(mutex_);
        return vendorCount_;
    }

    // One call on an open handle, to whichever driver opened it.
    template <typename Result = FT_STATUS, typename VendorFunction, typename Method,
              typename... Arguments>
    Result call(FT_HANDLE handle, VendorFunction Vendor::*function, Method method,
                Arguments... arguments) {
        Opened opened;
        {
            std::lock_guard lock(mutex_);
            auto it = open_.find(reinterpret_cast<std::uintptr_t>(handle));
            if (it == open_.end()) {
                if constexpr (std::is_same_v<Result, BOOL>)
                    return false;
                else
                    return FT_INVALID_HANDLE;
            }
            opened = it->second;
        }
        if (opened.vendor)
            return (vendor_.*function)(opened.inner, arguments...);
        return ((*ports_).*method)(opened.inner, arguments...);
    }

    InProcessDevices inProcess_;
    std::unique_ptr<Driver> ports_ = makePortDriver(inProcess_);
    std::mutex mutex_;
    bool loaded_ = false;
    Vendor vendor_;
    std::string problem_;
    bool counted_ = false;
    DWORD vendorCount_ = 0;
    std::map<std::uintptr_t, Opened> open_;
    std::uintptr_t lastId_ = 0;
};

WindowsDriver& windowsDriver() {
    static WindowsDriver driver;
    return driver;
}

} // namespace

Driver& systemDriver() {
    return windowsDriver();
}

bool systemDriverAvailable() {
    return windowsDriver().available();
}

std::string DriverProblem() {
    return windowsDriver().problem();
}

// Windows has no folder of simulated ports to refuse.
std::string refusedPortFolder() {
    return {};
}

} // namespace d2xx
