// Fuzz target: arbitrary text coloured by every highlighter, line by line with the long-comment
// state carried over, and bracket matching at carets all over it.
#include "VlBracketMatcher.h"
#include "VlEditorModel.h"
#include "VlHighlighters.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList lines =
        QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size)).split(QLatin1Char('\n'));
    for (int number = 0; number < VlHighlighterCount; ++number) {
        const auto highlighter = static_cast<TVlHighlighter>(number);
        const TVlLongStates::TScanner scanner = VlLongStateScanner(highlighter);
        TVlLongState state = TVlLongState::None;
        for (const QString &line : lines) {
            std::vector<TVlTokenClass> cells(size_t(line.size()) + 1);
            VlColorLine(highlighter, line, state, cells.data(), int(line.size()));
            if (scanner)
                state = scanner(line, state);
        }
    }
    const int step = std::max(1, int(size / 16));
    for (int y = 0; y < lines.size(); y += step)
        for (int x = 0; x <= lines[y].size(); x += step) {
            (void)VlFindBracketMarks(lines, TVlPos{x, y});
            (void)VlFindBracketMarks(lines, TVlPos{x, y}, VlDefaultWordPairs(), false);
        }
    return 0;
}
