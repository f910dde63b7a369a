#include "app/settings_location.h"

#include <gtest/gtest.h>

namespace kalkora {

TEST(SettingsLocation, BesideTheProgramOrInTheUsersConfigFolder) {
  EXPECT_EQ(settingsLocation("/opt/k/kalkora-import", "", true, "", "/home/u").path, "/opt/k/kalkora-import.ini");
  EXPECT_EQ(settingsLocation("/opt/k/Import.exe", "", true, "", "/home/u").path, "/opt/k/Import.ini");

  const SettingsLocation xdg = settingsLocation("/usr/bin/kalkora-import", "", false, "/cfg", "/home/u");
  EXPECT_EQ(xdg.path, "/cfg/kalkora-import/kalkora-import.ini");
  EXPECT_EQ(xdg.fallbackPath, "/usr/bin/kalkora-import.ini");
  EXPECT_EQ(settingsLocation("/usr/bin/kalkora-import", "", false, "", "/home/u").path,
            "/home/u/.config/kalkora-import/kalkora-import.ini");
  EXPECT_EQ(settingsLocation("/usr/bin/kalkora-import", "", false, "relative", "/home/u").path,
            "/home/u/.config/kalkora-import/kalkora-import.ini");

  // Installed, even by root, whose folder of programs can be written.
  const SettingsLocation installed =
      settingsLocation("/usr/bin/kalkora-import", "/usr/share/kalkora-import/", true, "/cfg", "/root");
  EXPECT_EQ(installed.path, "/cfg/kalkora-import/kalkora-import.ini");
  EXPECT_EQ(installed.fallbackPath, "/usr/share/kalkora-import/kalkora-import.ini");
}

}  // namespace kalkora
