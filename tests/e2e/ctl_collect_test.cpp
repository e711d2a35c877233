// Collection passes against simulated stations over TCP, into SQLite and, when the test script
// started a throwaway server, PostgreSQL: what the second pass finds, a station that is down, a
// pass killed half-way, a record with a bad CRC, and the stored rows against a fresh reading.
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <thread>

#include "settings/settings_store.h"
#include "settings/work_dir.h"
#include "tests/support/recording_operator.h"
#include "tests/support/run_process.h"
#include "tests/support/sim_process.h"

extern char** environ;

namespace zor06::test {
namespace {

// A frozen clock keeps each station's archives still between two passes.
const std::vector<std::string> kStation{"--now",        "26-12-10 12:00:00", "--frozen-clock",
                                        "--data-start", "26-12-09 00:00:00", "--interventions",
                                        "20",           "--diagnostics",     "20"};

using Counts = std::map<std::string, long long>;

struct StationLine {
    std::string outcome;
    Counts counts;
};

// NAME<TAB>OUTCOME<TAB>ARCHIVE=N ...<TAB>SECONDS per line.
std::map<std::string, StationLine> ParseReport(const std::string& out) {
    std::map<std::string, StationLine> lines;
    std::istringstream in(out);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string name;
        std::string counts;
        StationLine parsed;
        std::getline(fields, name, '\t');
        std::getline(fields, parsed.outcome, '\t');
        std::getline(fields, counts, '\t');
        std::istringstream items(counts);
        std::string item;
        while (items >> item) {
            const auto equals = item.find('=');
            parsed.counts[item.substr(0, equals)] = std::stoll(item.substr(equals + 1));
        }
        lines[name] = parsed;
    }
    return lines;
}

long long Total(const Counts& counts) {
    long long total = 0;
    for (const auto& [archive, n] : counts) {
        total += n;
    }
    return total;
}

class CtlCollect : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        // Short enough for a subscriber's name, and different for every test of a run.
        const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        tag = std::to_string(::getpid()) + "-" +
              std::to_string(std::hash<std::string>{}(test) % 1000);
        dir = std::filesystem::temp_directory_path() / ("zor06-collect-" + tag);
        std::filesystem::remove_all(dir);
        std::string error;
        ASSERT_TRUE(settings::PrepareWorkDir(dir, &error)) << error;
        settings::LoadSettings(program, settings::IniDir(dir), {1280, 1024}, 46000.0);
        program.link.ethernet.record.firstByteTimeoutMs = 1000;
        program.link.ethernet.connectWaitS = 2;  // a station that is down is given up soon
        if (GetParam() == "sqlite") {
            db = "sqlite:" + (dir / "collect.sqlite").string();
        } else {
            const char* uri = std::getenv("ZOR06_TEST_PG_URI");
            if (uri == nullptr) {
                GTEST_SKIP() << "ZOR06_TEST_PG_URI names no PostgreSQL server";
            }
            db = uri;
        }
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    // A station on a simulator of its own; the names carry the test's tag, as a PostgreSQL
    // database is shared by every test.
    std::string AddStation(std::vector<std::string> extra = {}) {
        std::vector<std::string> args{"--tcp", "127.0.0.1:0"};
        args.insert(args.end(), kStation.begin(), kStation.end());
        args.insert(args.end(), extra.begin(), extra.end());
        sims.push_back(std::make_unique<SimProcess>(ZOR06_SIM_PATH, args));
        EXPECT_TRUE(sims.back()->Started()) << sims.back()->Error();
        return AddSubscriber(sims.back()->TcpPort());
    }
    std::string AddSubscriber(int port) {
        const std::string name =
            "ГРС " + std::to_string(program.ethernet.entries.size() + 1) + " " + tag;
        program.ethernet.entries.push_back({name, 1, (127u << 24) | 1, port});
        return name;
    }
    void SaveSubscribers() {
        ASSERT_TRUE(settings::SaveLinkSettings(program, settings::IniDir(dir), op));
        ASSERT_TRUE(settings::SaveEthernetList(program, settings::IniDir(dir), op));
        ASSERT_TRUE(settings::SavePhoneList(program, settings::IniDir(dir), op));
    }
    std::vector<std::string> Stations() const {
        std::string list;
        for (const auto& e : program.ethernet.entries) {
            list += (list.empty() ? "" : ",") + e.name;
        }
        for (const auto& e : program.phones.entries) {
            list += (list.empty() ? "" : ",") + e.name;
        }
        return {"--stations", list};
    }
    ProcessResult Collect(const std::string& database, std::vector<std::string> extra = {}) {
        std::vector<std::string> args{"--workdir", dir.string(), "collect", "--db", database};
        const auto stations = Stations();
        args.insert(args.end(), stations.begin(), stations.end());
        args.insert(args.end(), extra.begin(), extra.end());
        return RunProcess(ZOR06_CTL_PATH, args);
    }
    ProcessResult Export(const std::string& database, const std::string& station,
                         std::vector<std::string> what) {
        std::vector<std::string> args{"--workdir", dir.string(), "db",        "--db",
                                      database,    "export",     "--station", station};
        args.insert(args.end(), what.begin(), what.end());
        return RunProcess(ZOR06_CTL_PATH, args);
    }

