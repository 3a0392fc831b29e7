#include "sha256.h"

#ifdef GK_HAVE_OPENSSL
#include <openssl/evp.h>
#else
#include <QCryptographicHash>
#endif

#include <algorithm>

namespace gk {

QString Digest::hex() const {
    static constexpr char digits[] = "0123456789abcdef";
    QString out(64, Qt::Uninitialized);
    QChar* at = out.data();
    for (const quint8 b : bytes) {
        *at++ = QLatin1Char(digits[b >> 4]);
        *at++ = QLatin1Char(digits[b & 15]);
    }
    return out;
}

std::optional<Digest> Digest::fromHex(QStringView hex) {
    if (hex.size() != 64)
        return std::nullopt;
    auto value = [](QChar c) -> int {
        const char16_t u = c.unicode();
        if (u >= u'0' && u <= u'9')
            return u - u'0';
        if (u >= u'a' && u <= u'f')
            return u - u'a' + 10;
        if (u >= u'A' && u <= u'F')
            return u - u'A' + 10;
        return -1;
    };
    Digest out;
    for (size_t k = 0; k < out.bytes.size(); ++k) {
        const int high = value(hex.at(qsizetype(2 * k)));
        const int low = value(hex.at(qsizetype(2 * k + 1)));
        if (high < 0 || low < 0)
            return std::nullopt;
        out.bytes[k] = quint8(high * 16 + low);
    }
    return out;
}

#ifdef GK_HAVE_OPENSSL
struct Sha256::State {
    State()
        : context(EVP_MD_CTX_new()) {
        EVP_DigestInit_ex(context, EVP_sha256(), nullptr);
    }
    ~State() { EVP_MD_CTX_free(context); }
    EVP_MD_CTX* context;
};

void Sha256::add(const char* data, qsizetype size) {
    EVP_DigestUpdate(m_state->context, data, size_t(size));
}

Digest Sha256::digest() {
    unsigned char bytes[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    EVP_DigestFinal_ex(m_state->context, bytes, &length);
    Digest out;
    std::copy_n(bytes, std::min<size_t>(length, out.bytes.size()), out.bytes.begin());
    return out;
}
#else
struct Sha256::State {
    QCryptographicHash hash{QCryptographicHash::Sha256};
};

void Sha256::add(const char* data, qsizetype size) {
    m_state->hash.addData(QByteArrayView(data, size));
}

Digest Sha256::digest() {
    const QByteArray result = m_state->hash.result();
    Digest out;
    std::copy_n(result.constData(), std::min<size_t>(size_t(result.size()), out.bytes.size()),
                out.bytes.begin());
    return out;
}
#endif

Sha256::Sha256()
    : m_state(std::make_unique<State>()) {}
Sha256::~Sha256() = default;
Sha256::Sha256(Sha256&&) noexcept = default;
Sha256& Sha256::operator=(Sha256&&) noexcept = default;

QString Sha256::of(const QByteArray& bytes) {
    Sha256 hash;
    hash.add(bytes);
    return hash.hex();
}

} // namespace gk
