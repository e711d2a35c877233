// After table 3 was written over the line the program uses, the program follows the controller
// to its new address and, on the direct line, its new baud rate.
#pragma once

#include <cstdint>
#include <span>

#include "config/upper_link_editor.h"
#include "link/hgcbox.h"
#include "settings/settings_types.h"

namespace zor06::config {

// The link's address becomes byte 0 and so does the remembered address of the current link
// kind; over the direct line the link's baud rate and the remembered rate become the rate of
// byte 1.
void FollowUpperLinkWrite(link::hgcbox& link, settings::LinkSettings& settings,
                          std::span<const std::uint8_t, kUpperLinkBytes> table3);

}  // namespace zor06::config
