#include "platform/d2xx/OpenFailure.h"

#include <mutex>

namespace d2xx {
namespace {
std::mutex guard;
OpenFailure latest;
} // namespace

OpenFailure lastOpenFailure() {
    std::lock_guard lock(guard);
    return latest;
}

void recordOpenFailure(OpenFailure failure) {
    std::lock_guard lock(guard);
    latest = std::move(failure);
}

} // namespace d2xx
