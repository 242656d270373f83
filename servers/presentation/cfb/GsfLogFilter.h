// SPDX-License-Identifier: MIT
#pragma once

// libgsf checks its arguments with GLib assertions and warns about blocks it
// cannot read, printing "CRITICAL" and "WARNING" lines to standard error when
// a damaged compound file leads it astray (some without a log domain). The
// reader reports such files itself, so while a scope of this kind is open on
// a thread, that thread's GLib messages below errors are dropped, and
// libgsf's own are dropped at any time; everything else still reaches GLib's
// handler.
class CGsfLogScope
{
public:
    CGsfLogScope();
    ~CGsfLogScope();
    CGsfLogScope(const CGsfLogScope&) = delete;
    CGsfLogScope& operator=(const CGsfLogScope&) = delete;
};
