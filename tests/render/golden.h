#pragma once
// Generated text against the copy kept in tests/data/<folder>/<name>
// (QF_UPDATE_GOLDENS=1 rewrites it), naming the first line that differs.
#include "support/temp_dir.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

inline void ExpectGolden(const std::string& actual, const std::string& folder, const std::string& name) {
    const std::string path = (qf::test::DataDir() / folder / name).string();
    if (std::getenv("QF_UPDATE_GOLDENS"))
        qf::test::WriteFileBytes(path, actual);
    std::istringstream want(qf::test::ReadFileBytes(path));
    std::istringstream got(actual);
    for (int line = 1; want || got; ++line) {
        std::string w, g;
        std::getline(want, w);
        std::getline(got, g);
        ASSERT_EQ(g, w) << name << " line " << line;
    }
}
