#pragma once
// A test that needs what only POSIX systems have (fork, setrlimit, inotify, links, permission
// bits) stands between #ifndef _WIN32 and #else; on Windows this takes its place as a skipped
// test that says why, so that the Windows run counts it.

#include <gtest/gtest.h>

#define PELMORA_POSIX_ONLY_TEST(suite, name, why) \
  TEST(suite, name) { GTEST_SKIP() << "POSIX only: " why; }
#define PELMORA_POSIX_ONLY_TEST_F(fixture, name, why) \
  TEST_F(fixture, name) { GTEST_SKIP() << "POSIX only: " why; }
