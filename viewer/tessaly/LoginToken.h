// The viewer client's login token.
#pragma once

#include <string>

namespace tessaly
{

// Base64 of the MD5 digest of "admin:<challenge>:<password>" with its
// terminating zero byte, taking the digest's bytes up to its first zero
// byte (all 16 when none is zero). Any password length works.
std::string MakeLoginToken(const std::string& challenge, const std::string& password);

} // namespace tessaly
