#pragma once

// Shared set-up of the OCL tests: a private data source (TestDataSource) and
// an environment and connection on it, created in that order so that the
// ODBC environment variables are set before the first ODBC call, and
// destroyed in the reverse order.

#include "odbc/OCL.h"
#include "tests/support/TestDataSource.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

struct OclCatalogue
{
    TestDataSource Source;
    THenv Env{"Henv1"};
    THdbc Dbc{&Env, "Hdbc1"};

    explicit OclCatalogue(std::string_view setupSql, TestDataSource::Options options = {})
        : Source(setupSql, std::move(options))
    {
        Dbc.SetDataSource(Source.Name());
    }
};

// Runs body and expects it to raise exactly this Exception text (and not an
// EODBC).
template <typename Body> void ExpectGeneralException(Body&& body, const std::string& message)
{
    try {
        body();
        ADD_FAILURE() << "no exception, expected \"" << message << "\"";
    } catch (const EODBC& e) {
        ADD_FAILURE() << "EODBC \"" << e.what() << "\", expected the general exception \""
                      << message << "\"";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), message);
        EXPECT_STREQ(e.what(), message.c_str());
    }
}
