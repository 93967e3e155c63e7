#include <gtest/gtest.h>

#include "app/Messages.h"
#include "app/RuntimeError.h"
#include "support/Recorders.h"

namespace brenvik {
namespace {

TEST(ErrorReport, MessageIsAWarningTitledByProgramOwnerAndProcedure) {
    test::MessageRecorder rec;
    ErrorReport("clsIniFile").message("GetItem", "Initialize Err");
    ErrorReport("basMain").message("", "x");
    ASSERT_EQ(rec.boxes.size(), 2u);
    EXPECT_EQ(rec.boxes[0].icon, MessageIcon::Warning);
    EXPECT_EQ(rec.boxes[0].title, "Brenvik / clsIniFile / GetItem");
    EXPECT_EQ(rec.boxes[0].text, "Initialize Err");
    EXPECT_EQ(rec.boxes[1].title, "Brenvik / basMain");
}

TEST(ErrorReport, RuntimeErrorIsAnErrorBoxWithDescriptionAndNumber) {
    test::MessageRecorder rec;
    ErrorReport("clsFileStream").error("SaveToFile", RuntimeError(75, err::describe(75)));
    ASSERT_EQ(rec.boxes.size(), 1u);
    EXPECT_EQ(rec.boxes[0].icon, MessageIcon::Error);
    EXPECT_EQ(rec.boxes[0].title, "Brenvik / clsFileStream / SaveToFile");
    EXPECT_EQ(rec.boxes[0].text, "パス名が無効です。 ( 75 )");
}

}  // namespace
}  // namespace brenvik
