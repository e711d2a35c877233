// The commands of zor06ctl; each returns the process exit status.
#pragma once

#include "link/hgcbox.h"
#include "zor06ctl/cli_options.h"
#include "zor06ctl/console_operator.h"

namespace zor06::ctl {

// Opens the link that --tcp or --serial names; false after reporting why.
bool ConnectLink(link::hgcbox& link, const LinkOptions& options, link::Operator& op);

int RunReadTable(link::hgcbox& link, const CommandLine& cl, link::Operator& op);
int RunWriteTable(link::hgcbox& link, const CommandLine& cl, link::Operator& op);
int RunRequest(link::hgcbox& link, const CommandLine& cl, link::Operator& op);
int RunSearch(link::hgcbox& link, const CommandLine& cl, link::Operator& op);

}  // namespace zor06::ctl
