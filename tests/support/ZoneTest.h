#pragma once
#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>
#include <optional>
#include <string>

// A test that runs in Asia/Tokyo unless it picks another zone, and gives the process
// its own zone back afterwards.
class ZoneTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (const char* tz = std::getenv("TZ"))
            m_oldZone = tz;
        UseZone("Asia/Tokyo");
    }
    void TearDown() override
    {
        if (m_oldZone)
            setenv("TZ", m_oldZone->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    static void UseZone(const char* zone)
    {
        setenv("TZ", zone, 1);
        tzset();
    }

private:
    std::optional<std::string> m_oldZone;
};
