#pragma once

namespace vornith {

// Ends the process at once: no handlers, no settings written, no files flushed. The forced
// exit of a busy program. Callers go on as if it returned (a test double does).
class ProcessExit {
public:
    virtual ~ProcessExit() = default;
    virtual void exitNow(int code) = 0;
};

class ImmediateExit final : public ProcessExit {
public:
    [[noreturn]] void exitNow(int code) override;
};

} // namespace vornith
