#pragma once

#include "platform/event_loop.h"

namespace vornith {

class QtEventLoop final : public EventLoop {
public:
    void yield() override;
};

} // namespace vornith
