// Console streams of the window's runs.
#include "VlConsoleStreams.h"

std::string TVlOutputCollector::Take()
{
    std::string text;
    text.swap(FPending);
    return text;
}

TVlOutputCollector::int_type TVlOutputCollector::overflow(int_type ch)
{
    if (!traits_type::eq_int_type(ch, traits_type::eof()))
        FPending.push_back(traits_type::to_char_type(ch));
    return traits_type::not_eof(ch);
}

std::streamsize TVlOutputCollector::xsputn(const char *text, std::streamsize count)
{
    FPending.append(text, static_cast<size_t>(count));
    return count;
}

void TVlLineSource::Reset()
{
    FLine.clear();
    setg(nullptr, nullptr, nullptr);
}

TVlLineSource::int_type TVlLineSource::underflow()
{
    if (gptr() < egptr())
        return traits_type::to_int_type(*gptr());
    FLine = FReadLine() + '\n';
    setg(FLine.data(), FLine.data(), FLine.data() + FLine.size());
    return traits_type::to_int_type(*gptr());
}

TVlConsoleStreams::TVlConsoleStreams(std::function<std::string()> readLine)
    : Input(std::move(readLine))
{
    In.exceptions(std::ios::badbit);
}

void TVlConsoleStreams::Reset()
{
    Input.Reset();
    In.clear();
    Out.clear();
}
