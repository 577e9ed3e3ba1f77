#include "shell/main_window_activation.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(activation.context.program_folder, "C:\\Program Files\\Zerkon\\");
    EXPECT_EQ(activation.context.source_folder, "C:\\Program Files\\Zerkon\\sourceZERKON\\");
    EXPECT_EQ(FolderOf("Z:/work/build/zerkon.exe"), "Z:/work/build\\");
    EXPECT_EQ(FolderOf("zerkon.exe"), "");
}

TEST(MainWindowActivation, EldpSwitchMinimisesAndTheNextActivationRestoresTheTemplates) {
    auto normal = ActivateMainWindow("1", "C:\\P\\z.exe", {"z", "/eldp(C:\\x.txt)"});
    EXPECT_FALSE(normal.open_eldp_minimised);
    EXPECT_FALSE(normal.context.eldp.from_command_line);

    auto eldp = ActivateMainWindow("1", "C:\\P\\z.exe", {"z", "/ELDP(C:\\x\\data.txt)"});
    EXPECT_TRUE(eldp.open_eldp_minimised);
    ProgramContext context = eldp.context;
    EXPECT_EQ(context.eldp.data_file, "C:\\x\\data.txt");
    EXPECT_TRUE(context.eldp.from_command_line);

    // An ELDP output reads the payroll program's templates until the next activation.
    context.UsePayrollTemplates("C:\\RAL\\SOURCERAL\\");
    EXPECT_EQ(context.source_folder, "C:\\RAL\\SOURCERAL\\");
    context = ActivateMainWindow("1", "C:\\P\\z.exe", {"z"}).context;
    EXPECT_EQ(context.source_folder, "C:\\P\\sourceZERKON\\");
    EXPECT_FALSE(context.eldp.from_command_line);
}

}  // namespace
}  // namespace zerkon
