#pragma once

#include <QTest>

// Window tests wait for what they expect to see, never for a fixed time: a loaded machine may
// take far longer than usual to list a folder or run a queued drop. QtTest's QTRY_ macros
// cannot serve here, since a failing one returns quietly from a GoogleTest body and the test
// passes; assert on the result of this instead.

// Lets window events run until condition() holds; false when it still does not after timeoutMs.
template <typename Condition>
[[nodiscard]] bool WaitUntil(Condition condition, int timeoutMs = 10000) {
  return QTest::qWaitFor(condition, timeoutMs);
}
