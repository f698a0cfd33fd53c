#pragma once

namespace vornith {

// Lets the event loop run pending events in the middle of a long job.
class EventLoop {
public:
    virtual ~EventLoop() = default;
    virtual void yield() = 0;
};

} // namespace vornith
