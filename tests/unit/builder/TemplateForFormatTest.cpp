// SPDX-License-Identifier: MIT
#include "TemplateForFormat.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

const ShippedTemplates kShipped{"/usr/share/quillon/quillon.pot",
                                "/usr/share/quillon/quillon.potx"};

PresentationOptions Saving(PresentationFormat format, std::string templateFile)
{
    PresentationOptions options;
    options.m_save = 1;
    options.m_format = format;
    options.m_templateFile = std::move(templateFile);
    return options;
}

std::string Kind(const TemplateChoice& choice)
{
    switch (choice.kind) {
    case TemplateForFormat::AsChosen:
        return "as chosen";
    case TemplateForFormat::Shipped:
        return "shipped " + choice.file;
    case TemplateForFormat::LeftOut:
        return "left out";
    case TemplateForFormat::Refused:
        return "refused";
    }
    return "?";
}

std::string Fit(const PresentationOptions& options, const ShippedTemplates& shipped = kShipped)
{
    return Kind(FitTemplateToFormat(options, shipped));
}

TEST(TemplateForFormat, TheShippedDesignIsTakenInTheFormatWrittenWhicheverOfItsFilesIsNamed)
{
    using enum PresentationFormat;
    for (const std::string& named : {kShipped.pot, kShipped.potx}) {
        SCOPED_TRACE(named);
        EXPECT_EQ(Fit(Saving(Ppt, named)), "shipped " + kShipped.pot);
        EXPECT_EQ(Fit(Saving(Pptx, named)), "shipped " + kShipped.potx);
        // Not saved, a presentation has no format of its own.
        PresentationOptions shown = Saving(Pptx, named);
        shown.m_save = 0;
        EXPECT_EQ(Fit(shown), "shipped " + kShipped.pot);
        PresentationOptions off = Saving(Pptx, named);
        off.m_template = 0;
        EXPECT_EQ(Fit(off), "as chosen");
    }
    // Only one of the two installed: the other format goes without.
    EXPECT_EQ(Fit(Saving(Pptx, kShipped.pot), {kShipped.pot, {}}), "left out");
    EXPECT_EQ(Fit(Saving(Ppt, kShipped.pot), {kShipped.pot, {}}), "shipped " + kShipped.pot);
    // Nothing shipped: an empty template name is no shipped one.
    EXPECT_EQ(Fit(Saving(Pptx, ""), {}), "as chosen");
}

TEST(TemplateForFormat, AUsersTemplateForTheOtherFormatIsRefusedOnlyWhenSaved)
{
    using enum PresentationFormat;
    EXPECT_EQ(Fit(Saving(Pptx, "/home/ann/Blue.pot")), "refused");
    EXPECT_EQ(Fit(Saving(Ppt, "/home/ann/Blue.POTX")), "refused");
    EXPECT_EQ(Fit(Saving(Ppt, "/home/ann/deck.pptx")), "refused");
    EXPECT_EQ(Fit(Saving(Pptx, "/home/ann/Blue.potx")), "as chosen");
    EXPECT_EQ(Fit(Saving(Pptx, "/home/ann/deck.PPTX")), "as chosen");
    EXPECT_EQ(Fit(Saving(Ppt, "/home/ann/Blue.pot")), "as chosen");
    // Told by content where there is one, as the server tells it.
    const std::string zip =
        (std::filesystem::temp_directory_path() / ("zip-" + std::to_string(::getpid()) + ".pot"))
            .string();
    std::ofstream(zip) << "PK\x03\x04 and the rest";
    EXPECT_EQ(Fit(Saving(Ppt, zip)), "refused");
    EXPECT_EQ(Fit(Saving(Pptx, zip)), "as chosen");
    std::filesystem::remove(zip);
    PresentationOptions shown = Saving(Pptx, "/home/ann/Blue.pot");
    shown.m_save = 0;
    EXPECT_EQ(Fit(shown), "as chosen");
}

TEST(TemplateForFormat, TheRefusalNamesTheFileAndWhatWouldFit)
{
    EXPECT_EQ(TemplateRefusedText("/home/ann/Blue.pot", PresentationFormat::Pptx),
              "The design template \"/home/ann/Blue.pot\" is made for PowerPoint 97-2003 (*.ppt) "
              "presentations and cannot be applied to a PowerPoint (*.pptx) presentation.\n\n"
              "In Options, choose a PowerPoint design template (*.potx), save as PowerPoint "
              "97-2003 (*.ppt), or turn off Apply template.");
    EXPECT_EQ(TemplateRefusedText("/home/ann/Blue.potx", PresentationFormat::Ppt),
              "The design template \"/home/ann/Blue.potx\" is made for PowerPoint (*.pptx) "
              "presentations and cannot be applied to a PowerPoint 97-2003 (*.ppt) presentation."
              "\n\nIn Options, choose a PowerPoint 97-2003 design template (*.pot), save as "
              "PowerPoint (*.pptx), or turn off Apply template.");
}

} // namespace
