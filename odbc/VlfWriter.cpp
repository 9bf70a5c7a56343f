#include "odbc/VlfWriter.h"

#include "odbc/Vlf.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace {

void PutLittleEndian32(unsigned char* b, std::uint32_t v)
{
    b[0] = static_cast<unsigned char>(v & 0xFFu);
    b[1] = static_cast<unsigned char>((v >> 8) & 0xFFu);
    b[2] = static_cast<unsigned char>((v >> 16) & 0xFFu);
    b[3] = static_cast<unsigned char>((v >> 24) & 0xFFu);
}

} // namespace

TVlfWriter::~TVlfWriter()
{
    if (FHandle >= 0)
        ::close(FHandle);
}

void TVlfWriter::Fail(const std::string& What) const
{
    throw TVlfWriteError(FFileName + ": " + What);
}

void TVlfWriter::Create(const std::string& FileName, std::string_view Identification)
{
    if (FHandle >= 0) {
        ::close(FHandle);
        FHandle = -1;
    }
    FFileName = FileName;
    FEnd = 0;
    FItems.clear();
    constexpr std::size_t identOffset = 6;
    const std::size_t headerSize = static_cast<std::size_t>(TVlf::FirstItemPos);
    if (Identification.size() + 1 > headerSize - identOffset)
        Fail("identification text longer than " + std::to_string(headerSize - identOffset - 1) +
             " bytes");
    if (Identification.find('\0') != std::string_view::npos)
        Fail("identification text contains a NUL byte");

    FHandle = ::open(FileName.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (FHandle < 0)
        Fail(std::string("cannot create the file: ") + std::strerror(errno));

    std::vector<unsigned char> header(headerSize, 0);
    header[0] = 0xF5;
    header[1] = 0xF4;
    header[2] = 0x02;
    header[3] = 0x00;
    header[4] = 0x06;
    header[5] = 0x00;
    std::copy(Identification.begin(), Identification.end(), header.begin() + identOffset);
    WriteAt(0, header.data(), header.size());
    FEnd = TVlf::FirstItemPos;
}

void TVlfWriter::WriteAt(std::int64_t Pos, const void* Data, std::size_t Size)
{
    const auto* in = static_cast<const char*>(Data);
    while (Size > 0) {
        const ssize_t done = ::pwrite(FHandle, in, Size, static_cast<off_t>(Pos));
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            Fail(std::string("write failed: ") + std::strerror(errno));
        in += done;
        Pos += done;
        Size -= static_cast<std::size_t>(done);
    }
}

std::int64_t TVlfWriter::Append(const void* Data, std::size_t Size)
{
    const std::int64_t p = FEnd;
    Place(p, Data, Size);
    return p;
}

void TVlfWriter::Place(std::int64_t p, const void* Data, std::size_t Size)
{
    if (FHandle < 0)
        Fail("container not created");
    if (p < TVlf::FirstItemPos)
        Fail("item position " + std::to_string(p) + " lies in the header (below 1024)");
    if (Size > 0xFFFFFFFFu)
        Fail("item of " + std::to_string(Size) + " bytes is too large");
    const std::int64_t end = p + TVlf::ItemHeaderSize + static_cast<std::int64_t>(Size);
    if (end > MaxFileSize)
        Fail("the container would grow beyond " + std::to_string(MaxFileSize) + " bytes");
    auto next = std::lower_bound(FItems.begin(), FItems.end(), std::make_pair(p, std::int64_t{0}));
    const bool overlapsNext = next != FItems.end() && next->first < end;
    const bool overlapsPrev = next != FItems.begin() && std::prev(next)->second > p;
    if (overlapsNext || overlapsPrev)
        Fail("item at position " + std::to_string(p) + " (" + std::to_string(Size) +
             " bytes) overlaps an item written before");

    // Zero-fill a gap behind the current end, so that the file has no holes.
    if (p > FEnd) {
        const std::vector<char> zeros(static_cast<std::size_t>(p - FEnd), 0);
        WriteAt(FEnd, zeros.data(), zeros.size());
    }
    unsigned char header[TVlf::ItemHeaderSize];
    PutLittleEndian32(header, TVlf::ItemMarker);
    PutLittleEndian32(header + 4, static_cast<std::uint32_t>(Size));
    WriteAt(p, header, sizeof header);
    if (Size > 0)
        WriteAt(p + TVlf::ItemHeaderSize, Data, Size);
    FItems.insert(next, {p, end});
    FEnd = std::max(FEnd, end);
}

void TVlfWriter::Finish()
{
    if (FHandle < 0)
        Fail("container not created");
    const int handle = FHandle;
    FHandle = -1;
    const bool synced = ::fsync(handle) == 0;
    const int syncErrno = errno;
    if (::close(handle) != 0)
        Fail(std::string("close failed: ") + std::strerror(errno));
    if (!synced)
        Fail(std::string("fsync failed: ") + std::strerror(syncErrno));
}
