#pragma once

#include <QTest>

#include <gtest/gtest.h>

// What reaches widgets through the event loop (layouts, painting, Scintilla's notices) is
// waited for, up to two seconds, then compared as usual so a failure still reports both sides.
#define EXPECT_SOON_EQ(actual, expected)                                                  \
    do {                                                                                  \
        static_cast<void>(QTest::qWaitFor([&] { return (actual) == (expected); }, 2000)); \
        EXPECT_EQ(actual, expected);                                                      \
    } while (false)
