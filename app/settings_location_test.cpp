#include "app/settings_location.h"

#include <gtest/gtest.h>

namespace kalkora {

TEST(SettingsLocation, BesideTheProgramOrInTheUsersConfigFolder) {
  EXPECT_EQ(settingsLocation("/opt/k/kalkora-import", true, "", "/home/u").path, "/opt/k/kalkora-import.ini");
  EXPECT_EQ(settingsLocation("/opt/k/Import.exe", true, "", "/home/u").path, "/opt/k/Import.ini");

  const SettingsLocation xdg = settingsLocation("/usr/bin/kalkora-import", false, "/cfg", "/home/u");
  EXPECT_EQ(xdg.path, "/cfg/kalkora-import/kalkora-import.ini");
  EXPECT_EQ(xdg.fallbackPath, "/usr/bin/kalkora-import.ini");
  EXPECT_EQ(settingsLocation("/usr/bin/kalkora-import", false, "", "/home/u").path,
            "/home/u/.config/kalkora-import/kalkora-import.ini");
  EXPECT_EQ(settingsLocation("/usr/bin/kalkora-import", false, "relative", "/home/u").path,
            "/home/u/.config/kalkora-import/kalkora-import.ini");
}

}  // namespace kalkora
