#pragma once

#include <filesystem>
#include <string>

namespace musarix::bench {

// A private odbc.ini for one benchmark run, so that measuring never reads or
// changes the user's data sources. It names the catalogue twice: "MUSARIX"
// with the options the set-up registers for the program (StepAPI=1), and
// "MUSARIX_NOSTEP" with StepAPI=0, the driver's default, for comparison.
// Must be constructed before the first ODBC call of the process: unixODBC
// reads ODBCINI and ODBCSYSINI when it first looks a data source up.
class BenchDataSource
{
public:
    static constexpr const char* kStepDsn = "MUSARIX";
    static constexpr const char* kNoStepDsn = "MUSARIX_NOSTEP";

    BenchDataSource(const std::filesystem::path& database, const std::string& driver);
    ~BenchDataSource();
    BenchDataSource(const BenchDataSource&) = delete;
    BenchDataSource& operator=(const BenchDataSource&) = delete;

    const std::filesystem::path& directory() const { return dir_; }

private:
    std::filesystem::path dir_;
};

} // namespace musarix::bench
