// The maker's and the program's names as the splash and the about box show them.
#pragma once

namespace varodex {

inline constexpr const char* product_name = "Varodex";
inline constexpr const char* maker_name = "Brindlemark";
inline constexpr const char* maker_title = "Brindlemark's";
inline constexpr const char* version_line = "Version 4.0";
inline constexpr const char* maker_web_address = "www.brindlemark.example";

}  // namespace varodex
