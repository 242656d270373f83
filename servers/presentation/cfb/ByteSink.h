// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Where finished file bytes go. The first failure sticks: later writes are
// ignored, and Close reports it, so callers write in a straight line and
// check once.
class IByteSink
{
public:
    virtual ~IByteSink() = default;

    // Appends.
    virtual void Write(const std::uint8_t* data, std::size_t size) = 0;
    // Overwrites bytes already written: a container fills in its header when
    // everything after it is known.
    virtual void Rewrite(std::size_t offset, const std::uint8_t* data, std::size_t size) = 0;
    // Flushes and closes; false if any write or the close failed.
    virtual bool Close() = 0;
    // Why the sink failed, in words for the user; empty while all is well.
    virtual std::string Error() const = 0;
};

// Writes to an open file descriptor, which it takes over, and makes the bytes
// durable before Close reports success.
class CFileSink : public IByteSink
{
public:
    explicit CFileSink(int fd);
    ~CFileSink() override;
    CFileSink(const CFileSink&) = delete;
    CFileSink& operator=(const CFileSink&) = delete;

    void Write(const std::uint8_t* data, std::size_t size) override;
    void Rewrite(std::size_t offset, const std::uint8_t* data, std::size_t size) override;
    bool Close() override;
    std::string Error() const override { return m_error; }

private:
    void Fail(int error);

    int m_fd;
    std::string m_error;
};

// Keeps the bytes in memory, for callers that want the whole file at hand.
class CMemorySink : public IByteSink
{
public:
    void Write(const std::uint8_t* data, std::size_t size) override;
    void Rewrite(std::size_t offset, const std::uint8_t* data, std::size_t size) override;
    bool Close() override { return true; }
    std::string Error() const override { return {}; }

    std::vector<std::uint8_t> Take() { return std::move(m_bytes); }

private:
    std::vector<std::uint8_t> m_bytes;
};
