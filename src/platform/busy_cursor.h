#pragma once

namespace vornith {

// The application-wide busy (hourglass) pointer: set or cleared, never stacked, so that any
// number of sets is undone by one clear.
class BusyCursor {
public:
    virtual ~BusyCursor() = default;
    virtual void setBusy(bool busy) = 0;
    virtual bool isBusy() const = 0;
};

} // namespace vornith
