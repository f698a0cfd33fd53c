#pragma once

#include "platform/shell.h"

namespace vornith {

class QtShell final : public Shell {
public:
    bool open(const QString& target) override;
    bool startInstance(const QStringList& arguments) override;
};

} // namespace vornith
