#pragma once

#include <memory>

// Holds back, for its lifetime, the signals by which the system or a user ends a program
// (hang-up, quit, interrupt, terminate), so that nothing cuts a connector transfer short. A
// signal that comes meanwhile is only noted; Release() says which came first, and the program
// then ends in its own orderly way. A signal that the program was started with ignored stays
// ignored.
//
//     TStopSignalHold hold;
//     ... the transfer ...
//     if (const int signal = hold.Release(); signal != 0)
//         ... end the program ...
class TStopSignalHold {
public:
    TStopSignalHold();
    ~TStopSignalHold(); // releases, forgetting the signal
    TStopSignalHold(const TStopSignalHold&) = delete;
    TStopSignalHold& operator=(const TStopSignalHold&) = delete;

    // Gives the signals their earlier handling back; the first signal that came while they
    // were held, or 0. Later calls return 0.
    int Release();

private:
    struct TSaved;
    std::unique_ptr<TSaved> Saved;
};
