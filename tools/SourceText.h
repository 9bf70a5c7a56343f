#pragma once

// Reading the text files of a catalogue source: UTF-8 only (an optional byte
// order mark is skipped), split into lines (LF or CR LF).

#include <string>
#include <vector>

// The lines of the file Path (shown as DisplayName in messages). Throws
// TBuildError when the file cannot be read or is not valid UTF-8 (naming the
// line of the first bad byte).
std::vector<std::string> ReadSourceLines(const std::string& Path, const std::string& DisplayName);

// The whole file as bytes. Throws TBuildError when it cannot be read.
std::string ReadSourceBytes(const std::string& Path, const std::string& DisplayName);

// The byte offset of the first invalid UTF-8 sequence, or -1 when Text is
// valid UTF-8 (overlong forms, surrogates and code points above U+10FFFF are
// invalid).
long long FirstInvalidUtf8(const std::string& Text);

// Removes blanks, tabs and CRs at both ends.
std::string Trimmed(const std::string& Text);

// Decodes valid UTF-8 into code points.
std::u32string DecodeUtf8(const std::string& Text);
