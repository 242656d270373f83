// SPDX-License-Identifier: MIT
#pragma once

#include "DispatchStatus.h"
#include "ServerException.h"
#include "StatusError.h"

#include <cstdio>
#include <exception>
#include <gtest/gtest.h>
#include <string>

// Status codes read best in hex, as automation documents them.
inline std::string StatusText(HRESULT status)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(status));
    return text;
}

// Expects statement to throw CServerException with exactly this code and
// description.
#define EXPECT_SERVER_EXCEPTION(statement, code, description)                                      \
    do {                                                                                           \
        try {                                                                                      \
            statement;                                                                             \
            ADD_FAILURE() << "no server exception from " #statement;                               \
        } catch (const CServerException& serverException) {                                        \
            EXPECT_EQ(StatusText(serverException.Code()), StatusText(code));                       \
            EXPECT_EQ(serverException.Description(), description);                                 \
        } catch (const std::exception& otherException) {                                           \
            ADD_FAILURE() << "another exception from " #statement ": " << otherException.what();   \
        }                                                                                          \
    } while (false)

// Expects statement to throw CStatusError with exactly this status.
#define EXPECT_STATUS_ERROR(statement, code)                                                       \
    do {                                                                                           \
        try {                                                                                      \
            statement;                                                                             \
            ADD_FAILURE() << "no status error from " #statement;                                   \
        } catch (const CStatusError& statusError) {                                                \
            EXPECT_EQ(StatusText(statusError.Code()), StatusText(code));                           \
        } catch (const std::exception& otherException) {                                           \
            ADD_FAILURE() << "another exception from " #statement ": " << otherException.what();   \
        }                                                                                          \
    } while (false)
