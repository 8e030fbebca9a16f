// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/process/Process.h"

#include <windows.h>

#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <mutex>
#include <shellapi.h>
#include <thread>

namespace process {
namespace {

std::atomic<bool> Requested{false};
std::atomic<bool> Catching{false};
// What a wait sleeps on: the console's handler runs on a thread of its own and wakes it.
std::mutex WaitLock;
std::condition_variable Woken;

// The exit code of a console program ended by Ctrl+C or Ctrl+Break, as cmd.exe knows it.
constexpr DWORD EndedByConsoleEvent = 0xC000013AUL;

void Wake() {
    {
        const std::lock_guard<std::mutex> lock(WaitLock);
        Requested = true;
    }
    Woken.notify_all();
}

BOOL WINAPI OnConsoleEvent(DWORD event) {
    switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
        Wake();
        return TRUE;
    case CTRL_CLOSE_EVENT:
    case CTRL_LOGOFF_EVENT:
    case CTRL_SHUTDOWN_EVENT:
        // Returning lets the system end the process at once. Held here instead, the program
        // finishes the connector in hand and ends itself (the system allows a few seconds).
        Wake();
        for (;;)
            ::Sleep(INFINITE);
    default:
        return FALSE;
    }
}

// The event through which the program that started process `id` asks it to stop: made by that
// program before the process runs, so a lane finds it from its first instruction on. Console
// events cannot do this for a program without a console, nor under Wine.
std::wstring StopEventName(DWORD id) {
    return L"Local\\Brookfetch-Stop-" + std::to_wstring(id);
}

void CALLBACK OnStopEvent(void*, BOOLEAN) {
    Wake();
}

HANDLE Handle(TStream stream) {
    return ::GetStdHandle(stream == TStream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
}

// One argument of a command line as CommandLineToArgvW and the C runtime read it back: quoted
// when needed, a backslash doubled only before a quote.
std::wstring Quoted(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos)
        return argument;
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, L'\\');
    return quoted + L'"';
}

} // namespace

std::vector<TNativeString> Arguments(int, char*[]) {
    std::vector<TNativeString> arguments;
    int count = 0;
    LPWSTR* list = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (list == nullptr)
        return arguments;
    for (int i = 0; i < count; ++i)
        arguments.emplace_back(list[i]);
    ::LocalFree(list);
    return arguments;
}

bool IsTerminal(TStream stream) {
    DWORD mode = 0;
    return ::GetConsoleMode(Handle(stream), &mode) != 0;
}

int TerminalColumns(TStream stream) {
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (!::GetConsoleScreenBufferInfo(Handle(stream), &info))
        return 0;
    return info.srWindow.Right - info.srWindow.Left + 1;
}

void UseUtf8Console() {
    ::SetConsoleOutputCP(CP_UTF8);
}

const char* FileOnlyGuiPlatform() {
    return nullptr;
}

void CatchStopRequests() {
    if (Catching.exchange(true))
        return;
    ::SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
    // A lane (or any program started so) is asked to stop through its stop event.
    if (HANDLE stop =
            ::OpenEventW(SYNCHRONIZE, FALSE, StopEventName(::GetCurrentProcessId()).c_str())) {
        HANDLE wait = nullptr;
        ::RegisterWaitForSingleObject(&wait, stop, OnStopEvent, nullptr, INFINITE,
                                      WT_EXECUTEONLYONCE);
    }
}

// A window program has no console and meets none of these events; a console program that
// holds them (a test of the windows) takes them as the command line does.
struct TStopHold::TSaved {
    bool Replaced = false;
};

TStopHold::TStopHold() : Saved(std::make_unique<TSaved>()) {
    if (Catching)
        return;
    Requested = false;
    Saved->Replaced = ::SetConsoleCtrlHandler(OnConsoleEvent, TRUE) != 0;
}

TStopHold::~TStopHold() {
    Release();
}

int TStopHold::Release() {
    if (!Saved)
        return 0;
    const bool held = Saved->Replaced;
    Saved.reset();
    if (!held)
        return 0;
    ::SetConsoleCtrlHandler(OnConsoleEvent, FALSE);
    return Requested.exchange(false) ? static_cast<int>(EndedByConsoleEvent) : 0;
}

bool StopRequested() {
    return Requested;
}

void RequestStop() {
    Wake();
}

void EndAsRequested(int code) {
    std::fflush(nullptr);
    ::ExitProcess(Requested ? EndedByConsoleEvent : static_cast<UINT>(code));
}

bool Pause(int milliseconds) {
    std::unique_lock<std::mutex> lock(WaitLock);
    Woken.wait_for(lock, std::chrono::milliseconds(milliseconds), [] { return Requested.load(); });
    return !Requested;
}

struct TChildren::TState {
    struct TChild {
        PROCESS_INFORMATION Process{};
        HANDLE Stop = nullptr; // set to ask the child to stop
        HANDLE Output[2] = {nullptr, nullptr};
        std::thread Readers[2];
        int Open = 0; // streams not yet at their end
        int Code = -1;
    };
    struct TChunk {
        std::size_t Child;
        int Stream;
        std::string Bytes; // empty: the end of the stream
    };
    std::deque<TChild> Children; // a deque: readers keep pointers to their child
    std::deque<TChunk> Chunks;   // guarded by WaitLock

