#pragma once
// The server's secrets through libsodium: passwords kept only as Argon2id hashes (each with its own
// salt and cost, in the one text libsodium writes), and session tokens: random, handed to the
// client once, and stored only as their digest, so that the store cannot give a session away.
#include <string>
#include <string_view>

namespace server {

class Secrets {
public:
    // The Argon2id hash of a password (libsodium's "interactive" cost: 64 MiB, two passes).
    static std::string HashPassword(std::string_view password);
    // Whether the password is the one hashed; false for a hash that is not one.
    static bool PasswordMatches(const std::string& hash, std::string_view password);
    // Takes as long as a password check, for a user that does not exist: an answer's time tells
    // nobody which names do.
    static void CheckNoPassword(std::string_view password);
    // A new session token: 32 random bytes, as URL-safe base64 without padding (43 characters).
    static std::string NewToken();
    // The digest a token is stored and looked up by (BLAKE2b, 32 bytes, in hex).
    static std::string TokenDigest(std::string_view token);
};

}  // namespace server
