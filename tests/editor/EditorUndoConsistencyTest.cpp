// Random edit sessions: undoing everything restores the start, redoing everything the end, and
// the long-comment states always equal a fresh scan of the text.
#include "editor/VlEditorModel.h"
#include "editor/VlHLParser.h"

#include <gtest/gtest.h>
#include <random>

namespace {
const int Commands[] = {ecNextPage, ecLineSelect, ecNormalSelect, ecSelPrevWord, ecChar, ecChar, ecChar, ecChar, ecInsertPara, ecBackspace, ecDelete, ecTab,
                        ecLeft, ecRight, ecUp, ecDown, ecEndLine, ecSelRight, ecSelDown, ecDeleteWord,
                        ecDeleteWordLeft, ecDeleteLine, ecIndent, ecUnindent, ecToUpperCase,
                        ecColumnSelRight, ecColumnSelDown, ecDeleteSelected, ecChangeInsertMode};
const char *const Typed[] = {"a", " ", "{", "}", "(", "*", ")", "'", "b", "\t", "/"};

std::vector<TVlLongState> FreshStates(const QStringList &lines)
{
    std::vector<TVlLongState> states{TVlLongState::None};
    for (const QString &line : lines)
        states.push_back(VlPascalScanLine(line, states.back()));
    return states;
}

TEST(UndoConsistency, RandomSessionsUndoAndRedoExactly)
{
    for (unsigned seed = 1; seed <= 200; ++seed) {
        std::mt19937 random(seed);
        TVlEditorModel model;
        model.Options().CursorBeyondEOF = seed % 3 == 0;
        model.SetVisibleRows(5);
        model.States().SetScanner(VlPascalScanLine);
        model.SetText(seed % 5 == 0 ? QString() : QString("begin\n  x := 1; { c }\n  (* y *)\nend."));
        const QString start = model.Text();
        for (int step = 0; step < 80; ++step) {
            const int command = Commands[random() % std::size(Commands)];
            model.ExecuteCommand(command, command == ecChar ? QString(Typed[random() % std::size(Typed)]) : QString());
            if (step % 10 == 0) {
                const std::vector<TVlLongState> fresh = FreshStates(model.Lines());
                for (int line = 0; line < model.LineCount(); ++line)
                    ASSERT_EQ(model.States().StateOf(model.Lines(), line), fresh[line])
                        << "seed " << seed << " step " << step << " line " << line;
            }
        }
        const QString end = model.Text();
        while (model.CanUndo())
            model.Undo();
        ASSERT_EQ(model.Text(), start) << "seed " << seed;
        while (model.CanRedo())
            model.Redo();
        ASSERT_EQ(model.Text(), end) << "seed " << seed;
    }
}
} // namespace
