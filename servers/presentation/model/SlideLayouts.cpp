// SPDX-License-Identifier: MIT
#include "SlideLayouts.h"

#include <iterator>

namespace {

// The names are those the presentation application gives the placeholders
// of a new slide; clients find the shapes by them.
constexpr LayoutPlaceholder kTitleLayout[] = {
    {"Rectangle 2", PlaceholderKind::CenterTitle},
    {"Rectangle 3", PlaceholderKind::Subtitle},
};
constexpr LayoutPlaceholder kTextLayout[] = {
    {"Rectangle 2", PlaceholderKind::Title},
    {"Rectangle 3", PlaceholderKind::Body},
};
constexpr LayoutPlaceholder kTwoColumnLayout[] = {
    {"Rectangle 2", PlaceholderKind::Title},
    {"Rectangle 3", PlaceholderKind::Body},
    {"Rectangle 4", PlaceholderKind::Body},
};

static_assert(std::size(kTitleLayout) <= kMaxLayoutPlaceholders &&
              std::size(kTextLayout) <= kMaxLayoutPlaceholders &&
              std::size(kTwoColumnLayout) <= kMaxLayoutPlaceholders);

} // namespace

bool IsSupportedLayout(int layout) noexcept
{
    return !PlaceholdersOfLayout(layout).empty();
}

std::span<const LayoutPlaceholder> PlaceholdersOfLayout(int layout) noexcept
{
    switch (layout) {
    case 1:
        return kTitleLayout;
    case 2:
        return kTextLayout;
    case 3:
        return kTwoColumnLayout;
    default:
        return {};
    }
}
