#include "shell/command_line.h"

#include <gtest/gtest.h>

namespace zerkon {
namespace {

using Args = std::vector<std::string>;

TEST(SplitCommandLine, BlanksSeparateAndQuotesGroupWithoutBeingKept) {
    EXPECT_EQ(SplitCommandLine("prog.exe  a\tb "), (Args{"prog.exe", "a", "b"}));
    EXPECT_EQ(SplitCommandLine("\"C:\\Program Files\\z.exe\" \"/ELDP(C:\\My Data\\e.txt)\""),
              (Args{"C:\\Program Files\\z.exe", "/ELDP(C:\\My Data\\e.txt)"}));
    // A quote in the middle switches quoting without splitting the argument.
    EXPECT_EQ(SplitCommandLine("p /ELDP(\"C:\\a b\\e.txt\")"),
              (Args{"p", "/ELDP(C:\\a b\\e.txt)"}));
    EXPECT_EQ(SplitCommandLine("p \"\" x"), (Args{"p", "", "x"}));
    EXPECT_TRUE(SplitCommandLine("   ").empty());
}

TEST(ParseEldpSwitch, PathInParenthesesTurnsEldpModeOn) {
    auto eldp = ParseEldpSwitch({"zerkon.exe", "/ELDP(C:\\x\\data.txt)"});
    EXPECT_EQ(eldp.data_file, "C:\\x\\data.txt");
    EXPECT_TRUE(eldp.from_command_line);
    // The switch may stand anywhere inside the argument.
    EXPECT_EQ(ParseEldpSwitch({"z", "x/ELDP-(a.txt)y"}).data_file, "a.txt");
    // Path with blanks, passed quoted as one argument.
    EXPECT_EQ(ParseEldpSwitch(SplitCommandLine("z \"/ELDP(C:\\My Data\\e.txt)\"")).data_file,
              "C:\\My Data\\e.txt");
}

TEST(ParseEldpSwitch, MalformedOrAbsentSwitchStartsNormally) {
    for (const Args& args :
         {Args{"z"}, Args{"z", "/eldp(C:\\x\\data.txt)"}, Args{"z", "/Eldp(C:\\x.txt)"},
          Args{"z", "/ELDP()"}, Args{"z", "/ELDP"}, Args{"z", "/ELDP(C:\\x.txt"},
          Args{"z", "/ELDPC:\\x.txt)"}, Args{"z", "/ELDP)C:\\x.txt("}, Args{"z", "(a)", "b"}}) {
        auto eldp = ParseEldpSwitch(args);
        EXPECT_EQ(eldp.data_file, "") << args.back();
        EXPECT_FALSE(eldp.from_command_line) << args.back();
    }
}

TEST(ParseEldpSwitch, TakesTextBetweenFirstOpeningAndFirstClosingParenthesis) {
    EXPECT_EQ(ParseEldpSwitch({"z", "/ELDP(C:\\a(1)\\e.txt)"}).data_file, "C:\\a(1");
    // The first ")" comes before the second "(": the first "(" still counts.
    EXPECT_EQ(ParseEldpSwitch({"z", "/ELDP(a)(b)"}).data_file, "a");
}

TEST(ParseEldpSwitch, LastSwitchWinsAndOtherArgumentsAreIgnored) {
    auto later_bare = ParseEldpSwitch({"z", "/ELDP(C:\\x\\data.txt)", "/ELDP"});
    EXPECT_FALSE(later_bare.from_command_line);
    EXPECT_EQ(later_bare.data_file, "");

    auto later_path = ParseEldpSwitch({"z", "/ELDP()", "other", "/ELDP(b.txt)", "(c.txt)"});
    EXPECT_TRUE(later_path.from_command_line);
    EXPECT_EQ(later_path.data_file, "b.txt");
}

TEST(ParseEldpSwitch, ProgramPathIsNotAnArgument) {
    EXPECT_FALSE(ParseEldpSwitch({"C:\\/ELDP(x)\\zerkon.exe"}).from_command_line);
}

}  // namespace
}  // namespace zerkon
