// Putting a configuration into the controller image before its tables are written back, with the
// checks the controller would otherwise refuse it for.
#pragma once

#include "config/config_buffer.h"
#include "dialogue/operator.h"
#include "tables/controller_image.h"

namespace zor06::config {

// Copies the configuration's tables into the image; `withUsers` when the users table is to be
// written as well. The first fault found is shown (an InputError message) and stops the copy: the
// image then holds the parts copied before it.
bool PrepareImage(const ConfigBuffer& buffer, tables::ControllerImage& image, bool withUsers,
                  dialogue::Operator& op);

}  // namespace zor06::config
