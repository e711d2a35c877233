// The controller's current state and the functions it can carry out, as the status windows show
// them.
#include <cstdio>
#include <string>
#include <vector>

#include "messages/current_state.h"
#include "messages/flow_exchange.h"
#include "messages/function_info.h"
#include "text/text_format.h"
#include "zor06ctl/commands.h"
#include "zor06ctl/json.h"

namespace zor06::ctl {
namespace {

struct StateLineOut {
    std::string label;
    messages::StateText value;
};

// The lines that carry a value, labelled by their own text or by their group's heading.
std::vector<StateLineOut> FilledLines(const messages::CurrentState& state) {
    std::vector<StateLineOut> lines;
    for (const messages::StateLine& line : messages::CurrentStateLines()) {
        if (const auto& value = state.Value(line.item); line.hasValue && value) {
            lines.push_back(
                {line.label.empty() ? messages::HeadingText(line) : std::string(line.label),
                 *value});
        }
    }
    return lines;
}

std::string JsonText(const messages::StateText& value) {
    return text::Printf("{\"text\": %s, \"abnormal\": %s}", JsonString(value.text).c_str(),
                        value.red ? "true" : "false");
}

void PrintJson(const std::vector<StateLineOut>& lines,
               const std::vector<messages::FlowRow>& flowRows) {
    std::string json = "{\"state\": [";
    for (std::size_t i = 0; i < lines.size(); ++i) {
        json += text::Printf("%s{\"label\": %s, \"value\": %s}", i > 0 ? ", " : "",
                             JsonString(lines[i].label).c_str(), JsonText(lines[i].value).c_str());
    }
    json += "], \"flowComputers\": [";
    for (std::size_t i = 0; i < flowRows.size(); ++i) {
        json +=
            text::Printf("%s{\"address\": %s, \"link\": %s, \"writing\": %s}", i > 0 ? ", " : "",
                         flowRows[i].address.c_str(), JsonText(flowRows[i].link).c_str(),
                         JsonText(flowRows[i].writing).c_str());
    }
    std::printf("%s]}\n", json.c_str());
}

void PrintText(const std::vector<StateLineOut>& lines,
               const std::vector<messages::FlowRow>& flowRows) {
    for (const StateLineOut& line : lines) {
        std::printf("%s\t%s\n", line.label.c_str(), line.value.text.c_str());
    }
    if (flowRows.empty()) {
        return;
    }
    std::string heading;
    for (const messages::ColumnHeading& column : messages::kFlowColumns) {
        if (!heading.empty()) {
            heading += '\t';
        }
        heading.append(column.line1).append(" ").append(column.line2);
    }
    std::printf("%s\n", heading.c_str());
    for (const messages::FlowRow& row : flowRows) {
        std::printf("%s\t%s\t%s\n", row.address.c_str(), row.link.text.c_str(),
                    row.writing.text.c_str());
    }
}

int RunStatus(Session& s) {
    if (!s.cl.args.empty()) {
        return UsageError("status takes no arguments", s.cl.command);
    }
    const auto state = ConnectLink(s) ? messages::ReadCurrentState(s.tables) : std::nullopt;
    if (!state) {
        return kExitFailed;
    }
    std::vector<messages::FlowRow> flowRows;
    if (state->Present().flowComputers) {
        const auto exchange = messages::ReadFlowExchange(s.tables);
        if (!exchange) {
            return kExitFailed;
        }
        flowRows = messages::FlowRows(*exchange);
    }
    if (s.cl.json) {
        PrintJson(FilledLines(*state), flowRows);
    } else {
        PrintText(FilledLines(*state), flowRows);
    }
    return kExitOk;
}

int RunFunctions(Session& s) {
    if (!s.cl.args.empty()) {
        return UsageError("functions takes no arguments", s.cl.command);
    }
    if (!ConnectLink(s)) {
        return kExitFailed;
    }
    const auto rows = messages::ReadFunctions(s.tables);
    if (!rows) {
        return kExitFailed;
    }
    for (const messages::FunctionRow& row : *rows) {
        std::printf("%.*s\t%.*s\n", static_cast<int>(row.name.size()), row.name.data(),
                    static_cast<int>(row.execution.size()), row.execution.data());
    }
    return kExitOk;
}

constexpr Synopsis kStatusSynopsis[] = {
    {"status [--json]", "the controller's current state and flow computers"},
};

constexpr Synopsis kFunctionsSynopsis[] = {
    {"functions", "whether the controller can carry out its functions"},
};

}  // namespace

constinit const Command kStatusCommand{
    .name = "status",
    .synopsis = kStatusSynopsis,
    .help =
        "zor06ctl [LINK] status [--json]\n"
        "  The controller's current state: one \"LABEL<TAB>VALUE\" line per value of the\n"
        "  current-state window (the moisture-meter lines only with a moisture meter,\n"
        "  the flow-computer sign only with flow computers), then, with flow computers,\n"
        "  a heading line and one \"ADDRESS<TAB>LINK<TAB>WRITING\" line per flow\n"
        "  computer. --json prints {state: [{label, value: {text, abnormal}}],\n"
        "  flowComputers: [{address, link, writing}]}; abnormal values are the red ones.\n",
    .run = RunStatus,
};

constinit const Command kFunctionsCommand{
    .name = "functions",
    .synopsis = kFunctionsSynopsis,
    .help =
        "zor06ctl [LINK] functions\n"
        "  Whether the controller can carry out its functions: one \"NAME<TAB>Возможно\"\n"
        "  or \"NAME<TAB>Невозможно\" line per function, the name as the window shows it.\n",
    .run = RunFunctions,
};

}  // namespace zor06::ctl
