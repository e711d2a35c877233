#include "store/store_uri.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/postgres_connection.h"
#include "store/store_text.h"

namespace zor06::store {
namespace {

TEST(ParseStoreUri, ChoosesTheBackendOrSaysWhyNot) {
    struct Case {
        std::string uri;
        std::optional<StoreBackend> backend;
        std::string targetOrError;
    };
    const Case cases[] = {
        {"sqlite:/var/lib/zor06/collect.db", StoreBackend::Sqlite, "/var/lib/zor06/collect.db"},
        {"sqlite:collect.db", StoreBackend::Sqlite, "collect.db"},
        {"postgresql://gas@db.example/zor06", StoreBackend::Postgres,
         "postgresql://gas@db.example/zor06"},
        {"postgres:///zor06?host=/run/postgresql", StoreBackend::Postgres,
         "postgres:///zor06?host=/run/postgresql"},
        {"sqlite:", std::nullopt, "no database file after \"sqlite:\""},
        {"", std::nullopt, "no database given"},
        {"mysql://root:pw@host/db", std::nullopt, "unknown kind of database \"mysql\""},
        {"collect.db", std::nullopt, "\"collect.db\" names no kind of database"},
    };
    for (const Case& c : cases) {
        std::string error;
        const auto location = ParseStoreUri(c.uri, &error);
        ASSERT_EQ(location.has_value(), c.backend.has_value()) << c.uri << ": " << error;
        if (location) {
            EXPECT_EQ(location->backend, *c.backend) << c.uri;
            EXPECT_EQ(location->target, c.targetOrError);
        } else {
            EXPECT_TRUE(error.starts_with(c.targetOrError)) << error;
            EXPECT_NE(error.find("use sqlite:PATH or postgresql://"), std::string::npos) << error;
            EXPECT_EQ(error.find("pw"), std::string::npos) << error;
        }
    }
}

TEST(WithoutPassword, LeavesOutEveryPassword) {
    const std::pair<std::string, std::string> cases[] = {
        {"postgresql://gas:s3cret@db:5432/zor06", "postgresql://gas@db:5432/zor06"},
        {"postgresql://gas:p@ss@db/zor06", "postgresql://gas@db/zor06"},
        {"postgresql://gas@db/zor06?password=s3cret&sslmode=require",
         "postgresql://gas@db/zor06?sslmode=require"},
        {"postgresql:///zor06?sslmode=require&password=s3cret",
         "postgresql:///zor06?sslmode=require"},
        {"postgresql://db/zor06?a=1@2:3", "postgresql://db/zor06?a=1@2:3"},
        {"sqlite:/tmp/a:b@c.db", "sqlite:/tmp/a:b@c.db"},
    };
    for (const auto& [uri, shown] : cases) {
        EXPECT_EQ(WithoutPassword(uri), shown) << uri;
    }
}

TEST(NumberedParameters, NumbersEachParameterOutsideQuotes) {
    const std::pair<std::string, std::string> cases[] = {
        {"SELECT ? + ?", "SELECT $1 + $2"},
        {"WHERE a = '?' AND b = ? AND \"c?\" = ?", "WHERE a = '?' AND b = $1 AND \"c?\" = $2"},
        {"SELECT 1", "SELECT 1"},
    };
    for (const auto& [sql, numbered] : cases) {
        EXPECT_EQ(NumberedParameters(sql), numbered);
    }
}

TEST(IsTimestamp, AcceptsOnlyARealDateAndTimeInItsOneForm) {
    for (const char* good : {"2024-05-01 10:03:00", "2024-02-29 23:59:59", "1999-12-31 00:00:00"}) {
        EXPECT_TRUE(IsTimestamp(good)) << good;
    }
    for (const char* bad : {"2024-05-01", "2024-05-01T10:03:00", "2023-02-29 10:00:00",
                            "2024-13-01 10:00:00", "2024-05-01 24:00:00", "2024-05-01 10:60:00",
                            "2024-05-01 10:03:00 ", "2024-05-0a 10:03:00", ""}) {
        EXPECT_FALSE(IsTimestamp(bad)) << bad;
    }
}

TEST(JoinCells, RoundTripsCellsWithoutTabs) {
    const std::vector<std::vector<std::string>> rows = {
        {}, {"a"}, {"", ""}, {"Давление", "", "x y"}, {"a\nb", "c"}};
    for (const auto& row : rows) {
        const auto joined = JoinCells(row);
        ASSERT_TRUE(joined);
        EXPECT_EQ(SplitCells(*joined), row) << *joined;
    }
    EXPECT_EQ(JoinCells(std::vector<std::string>{"a", "b\tc"}), std::nullopt);
}

}  // namespace
}  // namespace zor06::store
