// The names the window answers for its scripts when nothing else knows them: "Test" (the main
// window), "Rec" (an empty TSearchRec), "ShowMessage" as a member of Test, "MyFunction" (its
// argument plus 1) and "SamplesDir".
#pragma once

#include <QString>

#include <functional>
#include <string>

class QWidget;
class TVlMainWindowObject;
class TVlValue;
struct TVlInterpreterArgs;

class TVlDemoNames {
public:
    TVlDemoNames(QWidget *window, std::function<void(const QString &text)> showMessage);
    ~TVlDemoNames();
    TVlDemoNames(const TVlDemoNames &) = delete;
    TVlDemoNames &operator=(const TVlDemoNames &) = delete;

    // The program's OnGetValue: sets done for the names above (letter case ignored).
    void GetValue(const std::string &name, TVlValue &value, TVlInterpreterArgs &args, bool &done);

    // The object "Test" stands for; made again when a script has freed it.
    TVlMainWindowObject *TestObject();

private:
    QWidget *FWindow;
    std::function<void(const QString &text)> FShowMessage;
    TVlMainWindowObject *FTestObject = nullptr;  // cleared by its destructor
};
