// The streams the console unit writes to and reads from in the window: output is collected
// until the window shows it; input lines come from a callback that waits for the user.
#pragma once

#include <functional>
#include <istream>
#include <ostream>
#include <streambuf>
#include <string>

// Collects what is written; Take hands it over (UTF-8, as the console unit writes).
class TVlOutputCollector : public std::streambuf {
public:
    std::string Take();
    bool HasPending() const { return !FPending.empty(); }

protected:
    int_type overflow(int_type ch) override;
    std::streamsize xsputn(const char *text, std::streamsize count) override;

private:
    std::string FPending;
};

// Reads whole lines from ReadLine, which waits for one (UTF-8, without the line end) and may
// raise to end the wait.
class TVlLineSource : public std::streambuf {
public:
    explicit TVlLineSource(std::function<std::string()> readLine) : FReadLine(std::move(readLine)) {}
    // Forgets what was read and not yet taken.
    void Reset();

protected:
    int_type underflow() override;

private:
    std::function<std::string()> FReadLine;
    std::string FLine;
};

// The pair the console unit gets: streams over the two buffers. A failure inside ReadLine
// passes through the input stream (it raises on badbit); Reset makes the stream usable again.
class TVlConsoleStreams {
public:
    explicit TVlConsoleStreams(std::function<std::string()> readLine);
    // Clears the stream states and the input buffer before a run.
    void Reset();

    TVlOutputCollector Output;
    TVlLineSource Input;
    std::ostream Out{&Output};
    std::istream In{&Input};
};
