#pragma once
#include <filesystem>
#include <functional>
#include <string>

namespace kalkora {

// Makes an initialised profile in a folder: a LibreOffice run that only
// initialises the profile there and ends.
using InitialiseProfile = std::function<void(const std::filesystem::path& folder)>;

// Fills folder (existing and empty) with a headless profile of ours: an
// initialised profile with our settings (no lock files beside workbooks, no
// document recovery, no graphics self-tests at start). Initialising one means running LibreOffice once, so
// the first run keeps one as a template in the user's cache folder
// ($XDG_CACHE_HOME or ~/.cache, kalkora-import/libreoffice-profile-<stamp of
// the installed LibreOffice>) and later runs copy it. The template is made
// in a folder beside it and renamed into place, so a run at the same time
// sees it whole or not at all; one that is damaged is made anew. Without a
// usable cache folder the profile is initialised in folder itself.
void makeHeadlessProfile(const std::filesystem::path& folder, const std::string& programDir,
                         const InitialiseProfile& initialise);

}  // namespace kalkora
