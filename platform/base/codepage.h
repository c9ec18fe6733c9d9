#pragma once
// Text is UTF-8 inside the program; files keep the CP932 bytes the Windows
// build writes. A character CP932 cannot hold is reported, never replaced.
#include <string>
#include <string_view>

namespace qf {

// False (out untouched) when utf8 holds a character without a CP932 form or is not valid UTF-8.
bool Utf8ToCp932(std::string_view utf8, std::string& out);
// False (out untouched) when the bytes are not valid CP932.
bool Cp932ToUtf8(std::string_view cp932, std::string& out);
// True when every character of utf8 has a CP932 form.
bool IsCp932Representable(std::string_view utf8);

} // namespace qf
