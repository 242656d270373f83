// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Where finished file bytes go. The first failure sticks: later writes are
// ignored, and Close reports it, so callers write in a straight line and
// check once.
class IByteSink
{
public:
    virtual ~IByteSink() = default;

    virtual void Write(const std::uint8_t* data, std::size_t size) = 0;
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
    bool Close() override;
    std::string Error() const override { return m_error; }

private:
    void Fail(int error);

    int m_fd;
    std::string m_error;
};