    std::string tag;
    std::filesystem::path dir;
    std::string db;
    settings::ProgramSettings program;
    RecordingOperator op;
    std::vector<std::unique_ptr<SimProcess>> sims;
};

TEST_P(CtlCollect, SecondPassFindsNothingNewAndTheLogHasBoth) {
    const std::string first = AddStation();
    const std::string second = AddStation({"--runs", "1", "--moisture-meter"});
    SaveSubscribers();
    const auto pass1 = Collect(db);
    ASSERT_EQ(pass1.exitCode, 0) << pass1.out << pass1.err;
    const auto lines = ParseReport(pass1.out);
    ASSERT_EQ(lines.size(), 2u) << pass1.out;
    for (const auto& name : {first, second}) {
        const StationLine& line = lines.at(name);
        EXPECT_EQ(line.outcome, "ok");
        EXPECT_EQ(line.counts.at("interventions"), 20);
        EXPECT_EQ(line.counts.at("diagnostics"), 20);
        EXPECT_GT(line.counts.at("3min:1"), 600);
        EXPECT_GE(line.counts.at("hour:1"), 35);
    }
    // The runs in use and the moisture meter decide which archives a station has.
    EXPECT_TRUE(lines.at(first).counts.contains("day:2"));
    EXPECT_FALSE(lines.at(first).counts.contains("moisture-hour"));
    EXPECT_FALSE(lines.at(second).counts.contains("3min:2"));
    EXPECT_GT(lines.at(second).counts.at("moisture-3min"), 600);

    const auto pass2 = Collect(db, {"--jobs", "1"});
    ASSERT_EQ(pass2.exitCode, 0) << pass2.err;
    for (const auto& [name, line] : ParseReport(pass2.out)) {
        EXPECT_EQ(line.outcome, "ok") << name;
        EXPECT_EQ(Total(line.counts), 0) << name << ": " << pass2.out;
    }
    const auto log = RunProcess(
        ZOR06_CTL_PATH, {"--workdir", dir.string(), "db", "--db", db, "log", "--station", first});
    ASSERT_EQ(log.exitCode, 0) << log.err;
    EXPECT_EQ(std::count(log.out.begin(), log.out.end(), '\n'), 2) << log.out;
    const auto stations =
        RunProcess(ZOR06_CTL_PATH, {"--workdir", dir.string(), "db", "--db", db, "stations"});
    ASSERT_EQ(stations.exitCode, 0) << stations.err;
    EXPECT_NE(stations.out.find(first + "\t127.0.0.1:"), std::string::npos) << stations.out;
    EXPECT_NE(stations.out.find("hour:1=2026-12-10 "), std::string::npos) << stations.out;
}

