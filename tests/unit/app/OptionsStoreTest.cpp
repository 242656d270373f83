// SPDX-License-Identifier: MIT
#include "OptionsStore.h"

#include "TempFolder.h"

#include <QSettings>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

class OptionsStore : public ::testing::Test
{
protected:
    CTempFolder folder;
    QSettings settings{QString::fromStdString(folder / "quillon.conf"), QSettings::IniFormat};
    // As where nothing is shipped: the defaults lie in the current folder.
    COptionsStore store{settings, QString()};
};

TEST_F(OptionsStore, AFirstRunGivesTheDefaultsAroundTheCurrentFolderWhenNothingIsShipped)
{
    const PresentationOptions options = store.LoadOptions(QStringLiteral("/home/ann/talks"));
    EXPECT_EQ(options.m_template, 1);
    EXPECT_EQ(options.m_close, 0);
    EXPECT_EQ(options.m_leave, 1);
    EXPECT_EQ(options.m_overwrite, 0);
    EXPECT_EQ(options.m_save, 0);
    EXPECT_EQ(options.m_saveFolder, "/home/ann/talks");
    EXPECT_EQ(options.m_templateFile, "/home/ann/talks/quillon.pot");
}

TEST_F(OptionsStore, TheShippedTemplateIsTheDefaultButAChosenOneIsKept)
{
    // The store of the programs finds the template that the build made.
    const PresentationOptions first = COptionsStore(settings).LoadOptions(QStringLiteral("/x"));
    EXPECT_TRUE(first.m_templateFile.ends_with("/data/quillon.pot")) << first.m_templateFile;
    EXPECT_TRUE(std::filesystem::is_regular_file(first.m_templateFile));

    COptionsStore shipping(settings, QStringLiteral("/usr/share/quillon/quillon.pot"));
    EXPECT_EQ(shipping.LoadOptions(QStringLiteral("/x")).m_templateFile,
              "/usr/share/quillon/quillon.pot");
    settings.setValue(QStringLiteral("options/templateFile"), QString());
    settings.setValue(QStringLiteral("options/template"), 0);
    PresentationOptions options = shipping.LoadOptions(QStringLiteral("/x"));
    EXPECT_EQ(options.m_templateFile, "/usr/share/quillon/quillon.pot");
    EXPECT_EQ(options.m_template, 1);
    settings.setValue(QStringLiteral("options/templateFile"), QStringLiteral("/gone/blue.pot"));
    EXPECT_EQ(shipping.LoadOptions(QStringLiteral("/x")).m_templateFile, "/gone/blue.pot");
}

TEST_F(OptionsStore, NeitherSavingNorLeavingComesBackWithLeavingOn)
{
    settings.setValue(QStringLiteral("options/save"), 0);
    settings.setValue(QStringLiteral("options/leave"), 0);
    EXPECT_EQ(store.LoadOptions(QStringLiteral("/x")).m_leave, 1);
    settings.setValue(QStringLiteral("options/save"), 1);
    EXPECT_EQ(store.LoadOptions(QStringLiteral("/x")).m_leave, 0) << "saving keeps the file";
}

TEST_F(OptionsStore, TheRootFolderGivesADoubledSeparator)
{
    EXPECT_EQ(store.LoadOptions(QStringLiteral("/")).m_templateFile, "//quillon.pot");
}

TEST_F(OptionsStore, EverythingSavedComesBackAsItWasEvenUnusualFlags)
{
    PresentationOptions saved;
    saved.m_template = 0;
    saved.m_close = 1;
    saved.m_leave = 5;
    saved.m_overwrite = -2;
    saved.m_save = 1;
    saved.m_saveFolder = "/srv/Präsentationen";
    saved.m_templateFile = "/srv/designs/blue.pot";
    store.SaveOptions(saved);

    const PresentationOptions loaded =
        COptionsStore(settings, QString()).LoadOptions(QStringLiteral("/x"));
    EXPECT_EQ(loaded.m_template, 0);
    EXPECT_EQ(loaded.m_close, 1);
    EXPECT_EQ(loaded.m_leave, 5);
    EXPECT_EQ(loaded.m_overwrite, -2);
    EXPECT_EQ(loaded.m_save, 1);
    EXPECT_EQ(loaded.m_saveFolder, "/srv/Präsentationen");
    EXPECT_EQ(loaded.m_templateFile, "/srv/designs/blue.pot");
}

TEST_F(OptionsStore, AllSevenValuesAndTheFormatAreStoredUnderTheirNames)
{
    store.SaveOptions(PresentationOptions{});
    settings.beginGroup(QStringLiteral("options"));
    EXPECT_EQ(settings.childKeys().size(), 8);
    for (const char* name : {"template", "close", "leave", "overwrite", "save", "saveFolder",
                             "templateFile", "format"})
        EXPECT_TRUE(settings.contains(QLatin1String(name))) << name;
}

TEST_F(OptionsStore, AnEmptyTemplateFileComesBackAsTheDefaultAndSwitchesTheTemplateOn)
{
    settings.setValue(QStringLiteral("options/templateFile"), QString());
    settings.setValue(QStringLiteral("options/template"), 0);
    settings.setValue(QStringLiteral("options/saveFolder"), QString());
    const PresentationOptions options = store.LoadOptions(QStringLiteral("/srv/talks"));
    EXPECT_EQ(options.m_templateFile, "/srv/talks/quillon.pot");
    EXPECT_EQ(options.m_template, 1);
    EXPECT_EQ(options.m_saveFolder, "") << "an empty folder stays empty";
}

TEST_F(OptionsStore, AValueThatIsNoNumberGivesTheDefault)
{
    settings.setValue(QStringLiteral("options/leave"), QStringLiteral("yes"));
    settings.setValue(QStringLiteral("options/save"), QStringLiteral("99999999999"));
    const PresentationOptions options = store.LoadOptions(QStringLiteral("/srv/talks"));
    EXPECT_EQ(options.m_leave, 1);
    EXPECT_EQ(options.m_save, 0);
}

TEST_F(OptionsStore, TheFormatIsStoredBesideTheSevenAndAbsentOrUnknownMeansPpt)
{
    EXPECT_EQ(store.LoadOptions(QStringLiteral("/x")).m_format, PresentationFormat::Ppt);
    PresentationOptions options = store.LoadOptions(QStringLiteral("/x"));
    options.m_format = PresentationFormat::Pptx;
    store.SaveOptions(options);
    EXPECT_EQ(settings.value(QStringLiteral("options/format")).toString(), "pptx");
    EXPECT_EQ(store.LoadOptions(QStringLiteral("/x")).m_format, PresentationFormat::Pptx);
    options.m_format = PresentationFormat::Ppt;
    store.SaveOptions(options);
    EXPECT_EQ(settings.value(QStringLiteral("options/format")).toString(), "ppt");
    settings.setValue(QStringLiteral("options/format"), QStringLiteral("odp"));
    EXPECT_EQ(store.LoadOptions(QStringLiteral("/x")).m_format, PresentationFormat::Ppt);
}

} // namespace
