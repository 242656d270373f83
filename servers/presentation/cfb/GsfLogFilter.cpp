// SPDX-License-Identifier: MIT
#include "GsfLogFilter.h"

#include <cstring>
#include <glib.h>
#include <mutex>

namespace {

// GLib hands back the previous handler but not its data; its own takes none.
GLogFunc g_previousHandler = nullptr;

bool FromGsf(const gchar* domain)
{
    static constexpr char kGsfDomain[] = "libgsf";
    return domain != nullptr && std::strncmp(domain, kGsfDomain, sizeof kGsfDomain - 1) == 0;
}

thread_local int t_openScopes = 0;

void Filter(const gchar* domain, GLogLevelFlags level, const gchar* message, gpointer)
{
    if ((FromGsf(domain) || t_openScopes > 0) && (level & G_LOG_LEVEL_ERROR) == 0)
        return;
    g_previousHandler(domain, level, message, nullptr);
}

} // namespace

CGsfLogScope::CGsfLogScope()
{
    static std::once_flag installed;
    std::call_once(installed, [] {
        g_previousHandler = g_log_set_default_handler(Filter, nullptr);
        if (g_previousHandler == nullptr)
            g_previousHandler = g_log_default_handler;
    });
    ++t_openScopes;
}

CGsfLogScope::~CGsfLogScope()
{
    --t_openScopes;
}
