#pragma once

// libgsf checks its arguments with GLib assertions that print "CRITICAL"
// lines to standard error when a damaged compound file leads it astray. The
// reader reports such files itself, so libgsf's own messages are dropped;
// messages of every other log domain still reach GLib's handler. Safe to call
// from any thread, any number of times.
void FilterGsfLog();
