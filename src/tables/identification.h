// Identifying the controller after a connection: the type and version checks, the tables every
// later operation relies on, and the identification screen's lines.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tables/table_service.h"

namespace zor06::tables {

constexpr int kServedType = 73;
constexpr int kServedVersion = 6;
constexpr int kEncal3000 = 3;

// Checks type and software version in table 0 of the image; a refusal is shown as an Info message.
bool AcceptController(const ControllerImage& image, dialogue::Operator& op);

// Reads the names, the system parameters, the chromatograph link and table 41 field 0.
bool ReadAfterIdentification(TableContext& ctx);

enum class IdentifyOutcome {
    Failed,      // no table 0, or a controller the program does not serve
    Identified,  // accepted and the post-identification reads succeeded
    NotReady,    // accepted, but the post-identification reads failed
};

// What the identification leaves to the program's screens. Both steps are optional: a caller
// without screens (the command-line tool) asks no credentials and restores nothing, and the
// defaults do exactly that.
class IdentifySteps {
public:
    virtual ~IdentifySteps() = default;
    // Asks the program user's credentials (direct line and Ethernet ask after acceptance).
    // By default nothing is asked.
    virtual void AskCredentials() {}
    // Runs the restoration of destroyed tables once table 7 has been read; returns whether the
    // controller counts as identified afterwards. None (the default) when no restoration is
    // wired: the identification goes on with the post-identification reads.
    virtual std::optional<bool> RestoreTables(TableContext& ctx);
};

// Reads table 0, accepts or refuses the controller and reads what follows. `answeredFrom`
// receives the address the controller answered from, for a stored address of 255.
IdentifyOutcome Identify(TableContext& ctx, IdentifySteps& steps, int* answeredFrom);

// Reads table 0 afresh: the number of the table the controller counts as destroyed, 0 when none.
std::optional<int> ReadDestroyedTable(TableContext& ctx);

// What the identification screen shows beside table 0: the controller's software checksum
// (table 41 field 1), when the controller answers it.
struct Identification {
    std::optional<std::uint32_t> softwareChecksum;
    const std::uint32_t* Checksum() const {
        return softwareChecksum ? &*softwareChecksum : nullptr;
    }
};

// Reads table 0 afresh and then the checksum; nothing when table 0 could not be read.
std::optional<Identification> ReadIdentification(TableContext& ctx);

// The identification screen: label and value per line, labels that the screen splits over
// lines joined by one blank. `checksum` is table 41 field 1 when it could be read. A configuration
// file whose identification was not read from a controller knows only the type and the version.
std::vector<std::pair<std::string, std::string>> IdentificationLines(const ControllerImage& image,
                                                                     const std::uint32_t* checksum,
                                                                     bool complete = true);

}  // namespace zor06::tables
