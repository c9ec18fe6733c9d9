#pragma once
// Gives each test an empty settings folder of its own, so file tests never
// see each other's files.
#include "platform/base/codepage.h"
#include "support/temp_dir.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

class SettingsHomeTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char* old = std::getenv("QUELAFORM_HOME"))
            m_old = old;
        setenv("QUELAFORM_HOME", m_home.path().c_str(), 1);
    }
    void TearDown() override { setenv("QUELAFORM_HOME", m_old.c_str(), 1); }

    std::string File(const std::string& name) const { return m_home.File(name); }
    std::string Bytes(const std::string& name) const { return qf::test::ReadFileBytes(File(name)); }
    // Writes UTF-8 text as the CP932 bytes a settings file holds.
    void Put(const std::string& name, const std::string& utf8) const {
        std::string bytes;
        ASSERT_TRUE(qf::Utf8ToCp932(utf8, bytes));
        qf::test::WriteFileBytes(File(name), bytes);
    }

    qf::test::TempDir m_home;

private:
    std::string m_old;
};
