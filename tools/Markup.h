#pragma once

// The light markup of the catalogue's long texts (texts/*.txt) and its
// conversion to the rich text (RTF) that the text store holds.
//
// - Paragraphs are separated by blank lines; the lines of a paragraph are
//   joined with one blank. A line ending in a backslash "\" ends with a line
//   break instead (for lyrics and poems).
// - **bold**, *italic*.
// - [visible text](CODE) is a link: the visible text, underlined, followed by
//   the hidden link code, e.g. [Gustav Mahler](P:Mahler, Gustav)
//   or [seine Band](b:3). Parentheses inside CODE must be balanced.
// - A backslash before * [ ] ( ) or \ writes that character itself.
//
// The RTF: {\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\f0\fs20
// ... } with \par between paragraphs, \line for line breaks, \b/\b0 and
// \i/\i0, a link as {\ul visible}{\v CODE}; characters of Windows-1252
// beyond ASCII as \'hh, all others as \uN? (UTF-16 units).

#include <functional>
#include <string>
#include <vector>

// Called for every link with its code and the line it stands in; throws
// TBuildError when the code leads nowhere.
using TLinkCheck = std::function<void(const std::string& Code, int Line)>;

// Converts the lines of a markup file (File as shown in messages) to RTF.
// Throws TBuildError for unclosed bold, italic or links.
std::string MarkupToRtf(const std::vector<std::string>& Lines, const std::string& File,
                        const TLinkCheck& CheckLink);

// Appends UTF-8 Text to Rtf with RTF escapes (see above).
void AppendRtfText(std::string& Rtf, const std::string& Text);

// The byte of Windows-1252 for a code point, or 0 when it has none (or is
// below 0x80).
unsigned char Cp1252Byte(char32_t CodePoint);