TEST_P(CtlCollect, StationDownFailsAloneAndTheOthersAreStored) {
    const std::string up = AddStation();
    // A port nobody listens on: a simulator started and stopped again.
    SimProcess gone(ZOR06_SIM_PATH, {"--tcp", "127.0.0.1:0"});
    ASSERT_TRUE(gone.Started());
    const int port = gone.TcpPort();
    gone.Stop();
    const std::string down = AddSubscriber(port);
    SaveSubscribers();
    const auto pass = Collect(db);
    EXPECT_EQ(pass.exitCode, 1) << pass.out << pass.err;
    const auto lines = ParseReport(pass.out);
    EXPECT_EQ(lines.at(up).outcome, "ok");
    EXPECT_GT(lines.at(up).counts.at("hour:1"), 0);
    EXPECT_NE(lines.at(down).outcome, "ok");
    EXPECT_FALSE(lines.at(down).outcome.empty());
}

TEST_P(CtlCollect, ClockMovedOnBringsOnlyTheNewRecords) {
    const std::string name = AddStation();
    SaveSubscribers();
    ASSERT_EQ(Collect(db).exitCode, 0);
    // The same controller two hours later, on the same port.
    const int port = sims.back()->TcpPort();
    sims.back()->Stop();
    std::vector<std::string> later{"--tcp", "127.0.0.1:" + std::to_string(port)};
    later.insert(later.end(), kStation.begin(), kStation.end());
    later[3] = "26-12-10 14:00:00";
    sims.back() = std::make_unique<SimProcess>(ZOR06_SIM_PATH, later);
    ASSERT_TRUE(sims.back()->Started()) << sims.back()->Error();
    const auto pass = Collect(db);
    ASSERT_EQ(pass.exitCode, 0) << pass.out << pass.err;
    const Counts counts = ParseReport(pass.out).at(name).counts;
    EXPECT_EQ(counts.at("hour:1"), 2) << pass.out;
    EXPECT_EQ(counts.at("3min:1"), 40) << pass.out;
    EXPECT_EQ(counts.at("interventions"), 0);
}

TEST_P(CtlCollect, TelephoneStationIsDialledBesideTheNetworkOnes) {
    const std::string network = AddStation();
    std::vector<std::string> args{"--pty", "--modem"};
    args.insert(args.end(), kStation.begin(), kStation.end());
    args.insert(args.end(), {"--data-start", "26-12-10 06:00:00", "--runs", "1"});
    sims.push_back(std::make_unique<SimProcess>(ZOR06_SIM_PATH, args));
    ASSERT_TRUE(sims.back()->Started()) << sims.back()->Error();
    program.link.phone.record.portName = sims.back()->PtyPath();
    program.link.phone.record.firstByteTimeoutMs = 1000;
    program.link.phone.command = "AT&F";
    const std::string phone = "Тел " + tag;
    program.phones.entries = {{phone, 1, 1, "8 (012) 345-67-89"}};
    SaveSubscribers();
    const auto pass = Collect(db);
    ASSERT_EQ(pass.exitCode, 0) << pass.out << pass.err;
    const auto lines = ParseReport(pass.out);
    EXPECT_EQ(lines.at(network).outcome, "ok");
    ASSERT_EQ(lines.at(phone).outcome, "ok") << pass.out;
    EXPECT_EQ(lines.at(phone).counts.at("interventions"), 20);
    EXPECT_EQ(lines.at(phone).counts.at("hour:1"), 6);
    EXPECT_FALSE(lines.at(phone).counts.contains("hour:2"));
}

