#pragma once

// Media container files: the text and picture store Musarix.St,
// the sound store Musarix.Sb and the system store Musarix.Sy.
//
// Layout (little-endian): bytes 0xF5 0xF4, bytes 02 00 06 00, a NUL-terminated
// identification text and zeros up to position 1023; from 1024 on the items.
// An item at position p (p >= 1024) is the marker 35 (4 bytes), the data
// length n (4 bytes, unsigned) and n bytes of data (a BMP or WAV file or a
// rich text). The catalogue names an item by p alone.
//
// TVlf is the reader. It opens the file read-only and never writes to it, so
// it is safe on read-only media (the original component could open read-write
// and would then write a new header into a file without one; this one does
// not). A missing file or a file without the signature yields no items:
// ItemSize gives 0 and ReadItem false, and nothing is reported.
//
// Every read is one positioned read (pread: one seek and one read). Item data
// is never read past the end of the file: an item whose length runs past the
// end counts as missing. The file is expected not to change while it is open.
// A TVlf is used from one thread at a time.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TVlf
{
public:
    // The first position at which an item may lie.
    static constexpr std::int64_t FirstItemPos = 1024;
    // The marker at the start of every item ('#').
    static constexpr std::uint32_t ItemMarker = 35;
    // The size of an item header (marker and length).
    static constexpr std::int64_t ItemHeaderSize = 8;

    TVlf() = default;
    ~TVlf();
    TVlf(const TVlf&) = delete;
    TVlf& operator=(const TVlf&) = delete;
    TVlf(TVlf&& Other) noexcept;
    TVlf& operator=(TVlf&& Other) noexcept;

    // Called at the start of Open and of Close (of a file that is open).
    std::function<void(TVlf&)> BeforeFileOpen;
    std::function<void(TVlf&)> BeforeFileClose;

    // Closes any open file, then opens FileName read-only. The container is
    // usable (IsOpen) when the file exists, is not empty and starts with the
    // signature bytes 0xF5 0xF4; otherwise it yields no items. Returns true
    // when a file name was given (whether or not the file could be used).
    bool Open(const std::string& FileName);

    // 0 when the container is not open, p < 1024, the 8 header bytes cannot be
    // read at p, the marker is not 35, or the item's data would run past the
    // end of the file; else n, the length of the item's data.
    std::uint32_t ItemSize(std::int64_t p) const;

    // Reads item data into Buffer. False when the container is not open or
    // p < 1024.
    // - Size 0: reads the whole item at p (n = ItemSize(p) bytes; Buffer must
    //   hold them); false when there is no item at p (n = 0).
    // - Size > 0: reads Size bytes starting 8 bytes after p, without looking at
    //   any header, so a piece at offset k of the item at p is read by passing
    //   p + k. False when those bytes lie (partly) beyond the end of the file;
    //   nothing is then read.
    // - Size < 0: false.
    // True when exactly the requested bytes were read.
    bool ReadItem(std::int64_t p, void* Buffer, std::int64_t Size) const;

    // The whole item at p, or an empty vector when there is none.
    std::vector<char> ReadItem(std::int64_t p) const;

    // Closes the file: 0 when it was open, -1 when it was not.
    int Close();

    bool IsOpen() const { return FHandle >= 0; }
    const std::string& FileName() const { return FFileName; }
    // The size of the open file in bytes (0 when not open).
    std::int64_t FileSize() const { return FFileSize; }

private:
    bool ReadAt(std::int64_t Pos, void* Buffer, std::int64_t Count) const;

    std::string FFileName;
    int FHandle = -1;
    std::int64_t FFileSize = 0;
    // The header last read by ItemSize, so that the usual "ItemSize, then
    // ReadItem(p, buffer, 0)" reads the header once and the data once.
    mutable std::int64_t FLastPos = -1;
    mutable std::uint32_t FLastSize = 0;
};
