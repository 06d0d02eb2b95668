// The main window as scripts see it through the name "Test": a component of class "TForm1" whose
// published properties read and write the window.
#pragma once

#include "rtl/VlComponent.h"

#include <QPointer>
#include <QWidget>

class TVlMainWindowObject : public TComponent {
public:
    static const TClassInfo &StaticClassInfo();
    const TClassInfo *ClassInfo() const override { return &StaticClassInfo(); }

    // `selfRef` is cleared when the object is destroyed (a script may Free it).
    TVlMainWindowObject(QWidget *window, TVlMainWindowObject **selfRef);
    ~TVlMainWindowObject() override;

    QWidget *Window() const { return FWindow; }

    // CP1251 texts, as script strings are.
    std::string Caption() const;
    void SetCaption(const std::string &value);
    std::string Hint() const;
    void SetHint(const std::string &value);
    // Outer bounds (frame included) and the client area, in pixels.
    int Left() const;
    void SetLeft(int value);
    int Top() const;
    void SetTop(int value);
    int Width() const;
    void SetWidth(int value);
    int Height() const;
    void SetHeight(int value);
    int ClientWidth() const;
    void SetClientWidth(int value);
    int ClientHeight() const;
    void SetClientHeight(int value);

private:
    QPointer<QWidget> FWindow;
    TVlMainWindowObject **FSelfRef;
};
