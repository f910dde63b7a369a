#include "xlsx/side_by_side.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace kalkora {

using ::testing::StrEq;
using ::testing::ThrowsMessage;

TEST(SideBySide, RunsEveryJobAndRethrowsAFailureAfterAllAreDone) {
  std::vector<int> done(6, 0);
  runSideBySide(6, [](size_t i) { return i % 2 == 0; }, [&](size_t i) { done[i] = static_cast<int>(i) + 1; });
  EXPECT_EQ(done, (std::vector<int>{1, 2, 3, 4, 5, 6}));

  std::vector<int> finished(4, 0);
  const auto failing = [&] {
    runSideBySide(
        4, [](size_t) { return true; },
        [&](size_t i) {
          if (i == 1) throw std::runtime_error("selhalo");
          finished[i] = 1;
        });
  };
  EXPECT_THAT(failing, ThrowsMessage<std::runtime_error>(StrEq("selhalo")));
  EXPECT_EQ(finished, (std::vector<int>{1, 0, 1, 1}));
}

}  // namespace kalkora
