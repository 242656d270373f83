// SPDX-License-Identifier: MIT
// Linked into every test program that holds automation objects: a test that
// ends with more live objects than it started with leaked a reference on
// some path, and fails here even when its own checks all passed. The check
// runs after the fixture is destroyed, so references a fixture holds until
// then count as released.
#include "DispatchObject.h"

#include <gtest/gtest.h>

namespace {

class CLiveObjectsListener : public ::testing::EmptyTestEventListener
{
public:
    void OnTestStart(const ::testing::TestInfo&) override
    {
        m_liveAtStart = CDispatchObject::LiveObjects();
    }

    void OnTestEnd(const ::testing::TestInfo&) override
    {
        const long leaked = CDispatchObject::LiveObjects() - m_liveAtStart;
        if (leaked != 0)
            ADD_FAILURE() << leaked << " automation object(s) outlived the test (live before: "
                          << m_liveAtStart << ", after: " << CDispatchObject::LiveObjects() << ")";
    }

private:
    long m_liveAtStart = 0;
};

// The listeners outlive every test; GoogleTest deletes them at exit.
const bool s_registered = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new CLiveObjectsListener);
    return true;
}();

} // namespace
