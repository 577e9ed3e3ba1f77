#include "shell/main_window_activation.h"

#include <gtest/gtest.h>

#include "shell/install_paths.h"

namespace zerkon {
namespace {

TEST(MainWindowActivation, CaptionIsFixedTextFollowedDirectlyByVersion) {
    auto activation = ActivateMainWindow("1.2.3.4", "C:\\Prog\\zerkon.exe", {"zerkon.exe"});
    EXPECT_EQ(activation.caption, " Zerkon - u\x9Eite\xE8n\xFD pomocn\xEDk 1.2.3.4");
    // No version resource: the fixed text with its trailing blank and nothing after it.
    EXPECT_EQ(ActivateMainWindow("", "C:\\z.exe", {}).caption,
              " Zerkon - u\x9Eite\xE8n\xFD pomocn\xEDk ");
}

TEST(MainWindowActivation, FoldersFollowTheExecutable) {
    auto activation = ActivateMainWindow("1", "C:\\Program Files\\Zerkon\\zerkon.exe", {});
    EXPECT_EQ(activation.program_folder, "C:\\Program Files\\Zerkon\\");
    EXPECT_EQ(activation.source_folder, "C:\\Program Files\\Zerkon\\sourceZERKON\\");
    EXPECT_EQ(FolderOf("Z:/work/build/zerkon.exe"), "Z:/work/build\\");
    EXPECT_EQ(FolderOf("zerkon.exe"), "");
}

TEST(MainWindowActivation, EldpSwitchMinimisesAndIsPublished) {
    auto normal = ActivateMainWindow("1", "C:\\P\\z.exe", {"z", "/eldp(C:\\x.txt)"});
    EXPECT_FALSE(normal.open_eldp_minimised);

    auto eldp = ActivateMainWindow("1", "C:\\P\\z.exe", {"z", "/ELDP(C:\\x\\data.txt)"});
    EXPECT_TRUE(eldp.open_eldp_minimised);
    PublishActivation(eldp);
    EXPECT_EQ(EldpDataFile, "C:\\x\\data.txt");
    EXPECT_TRUE(EldpFromCommandLine);
    EXPECT_EQ(ProgramFolder, "C:\\P\\");
    EXPECT_EQ(SourceFolder, "C:\\P\\sourceZERKON\\");

    // A later activation without the switch clears it again and restores SourceFolder.
    SourceFolder = "C:\\RAL\\SOURCERAL\\";
    PublishActivation(normal);
    EXPECT_EQ(EldpDataFile, "");
    EXPECT_FALSE(EldpFromCommandLine);
    EXPECT_EQ(SourceFolder, "C:\\P\\sourceZERKON\\");
}

}  // namespace
}  // namespace zerkon
