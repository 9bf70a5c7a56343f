#pragma once

// The link codes of a stored rich text: the hidden groups "{\v CODE}" that
// the record pages turn into links, decoded to UTF-8 so that they compare
// with the names in the catalogue.

#include <string>
#include <vector>

// Every hidden code of Rtf in order of appearance. RTF escapes inside a code
// (\'hh in Windows-1252, \uN? and the escaped \ { }) are decoded.
std::vector<std::string> HiddenLinkCodes(const std::string& Rtf);
