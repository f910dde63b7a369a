#include "gui/application_setup.h"

#include <gtest/gtest.h>

#include <QApplication>

namespace kalkora {
namespace {

TEST(ApplicationSetup, CaptionsGetNoDisplayNameAppended) {
  setUpApplication();
  EXPECT_EQ(QApplication::applicationName(), QStringLiteral("Import dat do aplikace Kalkora"));
  // Without a display name of its own the application's follows its name; a
  // display name set would stay and be appended to every caption.
  QApplication::setApplicationName(QStringLiteral("jiný"));
  EXPECT_EQ(QGuiApplication::applicationDisplayName(), QStringLiteral("jiný"));
  setUpApplication();
}

}  // namespace
}  // namespace kalkora
