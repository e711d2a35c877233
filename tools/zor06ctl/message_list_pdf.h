// --pdf of the message commands: the printed list of a view under the organisation name of the
// work directory, as the view's "Печать" makes it.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "dataset/data_set_header.h"
#include "messages/message_view.h"
#include "zor06ctl/commands.h"

namespace zor06::ctl {

// The organisation name the list will carry: empty without --pdf; none after saying why the work
// directory could not be made. Taken before the reading, so that a failure costs none.
std::optional<std::string> ListOrganisation(const Session& s);

// Writes the list to --pdf when it was given; false after "Ошибка печати данных".
bool WriteMessageListPdf(const Session& s, const std::string& organisation,
                         const dataset::HdmHeader& header, const messages::MessageView& view);

}  // namespace zor06::ctl
