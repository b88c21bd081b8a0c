#pragma once
// The world of one test, built in one line: a fresh temporary folder holding the user's folder
// (APPDATA) and the all-users folder (ALLUSERSPROFILE), the user's profile made in it (unless asked
// not to), the application-data root forgotten, fresh headless UI services installed, the C locale's
// forms of numbers and dates. Everything comes back as it was when the world ends. The world also
// gets an empty headless clipboard.
#include <filesystem>
#include <memory>
#include <string>

#include "support/ScopedVariable.h"
#include "platform/HeadlessUi.h"

namespace testsupport {

class TestWorld {
public:
    enum class Profile { Ready, Missing };

    explicit TestWorld(Profile profile = Profile::Ready);
    ~TestWorld();
    TestWorld(const TestWorld&) = delete;
    TestWorld& operator=(const TestWorld&) = delete;

    // The temporary folder everything lives in.
    const std::filesystem::path& Root() const { return root_; }
    // Where APPDATA points: <root>/AppData.
    std::filesystem::path UserFolder() const { return root_ / "AppData"; }
    // The user's profile: <root>/AppData/VARDEN.
    std::filesystem::path ProfileFolder() const { return UserFolder() / "VARDEN"; }
    // Where ALLUSERSPROFILE points: <root>/AllUsers.
    std::filesystem::path AllUsersFolder() const { return root_ / "AllUsers"; }
    // The all-users profile a missing user profile is copied from: <root>/AllUsers/AppData/VARDEN.
    std::filesystem::path AllUsersProfileFolder() const { return AllUsersFolder() / "AppData" / "VARDEN"; }

    // Writes a file (its folders made as needed) under the root and returns its path.
    std::filesystem::path WriteFile(const std::filesystem::path& relative, const std::string& content) const;

    platform::HeadlessUi& Ui() { return *ui_; }
    // Sets the user's decimal and thousands separators for the life of the world.
    void UseSeparators(const std::string& decimal, const std::string& thousands);
    // The user's locale (LC_ALL) for the life of the world, "de_DE.UTF-8" say: the separators, dates
    // and times are that installed locale's.
    void UseLocale(const std::string& name);

private:
    std::filesystem::path root_;
    ScopedVariable appData_;
    ScopedVariable allUsersProfile_;
    ScopedVariable locale_{"LC_ALL", "C.UTF-8"};
    std::shared_ptr<platform::HeadlessUi> ui_;
};

}  // namespace testsupport
