// SPDX-License-Identifier: MIT
#pragma once

#include <glib-object.h>
#include <memory>

// Owns one GObject reference (libgsf's inputs, outputs and infiles) and drops
// it at the end of the scope, also when an exception unwinds it.
struct CGObjectUnref
{
    void operator()(void* object) const noexcept
    {
        if (object)
            g_object_unref(object);
    }
};

template <typename T> using GsfHandle = std::unique_ptr<T, CGObjectUnref>;

// Owns a GError.
struct CGErrorFree
{
    void operator()(GError* error) const noexcept { g_error_free(error); }
};
using GErrorHandle = std::unique_ptr<GError, CGErrorFree>;
