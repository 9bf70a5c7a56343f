#include "benchmarks/lists/BenchDataSource.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <system_error>
#include <vector>

namespace musarix::bench {

namespace {

void writeSection(std::ofstream& ini, const char* name, const std::filesystem::path& database,
                  const std::string& driver, int stepApi)
{
    // The same options as scripts/register-dsn.sh, apart from StepAPI.
    ini << '[' << name << "]\n"
        << "Description=Musarix synthetic catalogue\n"
        << "Driver=" << driver << '\n'
        << "Database=" << database.string() << '\n'
        << "StepAPI=" << stepApi << '\n'
        << "NoTXN=0\nLongNames=0\nShortNames=0\nTimeout=2000\n\n";
}

} // namespace

BenchDataSource::BenchDataSource(const std::filesystem::path& database, const std::string& driver)
{
    auto pattern = (std::filesystem::temp_directory_path() / "musarix-bench-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (mkdtemp(buffer.data()) == nullptr) {
        throw std::system_error(errno, std::generic_category(), "mkdtemp");
    }
    dir_ = buffer.data();
    const auto absolute = std::filesystem::absolute(database);
    {
        std::ofstream ini(dir_ / "odbc.ini");
        writeSection(ini, kStepDsn, absolute, driver, 1);
        writeSection(ini, kNoStepDsn, absolute, driver, 0);
        std::ofstream(dir_ / "odbcinst.ini").flush();
        if (!ini) {
            throw std::runtime_error("Cannot write " + (dir_ / "odbc.ini").string());
        }
    }
    setenv("ODBCINI", (dir_ / "odbc.ini").c_str(), 1);
    setenv("ODBCSYSINI", dir_.c_str(), 1);
}

BenchDataSource::~BenchDataSource()
{
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
}

} // namespace musarix::bench
