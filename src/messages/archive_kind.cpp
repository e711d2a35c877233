#include "messages/archive_kind.h"

namespace zor06::messages {
namespace {

constexpr ArchiveKind kDiagnostics{Archive::Diagnostics,
                                   0,
                                   10,
                                   22,
                                   11,
                                   "datafile.ala",
                                   "ALA",
                                   "Диагностические сообщения",
                                   "в архиве диагностических сообщений"};
constexpr ArchiveKind kInterventions{Archive::Interventions,
                                     1,
                                     11,
                                     24,
                                     10,
                                     "datafile.aud",
                                     "AUD",
                                     "Сообщения о вмешательствах оператора",
                                     "в архиве сообщений о вмешательствах"};

}  // namespace

const ArchiveKind& KindOf(Archive archive) {
    return archive == Archive::Interventions ? kInterventions : kDiagnostics;
}

}  // namespace zor06::messages