    void AskToStop() {
        for (const TChild& child : Children) {
            if (child.Code < 0)
                ::SetEvent(child.Stop);
        }
    }
    static int Reap(TChild& child) {
        ::WaitForSingleObject(child.Process.hProcess, INFINITE);
        DWORD code = 1;
        ::GetExitCodeProcess(child.Process.hProcess, &code);
        ::CloseHandle(child.Process.hProcess);
        ::CloseHandle(child.Process.hThread);
        ::CloseHandle(child.Stop);
        return static_cast<int>(code);
    }
    void JoinAll() {
        for (TChild& child : Children) {
            for (std::thread& reader : child.Readers) {
                if (reader.joinable())
                    reader.join();
            }
            if (child.Code < 0)
                child.Code = Reap(child);
        }
    }
};

TChildren::TChildren() : State(std::make_unique<TState>()) {}

TChildren::~TChildren() {
    State->AskToStop();
    State->JoinAll();
}

bool TChildren::Start(const std::vector<TNativeString>& arguments) {
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE reads[2] = {nullptr, nullptr};
    HANDLE writes[2] = {nullptr, nullptr};
    const auto closeAll = [&] {
        for (HANDLE handle : {reads[0], reads[1], writes[0], writes[1]}) {
            if (handle != nullptr)
                ::CloseHandle(handle);
        }
    };
    for (int stream = 0; stream < 2; ++stream) {
        if (!::CreatePipe(&reads[stream], &writes[stream], &inherited, 0) ||
            !::SetHandleInformation(reads[stream], HANDLE_FLAG_INHERIT, 0)) {
            closeAll();
            return false;
        }
    }
    HANDLE nothing = ::CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                   &inherited, OPEN_EXISTING, 0, nullptr);
    wchar_t self[32768];
    const DWORD length = ::GetModuleFileNameW(nullptr, self, 32768);
    std::wstring line;
    for (const TNativeString& argument : arguments)
        line += (line.empty() ? L"" : L" ") + Quoted(argument);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nothing;
    startup.hStdOutput = writes[0];
    startup.hStdError = writes[1];
    PROCESS_INFORMATION started{};
    // A group of its own, which a Ctrl+C in the console does not reach: this program passes
    // the request on, through the child's stop event, made before the child runs.
    BOOL ok =
        length > 0 && length < 32768 &&
        ::CreateProcessW(self, line.data(), nullptr, nullptr, TRUE,
                         CREATE_NEW_PROCESS_GROUP | CREATE_UNICODE_ENVIRONMENT | CREATE_SUSPENDED,
                         nullptr, nullptr, &startup, &started);
    HANDLE stop = nullptr;
    if (ok) {
        stop = ::CreateEventW(nullptr, TRUE, FALSE, StopEventName(started.dwProcessId).c_str());
        // One that existed already is someone else's: the child would not be asked by us.
        ok = stop != nullptr && ::GetLastError() != ERROR_ALREADY_EXISTS &&
             ::ResumeThread(started.hThread) != static_cast<DWORD>(-1);
        if (!ok) {
            ::TerminateProcess(started.hProcess, 1);
            ::CloseHandle(started.hProcess);
            ::CloseHandle(started.hThread);
            if (stop != nullptr)
                ::CloseHandle(stop);
        }
    }
    if (nothing != INVALID_HANDLE_VALUE)
        ::CloseHandle(nothing);
    ::CloseHandle(writes[0]);
    ::CloseHandle(writes[1]);
    writes[0] = writes[1] = nullptr;
    if (!ok) {
        closeAll();
        return false;
    }

    const std::size_t index = State->Children.size();
    TState::TChild& child = State->Children.emplace_back();
    child.Process = started;
    child.Stop = stop;
    child.Open = 2;
    for (int stream = 0; stream < 2; ++stream) {
        child.Output[stream] = reads[stream];
        // Anonymous pipes cannot be waited on together: one reader each hands its chunks over.
        child.Readers[stream] = std::thread([this, index, stream, pipe = reads[stream]] {
            char buffer[4096];
            DWORD got = 0;
            for (;;) {
                const bool read = ::ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) != 0;
                {
                    const std::lock_guard<std::mutex> lock(WaitLock);
                    State->Chunks.push_back(
                        {index, stream,
                         read && got > 0 ? std::string(buffer, got) : std::string()});
                }
                Woken.notify_all();
                if (!read || got == 0)
                    break;
            }
            ::CloseHandle(pipe);
        });
    }
    return true;
}

bool TChildren::RelayUntilEnd(const TRelay& relay, std::vector<int>& codes, std::string&) {
    bool forwarded = false;
    std::size_t open = 0;
    for (const TState::TChild& child : State->Children)
        open += static_cast<std::size_t>(child.Open);
    while (open > 0) {
        std::unique_lock<std::mutex> lock(WaitLock);
        Woken.wait(lock, [&] { return !State->Chunks.empty() || (Requested && !forwarded); });
        if (Requested && !forwarded) {
            forwarded = true;
            State->AskToStop();
        }
        std::deque<TState::TChunk> chunks;
        chunks.swap(State->Chunks);
        lock.unlock();
        for (const TState::TChunk& chunk : chunks) {
            TState::TChild& child = State->Children[chunk.Child];
            relay(chunk.Child, chunk.Stream == 0 ? TStream::Output : TStream::Error, chunk.Bytes);
            if (!chunk.Bytes.empty())
                continue;
            --open;
            if (--child.Open == 0) {
                child.Readers[0].join();
                child.Readers[1].join();
                child.Code = TState::Reap(child);
            }
        }
    }
    codes.clear();
    for (const TState::TChild& child : State->Children)
        codes.push_back(child.Code);
    return true;
}

} // namespace process
