// SPDX-License-Identifier: MIT
#include "PptPackager.h"
#include "RecordDump.h"
#include "SampleDocuments.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

// The record tree of the worked example, offsets masked, against the dump
// kept under tests/golden. Set QUILLON_UPDATE_GOLDEN=1 to rewrite it after a
// deliberate change, and review the diff.
TEST(GoldenDump, WorkedExampleRecordTree)
{
    const PptStreams streams = CPptPackager().Package(SampleDocuments::WorkedExample());
    const std::string actual = "[Current User]\n" + CRecordDump(streams.currentUser, true).Text() +
                               "[PowerPoint Document]\n" +
                               CRecordDump(streams.document, true).Text();
    const std::string path = std::string(QUILLON_GOLDEN_DIR) + "/worked_example.pptdump.txt";
    if (std::getenv("QUILLON_UPDATE_GOLDEN")) {
        std::ofstream(path, std::ios::binary) << actual;
        GTEST_SKIP() << "rewrote " << path;
    }
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << "missing " << path;
    std::stringstream expected;
    expected << in.rdbuf();
    EXPECT_EQ(actual, expected.str());
}

} // namespace
