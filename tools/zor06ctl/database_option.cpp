#include "zor06ctl/database_option.h"

#include <cstdio>
#include <string>

namespace zor06::ctl {

std::unique_ptr<store::CollectionStore> OpenDatabase(Session& s) {
    std::string uri = s.cl.ValueOf({kDbOption.name});
    if (uri.empty()) {
        const auto workDir = WorkDirectory(s);
        if (!workDir) {
            return nullptr;
        }
        uri = "sqlite:" + (*workDir / "zor06.sqlite").string();
    }
    std::string error;
    auto store = store::OpenStore(uri, &error);
    if (!store) {
        std::fprintf(stderr, "%s\n", error.c_str());
    }
    return store;
}

}  // namespace zor06::ctl
