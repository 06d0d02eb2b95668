// Snippet texts and log lines against a golden listing of every snippet.
#include "GoldenText.h"
#include "VlSnippets.h"

namespace {

QString Describe(TVlSnippet snippet, const QString &formName)
{
    const TVlSnippetText text = SnippetText(snippet, formName);
    QString out = "[" + SnippetCaption(snippet) + "] ";
    if (text.kind == TVlSnippetKind::Word)
        out += "word <" + text.word + ">\n";
    else
        out += "block\n<" + text.lines.join(">\n<") + ">\n";
    out += "log <" + text.logLine + ">\n";
    return out;
}

TEST(SnippetsTest, EverySnippetMatchesItsGoldenText)
{
    QString listing;
    for (TVlSnippet snippet : AllSnippets())
        listing += Describe(snippet, "Form1");
    ExpectGolden("snippets.txt", listing);
}

TEST(SnippetsTest, EventHandlersUseTheCurrentFormName)
{
    const TVlSnippetText click = SnippetText(TVlSnippet::OnClick, "Main");
    ASSERT_EQ(click.lines.size(), 4);
    EXPECT_EQ(click.lines[0], "procedure TMain.?Click(Sender: TObject)   //? - то на что вы нажимаете");
    EXPECT_EQ(click.logLine, "Добавлена процедура OnClick");
    const TVlSnippetText change = SnippetText(TVlSnippet::OnChange, "Main");
    EXPECT_EQ(change.lines[0], "procedure TMain.?Change(Sender: TObject)   //? - то, что изменяется");
}

TEST(SnippetsTest, SilentSnippetsWriteNoLogLine)
{
    for (TVlSnippet snippet : {TVlSnippet::IfThen, TVlSnippet::StringField, TVlSnippet::IntegerField,
                               TVlSnippet::BooleanField, TVlSnippet::BeginEnd})
        EXPECT_TRUE(SnippetText(snippet, "Form1").logLine.isEmpty()) << SnippetCaption(snippet).toStdString();
}

} // namespace
