#pragma once

#include "platform/shell.h"

namespace vornith {

class QtShell final : public Shell {
public:
    void open(const QString& target, std::function<void()> fallo) override;
    bool startInstance(const QStringList& arguments) override;
};

} // namespace vornith
