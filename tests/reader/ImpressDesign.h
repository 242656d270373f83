// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <string>

// The design of the first master page of a flat OpenDocument presentation:
// its background fill and the look of its title style.
struct ImpressDesign
{
    std::string backgroundColor; // "#rrggbb", lower case; empty when not solid
    std::string titleFont;
    std::string titleColor;
    bool titleBold = false;
};

// Throws std::runtime_error when the file cannot be read or has no master.
ImpressDesign ReadImpressDesign(const QString& path);
