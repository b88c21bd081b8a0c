#include "Secrets.h"

#include <sodium.h>

#include <stdexcept>

namespace server {

namespace {

void Ready() {
    static const bool ready = sodium_init() >= 0;
    if (!ready) throw std::runtime_error("libsodium cannot start");
}

}  // namespace

std::string Secrets::HashPassword(std::string_view password) {
    Ready();
    char hash[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str_alg(hash, password.data(), password.size(), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                              crypto_pwhash_MEMLIMIT_INTERACTIVE, crypto_pwhash_ALG_ARGON2ID13) != 0)
        throw std::runtime_error("The password cannot be hashed: out of memory");
    return hash;
}

bool Secrets::PasswordMatches(const std::string& hash, std::string_view password) {
    Ready();
    return crypto_pwhash_str_verify(hash.c_str(), password.data(), password.size()) == 0;
}

void Secrets::CheckNoPassword(std::string_view password) {
    static const std::string unmatchable = HashPassword(NewToken());
    PasswordMatches(unmatchable, password);
}

std::string Secrets::NewToken() {
    Ready();
    unsigned char bytes[32];
    randombytes_buf(bytes, sizeof bytes);
    char text[sodium_base64_ENCODED_LEN(sizeof bytes, sodium_base64_VARIANT_URLSAFE_NO_PADDING)];
    sodium_bin2base64(text, sizeof text, bytes, sizeof bytes, sodium_base64_VARIANT_URLSAFE_NO_PADDING);
    return text;
}

std::string Secrets::TokenDigest(std::string_view token) {
    Ready();
    unsigned char digest[crypto_generichash_BYTES];
    crypto_generichash(digest, sizeof digest, reinterpret_cast<const unsigned char*>(token.data()), token.size(), nullptr, 0);
    char hex[sizeof digest * 2 + 1];
    sodium_bin2hex(hex, sizeof hex, digest, sizeof digest);
    return hex;
}

}  // namespace server
