#include "sha256.h"

#ifdef GK_HAVE_OPENSSL
#include <openssl/evp.h>
#else
#include <QCryptographicHash>
#endif

namespace gk {

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

QString Sha256::hex() {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    EVP_DigestFinal_ex(m_state->context, digest, &length);
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char*>(digest), int(length)).toHex());
}
#else
struct Sha256::State {
    QCryptographicHash hash{QCryptographicHash::Sha256};
};

void Sha256::add(const char* data, qsizetype size) {
    m_state->hash.addData(QByteArrayView(data, size));
}

QString Sha256::hex() { return QString::fromLatin1(m_state->hash.result().toHex()); }
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
