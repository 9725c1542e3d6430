// The maker's web site, shown as a bare host name and opened as a full address.
#pragma once

inline constexpr char makerSiteHost[] = "www.quillfen.com";
inline constexpr char makerSiteUrl[] = "https://www.quillfen.com/";
