#include "viewer/tessaly/LoginToken.h"

#include "link/Base64.h"

#include <QCryptographicHash>

namespace tessaly
{

std::string MakeLoginToken(const std::string& challenge, const std::string& password)
{
    const std::string text = "admin:" + challenge + ":" + password;
    // The digest covers the terminating zero as well.
    const QByteArray digest = QCryptographicHash::hash(
        QByteArrayView(text.c_str(), qsizetype(text.size() + 1)), QCryptographicHash::Md5);
    const auto* bytes = reinterpret_cast<const uint8_t*>(digest.constData());
    int used = 0;
    while (used < digest.size() && bytes[used] != 0)
        ++used;
    char encoded[32];
    const int n = Base64Encode(bytes, used, encoded, int(sizeof encoded));
    return std::string(encoded, size_t(n));
}

} // namespace tessaly
