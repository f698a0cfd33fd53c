#pragma once

#include "platform/busy_cursor.h"

namespace vornith {

// The hourglass as an application override cursor, set at most once.
class QtBusyCursor final : public BusyCursor {
public:
    ~QtBusyCursor() override { setBusy(false); }
    void setBusy(bool busy) override;
    bool isBusy() const override { return busy_; }

private:
    bool busy_ = false;
};

} // namespace vornith
