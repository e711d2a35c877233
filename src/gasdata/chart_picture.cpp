#include "gasdata/chart_picture.h"

#include <string>

#include "gasdata/data_file.h"

namespace zor06::gasdata {

dialogue::FileChoice ChartPictureChoice(const DataSet& set, const std::filesystem::path& programDir,
                                        const bytes::ControllerDateTime& today) {
    const std::filesystem::path dir = programDir / KindOf(set.kind).directory;
    const std::filesystem::path name =
        std::filesystem::path(DefaultDataFileName(set, today)).replace_extension(kPngExtension);
    return {"Сохранить как PNG", dir, std::string("*") + kPngExtension, dir / name};
}

}  // namespace zor06::gasdata
