// SPDX-License-Identifier: MIT
#include "AtomicFileSink.h"
#include "FifoProbe.h"
#include "PalmDatabaseWriter.h"
#include "PdbTestSupport.h"

#include <csignal>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// Passes bytes on up to a limit, then fails as a full disk would.
class CFailingSink final : public IByteSink
{
public:
    CFailingSink(std::unique_ptr<IByteSink> inner, std::size_t limit, std::string path)
        : m_inner(std::move(inner)), m_room(limit), m_path(std::move(path))
    {}
    void Write(std::span<const std::uint8_t> bytes) override
    {
        const std::size_t passed = std::min(bytes.size(), m_room);
        m_inner->Write(bytes.first(passed));
        m_room -= passed;
        if (passed < bytes.size() && m_error.empty())
            m_error = "Cannot write to " + m_path + ": No space left on device";
    }
    bool Commit() override { return m_error.empty() && m_inner->Commit(); }
    const std::string& ErrorText() const override
    {
        return m_error.empty() ? m_inner->ErrorText() : m_error;
    }

private:
    std::unique_ptr<IByteSink> m_inner;
    std::size_t m_room;
    std::string m_path;
    std::string m_error;
};

// Lowers one of this process's resource limits for a scope.
class CResourceLimit
{
public:
    CResourceLimit(int resource, rlim_t limit) : m_resource(resource)
    {
        ::getrlimit(m_resource, &m_saved);
        const rlimit lowered{limit, m_saved.rlim_max};
        ::setrlimit(m_resource, &lowered);
    }
    ~CResourceLimit() { ::setrlimit(m_resource, &m_saved); }

private:
    int m_resource;
    rlimit m_saved{};
};

class ConversionFailureTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        WriteBytes(m_image, Pattern(100000));
        WriteBytes(m_database, m_oldDatabase);
    }
    // The old database must survive any failure whole, with nothing beside it.
    void ExpectOldDatabaseKept()
    {
        EXPECT_EQ(ReadBytes(m_database), m_oldDatabase);
        EXPECT_EQ(m_dir.Names(), (std::set<std::string>{"Logo.gif", "Logo.pdb"}));
    }

    CTempFolder m_dir;
    const std::string m_image = m_dir / "Logo.gif";
    const std::string m_database = m_dir / "Logo.pdb";
    const Bytes m_oldDatabase = Pattern(500);
    CSystemClock m_clock;
    std::string m_result;
};

TEST_F(ConversionFailureTest, AFailedWriteAtAnyPointKeepsTheOldDatabase)
{
    // In the header, at the record list, at the first record, in the data, at the very end.
    for (const std::size_t limit : {0u, 33u, 78u, 94u, 65000u, 100093u}) {
        SCOPED_TRACE(limit);
        const CPalmDatabaseWriter writer(m_clock, [limit](const std::string& path) {
            return std::make_unique<CFailingSink>(std::make_unique<CAtomicFileSink>(path), limit,
                                                  path);
        });
        EXPECT_FALSE(writer.ConvertGifToPdb(m_image, m_result));
        EXPECT_EQ(m_result, "Cannot write to " + m_database + ": No space left on device");
        ExpectOldDatabaseKept();
    }
}

TEST_F(ConversionFailureTest, TheSystemRefusingAWriteKeepsTheOldDatabase)
{
    const auto savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    {
        const CResourceLimit fileSize(RLIMIT_FSIZE, 4096);
        EXPECT_FALSE(ConvertGifToPdb(m_image, m_result));
    }
    std::signal(SIGXFSZ, savedHandler);
    EXPECT_EQ(m_result, "Cannot write to " + m_database + ": File too large");
    ExpectOldDatabaseKept();
}

TEST_F(ConversionFailureTest, AFolderInTheDatabasesPlaceIsLeftAlone)
{
    std::filesystem::remove(m_database);
    std::filesystem::create_directory(m_database);
    EXPECT_FALSE(ConvertGifToPdb(m_image, m_result));
    EXPECT_EQ(m_result, "Cannot write to " + m_database + ": Is a directory");
    EXPECT_TRUE(std::filesystem::is_empty(m_database));
    EXPECT_EQ(m_dir.Names(), (std::set<std::string>{"Logo.gif", "Logo.pdb"}));
}

TEST_F(ConversionFailureTest, InputsThatCannotBeReadWholeWriteNothing)
{
    const std::string missing = m_dir / "Missing.gif";
    EXPECT_FALSE(ConvertGifToPdb(missing, m_result));
    EXPECT_EQ(m_result, "Cannot read " + missing);

    const std::string folder = m_dir / "Folder.gif";
    std::filesystem::create_directory(folder);
    EXPECT_FALSE(ConvertGifToPdb(folder, m_result));
    EXPECT_EQ(m_result, "Cannot read " + folder + ": not a regular file");
    EXPECT_FALSE(std::filesystem::exists(m_dir / "Folder.pdb"));
}

TEST_F(ConversionFailureTest, APipeInTheImagesPlaceIsRefusedWithoutWaitingForAWriter)
{
    const std::string pipe = m_dir / "Pipe.gif";
    EXPECT_TRUE(
        ReturnsPromptlyOnAPipe(pipe, [&] { EXPECT_FALSE(ConvertGifToPdb(pipe, m_result)); }));
    EXPECT_EQ(m_result, "Cannot read " + pipe + ": not a regular file");
    EXPECT_FALSE(std::filesystem::exists(m_dir / "Pipe.pdb"));
}

TEST_F(ConversionFailureTest, AShortReadIsAnErrorNotAShorterImage)
{
    // The kernel's attribute files claim a whole page and hold a few bytes.
    std::optional<std::string> shortFile;
    for (const char* path :
         {"/sys/kernel/profiling", "/sys/power/state", "/sys/kernel/mm/ksm/run"}) {
        std::error_code error;
        if (std::filesystem::file_size(path, error) == 4096 && !ReadBytes(path).empty()) {
            shortFile = path;
            break;
        }
    }
    if (!shortFile)
        GTEST_SKIP() << "no kernel attribute file to read";
    const std::string image = m_dir / "Short.gif";
    std::filesystem::create_symlink(*shortFile, image);
    EXPECT_FALSE(ConvertGifToPdb(image, m_result));
    EXPECT_EQ(m_result, "Cannot read " + image + ": it ended after " +
                            std::to_string(ReadBytes(image).size()) + " of 4096 bytes");
    EXPECT_FALSE(std::filesystem::exists(m_dir / "Short.pdb"));
}

TEST_F(ConversionFailureTest, RunningOutOfMemoryWritesNothing)
{
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "a sanitizer's shadow memory does not fit under the lowered limit";
#endif
    const std::string image = SparseFile(m_dir / "Big.gif", 60000000);
    long pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    const auto inUse = static_cast<rlim_t>(pages) * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE));
    {
        const CResourceLimit addressSpace(RLIMIT_AS, inUse + 32 * 1024 * 1024);
        EXPECT_FALSE(ConvertGifToPdb(image, m_result));
    }
    EXPECT_EQ(m_result, "Not enough memory to read " + image);
    EXPECT_FALSE(std::filesystem::exists(m_dir / "Big.pdb"));
}

} // namespace
