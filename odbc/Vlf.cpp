#include "odbc/Vlf.h"

#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::uint32_t LittleEndian32(const unsigned char* b)
{
    return static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
           (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
}

} // namespace

TVlf::~TVlf()
{
    if (FHandle >= 0)
        ::close(FHandle);
}

TVlf::TVlf(TVlf&& Other) noexcept
    : BeforeFileOpen(std::move(Other.BeforeFileOpen)),
      BeforeFileClose(std::move(Other.BeforeFileClose)), FFileName(std::move(Other.FFileName)),
      FHandle(std::exchange(Other.FHandle, -1)), FFileSize(std::exchange(Other.FFileSize, 0)),
      FLastPos(std::exchange(Other.FLastPos, -1)), FLastSize(std::exchange(Other.FLastSize, 0u))
{
}

TVlf& TVlf::operator=(TVlf&& Other) noexcept
{
    if (this != &Other) {
        if (FHandle >= 0)
            ::close(FHandle);
        BeforeFileOpen = std::move(Other.BeforeFileOpen);
        BeforeFileClose = std::move(Other.BeforeFileClose);
        FFileName = std::move(Other.FFileName);
        FHandle = std::exchange(Other.FHandle, -1);
        FFileSize = std::exchange(Other.FFileSize, 0);
        FLastPos = std::exchange(Other.FLastPos, -1);
        FLastSize = std::exchange(Other.FLastSize, 0u);
    }
    return *this;
}

bool TVlf::Open(const std::string& FileName)
{
    if (FHandle >= 0)
        Close();
    FFileName = FileName;
    if (FileName.empty())
        return false;
    if (BeforeFileOpen)
        BeforeFileOpen(*this);

    int handle;
    do
        handle = ::open(FileName.c_str(), O_RDONLY | O_CLOEXEC);
    while (handle < 0 && errno == EINTR);
    if (handle < 0)
        return true; // a missing container yields no items

    struct stat info
    {
    };
    if (::fstat(handle, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 2) {
        ::close(handle);
        return true;
    }
    FHandle = handle;
    FFileSize = static_cast<std::int64_t>(info.st_size);
    unsigned char signature[2] = {0, 0};
    if (!ReadAt(0, signature, 2) || signature[0] != 0xF5 || signature[1] != 0xF4) {
        ::close(FHandle);
        FHandle = -1;
        FFileSize = 0;
    }
    return true;
}

bool TVlf::ReadAt(std::int64_t Pos, void* Buffer, std::int64_t Count) const
{
    // Callers have checked that [Pos, Pos + Count) lies inside the file, so a
    // short read only happens when the file shrank under us or on an error.
    auto* out = static_cast<char*>(Buffer);
    while (Count > 0) {
        const ssize_t got =
            ::pread(FHandle, out, static_cast<std::size_t>(Count), static_cast<off_t>(Pos));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        out += got;
        Pos += got;
        Count -= got;
    }
    return true;
}

std::uint32_t TVlf::ItemSize(std::int64_t p) const
{
    if (FHandle < 0 || p < FirstItemPos || p > FFileSize - ItemHeaderSize)
        return 0;
    if (p == FLastPos)
        return FLastSize;
    unsigned char header[ItemHeaderSize];
    if (!ReadAt(p, header, ItemHeaderSize))
        return 0;
    std::uint32_t size = 0;
    if (LittleEndian32(header) == ItemMarker) {
        size = LittleEndian32(header + 4);
        // An item whose data would run past the end of the file is not an item.
        if (static_cast<std::int64_t>(size) > FFileSize - p - ItemHeaderSize)
            size = 0;
    }
    FLastPos = p;
    FLastSize = size;
    return size;
}

bool TVlf::ReadItem(std::int64_t p, void* Buffer, std::int64_t Size) const
{
    if (FHandle < 0 || p < FirstItemPos || Size < 0)
        return false;
    if (Size == 0) {
        Size = ItemSize(p);
        if (Size == 0)
            return false;
    }
    if (p > FFileSize - ItemHeaderSize || Size > FFileSize - p - ItemHeaderSize)
        return false;
    return ReadAt(p + ItemHeaderSize, Buffer, Size);
}

std::vector<char> TVlf::ReadItem(std::int64_t p) const
{
    std::vector<char> data(ItemSize(p));
    if (data.empty() || !ReadItem(p, data.data(), static_cast<std::int64_t>(data.size())))
        return {};
    return data;
}

int TVlf::Close()
{
    if (FHandle < 0)
        return -1;
    if (BeforeFileClose)
        BeforeFileClose(*this);
    ::close(FHandle);
    FHandle = -1;
    FFileSize = 0;
    FLastPos = -1;
    FLastSize = 0;
    return 0;
}
