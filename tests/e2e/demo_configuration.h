// A configuration the demonstration controller accepts: its users, sixteen flow computers and a
// contract-hour change that shows the write reached the controller.
#pragma once

#include "config/config_buffer.h"
#include "config/users_editors.h"
#include "config/users_table.h"
#include "zor06-sim/access.h"

namespace zor06::test {

inline config::ConfigBuffer DemoConfiguration() {
    config::ConfigBuffer b = config::NewConfiguration();
    config::EncodeUsers(sim::DefaultUsers(),
                        b.Part(config::part::kUsers).first<config::kUsersBytes>());
    b.Part(config::part::kFlowLine)[0] = 16;
    b.Part(config::part::kSystem)[3] = 7;
    return b;
}

}  // namespace zor06::test
