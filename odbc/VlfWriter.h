#pragma once

// Writes a new media container (format in Vlf.h). Used only by the catalogue
// builder; the program itself never writes containers.
//
// Items are appended one after another from position 1024 on, or placed at a
// given position (the fixed slots of the system store); a gap before a placed
// item is filled with zero bytes. Items never overlap. Positions stay below
// 2^31, since the catalogue and the program hold them as 32-bit integers.
// Every failure throws TVlfWriteError with a message that names the file.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class TVlfWriteError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

class TVlfWriter
{
public:
    // The largest position plus item the writer produces.
    static constexpr std::int64_t MaxFileSize = 0x7FFFFFFF;

    TVlfWriter() = default;
    ~TVlfWriter(); // closes without syncing when Finish was not called
    TVlfWriter(const TVlfWriter&) = delete;
    TVlfWriter& operator=(const TVlfWriter&) = delete;

    // Creates (or truncates) FileName and writes the 1024-byte header: the
    // signature 0xF5 0xF4, the bytes 02 00 06 00, Identification with a
    // terminating NUL (at most 1017 bytes, no NUL inside), zeros up to 1024.
    void Create(const std::string& FileName, std::string_view Identification);

    // Appends an item after the last byte written so far; returns its position.
    std::int64_t Append(const void* Data, std::size_t Size);
    std::int64_t Append(const std::vector<char>& Data) { return Append(Data.data(), Data.size()); }

    // Writes an item at position p (>= 1024). The item must not overlap an item
    // already written; a gap before it is zero-filled.
    void Place(std::int64_t p, const void* Data, std::size_t Size);
    void Place(std::int64_t p, const std::vector<char>& Data)
    {
        Place(p, Data.data(), Data.size());
    }

    // The position just behind the last byte written.
    std::int64_t End() const { return FEnd; }
    const std::string& FileName() const { return FFileName; }

    // Flushes the file to disk and closes it.
    void Finish();

private:
    void WriteAt(std::int64_t Pos, const void* Data, std::size_t Size);
    [[noreturn]] void Fail(const std::string& What) const;

    std::string FFileName;
    int FHandle = -1;
    std::int64_t FEnd = 0;
    // Occupied ranges [start, end) of the items, sorted by start.
    std::vector<std::pair<std::int64_t, std::int64_t>> FItems;
};
