// Runs a store test against each backend: SQLite in a fresh file, PostgreSQL in a schema of its
// own in the database ZOR06_TEST_PG_URI names (scripts/with-postgres.sh starts one), so that
// tests running side by side never meet.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "store/collection_store.h"
#include "store/postgres_connection.h"
#include "store/sqlite_connection.h"

namespace zor06::store::test {

enum class Backend { Sqlite, Postgres };

inline std::string BackendName(const ::testing::TestParamInfo<Backend>& info) {
    return info.param == Backend::Sqlite ? "Sqlite" : "Postgres";
}

class StoreTest : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override {
        static std::atomic<int> serial = 0;
        const std::string name =
            "zor06_store_" + std::to_string(::getpid()) + "_" + std::to_string(serial++);
        if (GetParam() == Backend::Sqlite) {
            dir_ = std::filesystem::temp_directory_path() / name;
            std::filesystem::create_directories(dir_);
            uri_ = "sqlite:" + (dir_ / "collect.db").string();
            return;
        }
        const char* pg = std::getenv("ZOR06_TEST_PG_URI");
        if (pg == nullptr || *pg == '\0') {
            GTEST_SKIP() << "ZOR06_TEST_PG_URI is not set; scripts/with-postgres.sh sets it";
        }
        pgBase_ = pg;
        schema_ = name;
        ASSERT_TRUE(RunInBase("CREATE SCHEMA " + schema_));
        const char joiner = pgBase_.find('?') == std::string::npos ? '?' : '&';
        uri_ = pgBase_ + joiner + "options=-csearch_path%3D" + schema_;
    }

    void TearDown() override {
        if (!dir_.empty()) {
            std::filesystem::remove_all(dir_);
        }
        if (!schema_.empty()) {
            RunInBase("DROP SCHEMA " + schema_ + " CASCADE");
        }
    }

    std::unique_ptr<CollectionStore> Open() {
        std::string error;
        auto store = OpenStore(uri_, &error);
        EXPECT_TRUE(store) << error;
        return store;
    }

    // A plain connection to the same database, to look at or spoil what the store wrote.
    std::unique_ptr<SqlConnection> Raw() {
        std::string error;
        auto connection = GetParam() == Backend::Sqlite
                              ? OpenSqlite(uri_.substr(std::string("sqlite:").size()), &error)
                              : OpenPostgres(uri_, &error);
        EXPECT_TRUE(connection) << error;
        return connection;
    }

    std::string uri_;

private:
    bool RunInBase(const std::string& sql) {
        std::string error;
        auto connection = OpenPostgres(pgBase_, &error);
        const bool ran = connection && connection->Execute(sql);
        EXPECT_TRUE(ran) << sql << ": " << (connection ? connection->Error() : error);
        return ran;
    }

    std::filesystem::path dir_;
    std::string pgBase_;
    std::string schema_;
};

}  // namespace zor06::store::test