// The stored rows come out exactly as a reading of the same period prints them, a record with a
// bad CRC marked as the view marks it.
TEST_P(CtlCollect, ExportPrintsWhatAReadingPrints) {
    const std::string name =
        AddStation({"--bad-data-crc", "hour/run1/26-12-10 03:00", "--seed", "7"});
    SaveSubscribers();
    ASSERT_EQ(Collect(db).exitCode, 0);
    const std::string endpoint = "127.0.0.1:" + std::to_string(sims.back()->TcpPort());
    for (const std::string archive : {"hour", "3min"}) {
        const std::vector<std::string> period{
            "--run", "1", "--from", "10.12.26 01:00", "--to", "10.12.26 05:00", "--json"};
        std::vector<std::string> reading{"--workdir", dir.string(),    "--tcp",
                                         endpoint,    "chromatograph", archive};
        reading.insert(reading.end(), period.begin(), period.end());
        const auto fresh = RunProcess(ZOR06_CTL_PATH, reading);
        ASSERT_EQ(fresh.exitCode, 0) << fresh.err;
        std::vector<std::string> what{"--archive", archive};
        what.insert(what.end(), period.begin(), period.end());
        const auto stored = Export(db, name, what);
        ASSERT_EQ(stored.exitCode, 0) << stored.err;
        EXPECT_EQ(stored.out, fresh.out) << archive;
    }
    const auto hours = Export(
        db, name,
        {"--archive", "hour", "--run", "1", "--from", "10.12.26 03:00", "--to", "10.12.26 03:00"});
    ASSERT_EQ(hours.exitCode, 0) << hours.err;
    EXPECT_NE(hours.out.find("недостов."), std::string::npos) << hours.out;
    const auto messages = Export(db, name, {"--archive", "interventions", "--csv"});
    ASSERT_EQ(messages.exitCode, 0) << messages.err;
    EXPECT_EQ(std::count(messages.out.begin(), messages.out.end(), '\n'), 21) << messages.out;
}

// A pass killed in the middle loses at most the batch in flight: the next pass ends with
// exactly what one whole pass stores.
TEST_P(CtlCollect, KilledPassResumesWithNothingLostOrTwice) {
    // Six hours of archives, each reply late enough that the pass is still reading when killed.
    const std::string name =
        AddStation({"--data-start", "26-12-10 06:00:00", "--reply-delay", "20"});
    SaveSubscribers();
    std::vector<std::string> args{ZOR06_CTL_PATH, "--workdir", dir.string(), "collect", "--db", db};
    const auto stations = Stations();
    args.insert(args.end(), stations.begin(), stations.end());
    std::vector<char*> argv;
    for (std::string& a : args) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    pid_t pid = -1;
    ASSERT_EQ(::posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ), 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(1000));
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the pass ended before it was killed";

    const auto resumed = Collect(db);
    ASSERT_EQ(resumed.exitCode, 0) << resumed.out << resumed.err;
    // The killed collection stays in the log, without an end.
    const auto log = RunProcess(
        ZOR06_CTL_PATH, {"--workdir", dir.string(), "db", "--db", db, "log", "--station", name});
    EXPECT_EQ(log.out.substr(log.out.find('\t') + 1, 2), "-\t") << log.out;
    const std::string whole = "sqlite:" + (dir / "whole.sqlite").string();
    ASSERT_EQ(Collect(whole).exitCode, 0);
    for (const std::string archive : {"interventions", "diagnostics"}) {
        EXPECT_EQ(Export(db, name, {"--archive", archive}).out,
                  Export(whole, name, {"--archive", archive}).out)
            << archive;
    }
    for (const std::string archive : {"3min", "hour", "day"}) {
        const auto resumedRows = Export(db, name, {"--archive", archive, "--run", "2", "--csv"});
        const auto wholeRows = Export(whole, name, {"--archive", archive, "--run", "2", "--csv"});
        ASSERT_EQ(wholeRows.exitCode, 0) << wholeRows.err;
        EXPECT_EQ(resumedRows.out, wholeRows.out) << archive;
    }
}

INSTANTIATE_TEST_SUITE_P(Databases, CtlCollect, ::testing::Values("sqlite", "postgresql"),
                         [](const auto& param) { return param.param; });

}  // namespace
}  // namespace zor06::test
