#include <gtest/gtest.h>

#include "official/clsHtmlData.h"
#include "official/clsHtmlGet.h"

namespace brenvik {
namespace {

std::vector<HtmlItem> items(const std::string& html) {
    clsHtmlData data;
    const int32_t n = data.GetHtmlData(html);
    EXPECT_EQ(n, static_cast<int32_t>(data.Items().size()));
    return data.Items();
}

std::vector<std::string> texts(const std::string& html) {
    std::vector<std::string> out;
    for (const HtmlItem& item : items(html)) out.push_back(item.Text);
    return out;
}

std::vector<std::string> cells(const std::string& html) {
    clsHtmlGet page;
    page.SetPage(html);
    std::vector<std::string> out;
    const int32_t n = page.GetTextData(out);
    EXPECT_EQ(n, static_cast<int32_t>(out.size()));
    return out;
}

using Strings = std::vector<std::string>;

TEST(HtmlTokenizer, CutsTagsAndTextPieces) {
    EXPECT_EQ(texts("<a <b>x"), Strings{"<a <b>"});           // "<" inside a tag; tail dropped
    EXPECT_EQ(texts("a<b>c<d"), (Strings{"a", "<b>", "c"}));  // an unclosed tag is dropped
    EXPECT_EQ(texts("<p>  </p>"), (Strings{"<p>", "</p>"}));  // blank-only text is no item
    EXPECT_EQ(texts(""), Strings{});
    EXPECT_EQ(texts(">x<y>"), (Strings{">x", "<y>"}));
}

TEST(HtmlTokenizer, NormalisesEveryItem) {
    struct Case {
        const char* page;
        const char* text;
    };
    const Case cases[] = {
        {"<b>\ta\r\n\r\n  b\x01</b>", "a b"},
        {"<b>&lt;x&gt; &quot;q&quot; &amp;</b>", "<x> \"q\" &"},
        {"<b>&amp;#169; &#174;</b>", "(c) (r)"},
        {"<b>&amp;lt;</b>", "&lt;"},
        {"<b>&nbsp;</b>", "&nbsp;"},
        {"<b>&#8203;&copy;</b>", "&#8203;&copy;"},
    };
    for (const Case& c : cases) {
        const auto got = items(c.page);
        ASSERT_EQ(got.size(), 3u) << c.page;
        EXPECT_EQ(got[1].Text, c.text) << c.page;
        EXPECT_EQ(got[1].Name, c.text) << c.page;
        EXPECT_FALSE(got[1].IsTag);
    }
    const auto tag = items("<td   class=\"a\"\n\nid=x >");
    ASSERT_EQ(tag.size(), 1u);
    EXPECT_EQ(tag[0].Text, "<td class=\"a\" id=x >");
    EXPECT_EQ(tag[0].Attributes, (Strings{"td", "class=\"a\"", "id=x", ""}));
    EXPECT_EQ(tag[0].AttributeCount, 3);
}

TEST(HtmlTokenizer, ClassifiesTagsEndTagsAndComments) {
    const auto got = items("<TD><!-- one --></td><!--/x-->");
    ASSERT_EQ(got.size(), 4u);
    EXPECT_TRUE(got[0].IsTag);
    EXPECT_EQ(got[0].Name, "TD");
    EXPECT_EQ(got[0].AttributeCount, 0);
    EXPECT_TRUE(got[1].IsTag && got[1].IsComment);
    EXPECT_EQ(got[1].Name, "one");
    EXPECT_TRUE(got[1].Attributes.empty());
    EXPECT_TRUE(got[2].IsEndTag);
    EXPECT_EQ(got[2].Name, "td");
    EXPECT_EQ(got[2].Attributes, Strings{"/td"});
    // A comment's name that begins with "/" counts as an end tag, as the classic reader did.
    EXPECT_TRUE(got[3].IsComment && got[3].IsEndTag);
    EXPECT_EQ(got[3].Name, "x");
}

TEST(HtmlTokenizer, CommentHoldingAngleBracketStaysOutOfTheCells) {
    const std::string page =
        "<body><p>before</p><!-- if (a > b) <p>hidden</p> --><p>after</p></body>";
    const auto got = items(page);
    // <body> <p> before </p> "<!-- if (a >" "b)" "<p>" "hidden" "</p>" "-->" <p> after </p> </body>
    ASSERT_EQ(got.size(), 14u);
    EXPECT_EQ(got[4].Text, "<!-- if (a >");
    EXPECT_TRUE(got[4].IsTag && got[4].IsComment && got[4].InBody);
    EXPECT_EQ(got[4].Name, "");
    for (std::size_t i = 5; i <= 9; ++i) {
        EXPECT_TRUE(got[i].IsComment) << i;
        EXPECT_FALSE(got[i].IsTag) << i;
        EXPECT_FALSE(got[i].InBody) << i;
    }
    EXPECT_FALSE(got[10].IsComment);
    EXPECT_EQ(cells(page), (Strings{"before", "after"}));
}

TEST(HtmlTokenizer, BodyTagsInAnyCase) {
    for (const char* page : {"<p>out</p><body>in</body>tail<p>x</p>",
                             "<p>out</p><BODY bgcolor=white>in</BODY>tail<p>x</p>",
                             "<p>out</p><Body>in</bOdY>tail<p>x</p>"}) {
        const auto got = items(page);
        EXPECT_FALSE(got[3].InBody) << page;  // the start tag itself is outside
        EXPECT_TRUE(got[4].InBody) << page;
        EXPECT_FALSE(got[5].InBody) << page;  // and so is the end tag
        EXPECT_EQ(cells(page), Strings{"in"}) << page;
    }
    // A comment naming the body does not open it.
    EXPECT_EQ(cells("<!--body--><p>x</p>"), Strings{});
}

TEST(HtmlTextCells, LineBreaksJoinAndBlanksGo) {
    struct Case {
        const char* body;
        Strings cells;
    };
    const Case cases[] = {
        {"a<br>b<br>c", {"abc"}},
        {"<br>a<p>b</p>", {"b"}},
        {"abc<br><b>def</b>", {"abc", "def"}},
        {"abc<BR>def<Br/>ghi<br />jkl", {"abcdef", "ghijkl"}},
        {"<td>2009年 3月　7日\t</td><td>x</td>", {"2009年3月7日", "x"}},
        {"<td>&nbsp;</td>", {"&nbsp;"}},
        {"<td>a</td><!-- c --><br>b", {"ab"}},
        {"<td>a</td><!-- c -->b", {"a", "b"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(cells(std::string("<html><body>") + c.body + "</body></html>"), c.cells)
            << c.body;
}

TEST(HtmlTokenizer, AMillionTinyTagsAndJunk) {
    std::string page = "<body>";
    for (int i = 0; i < 1000000; ++i) page += "<b>";
    page += std::string("x\0\xff\xfe<", 5) + "</body>";
    clsHtmlGet get;
    EXPECT_EQ(get.SetPage(page), 1000003);
    std::vector<std::string> out;
    EXPECT_EQ(get.GetTextData(out), 1);
}

TEST(HtmlTitle, TakesTheRawTextBetweenTheTitleTags) {
    clsHtmlGet page;
    page.SetPage(
        "<html><head><TITLE>toto  くじ情報 <b>x</b></title></head>"
        "<body><title>not this</title></body></html>");
    EXPECT_EQ(page.GetHtmlTitle(), "toto くじ情報<b>x</b>");
    page.SetPage("<html><head></head></html>");
    EXPECT_EQ(page.GetHtmlTitle(), "");
}

}  // namespace
}  // namespace brenvik
