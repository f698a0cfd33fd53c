#pragma once

#include "platform/program_data.h"

namespace vornith {

// The running program's data folder, as programDataFolder() finds it.
class QtProgramData final : public ProgramData {
  public:
    QString folder() const override { return programDataFolder(); }
};

} // namespace vornith
