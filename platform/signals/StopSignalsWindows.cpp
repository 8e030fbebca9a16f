#include "platform/signals/StopSignals.h"

// A window program on Windows is ended through its windows (WM_CLOSE, WM_ENDSESSION), never by
// a signal in the middle of a transfer: there is nothing to hold back.
struct TStopSignalHold::TSaved {};

TStopSignalHold::TStopSignalHold() : Saved(std::make_unique<TSaved>()) {}

TStopSignalHold::~TStopSignalHold() = default;

int TStopSignalHold::Release() {
    Saved.reset();
    return 0;
}
