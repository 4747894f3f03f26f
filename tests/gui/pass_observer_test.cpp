// The Qt host tells an observer about the passes that really handle events,
// and about no others.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <chrono>
#include <vector>

#include "gui/qt_host.h"

namespace mirl::gui {
namespace {

TEST(QtHostObserver, SeesEveryRealPassAndOnlyThose) {
  using Clock = std::chrono::steady_clock;
  QtHost host;
  std::vector<std::pair<Clock::time_point, Clock::time_point>> seen;
  host.onRealPass = [&](Clock::time_point begin, Clock::time_point end) { seen.emplace_back(begin, end); };
  // An event handled inside a pass falls within that pass's times.
  Clock::time_point delivered{};
  QTimer::singleShot(0, [&] { delivered = Clock::now(); });

  const Clock::time_point start = Clock::now();
  while (Clock::now() - start < std::chrono::milliseconds(60)) host.processEvents();

  ASSERT_EQ(seen.size(), host.realPasses());
  ASSERT_GE(seen.size(), 2u);
  EXPECT_GE(delivered, seen.front().first);
  EXPECT_LE(delivered, seen.front().second);
  for (size_t i = 0; i < seen.size(); ++i) {
    EXPECT_LE(seen[i].first, seen[i].second) << i;
    if (i > 0) {
      EXPECT_GE(seen[i].first - seen[i - 1].first, QtHost::kMinInterval) << i;
    }
  }

  // Unset again: passes go on without it.
  host.onRealPass = nullptr;
  const auto before = seen.size();
  const Clock::time_point again = Clock::now();
  while (Clock::now() - again < std::chrono::milliseconds(25)) host.processEvents();
  EXPECT_EQ(seen.size(), before);
  EXPECT_GT(host.realPasses(), before);
}

}  // namespace
}  // namespace mirl::gui
